#!/usr/bin/env bash
# Drives the real program under a virtual X server with xdotool: the button
# beside "Базовые станции" opens its dialog below the field, the slider is
# dragged to 20 and OK writes the field and the cost line. Saves a picture of
# each step. Usage: scripts/drive_base_station.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside the virtual X server: scripts/drive_base_station.sh --inside OUTDIR
run() {
    cd build/calculator/app
    ./VeltraCalculator >/dev/null 2>&1 &
    program=$!
    trap 'kill $program 2>/dev/null || true' EXIT
    local window=""
    for _ in $(seq 50); do
        window=$(xdotool search --name "Dorvesk Veltra Calculator" 2>/dev/null | head -1) || true
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "no main window" >&2; exit 1; }
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y of the client area
    # Tab "DECT", then Command16 beside BSText (page frame 47 px below the top).
    xdotool mousemove $((X + 107)) $((Y + 30)) click 1
    sleep 0.5
    scrot -o "$1/1_dect_page.png"
    xdotool mousemove $((X + 237)) $((Y + 85)) click 1
    sleep 1
    local dialog
    dialog=$(xdotool search --name "Базовые станции DECT" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    echo "dialog at $X,$Y"
    scrot -o "$1/2_dialog_open.png"
    # Drag the slider's handle a third of the way: 20 base stations.
    xdotool mousemove $((X + 15)) $((Y + 110)) mousedown 1
    sleep 0.3
    xdotool mousemove $((X + 60)) $((Y + 110))
    sleep 0.3
    xdotool mousemove $((X + 113)) $((Y + 110))
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
    scrot -o "$1/3_slider_20.png"
    xdotool mousemove $((X + 285)) $((Y + 163)) click 1  # Ok
    sleep 1
    scrot -o "$1/4_after_ok.png"
}
if [ "${1:-}" = "--inside" ]; then
    run "$2"
    exit
fi
out="$(realpath -m "${1:-build/drive_base_station}")"
mkdir -p "$out"
scripts/setup.sh --drive
cmake --build build --target VeltraCalculator >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$out"
echo "pictures in $out"
