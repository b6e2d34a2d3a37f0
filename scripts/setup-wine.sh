#!/bin/sh
# Creates the project's Wine prefix once (null graphics driver, so tests need no
# display; ORVO_WINE_GRAPHICS=x11 makes the prefix of the demo's pictures) and
# keeps a wineserver running so that each test starts quickly.
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
mkdir -p "$WINEPREFIX"
# A persistent server: this and every later wine process attach to it.
# (It exits with a non-zero status when one is running already.)
wineserver -p 2>/dev/null || true
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating Wine prefix $WINEPREFIX" >&2
    wineboot -i >/dev/null 2>&1
fi
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$ORVO_WINE_GRAPHICS" /f >/dev/null 2>&1
if [ "$ORVO_WINE_GRAPHICS" = x11 ]; then
    # A Wine virtual desktop: Wine draws the windows' frames and captions
    # itself, so pictures look right also where no window manager runs. The
    # desktop process reads this when it starts: start the server afresh.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wineserver -p 2>/dev/null || true
fi
# The first program after the prefix is made waits for Wine's services to
# start; let that happen here rather than in the first test.
wine cmd /c exit >/dev/null 2>&1 || true
