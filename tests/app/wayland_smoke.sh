#!/usr/bin/env bash
# The window on Wayland: a headless weston compositor of its own, then
#  1. the built velkari with QT_QPA_PLATFORM=wayland: it must start and keep its window
#     up (a compositor with no input of its own cannot type into it);
#  2. the same start-up in the UI suite, on the same compositor: it types a value into
#     every converter tab, presses "=" and reads the results.
# Skipped (status 77) when weston or Qt's Wayland plugin is not installed.
#
# Usage: wayland_smoke.sh PATH_OF_VELKARI PATH_OF_UI_TESTS   (ctest: velkari_wayland)
set -euo pipefail
velkari=$1
ui_tests=$2

command -v weston >/dev/null || { echo "weston is not installed (apt-get install weston)"; exit 77; }
if ! find /usr/lib -path '*platforms/libqwayland*' -print -quit 2>/dev/null | grep -q .; then
  echo "Qt's Wayland plugin is not installed (apt-get install qt6-wayland)"
  exit 77
fi

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
socket="velkari-test"
weston --backend=headless-backend.so --shell=kiosk-shell.so --no-config --socket="$socket" \
  >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "FAIL: weston did not start:"; cat "$XDG_RUNTIME_DIR/weston.log"; exit 1; }

export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY

# Still running after three seconds, having said nothing: the window is up.
status=0
timeout 3 "$velkari" 2>"$XDG_RUNTIME_DIR/velkari.err" || status=$?
if [ "$status" != 124 ] || [ -s "$XDG_RUNTIME_DIR/velkari.err" ]; then
  echo "FAIL: velkari on Wayland ended with status $status:"
  cat "$XDG_RUNTIME_DIR/velkari.err"
  exit 1
fi

# Judged by its report: Qt 6.4's Wayland plugin can hang in its own teardown after
# main returns (seen under the sanitizers), so a run that timed out after passing
# every test passes with a note.
report=$XDG_RUNTIME_DIR/ui_tests.xml
status=0
timeout 120 "$ui_tests" --gtest_brief=1 --gtest_output="xml:$report" \
  --gtest_filter='StartUp.OpensTheSeventeenTabsOnAngle:StartUp.EveryConverterTabConverts' ||
  status=$?
if ! grep -q '<testsuites tests="2" failures="0" disabled="0" errors="0"' "$report" 2>/dev/null; then
  echo "FAIL: the UI suite's start-up on Wayland (status $status)"
  exit 1
fi
[ "$status" = 0 ] || echo "note: the UI suite passed, then hung in Qt's Wayland teardown (status $status)"
echo "velkari on Wayland: started, and every converter tab converted"
