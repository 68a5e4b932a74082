#!/usr/bin/env bash
# Drives the real program under a virtual X server with xdotool: configures
# 12 "Basic" telephones and 40 analog extensions (the board dialog), saves
# through the menu (Ctrl+S, the save dialog, a typed name, Enter), changes the
# economy telephones so the title shows "*", answers "Отмена" to the question
# on Ctrl+Q, saves again and shows both sub-pages of "Отчеты"; then closes
# (no question: nothing changed), starts the program again with the file and
# shows the same pages. Keeps every screen, the window titles, the saved file
# and the remembered recent files, and compares the reports pages of the two
# runs, and where the board dialog opens under either title. Needs xdotool
# and scrot.
# Usage: scripts/save_open_run.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/save_open_run}")
rm -rf "$out"
mkdir -p "$out/home/Documents"
cmake --build build --target VeltraCalculator >/dev/null

HOME="$out/home" OUT="$out" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  trap '"'"'echo "stopped at line $LINENO of the driving script" >&2'"'"' ERR
  start() {
    build/calculator/app/VeltraCalculator "$@" >> "$OUT/program.log" 2>&1 &
    program=$!
    sleep 4  # the About box shows for three seconds at start
    win=$(xdotool search --sync --name "Dorvesk Veltra Calculator" | head -1)
  }
  click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.7; }
  keys() { xdotool windowfocus "$win"; xdotool key "$@"; sleep 1; }  # to the main window
  key() { xdotool key "$@"; sleep 1; }  # to the box or dialog on top
  title() { echo "$1: $(xdotool getwindowname "$win")" | tee -a "$OUT/titles.txt"; }
  # A telephone field'"'"'s calculator button, the count typed, Enter.
  keypad() { click "$1" "$2"; xdotool type --delay 80 "$3"; xdotool key Return; sleep 0.7; }
  reports() {  # PREFIX: page "Отчеты", its cabinet picture, then its text
    click 415 30
    scrot -o "$OUT/$1-cabinet.png"
    click 353 360
    scrot -o "$OUT/$1-text.png"
  }

  start
  title "started"
  keypad 427 101 12  # Basic (DBC 210)
  click 182 84       # the button beside "Аналоговые АЛ"
  dialog=$(xdotool search --sync --name "Аналоговые абонентские линии" | head -1)
  echo "board dialog, untitled: $(xdotool getwindowgeometry "$dialog" | grep Position)" |
    tee -a "$OUT/titles.txt"
  xdotool mousemove --window "$dialog" 209 119 click 1  # 40 lines
  sleep 1
  scrot -o "$OUT/1-configured.png"
  keys ctrl+s
  scrot -o "$OUT/2-save-dialog.png"
  xdotool key ctrl+a
  xdotool type --delay 60 "Офис Север"
  key Return
  title "saved"
  keypad 427 131 3   # Economy+ (DBC 211)
  title "changed"
  keys ctrl+q
  scrot -o "$OUT/3-question.png"
  key Escape         # "Отмена"
  title "after Отмена"
  keys ctrl+s        # to its file, no dialog
  title "saved again"
  reports 4-first-run
  keys ctrl+q
  sleep 1
  if kill -0 "$program" 2>/dev/null; then
    echo "FAIL: the unchanged calculation did not close at once" | tee -a "$OUT/titles.txt"
    kill "$program"
  fi

  start "$HOME/Documents/Офис Север.veltra"
  sleep 1
  title "started with the file"
  scrot -o "$OUT/5-reopened.png"
  reports 6-second-run
  # The dialog opens in the same place under the longer title.
  click 20 30    # page "АЛ"
  click 182 84
  dialog=$(xdotool search --sync --name "Аналоговые абонентские линии" | head -1)
  echo "board dialog, with the file: $(xdotool getwindowgeometry "$dialog" | grep Position)" |
    tee -a "$OUT/titles.txt"
  scrot -o "$OUT/7-dialog-with-the-file.png"
  kill "$program"
'
for page in cabinet text; do
  if cmp -s "$out/4-first-run-$page.png" "$out/6-second-run-$page.png"; then
    echo "== reports page, $page: the same screen in both runs"
  else
    echo "== reports page, $page: the screens DIFFER"
  fi
done
echo "== saved"
ls "$out/home/Documents"
echo "== recent files"
cat "$out/home/.config/Dorvesk/VeltraCalculator.conf"
echo "== pictures in $out"
