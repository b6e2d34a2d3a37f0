#!/bin/sh
# Creates the project's Wine prefix once (null graphics driver, so tests need no
# display; ORVO_WINE_GRAPHICS=x11 makes the prefix of the demo's pictures) and
# keeps a wineserver running so that each test starts quickly. One 64-bit
# prefix serves both architectures: Wine runs 32-bit programs in it (wine32).
# The prefix is made and updated with WINEPATH unset (see wine-env.sh); one
# that fails anyway ("could not load kernel32.dll") is removed and made again.
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

# Wine's own command interpreter, 64-bit and 32-bit: silent when the prefix
# works. Through wine-run, whose output never passes through a pipe that
# Wine's services could hold open.
prefix_fault() {
    for interpreter in 'C:\windows\system32\cmd.exe' 'C:\windows\syswow64\cmd.exe'; do
        if ! output=$(ORVO_WINE_RUNTIME=none timeout 300 "$here/wine-run" "$interpreter" /c exit 2>&1) ||
            [ -n "$output" ]; then
            printf '%s: %s\n' "$interpreter" "$output"
            return
        fi
    done
}

make_prefix() {
    mkdir -p "$WINEPREFIX"
    # A persistent server: this and every later wine process attach to it.
    # (It exits with a non-zero status when one is running already.)
    wineserver -p >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating Wine prefix $WINEPREFIX" >&2
        # Bounded: a wineboot that waits on something never stops the tests;
        # the check below finds a prefix it left unfinished.
        timeout 600 wineboot -i >/dev/null 2>&1 || true
    elif [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
        # Made before wine32 was installed: Wine adds the 32-bit side now.
        echo "Updating Wine prefix $WINEPREFIX for 32-bit programs" >&2
        timeout 600 wineboot -u >/dev/null 2>&1 || true
    fi
}

make_prefix
fault=$(prefix_fault)
if [ -n "$fault" ]; then
    printf 'The Wine prefix %s does not work (%s); making it again\n' "$WINEPREFIX" "$fault" >&2
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    make_prefix
    fault=$(prefix_fault)
    if [ -n "$fault" ]; then
        printf 'The new Wine prefix %s does not work either: %s\n' "$WINEPREFIX" "$fault" >&2
        echo "(32-bit programs need wine32: sh scripts/install-deps.sh)" >&2
        exit 1
    fi
fi

timeout 300 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$ORVO_WINE_GRAPHICS" /f >/dev/null 2>&1
if [ "$ORVO_WINE_GRAPHICS" = x11 ]; then
    # A Wine virtual desktop: Wine draws the windows' frames and captions
    # itself, so pictures look right also where no window manager runs. The
    # desktop process reads this when it starts: start the server afresh.
    timeout 300 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    timeout 300 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wineserver -p >/dev/null 2>&1 || true
fi
