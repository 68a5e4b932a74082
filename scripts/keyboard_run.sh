#!/usr/bin/env bash
# Drives the real program with the keyboard alone under a virtual X server
# (xdotool): 16 analog extensions, 45 Basic telephones, analog trunks, one E1
# board, networking software, two cordless base stations and ten handsets,
# battery back-up, a 10 % discount, save through the Russian save dialog,
# the workbook exported under the calculation's name, "save as" onto the
# same name for the Russian "replace?" question, quit, and the file opened
# again. Then the main window at 200 % on a 1280 x 800 screen (told once,
# started at the largest scale that fits) and a dialog opened there. Keeps
# every screen (window only) and the files. Needs xdotool and scrot.
# Usage: scripts/keyboard_run.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/keyboard_run}")
rm -rf "$out"
mkdir -p "$out/home/Documents" "$out/bin"
# The desktop opens nothing: a spreadsheet program taking the focus would
# take the keys meant for the calculator, so the program says where it wrote
# the workbook instead.
printf '#!/bin/sh\necho "$@" >> "%s/opened.txt"\nexit 1\n' "$out" > "$out/bin/xdg-open"
chmod +x "$out/bin/xdg-open"
cmake --build build --target VeltraCalculator >/dev/null

drive='
  set -euo pipefail
  trap '"'"'echo "stopped at line $LINENO of the driving script" >&2'"'"' ERR
  start() {
    build/calculator/app/VeltraCalculator "$@" >> "$OUT/program.log" 2>&1 &
    program=$!
    sleep 4  # the About box shows for three seconds at start
    win=$(xdotool search --sync --name "Dorvesk Veltra Calculator" | head -1)
    xdotool windowfocus "$win"
    sleep 0.5
  }
  k() { xdotool key --delay 120 "$@"; sleep 0.6; }  # to the window in front
  # To the main window: without a window manager nothing gives it the
  # keyboard back when a dialog closes.
  m() { xdotool windowfocus "$win"; sleep 0.2; k "$@"; }
  typed() { xdotool type --delay 80 "$1"; sleep 0.4; }
  # The window in front (by its title), as it is on the screen.
  shot() {
    echo "$1" >> "$OUT/steps.txt"
    local w
    w=$(xdotool search --onlyvisible --name "$2" | tail -1)
    eval "$(xdotool getwindowgeometry --shell "$w")"
    scrot -o -a "$X,$Y,$WIDTH,$HEIGHT" "$OUT/$1.png"
  }
  main() { shot "$1" "Veltra Calculator"; }
'

PATH="$out/bin:$PATH" HOME="$out/home" OUT="$out" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$drive"'
  start
  # Page "АЛ": Tab to the button beside "Аналоговые АЛ", Space opens its dialog.
  k Tab space
  shot 01-analog-dialog "Аналоговые абонентские линии"
  k Down Right        # from "0" down to 8 lines, right to 16
  shot 02-analog-focus "Аналоговые абонентские линии"
  k space
  # Basic (DBC 210): five Tabs on, Space opens the input calculator.
  m Tab Tab Tab Tab Tab space
  shot 03-input-calc "Калькулятор"
  typed 45
  k Return
  main 04-page1
  # Page "СЛ": analog trunks (8 lines), then one E1 board, then networking.
  m ctrl+Tab Tab space
  shot 05-trunk-dialog "Аналоговые соединительные линии"
  k Down space
  m Tab space
  shot 06-e1-dialog "потоки"
  k Right space
  shot 07-e1-chosen "потоки"
  k Return
  m Tab Tab space
  shot 08-networking "Сетевое"
  k Down Down space Return
  main 09-page2
  # Page "DECT": two base stations with the slider, ten handsets typed.
  m ctrl+Tab Tab space
  shot 10-base-station "Базовые"
  k Right Right
  k Return
  m Tab space
  shot 11-handsets "Мобильные"
  k ctrl+a
  typed 10
  k Return
  main 12-page3
  # Page "Питание": Tab enters each option group at its chosen option, an
  # arrow chooses the next: the switched-mode supply, then the batteries.
  m ctrl+Tab Tab Down Tab Down
  main 13-power
  # Page "Дополнительно": "Прайс-лист" asks for the discount.
  k ctrl+Tab ctrl+Tab
  k Tab Tab Tab
  main 14-extra-focus
  k space
  scrot -o "$OUT/15-discount.png"
  typed 10
  k Return
  # Save: Ctrl+S opens the save dialog, the name is typed.
  m ctrl+s
  scrot -o "$OUT/16-save-dialog.png"
  k ctrl+a
  typed "Офис Север"
  k Return
  main 17-saved
  # Page "Отчеты": its lower tabs to the text, then past the text and
  # "Отчет в PDF…" to "Отчет в Excel" above them, which writes the workbook
  # under the calculation'"'"'s name.
  m ctrl+Tab Tab Right Tab Tab Tab space
  sleep 1
  scrot -o "$OUT/18-export-message.png"
  k Return
  main 19-reports
  # Save as onto the same name: the replace question.
  m ctrl+shift+s
  k ctrl+a
  typed "Офис Север.veltra"
  k Return
  scrot -o "$OUT/20-replace-question.png"
  k Return            # its default: keep the file
  k Escape
  m alt+Cyrillic_ef
  scrot -o "$OUT/21-file-menu.png"
  k Escape Escape
  m ctrl+q
  sleep 1
  kill -0 "$program" 2>/dev/null && { echo "FAIL: still running after Ctrl+Q"; kill "$program"; }
  start "$HOME/Documents/Офис Север.veltra"
  sleep 1
  k ctrl+Prior Tab Right
  main 22-reopened-reports
  k ctrl+q
'
ls "$out/home/Documents" | tee "$out/documents.txt"

# 200 % on a small screen: the program says once that it starts smaller.
PATH="$out/bin:$PATH" HOME="$out/home" OUT="$out" xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$drive"'
  build/calculator/app/VeltraCalculator --scale 200 >> "$OUT/program.log" 2>&1 &
  program=$!
  sleep 5
  scrot -o "$OUT/23-scale-200-screen.png"
  k Return
  k ctrl+q
  start --scale 200
  scrot -o "$OUT/24-scale-200-again.png"
  k Tab Tab space
  scrot -o "$OUT/25-scale-200-dialog.png"
  k Escape ctrl+q
'
echo "screens and files in $out"
