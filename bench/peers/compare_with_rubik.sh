#!/usr/bin/env bash
# compare_with_rubik.sh - the demo and the peer screensaver `rubik` (cube size 6) side by side
# in one Xvfb, 512 x 512 each, each at its own pacing, for DUR seconds after WARM seconds.
# For each: presented frames (counted exactly by an LD_PRELOAD shim on the buffer swap,
# swapcount.c), fps, CPU of the whole process (all threads) per frame, peak RSS, and the time
# from start to the first frame on screen. Then the demo's CPU per frame over the peer's.
#
# Installs what is missing (xvfb, xscreensaver-gl-extra, gcc) with apt-get and builds the demo
# in build/ when it is not there. Knobs (env): DUR=30 WARM=3 SIZE=6
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
DUR=${DUR:-30}
WARM=${WARM:-3}
SIZE=${SIZE:-6}
demo="$root/build/src/app/twistblocks"
rubik=/usr/libexec/xscreensaver/rubik

source "$root/scripts/packages.sh"
install_missing_packages "${TWISTBLOCKS_PEER_PACKAGES[@]}" || { echo "cannot install the peer's packages" >&2; exit 2; }
if [ ! -x "$demo" ]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
        cmake --build "$root/build" --target twistblocks -j2 >/dev/null || { echo "cannot build the demo" >&2; exit 2; }
fi

source "$root/scripts/lib/xvfb.sh"
tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$tmp"
}
on_exit cleanup
cc -O2 -shared -fPIC -o "$tmp/swapcount.so" "$here/swapcount.c" -ldl || exit 2
start_xvfb 1100x600x24 || exit 2

now_ns() { python3 -c "import time; print(time.monotonic_ns())"; }  # the clock of the shim
# start NAME DIR COMMAND...: runs it on the display with the frame counter; its start time
# goes to $tmp/NAME.start, its pid to $tmp/NAME.pid.
start() {
    local name=$1 dir=$2; shift 2
    now_ns >"$tmp/$name.start"
    (cd "$dir" && SWAPCOUNT_FILE="$tmp/$name.slot" LD_PRELOAD="$tmp/swapcount.so" \
        exec "$@" >/dev/null 2>&1) &
    echo $! >"$tmp/$name.pid"
    pids+=($!)
}
# sample NAME: frames and CPU ticks of the process now.
sample() {
    local pid; pid=$(cat "$tmp/$1.pid")
    python3 -c "import struct,sys; print(struct.unpack('<Q', open(sys.argv[1],'rb').read(8))[0])" "$tmp/$1.slot" 2>/dev/null || echo 0
    awk '{print $14 + $15}' "/proc/$pid/stat"
}

start demo "$root/data" "$demo"
start rubik "$tmp" "$rubik" -geometry 512x512+560+0 -size "$SIZE"
sleep "$WARM"
for name in demo rubik; do sample "$name" >"$tmp/$name.0"; done
sleep "$DUR"
for name in demo rubik; do
    sample "$name" >"$tmp/$name.1"
    awk '/VmHWM/ {print $2}' "/proc/$(cat "$tmp/$name.pid")/status" >"$tmp/$name.rss"
done

python3 - "$tmp" "$DUR" "$(getconf CLK_TCK)" "$SIZE" <<'PY'
import struct, sys
tmp, dur, hz, size = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), sys.argv[4]
rows = {}
for name in ("demo", "rubik"):
    f0, c0 = map(float, open(f"{tmp}/{name}.0").read().split())
    f1, c1 = map(float, open(f"{tmp}/{name}.1").read().split())
    first_ns = struct.unpack("<QQddQ", open(f"{tmp}/{name}.slot", "rb").read(40))[4]
    start_ns = int(open(f"{tmp}/{name}.start").read())
    frames = f1 - f0
    rows[name] = (frames, frames / dur, 1000 * (c1 - c0) / hz / max(frames, 1),
                  float(open(f"{tmp}/{name}.rss").read()) / 1024, (first_ns - start_ns) / 1e6)
print(f"{'':14} {'frames':>7} {'fps':>6} {'CPU ms/frame':>13} {'peak RSS MB':>12} {'first frame ms':>15}")
for name, label in (("demo", "twistblocks"), ("rubik", f"rubik size {size}")):
    n, fps, cpu, rss, first = rows[name]
    print(f"{label:14} {n:7.0f} {fps:6.1f} {cpu:13.2f} {rss:12.0f} {first:15.0f}")
print(f"CPU per frame, demo / peer: {rows['demo'][2] / rows['rubik'][2]:.2f}; "
      f"peak RSS, demo / peer: {rows['demo'][3] / rows['rubik'][3]:.2f}")
PY
