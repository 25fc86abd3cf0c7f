#!/usr/bin/env bash
# compare_with_rubik.sh - the demo side by side with the peer screensaver `rubik` on this
# machine: both under Xvfb at 512 x 512 on Mesa's software GL, the peer at cube size 6.
#
# For the demo it prints:
#   own pacing   - CPU ms per frame (process, all threads), Xvfb CPU ms per frame, fps,
#                  mean frame period and its standard deviation, peak RSS, over DUR seconds
#                  of the unchanged program (build/src/app/twistblocks) after WARM seconds;
#   uncapped     - CPU ms per frame and frames per CPU-second on the virtual clock
#                  (twistblocks-capture, headless), from the difference of two run lengths;
# then runs ../shared/peers/rubik_bench.sh for the peer at its default pacing and uncapped.
# Frames of the demo are counted by an LD_PRELOAD shim on SDL_GL_SwapWindow (sdlswapcount.c).
#
# Needs a build in build/ and: apt-get install -y xvfb xscreensaver-gl-extra gcc
# Knobs (env): DUR=30 WARM=3 RUBIK=1 (0 skips the peer)
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
DUR=${DUR:-30}
WARM=${WARM:-3}
RUBIK=${RUBIK:-1}
demo="$root/build/src/app/twistblocks"
capture="$root/build/tools/capture/twistblocks-capture"
for need in "$demo" "$capture"; do
    [ -x "$need" ] || { echo "missing $need: build first (scripts/test or cmake --build build)" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "missing Xvfb: apt-get install -y xvfb" >&2; exit 2; }

tmp=$(mktemp -d)
xpid=""; dpid=""
cleanup() {
    [ -n "$dpid" ] && kill "$dpid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
cc -O2 -shared -fPIC -o "$tmp/sdlswapcount.so" "$here/sdlswapcount.c" -ldl || exit 2

d=90
while [ -e "/tmp/.X11-unix/X$d" ] || [ -e "/tmp/.X$d-lock" ]; do d=$((d + 1)); done
Xvfb ":$d" -screen 0 640x640x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$d" ] && break; sleep 0.2; done

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
read_slot() { od -An -tu8 -N16 "$1" | tr -s ' ' | sed 's/^ //'; od -An -tf8 -j16 -N16 "$1" | tr -s ' ' | sed 's/^ //'; }
hz=$(getconf CLK_TCK)

echo "== demo at its own pacing (Xvfb, ${DUR} s after ${WARM} s)"
(cd "$root/data" && DISPLAY=":$d" SDLSWAPCOUNT_FILE="$tmp/slot" LD_PRELOAD="$tmp/sdlswapcount.so" \
    exec "$demo" >/dev/null 2>&1) &
dpid=$!
sleep "$WARM"
read -r c0 _ < <(read_slot "$tmp/slot" | head -1)
read -r s0 q0 < <(read_slot "$tmp/slot" | tail -1)
p0=$(cpu_ticks "$dpid"); x0=$(cpu_ticks "$xpid")
sleep "$DUR"
read -r c1 _ < <(read_slot "$tmp/slot" | head -1)
read -r s1 q1 < <(read_slot "$tmp/slot" | tail -1)
p1=$(cpu_ticks "$dpid"); x1=$(cpu_ticks "$xpid")
rss=$(awk '/VmHWM/ {print $2}' "/proc/$dpid/status")
kill "$dpid"; wait "$dpid" 2>/dev/null; dpid=""
python3 - "$c0" "$c1" "$s0" "$s1" "$q0" "$q1" "$p0" "$p1" "$x0" "$x1" "$hz" "$DUR" "$rss" <<'PY'
import math, sys
c0, c1, s0, s1, q0, q1, p0, p1, x0, x1, hz, dur, rss = map(float, sys.argv[1:])
n = c1 - c0
mean = (s1 - s0) / n
sd = math.sqrt(max(0.0, (q1 - q0) / n - mean * mean))
print(f"frames {n:.0f}  fps {n / dur:.1f}  CPU {1000 * (p1 - p0) / hz / n:.2f} ms/frame"
      f"  Xvfb {1000 * (x1 - x0) / hz / n:.2f} ms/frame  period {mean:.2f} ms (sd {sd:.2f})"
      f"  peak RSS {rss / 1024:.0f} MB")
PY

echo "== demo uncapped (virtual clock, headless)"
cpu_of_run() {  # CPU seconds of one capture run of $1 frames
    (cd "$root/data" && /usr/bin/time -f '%U %S' "$capture" --frames "$1" 2>&1 >/dev/null | tail -1 | awk '{print $1 + $2}')
}
short=$(cpu_of_run 100); long=$(cpu_of_run 1100)
python3 -c "import sys; ms = ($long - $short) * 1000 / 1000; print(f'CPU {ms:.2f} ms/frame  {1000 / ms:.0f} frames per CPU-second')"

kill "$xpid"; wait "$xpid" 2>/dev/null; xpid=""
if [ "$RUBIK" = 1 ]; then
    echo "== peer: rubik (../shared/peers/rubik_bench.sh)"
    DUR="$DUR" WARM="$WARM" RUNS=1 DELAYS="default 0" bash "$root/../shared/peers/rubik_bench.sh"
fi
