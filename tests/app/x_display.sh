# Sourced by the window tests that need a real X server with a window manager: starts
# Xvfb on a display of its own and openbox on it, exports DISPLAY, and adds both to the
# caller's `pids` (which it stops). Logs go to the caller's `$work`.
#   start_x_display SCREEN SECONDS   (SCREEN as WIDTHxHEIGHTxDEPTH; SECONDS for each to start)
start_x_display() {
  local screen=$1 seconds=$2 number
  # Xvfb picks a free number and writes it to the pipe.
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "$screen" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  read -r -t "$seconds" -u "$display_fd" number || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$number"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  # The manager is running once it owns the screen's selection.
  for _ in $(seq $((seconds * 10))); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}
