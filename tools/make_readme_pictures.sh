#!/usr/bin/env bash
# Makes the README's pictures with the capture tool: a strip of one turn (ticks 20 to 40,
# every fifth frame, scaled to half size) and the solved cube at rest (tick 2100).
# Needs a build in build/ and ImageMagick (apt-get install -y imagemagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
(cd "$root/data" && "$root/build/tools/capture/twistblocks-capture" --frames 2101 --save 20,25,30,35,40,2100 \
    --out "$frames" >/dev/null)
convert "$frames"/frame-0000{20,25,30,35,40}.png -resize 50% +append "$root/docs/one-turn.png"
cp "$frames/frame-002100.png" "$root/docs/solved.png"
echo "wrote docs/one-turn.png and docs/solved.png"
