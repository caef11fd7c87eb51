#!/usr/bin/env bash
# A window program (velkari, velkari-chemistry) under a real window manager, which is
# the one that honours a window's size hints: the window opens whole, cannot be made
# smaller than that, and can be made larger. Run on Xvfb with openbox, at 100 % and at
# 200 % scaling.
#
# Usage: window_size.sh PROGRAM
# (run by ctest as velkari_window_size and velkari_chemistry_window_size; status 77,
# skipped, when Xvfb, openbox or xdotool is missing)
set -uo pipefail
program=$1
name=${program##*/}
failures=0

for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of the test's own, with its window manager.
# shellcheck source=tests/app/x_display.sh
source "${BASH_SOURCE[0]%/*}/x_display.sh"
start_x_display 3000x2000x24 20

# The client area's size of window $1, as "WIDTHxHEIGHT".
size_of() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  echo "${WIDTH}x${HEIGHT}"
}

# Waits until window $1 has size $2, for up to five seconds; prints the last size.
settle() {
  local size
  for _ in $(seq 50); do
    size=$(size_of "$1")
    [ "$size" = "$2" ] && break
    sleep 0.1
  done
  echo "$size"
}

fail() {
  echo "FAIL: $name at scale $scale: $*" >&2
  failures=$((failures + 1))
}

for scale in 1 2; do
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" >"$work/program.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  if [ -z "$window" ]; then
    fail "no window appeared: $(cat "$work/program.log")"
    continue
  fi
  sleep 0.5
  opening=$(size_of "$window")
  width=${opening%x*}
  height=${opening#*x}

  # The manager is told the smallest size ...
  hints=$(xprop -id "$window" WM_NORMAL_HINTS)
  grep -q "program specified minimum size: $width by $height" <<<"$hints" ||
    fail "the minimum size is not the opening size $opening: $hints"
  # ... and keeps to it when asked for less.
  xdotool windowsize "$window" $((width / 2)) $((height / 2))
  sleep 0.5
  shrunk=$(size_of "$window")
  [ "$shrunk" = "$opening" ] || fail "narrowed to $shrunk from its opening size $opening"
  # A larger window is allowed: the size above is a minimum, not a fixed size.
  larger="$((width + 200))x$((height + 100))"
  xdotool windowsize "$window" $((width + 200)) $((height + 100))
  grown=$(settle "$window" "$larger")
  [ "$grown" = "$larger" ] || fail "made larger, it is $grown, not $larger"

  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
done

exit $((failures > 0))
