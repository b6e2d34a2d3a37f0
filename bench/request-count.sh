#!/bin/sh
# Counts the wineserver requests of each editor's open and of each layout
# switch, from the server's own log: the figure that does not move with the
# machine's load, to compare before and after a change.
#
#   sh bench/request-count.sh [TOP, default 8]
#
# It starts the project's prefix's server in the foreground with its request
# log (wineserver -f -d1: one line a request, one a reply; only requests are
# counted) and runs orvo-bench-open.exe --requests, which opens each editor
# and makes each switch once unmarked and once between two marks in the log
# (see TOpenLatencyBench.cpp). For each step it prints the requests of the
# program's thread between the marks, the windows the step created (opens:
# create_window) or showed and hid (switches), the requests per such window,
# the requests of other processes (Wine's desktop) in the same span, and the
# TOP request kinds. ORVO_REQUEST_LOG=FILE keeps the log.
#
# Then orvo-bench-windows.exe --requests (TWindowCostBench.cpp) marks what
# one bare control of each kind costs, created in a hidden window that is
# then shown and painted. Each open gets its floor from it: its statics,
# drop-down lists, edit boxes and push buttons (by the class of each
# create_window) at their bare cost; what the open makes above that is the
# dialog's own creation, showing and painting, and the editor's work.
#
# ORVO_WINE_GRAPHICS=x11 counts with Wine's X11 driver instead, in its own
# prefix, on a virtual display (Xvfb) when there is no display.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
top=${1:-8}
[ -f "$root/build/win/bin/orvo-bench-open.exe" ] && [ -f "$root/build/win/bin/orvo-bench-windows.exe" ] ||
    sh "$root/scripts/build.sh" >/dev/null
. "$root/scripts/wine-env.sh"
. "$root/scripts/virtual-display.sh"
log=${ORVO_REQUEST_LOG:-$(mktemp)}
trap 'orvo_stop_virtual_display; [ -n "$ORVO_REQUEST_LOG" ] || rm -f "$log"' EXIT
orvo_start_virtual_display :79
sh "$root/scripts/setup-wine.sh"

wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -f -d1 2>"$log" &
server=$!
# A second for the server to open its socket before the program looks for it.
sleep 1
"$root/scripts/wine-run" "$root/build/win/bin/orvo-bench-open.exe" --requests
"$root/scripts/wine-run" "$root/build/win/bin/orvo-bench-windows.exe" --requests
wineserver -k 2>/dev/null || true
wait "$server" 2>/dev/null || true

awk -v top="$top" '
# The top entries of arr (kind -> figure), largest first, as "kind N, ...";
# entries under 0.5 left out (a simple sort: a few hundred kinds at most).
function largest(arr, top,   n, i, j, k, order, tmp, text) {
    n = 0
    for (k in arr) if (arr[k] >= 0.5) { n++; order[n] = k }
    for (i = 2; i <= n; i++) {
        tmp = order[i]
        for (j = i - 1; j >= 1 && arr[order[j]] < arr[tmp]; j--) order[j + 1] = order[j]
        order[j + 1] = tmp
    }
    text = ""
    for (i = 1; i <= n && i <= top; i++) text = text sprintf("%s%s %d", (i > 1 ? ", " : ""), order[i], arr[order[i]] + 0.5)
    return text
}
function flush(   k) {
    if (step == "") return
    steps[++nsteps] = step
    total[step] = requests
    created[step] = count["create_window"] + 0
    for (k in count) { counted[step, k] = count[k]; kinds[k] = 1 }
    for (k in classes) made[step, k] = classes[k]
    delete classes
    others[step] = other
    detail[step] = largest(count, top)
    delete count
    step = ""
}
# A request: "TTTT: name( args )"; a reply: "TTTT: name() = STATUS { ... }".
/^[0-9a-f]+: [a-z_0-9]+\(/ {
    if ($0 ~ /^[0-9a-f]+: [a-z_0-9]+\(\) = /) next
    thread = $1
    kind = $2; sub(/\(.*/, "", kind)
    if (kind == "add_atom" && index($0, "name=L\"orvo-mark ")) {
        mark = $0; sub(/.*name=L"orvo-mark /, "", mark); sub(/".*/, "", mark)
        if (mark ~ /^begin /) { flush(); step = substr(mark, 7); marked = thread; requests = 0; other = 0; next }
        if (mark ~ /^end / && step != "") { flush(); next }
        if (mark ~ /^windows /) {
            name = substr(mark, 9); w = name; sub(/.* /, "", w); sub(/ [0-9]+$/, "", name)
            changed[name] = w
        }
        next
    }
    if (step == "") next
    if (thread == marked) {
        requests++; count[kind]++
        # The kind of control a window is, by its class; a drop-down list
        # makes its own list box (ComboLBox), which its bare cost holds.
        if (kind == "create_window") {
            cls = $0; sub(/.*class=L"/, "", cls); sub(/".*/, "", cls); cls = toupper(cls)
            if (cls == "STATIC") classes["static"]++
            else if (cls == "COMBOBOX") classes["list"]++
            else if (cls == "EDIT") classes["edit"]++
            else if (cls == "BUTTON") classes["button"]++
        }
    } else other++
}
END {
    flush()
    nkinds = split("static list edit button", kindnames, " ")
    for (j = 1; j <= nkinds; j++) {
        b = "bare " kindnames[j]
        if (changed[b] + 0 > 0) bare[kindnames[j]] = (total[b] - total["bare none"]) / changed[b]
    }
    printf "%-34s %9s %8s %12s %7s %7s %7s\n", "Step", "Requests", "Windows", "Per window", "Others", "Bare", "Above"
    for (i = 1; i <= nsteps; i++) {
        s = steps[i]
        if (s ~ /^bare /) continue
        w = (s ~ /^switch /) ? changed[s] + 0 : created[s]
        floor = ""
        if (s ~ /^open /) {
            f = 0
            for (j = 1; j <= nkinds; j++) f += made[s, kindnames[j]] * bare[kindnames[j]]
            floor = sprintf("%7d %7d", f, total[s] - f)
        }
        printf "%-34s %9d %8d %12s %7d %s\n", s, total[s], w, (w > 0 ? sprintf("%.1f", total[s] / w) : "-"), others[s], floor
    }
    print ""
    printf "One bare control, created in a hidden window then shown and painted:"
    for (j = 1; j <= nkinds; j++) printf "%s %s %.1f", (j > 1 ? "," : ""), kindnames[j], bare[kindnames[j]]
    printf " requests (the window alone: %d).\n", total["bare none"]
    print "Bare: what the open'"'"'s controls cost bare, by their classes; Above: the rest."
    print ""
    print "Windows: created by an open, shown or hidden by a switch. Others: requests of"
    print "other processes (Wine'"'"'s desktop) in the same span. The most frequent kinds:"
    for (i = 1; i <= nsteps; i++) if (steps[i] !~ /^bare none/) printf "%s: %s\n", steps[i], detail[steps[i]]
    print ""
    print "Above the bare cost of its controls, by kind:"
    for (i = 1; i <= nsteps; i++) {
        s = steps[i]
        if (s !~ /^open /) continue
        delete above
        for (k in kinds) {
            above[k] = counted[s, k]
            for (j = 1; j <= nkinds; j++) {
                b = "bare " kindnames[j]
                if (changed[b] + 0 > 0)
                    above[k] -= made[s, kindnames[j]] * (counted[b, k] - counted["bare none", k]) / changed[b]
            }
        }
        printf "%s: %s\n", s, largest(above, top)
    }
}' "$log"
