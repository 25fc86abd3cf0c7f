#!/usr/bin/env bash
# screensaver_first_frame.sh - twistblocks.scr under Wine: launch to first frame of /s, and of
# /p inside tests/app/PreviewHost.cpp's window (launch of the host, which starts the screensaver,
# to the screensaver's first frame), RUNS times each on a private Xvfb; prints each run and the
# median. A frame is a wglSwapBuffers in Wine's own trace (WINEDEBUG=trace+wgl, timestamps).
#
# Needs build-windows/ with its unpacked zip and prefix (scripts/check-windows). Knobs (env):
# RUNS=5
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
RUNS=${RUNS:-5}
run="$root/build-windows/run"
host="$root/build-windows/tests/app/twistblocks-preview-host.exe"
for need in "$run/twistblocks.scr" "$host" "$root/build-windows/wineprefix"; do
    [ -e "$need" ] || { echo "missing $need: run scripts/check-windows first" >&2; exit 2; }
done
source "$root/scripts/lib/wine.sh"
use_wine || exit 2

tmp=$(mktemp -d)
on_exit 'rm -rf "$tmp"'
start_xvfb 800x600x24 || exit 2
"$wine" wineboot >/dev/null 2>&1; "$wineserver" -w   # the prefix up before the clock starts

scr_for_windows=$("$wine" winepath -w "$run/twistblocks.scr" 2>/dev/null)
now() { python3 -c "import time; print(time.clock_gettime(time.CLOCK_MONOTONIC_RAW))"; }
first_frame() {  # first_frame /s|/p: milliseconds from launch to the first swap
    local start pid first="" trace
    trace=$(mktemp "$tmp/trace.XXXX")  # a file of its own: a late line of the last run cannot land in it
    start=$(now)
    if [ "$1" = /s ]; then
        (cd "$tmp" && WINEDEBUG=-all,trace+wgl,+timestamp exec "$wine" "$run/twistblocks.scr" /s >/dev/null 2>"$trace") &
    else
        (cd "$tmp" && WINEDEBUG=-all,trace+wgl,+timestamp exec "$wine" "$host" "$scr_for_windows" >/dev/null 2>"$trace") &
    fi
    pid=$!
    for _ in $(seq 3000); do
        first=$(grep -m1 "wglSwapBuffers" "$trace" 2>/dev/null | cut -d: -f1)
        [ -n "$first" ] && break
        sleep 0.01
    done
    if [ "$1" = /s ]; then xdotool mousemove_relative -- 40 30; else "$wine" taskkill /im twistblocks-preview-host.exe >/dev/null 2>&1; fi
    wait "$pid" 2>/dev/null
    "$wineserver" -w
    [ -n "$first" ] && python3 -c "print(round(1000 * ($first - $start)))"
}

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
for mode in /s /p; do
    times=()
    for _ in $(seq "$RUNS"); do times+=("$(first_frame "$mode")"); done
    echo "$mode: first frame ${times[*]} ms; median $(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((RUNS + 1) / 2))p") ms"
done
