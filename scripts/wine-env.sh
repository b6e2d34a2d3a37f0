# Sourced by the scripts that start Wine: one prefix for the project, quiet logs,
# and the MinGW runtime (libstdc++, libgcc, winpthread) found by the loader.
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
to_wine_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
mingw_gcc=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix 2>/dev/null | head -n 1)
export WINEPATH="$(to_wine_path "$mingw_gcc");$(to_wine_path /usr/x86_64-w64-mingw32/lib)"
