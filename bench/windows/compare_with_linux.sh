#!/usr/bin/env bash
# compare_with_linux.sh - twistblocks.exe under Wine beside the Linux build, one after the
# other on the same private Xvfb and Mesa's software GL, in one run.
#
# For each it prints: start to first frame (launch to the first buffer swap), buffer swaps per
# second, CPU ms per swap of the program's process (all threads) and of the X server, over DUR
# seconds after WARM seconds of running; for Wine also the wineserver's CPU per swap, and the
# exe's size. On Linux a swap is a game frame; under Wine there can be more swaps than game
# frames (compare the fps on the status line).
# Frames are counted at the buffer swap: for Linux by bench/peers/swapcount.c on
# SDL_GL_SwapWindow, for Wine from its own trace of wglSwapBuffers (WINEDEBUG=trace+wgl, with
# timestamps; the trace costs a little CPU).
#
# Needs build/ (the Linux build) and build-windows/ (scripts/build-windows; the prefix
# build-windows/wineprefix made by scripts/check-windows). Knobs (env): DUR=20 WARM=5
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
DUR=${DUR:-20}
WARM=${WARM:-5}
linux="$root/build/src/app/twistblocks"
run="$root/build-windows/run"
for need in "$linux" "$run/twistblocks.exe" "$root/build-windows/wineprefix"; do
    [ -e "$need" ] || { echo "missing $need: run scripts/test and scripts/check-windows first" >&2; exit 2; }
done
source "$root/scripts/lib/wine.sh"
use_wine || exit 2

tmp=$(mktemp -d)
ppid_=""
cleanup() {
    [ -n "$ppid_" ] && kill "$ppid_" 2>/dev/null
    rm -rf "$tmp"
}
on_exit cleanup
cc -O2 -shared -fPIC -o "$tmp/swapcount.so" "$root/bench/peers/swapcount.c" -ldl || exit 2
start_xvfb 640x640x24 || exit 2
"$wine" wineboot >/dev/null 2>&1; "$wineserver" -w   # the prefix up before the clock starts

hz=$(getconf CLK_TCK)
# The shim stamps swaps with CLOCK_MONOTONIC, Wine's trace with CLOCK_MONOTONIC_RAW.
now() { python3 -c "import time; print(time.clock_gettime(time.CLOCK_MONOTONIC$([ "$1" = wine ] && echo _RAW)))"; }
cpu() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
swap_count() {  # swaps so far (Linux: the shim's slot; Wine: the trace's lines)
    if [ "$1" = linux ]; then od -An -tu8 -N8 "$tmp/slot" 2>/dev/null | tr -d ' ' || echo 0
    else grep -c "glxdrv_wglSwapBuffers" "$tmp/trace" 2>/dev/null || echo 0; fi
}

measure() {  # measure linux|wine
    local kind=$1 start first_ns="" c0 c1 p0 p1 x0 x1 s0 s1 spid
    start=$(now "$kind")
    if [ "$kind" = linux ]; then
        (cd "$root/data" && SWAPCOUNT_FILE="$tmp/slot" LD_PRELOAD="$tmp/swapcount.so" exec "$linux" >/dev/null 2>&1) &
    else
        (cd "$run" && WINEDEBUG=-all,trace+wgl,+timestamp exec "$wine" twistblocks.exe >/dev/null 2>"$tmp/trace") &
    fi
    ppid_=$!
    # The first swap: for Linux its time is read from the slot while the count is still 1.
    for _ in $(seq 6000); do
        if [ "$(swap_count "$kind")" -ge 1 ] 2>/dev/null; then
            [ "$kind" = linux ] && first_ns=$(od -An -tu8 -j8 -N8 "$tmp/slot" | tr -d ' ')
            break
        fi
        sleep 0.005
    done
    local first
    if [ "$kind" = linux ]; then first=$(python3 -c "print($first_ns / 1e9)"); else first=$(grep -m1 "glxdrv_wglSwapBuffers" "$tmp/trace" | cut -d: -f1); fi
    sleep "$WARM"
    spid=$(pgrep -n -x wineserver || pgrep -n wineserver64 || echo "")
    c0=$(swap_count "$kind"); p0=$(cpu "$ppid_"); x0=$(cpu "$xvfb_pid"); s0=$([ -n "$spid" ] && cpu "$spid" || echo 0)
    sleep "$DUR"
    c1=$(swap_count "$kind"); p1=$(cpu "$ppid_"); x1=$(cpu "$xvfb_pid"); s1=$([ -n "$spid" ] && cpu "$spid" || echo 0)
    if [ "$kind" = linux ]; then kill "$ppid_"; else "$wine" taskkill /im twistblocks.exe >/dev/null 2>&1; fi
    wait "$ppid_" 2>/dev/null; ppid_=""
    python3 - "$kind" "$start" "$first" "$c0" "$c1" "$p0" "$p1" "$x0" "$x1" "$s0" "$s1" "$hz" "$DUR" <<'PY'
import sys
kind = sys.argv[1]
start, first, c0, c1, p0, p1, x0, x1, s0, s1, hz, dur = map(float, sys.argv[2:])
n = max(c1 - c0, 1)
line = (f"{kind:5}  first frame {1000 * (first - start):6.0f} ms  swaps/s {n / dur:5.1f}"
        f"  CPU {1000 * (p1 - p0) / hz / n:5.2f} ms/swap ({100 * (p1 - p0) / hz / dur:3.0f}% of a core)"
        f"  Xvfb {1000 * (x1 - x0) / hz / n:5.2f} ms/swap")
if kind == "wine":
    line += f"  wineserver {1000 * (s1 - s0) / hz / n:5.2f} ms/swap"
print(line)
PY
}

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg); ${DUR} s after ${WARM} s"
echo "twistblocks.exe: $(stat -c %s "$root/build-windows/twistblocks.exe") bytes with debugging information," \
    "$(stat -c %s "$root/build-windows/package/twistblocks.exe") bytes stripped (the zip's)"
measure linux
measure wine
