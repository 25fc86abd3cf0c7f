#!/usr/bin/env bash
# Makes the desktop icon with the capture tool: the cube in mid-turn (tick 30), cut out of the
# 512 x 512 picture and scaled to 256 x 256. Needs a build in build/ and ImageMagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
(cd "$root/data" && "$root/build/tools/capture/twistblocks-capture" --frames 31 --save 30 --out "$frames" >/dev/null)
convert "$frames/frame-000030.png" -gravity center -crop 400x400+0+40 +repage -resize 256x256 \
    "$root/desktop/twistblocks.png"
echo "wrote desktop/twistblocks.png"
