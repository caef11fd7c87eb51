#!/usr/bin/env bash
# Pictures of the real chemistry window, one per tab, each after a person's use of it,
# for the README: starts velkari-chemistry on a virtual X display, clicks and types
# with xdotool, and captures the window with ImageMagick's import.
#   bash scripts/chemistry_screenshots.sh [BUILD_DIR]    (build/dev by default)
# Needs: apt-get install xvfb xdotool imagemagick
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/dev}/app/velkari-chemistry
out=docs/screenshots

display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
server=$!
trap 'kill "$server"' EXIT
export DISPLAY=$display
sleep 1

"$program" &
window_pid=$!
wid=
for _ in $(seq 50); do
  wid=$(xdotool search --name '^Velkari Chemistry$' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
  sleep 0.2
done
sleep 1

# Positions are in the window's pixels at 100 %.
at() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.3; }
pick() { at "$1" "$2"; xdotool type --delay 80 "$3"; xdotool key Return; sleep 0.3; }
fill() { at "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 60 "$3"; }
shoot() { sleep 0.4; import -window "$wid" -define png:exclude-chunks=date,time "$out/$1"; }

# Periodic Table: type a symbol into the element list, then click away from it.
at 190 85; xdotool type --delay 120 Fe; sleep 0.4; at 600 300
shoot chemistry-window-0.png
# M.W/Grams Moles: H 2, S 1, O 4, "=".
at 180 20
pick 60 95 H; fill 107 95 2
pick 152 95 S; fill 198 95 1
pick 244 95 O; fill 289 95 4
at 523 95
shoot chemistry-window-1.png
# Molecular Formula: compound 100 g, unknown 180.16, C 40, H 6.71, O 53.29, Compute.
at 313 20
fill 285 86 100; fill 385 113 180.16
fill 267 147 40; pick 325 147 C
fill 377 147 6.71; pick 434 147 H
fill 488 147 53.29; pick 546 147 O
at 312 183
shoot chemistry-window-2.png
kill "$window_pid"
