#!/usr/bin/env bash
# Start-up benchmarks, each against yardsticks measured in the same run, alternately:
#
#  1. The window: from the exec of build/<preset>/app/velkari to the X server's
#     MapNotify of its top-level window, under Xvfb, and the peak RSS of the run,
#     against the floor (bench/floor_dialog: the plainest Qt 6 dialog of the window's
#     shape, 17 tabs, its pages built lazily and, as a second yardstick, eagerly) and
#     against bench/baseline_dialog (heavier: pictures, frames, every page eager).
#  2. The chemistry window (velkari-chemistry) against the floor of 3 tabs, lazy and
#     eager.
#  3. The command line: one conversion by velkari-cli as a whole process, against one
#     conversion by GNU units (skipped when units is not installed).
#
# Each round runs every program of a group once, the order rotated from round to round
# so that none always follows another. Prints the medians of each program and, against
# each yardstick, the median and quartiles of the per-round ratios of the map times and
# of the differences of the peak RSS. These are benchmarks, not tests: the exit status
# says only whether the runs could be made.
#
# usage: bench/startup.sh [--build DIR] [--runs N] [--cli-runs N] [--settle-ms N]
#   --build DIR    the build folder (default build/bench, from `cmake --preset bench`)
#   --runs N       window rounds (default 15)
#   --cli-runs N   command-line pairs (default 101)
#   --settle-ms N  how long each window stays up after its map (default 500)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/bench
runs=15
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
chemistry=$build/app/velkari-chemistry
floor=$build/bench/floor_dialog
baseline=$build/bench/baseline_dialog
cli=$build/cli/velkari-cli
for program in "$timer" "$product" "$chemistry" "$floor" "$baseline" "$cli"; do
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

# window_group TITLE ARRAY...: runs the command lines held in the named arrays (the
# first the program measured, the others its yardsticks) for $runs rounds after 2
# warm-up rounds, and prints each one's medians, then the first against each of the
# others. LABELS names them in the same order; TARGETS holds each yardstick's targets
# as "ratio rss-MiB".
window_group() {
  local title=$1
  shift
  local names=("$@") n=$# i j k line name
  echo "== $title: exec to MapNotify, peak RSS ($runs rounds, order rotated each round, after 2 warm-up rounds)"
  for ((i = 0; i < 2; i++)); do
    for name in "${names[@]}"; do
      local warm="$name[@]"
      timed --until-map --settle-ms "$settle_ms" -- "${!warm}" >/dev/null
    done
  done
  : >"$work/window"
  for ((i = 0; i < runs; i++)); do
    local -a ms=() kib=()
    for ((k = 0; k < n; k++)); do
      j=$(((i + k) % n))
      local command="${names[j]}[@]"
      line=$(timed --until-map --settle-ms "$settle_ms" -- "${!command}")
      ms[j]=$(field ms "$line")
      kib[j]=$(field maxrss_kib "$line")
    done
    for ((j = 0; j < n; j++)); do printf '%s %s ' "${ms[j]}" "${kib[j]}"; done >>"$work/window"
    echo >>"$work/window"
  done
  printf '%-34s %10s %10s\n' "" "map ms" "RSS MiB"
  for ((j = 0; j < n; j++)); do
    printf '%-34s %10.1f %10.1f\n' "${LABELS[j]}" \
      "$(awk -v c=$((2 * j + 1)) '{ print $c }' "$work/window" | median)" \
      "$(awk -v c=$((2 * j + 2)) '{ print $c / 1024 }' "$work/window" | median)"
  done
  for ((j = 1; j < n; j++)); do
    local target_ratio target_rss ratio rss verdict
    read -r target_ratio target_rss <<<"${TARGETS[j]}"
    ratio=$(awk -v c=$((2 * j + 1)) '{ print $1 / $c }' "$work/window" | median)
    rss=$(awk -v c=$((2 * j + 2)) '{ print ($2 - $c) / 1024 }' "$work/window" | median)
    verdict=$(awk -v r="$ratio" -v t="$target_ratio" -v d="$rss" -v u="$target_rss" \
      'BEGIN { print (r <= t ? "holds" : "misses") " / " (d <= u ? "holds" : "misses") }')
    printf '%s against %s: ratio %.3f (quartiles %s; target <= %s), RSS %+.1f MiB (quartiles %s; target <= +%s): %s\n' \
      "${LABELS[0]}" "${LABELS[j]}" "$ratio" \
      "$(awk -v c=$((2 * j + 1)) '{ print $1 / $c }' "$work/window" | quartiles)" "$target_ratio" \
      "$rss" "$(awk -v c=$((2 * j + 2)) '{ print ($2 - $c) / 1024 }' "$work/window" | quartiles)" \
      "$target_rss" "$verdict"
  done
}

velkari_run=("$product")
floor_lazy=("$floor")
floor_eager=("$floor" --eager)
baseline_run=("$baseline")
LABELS=(velkari "floor, 17 tabs, lazy" "floor, 17 tabs, eager" baseline_dialog)
TARGETS=("" "1.00 2" "0.95 2" "1.2 10")
window_group "Window" velkari_run floor_lazy floor_eager baseline_run

# The same peak RSS as GNU time reports it, once each, as a cross-check.
for program in "$product" "$floor" "$baseline"; do
  "$timer" --until-map --settle-ms "$settle_ms" -- /usr/bin/time -v "$program" \
    >/dev/null 2>"$work/time-v" || true
  kib=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time-v")
  echo "/usr/bin/time -v, one run of $(basename "$program"): Maximum resident set size ${kib:-?} KiB"
done
echo

chemistry_run=("$chemistry")
floor3_lazy=("$floor" --tabs 3)
floor3_eager=("$floor" --tabs 3 --eager)
LABELS=(velkari-chemistry "floor, 3 tabs, lazy" "floor, 3 tabs, eager")
TARGETS=("" "1.00 2" "0.95 2")
window_group "Chemistry window" chemistry_run floor3_lazy floor3_eager
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
