# Sourced by the scripts that start Wine: one prefix for the project (64-bit,
# with 32-bit support: both architectures' programs run in it), quiet logs,
# and the MinGW runtime (libstdc++, libgcc, winpthread) of a program's own
# architecture for the loader.
# ORVO_WINE_GRAPHICS: null (tests, no display) or x11 (pictures, a real or
# virtual display); each has a prefix of its own.
: "${ORVO_WINE_GRAPHICS:=null}"
if [ "$ORVO_WINE_GRAPHICS" = null ]; then
    : "${WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/orvo-wineprefix}"
else
    : "${WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/orvo-wineprefix-$ORVO_WINE_GRAPHICS}"
fi
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine makes and updates a prefix (wineboot, or by itself on the first run
# after Wine was installed or changed) with the environment of the process
# that does it; with WINEPATH naming MinGW's folders the prefix comes out
# broken for good once wine32 is installed ("could not load kernel32.dll").
# So WINEPATH is never exported here: wine-run sets it for the one program it
# starts, after setup-wine.sh has made and updated the prefix without it.
unset WINEPATH
to_wine_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
# The architecture a Windows program is built for, from its PE header:
# i686 or x86_64 (also for a file that cannot be read, such as a Wine path).
orvo_pe_machine() {
    pe_offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    pe_machine=$(od -An -tx2 -j$((${pe_offset:-0} + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
    [ "$pe_machine" = 014c ] && echo i686 || echo x86_64
}
# The WINEPATH that finds the MinGW runtime of an architecture (i686, x86_64).
orvo_runtime_path() {
    runtime_gcc=$(ls -d /usr/lib/gcc/"$1"-w64-mingw32/*-posix 2>/dev/null | head -n 1)
    printf '%s;%s' "$(to_wine_path "$runtime_gcc")" "$(to_wine_path /usr/"$1"-w64-mingw32/lib)"
}
