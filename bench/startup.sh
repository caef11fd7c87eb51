#!/usr/bin/env bash
# Start-up benchmarks, each against a yardstick measured in the same run, alternately:
#
#  1. The window: from the exec of build/<preset>/app/velkari to the X server's
#     MapNotify of its top-level window, under Xvfb, and the peak RSS of the run,
#     against bench/baseline_dialog (a plain Qt 6 dialog with a tab widget of 17
#     pages of the same controls).
#  2. The command line: one conversion by velkari-cli as a whole process, against one
#     conversion by GNU units (skipped when units is not installed).
#
# Prints the medians of each program and the median of the paired ratios. These are
# benchmarks, not tests: the exit status says only whether the runs could be made.
#
# usage: bench/startup.sh [--build DIR] [--runs N] [--cli-runs N] [--settle-ms N]
#   --build DIR    the build folder (default build/bench, from `cmake --preset bench`)
#   --runs N       window pairs (default 31)
#   --cli-runs N   command-line pairs (default 101)
#   --settle-ms N  how long each window stays up after its map (default 500)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/bench
runs=31
cli_runs=101
settle_ms=500
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --cli-runs) cli_runs=$2; shift 2 ;;
    --settle-ms) settle_ms=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--runs N] [--cli-runs N] [--settle-ms N]" >&2; exit 2 ;;
  esac
done

timer=$build/bench/launch_timer
product=$build/app/velkari
baseline=$build/bench/baseline_dialog
cli=$build/cli/velkari-cli
for program in "$timer" "$product" "$baseline" "$cli"; do
  if [ ! -x "$program" ]; then
    echo "startup.sh: $program is missing; build first:" >&2
    echo "  cmake --preset bench && cmake --build --preset bench" >&2
    exit 1
  fi
done

# Run the whole script inside a virtual X server of its own, whatever DISPLAY says.
if [ -z "${VELKARI_BENCH_IN_XVFB:-}" ]; then
  if ! command -v xvfb-run >/dev/null; then
    echo "startup.sh: xvfb-run not found (apt-get install xvfb)" >&2
    exit 1
  fi
  export VELKARI_BENCH_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" --build "$build" \
    --runs "$runs" --cli-runs "$cli_runs" --settle-ms "$settle_ms"
fi

# The window is to open on the X server, not offscreen; Qt wants a runtime folder.
unset QT_QPA_PLATFORM
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
work=$(mktemp -d)
trap 'rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT

median() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "nan"; exit }
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The 25th and 75th percentiles, as "p25..p75", to show the spread around a median.
quartiles() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "nan"; exit }
    printf "%.3f..%.3f\n", v[int((NR - 1) * 0.25) + 1], v[int((NR - 1) * 0.75) + 1] }'
}

# field NAME LINE: the value of NAME=... in a launch_timer line.
field() {
  tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"
}

# One timed run; fails the script if the program did not end normally.
timed() {
  local line
  line=$("$timer" "$@" 2>>"$work/stderr") || true
  if [ "$(field status "$line")" != 0 ]; then
    echo "startup.sh: run failed: $* -> $line" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
  echo "$line"
}

echo "== Machine"
echo "nproc: $(nproc)"
echo "cpu: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "load at start: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "qt: $(qtpaths6 --qt-version 2>/dev/null || echo unknown)"
echo

echo "== Window: exec to MapNotify, peak RSS ($runs pairs, alternating, after 2 warm-up pairs)"
for _ in 1 2; do
  timed --until-map --settle-ms "$settle_ms" -- "$product" >/dev/null
  timed --until-map --settle-ms "$settle_ms" -- "$baseline" >/dev/null
done
: >"$work/window"
for ((i = 0; i < runs; i++)); do
  # Alternate which program goes first, so neither always follows the other.
  if ((i % 2 == 0)); then
    p=$(timed --until-map --settle-ms "$settle_ms" -- "$product")
    b=$(timed --until-map --settle-ms "$settle_ms" -- "$baseline")
  else
    b=$(timed --until-map --settle-ms "$settle_ms" -- "$baseline")
    p=$(timed --until-map --settle-ms "$settle_ms" -- "$product")
  fi
  echo "$(field ms "$p") $(field maxrss_kib "$p") $(field ms "$b") $(field maxrss_kib "$b")" \
    >>"$work/window"
done
p_ms=$(awk '{ print $1 }' "$work/window" | median)
b_ms=$(awk '{ print $3 }' "$work/window" | median)
ratio=$(awk '{ print $1 / $3 }' "$work/window" | median)
p_rss=$(awk '{ print $2 / 1024 }' "$work/window" | median)
b_rss=$(awk '{ print $4 / 1024 }' "$work/window" | median)
rss_diff=$(awk '{ print ($2 - $4) / 1024 }' "$work/window" | median)
printf '%-28s %10s %10s\n' "" "velkari" "baseline"
printf '%-28s %10.1f %10.1f\n' "map, median ms" "$p_ms" "$b_ms"
printf '%-28s %10.1f %10.1f\n' "peak RSS, median MiB" "$p_rss" "$b_rss"
printf 'median of paired ratios velkari/baseline (map): %.3f   (target <= 1.2; quartiles %s)\n' \
  "$ratio" "$(awk '{ print $1 / $3 }' "$work/window" | quartiles)"
printf 'median of paired differences (peak RSS): %+.1f MiB   (target <= +10)\n' "$rss_diff"

# The same peak RSS as GNU time reports it, once each, as a cross-check.
for program in "$product" "$baseline"; do
  "$timer" --until-map --settle-ms "$settle_ms" -- /usr/bin/time -v "$program" \
    >/dev/null 2>"$work/time-v" || true
  kib=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time-v")
  echo "/usr/bin/time -v, one run of $(basename "$program"): Maximum resident set size ${kib:-?} KiB"
done
echo

echo "== Command line: one conversion as a whole process ($cli_runs pairs, alternating)"
cli_args=(Length 1 "Mile (mi)")
if ! command -v units >/dev/null; then
  echo "units not installed, skipped"
  echo "velkari-cli alone, median ms:" \
    "$(for ((i = 0; i < cli_runs; i++)); do
      field ms "$(timed --until-exit -- "$cli" "${cli_args[@]}")"
    done | median)"
else
  units_args=(--terse "1 mile" "km")
  for _ in 1 2 3; do
    timed --until-exit -- "$cli" "${cli_args[@]}" >/dev/null
    timed --until-exit -- units "${units_args[@]}" >/dev/null
  done
  : >"$work/cli"
  for ((i = 0; i < cli_runs; i++)); do
    if ((i % 2 == 0)); then
      c=$(timed --until-exit -- "$cli" "${cli_args[@]}")
      u=$(timed --until-exit -- units "${units_args[@]}")
    else
      u=$(timed --until-exit -- units "${units_args[@]}")
      c=$(timed --until-exit -- "$cli" "${cli_args[@]}")
    fi
    echo "$(field ms "$c") $(field maxrss_kib "$c") $(field ms "$u") $(field maxrss_kib "$u")" \
      >>"$work/cli"
  done
  printf '%-28s %10s %10s\n' "" "velkari-cli" "units"
  printf '%-28s %10.2f %10.2f\n' "process, median ms" \
    "$(awk '{ print $1 }' "$work/cli" | median)" "$(awk '{ print $3 }' "$work/cli" | median)"
  printf '%-28s %10.1f %10.1f\n' "peak RSS, median MiB" \
    "$(awk '{ print $2 / 1024 }' "$work/cli" | median)" \
    "$(awk '{ print $4 / 1024 }' "$work/cli" | median)"
  printf 'median of paired ratios velkari-cli/units: %.3f   (target <= 0.5; quartiles %s)\n' \
    "$(awk '{ print $1 / $3 }' "$work/cli" | median)" "$(awk '{ print $1 / $3 }' "$work/cli" | quartiles)"
fi
echo
echo "load at end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
