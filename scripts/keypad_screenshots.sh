#!/usr/bin/env bash
# Pictures of the input calculator and the two item keypads, opened from the
# main window under a virtual X server: each keypad alone and the whole screen
# with it. Usage: scripts/keypad_screenshots.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/keypad_screenshots}"
mkdir -p "$out"
cmake --build build --target keypad_screenshots >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" build/calculator/tools/keypad_screenshots "$out"
