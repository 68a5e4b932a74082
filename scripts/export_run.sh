#!/usr/bin/env bash
# Drives the real program under a virtual X server with xdotool: opens the
# "Отчеты" page and its "Отчеты" sub-page, presses "Отчет в Excel", and saves
# the screen and the list of written workbooks. Runs twice, each time with a
# fresh documents folder under OUTDIR: first with no desktop opener (the
# message names the written file), then with a stand-in "xdg-open" that only
# records what the program asked it to open. Needs xdotool and scrot.
# Usage: scripts/export_run.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/export_run}")
rm -rf "$out"
cmake --build build --target VeltraCalculator >/dev/null

run() {  # NAME [DIRECTORY PUT FIRST ON PATH]
  local dir="$out/$1"
  mkdir -p "$dir/home/Documents"
  HOME="$dir/home" OUT="$dir" PATH="${2:+$2:}$PATH" \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    build/calculator/app/VeltraCalculator > "$OUT/program.log" 2>&1 &
    program=$!
    sleep 4  # the About box shows for three seconds at start
    win=$(xdotool search --sync --name "Dorvesk Veltra Calculator" | head -1)
    click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.7; }
    click 415 30    # page "Отчеты"
    click 353 360   # sub-page "Отчеты"
    scrot "$OUT/1-reports-page.png"
    click 400 328   # "Отчет в Excel"
    sleep 1
    scrot "$OUT/2-after-export.png"
    xdotool key Return
    sleep 0.5
    kill "$program"
  '
  echo "== $1: written"
  ls "$dir/home/Documents"
}

run no-opener
mkdir -p "$out/opener"
cat > "$out/opener/xdg-open" <<'OPENER'
#!/bin/sh
echo "$@" >> "$OUT/xdg-open.log"
OPENER
chmod +x "$out/opener/xdg-open"
run with-opener "$out/opener"
echo "== with-opener: xdg-open was asked to open"
cat "$out/with-opener/xdg-open.log"
