#!/usr/bin/env bash
# Pictures of the line-board, cordless, networking software and IP unit dialogs under a virtual X server, with each
# dialog's control list printed beside them. Usage: scripts/dialog_screenshots.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/dialog_screenshots}"
mkdir -p "$out"
cmake --build build --target dialog_screenshots >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" build/calculator/tools/dialog_screenshots "$out"
