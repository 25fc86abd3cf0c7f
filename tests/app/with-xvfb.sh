#!/usr/bin/env bash
# Runs a command under an X server of its own (Xvfb, 640 x 480, black root window) and passes
# on its exit code.
set -eu
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
start_xvfb 640x480x24 -br
"$@"
