#!/usr/bin/env bash
# Drives the real program under a virtual X server with xdotool: 12 "Basic"
# telephones through the calculator, then digital extensions in the board
# dialog, which under the scheme "Нет" sets the telephones to 0; opens the
# menu "Правка" (Alt+П) and keeps the screen, then Ctrl+Z, Ctrl+Y and Ctrl+Z
# again, keeping each screen and the fields' texts. Needs xdotool and scrot.
# Usage: scripts/undo_run.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/undo_run}")
rm -rf "$out"
mkdir -p "$out/home/Documents"
cmake --build build --target VeltraCalculator >/dev/null

HOME="$out/home" OUT="$out" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  trap '"'"'echo "stopped at line $LINENO of the driving script" >&2'"'"' ERR
  build/calculator/app/VeltraCalculator >> "$OUT/program.log" 2>&1 &
  program=$!
  sleep 4  # the About box shows for three seconds at start
  win=$(xdotool search --sync --name "Dorvesk Veltra Calculator" | head -1)
  click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.7; }
  keys() { xdotool windowfocus "$win"; xdotool key "$@"; sleep 1; }
  keypad() { click "$1" "$2"; xdotool type --delay 80 "$3"; xdotool key Return; sleep 0.7; }

  keypad 427 101 12  # Basic (DBC 210)
  scrot -o "$OUT/1-telephones.png"
  click 182 112      # the button beside "Цифровые АЛ"
  dialog=$(xdotool search --sync --name "Цифровые абонентские линии" | head -1)
  xdotool mousemove --window "$dialog" 209 119 click 1
  sleep 1
  scrot -o "$OUT/2-digital-lines.png"
  keys alt+Cyrillic_pe
  scrot -o "$OUT/3-edit-menu.png"
  xdotool key Escape
  sleep 0.5
  keys ctrl+z
  scrot -o "$OUT/4-undone.png"
  keys alt+Cyrillic_pe
  scrot -o "$OUT/5-edit-menu-undone.png"
  xdotool key Escape
  sleep 0.5
  keys ctrl+y
  scrot -o "$OUT/6-redone.png"
  keys ctrl+z
  scrot -o "$OUT/7-undone-again.png"
  kill "$program"
'
echo "screens in $out"
