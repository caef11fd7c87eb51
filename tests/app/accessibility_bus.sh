#!/usr/bin/env bash
# The window as a screen reader meets it: the built velkari on an X display of the test's
# own (Xvfb, with openbox to give it the focus), on a private session bus with the
# accessibility bus (AT-SPI) of a desktop, read by pyatspi and typed into with xdotool
# (accessibility_bus.py says what is checked).
#
# Usage: accessibility_bus.sh VELKARI VELKARI-CLI
# (run by ctest as velkari_accessibility_bus; status 77, skipped, when a package it
# needs is missing, except under CI=true, where that fails)
set -uo pipefail
program=$1 cli=$2
here=${BASH_SOURCE[0]%/*}

missing() {
  echo "$1 is not installed (scripts/packages.sh lists it)" >&2
  [ "${CI:-}" = true ] && exit 1
  exit 77
}
for tool in Xvfb openbox xdotool xprop dbus-run-session; do
  command -v "$tool" >/dev/null || missing "$tool"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing "at-spi2-core"
# Debian's python3, whatever python3 comes first on the PATH, is the one with pyatspi.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing "python3-pyatspi"

work=$(mktemp -d)
pids=()
cleanup() {
  # The window manager before its display.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# Settings and the accessibility bus's socket of the test's own.
mkdir -p "$work"/{home,config,cache,data,run}
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run

# A display of the test's own, with its window manager.
# shellcheck source=tests/app/x_display.sh
source "${BASH_SOURCE[0]%/*}/x_display.sh"
start_x_display 1600x1200x24 30

timeout 400 dbus-run-session -- /usr/bin/python3 "$here/accessibility_bus.py" "$program" "$cli"
