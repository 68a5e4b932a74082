#!/usr/bin/env bash
# Pictures of the demo installer's five pages, skinned by Lumiq.dll under Wine
# in a virtual X server, as PNG files. Usage: scripts/lumiq_screenshots.sh [OUTDIR]
# Uses the 32-bit build where this machine runs 32-bit programs, else the
# 64-bit one. Needs ImageMagick's convert for the PNG files.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/lumiq_screenshots}")"
mkdir -p "$out"
cmake --build build --target lumiq_demo lumiq_win32 >/dev/null
arch=win32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  arch=win64
  cmake --build build --target lumiq_win64 >/dev/null
fi
skin="$PWD/build/skin"
skin/tests/win32/run-wine.sh "$arch" "$skin/wineprefix-$arch" "$skin/$arch/bin/lumiq-host.exe" \
  --tour "Z:$out" "Z:$skin/demo" Demo
for f in "$out"/*.bmp; do
  convert "$f" "${f%.bmp}.png" && rm "$f"
done
ls "$out"
