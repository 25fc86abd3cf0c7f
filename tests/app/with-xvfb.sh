#!/usr/bin/env bash
# Runs a command under an X server of its own (Xvfb, 640 x 480, black root window) and passes
# on its exit code.
set -eu
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 640x480x24 -br -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
xvfb=$!
trap 'kill "$xvfb"; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
[ -s "$dir/display" ] || { echo "with-xvfb.sh: Xvfb did not start:" >&2; cat "$dir/log" >&2; exit 1; }
DISPLAY=":$(cat "$dir/display")" "$@"
