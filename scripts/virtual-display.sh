# Sourced by the scripts that run Wine's X11 driver (ORVO_WINE_GRAPHICS=x11):
# without a display, orvo_start_virtual_display DISPLAY starts a virtual one
# (Xvfb) there and exports DISPLAY; orvo_stop_virtual_display stops it again
# (the caller's EXIT trap), after the Wine of the prefix, whose processes hold
# the display. With the null driver, or a display already there, both do
# nothing. The caller sets root to the checkout.
orvo_xvfb=""
orvo_start_virtual_display() {
    if [ "${ORVO_WINE_GRAPHICS:-null}" != x11 ] || [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    Xvfb "$1" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    orvo_xvfb=$!
    export DISPLAY="$1"
    # A second for the server to take connections.
    sleep 1
}
orvo_stop_virtual_display() {
    if [ -n "$orvo_xvfb" ]; then
        (. "$root/scripts/wine-env.sh"; wineserver -k; timeout 60 wineserver -w) >/dev/null 2>&1 || true
        kill "$orvo_xvfb" 2>/dev/null || true
    fi
}
