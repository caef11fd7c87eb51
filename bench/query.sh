#!/usr/bin/env bash
# Queries on standard input (velkari-cli -) against GNU units piped the same pairs: a
# million mixed queries (random values, units of every kind of category, with and
# without a target, names, abbreviations and plurals), the two run alternately, round
# after round. Then what reading a query costs over the column form for "N ft to m",
# as lines that repeat the words of the line before (whose reading velkari-cli reuses)
# and as lines that each are read in full, and the column form itself against another build of velkari-cli (--baseline), to show
# that its speed is unchanged. Prints medians of wall and CPU seconds and of the paired
# ratios. A benchmark, not a test: the exit status says only whether the runs could be
# made and their outputs were whole.
#
# usage: bench/query.sh [--build DIR] [--baseline DIR] [--queries N] [--rounds N]
#   --build DIR      the build folder holding cli/velkari-cli (default build/release)
#   --baseline DIR   a build of another version, for the column form's comparison
#   --queries N      how many queries (default 1000000)
#   --rounds N       rounds of each alternation (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
baseline=""
queries=1000000
rounds=3
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --baseline) baseline=$2; shift 2 ;;
    --queries) queries=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--baseline DIR] [--queries N] [--rounds N]" >&2; exit 2 ;;
  esac
done
cli=$build/cli/velkari-cli
if [ ! -x "$cli" ]; then
  echo "query.sh: $cli is missing; build it first:" >&2
  echo "  cmake --preset release && cmake --build --preset release --target velkari-cli" >&2
  exit 1
fi
if ! command -v units >/dev/null; then
  echo "query.sh: GNU units is missing (apt-get install -y units)" >&2
  exit 1
fi
[ -z "$baseline" ] || [ -x "$baseline/cli/velkari-cli" ] ||
  { echo "query.sh: $baseline/cli/velkari-cli is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same questions for both: velkari-cli's query, and units' "have" and "want" lines
# (an empty want: units writes the amount in base units, velkari-cli every unit of the
# category). Energy takes whole numbers; a value is joined to its unit one time in four.
awk -v n="$queries" 'BEGIN {
  FS = "|"
  split("ft to m|ft|m;feet in meters|feet|meters;lb to kg|lb|kg;pounds to grams|pounds|grams;" \
        "mi to km|mi|km;mph to km/hr|mph|km/hr;gal to liter|gal|liter;cups in ml|cups|ml;" \
        "psi to kPa|psi|kPa;deg to rad|deg|radian;hours to minutes|hours|minutes;" \
        "kWh to kJ|kWh|kJ;Nm to ft-lb|N m|ft lbf;acre to m2|acre|m^2;F to C|F|C;" \
        "ft|ft|;kg|kg|;in to cm|in|cm", kinds, ";")
  count = length(kinds)
  srand(21)
  for (i = 0; i < n; i++) {
    split(kinds[int(rand() * count) + 1], k, "|")
    value = k[2] == "kWh" ? sprintf("%d", int(rand() * 100000)) : sprintf("%.4f", rand() * 100000 + 0.001)
    blank = rand() < 0.25 && k[2] != "F" ? "" : " "
    print value blank k[1] > "/dev/stdout"
    if (k[2] == "F") { print "tempF(" value ")" > "'"$work/units-input"'"; print "tempC" > "'"$work/units-input"'" }
    else { print value " " k[2] > "'"$work/units-input"'"; print k[3] > "'"$work/units-input"'" }
  }
}' >"$work/queries"
awk -v n="$queries" 'BEGIN { srand(13); for (i = 0; i < n; i++) printf "%.6f\n", rand() * 100000 + 0.001 }' \
  >"$work/values"
sed 's/$/ ft to m/' "$work/values" >"$work/ft-queries"
# The same with "to" and "in" taking turns, so that no line repeats the words of the line
# before and each is read in full.
awk '{ print $0 (NR % 2 ? " ft to m" : " ft in m") }' "$work/values" >"$work/ft-full-queries"

echo "== Machine"
echo "nproc: $(nproc); cpu: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "load at start: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "units: $(units --version | head -n 1)"
echo

echo "== Both answer every query"
"$cli" - <"$work/queries" >"$work/cli-out" 2>"$work/cli-err"
units -t -q <"$work/units-input" >"$work/units-out" 2>&1
[ "$(wc -l <"$work/units-out")" = "$queries" ] || { echo "query.sh: units did not answer each pair" >&2; exit 1; }
! grep -qiE 'error|unknown' "$work/units-out" || { echo "query.sh: units refused a pair" >&2; exit 1; }
echo "velkari-cli: $(wc -l <"$work/cli-out") lines for $queries queries; standard error:"
sed 's/^/  /' "$work/cli-err"
echo "units: $queries lines"
echo

# Wall and CPU (user + system) seconds of one run, standard output thrown away.
measure() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" >/dev/null 2>&1; } 2>"$work/time"
  awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time"
}
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# Runs the named functions alternately for the rounds, the order rotated each round;
# prints each round's "wall cpu" pairs and the medians.
alternate() {
  local -a names=("$@") order
  : >"$work/times"
  for ((r = 0; r < rounds; r++)); do
    order=("${names[@]:r % $#}" "${names[@]:0:r % $#}")
    declare -A t=()
    for name in "${order[@]}"; do t[$name]=$(measure "run_$name"); done
    local line=""
    for name in "${names[@]}"; do line+="${t[$name]} "; done
    echo "$line" | tee -a "$work/times"
  done
  printf '%-28s %10s %10s %14s\n' "" "wall s" "cpu s" "per second"
  local column=1
  for name in "${names[@]}"; do
    local wall cpu
    wall=$(awk -v c=$column '{ print $c }' "$work/times" | median)
    cpu=$(awk -v c=$((column + 1)) '{ print $c }' "$work/times" | median)
    printf '%-28s %10.3f %10.2f %14.0f\n' "$name" "$wall" "$cpu" \
      "$(awk -v s="$wall" -v n="$queries" 'BEGIN { print n / s }')"
    column=$((column + 2))
  done
}
# The median over the rounds of column $2 / column $1 (1-based pair columns).
ratio() { awk -v a="$1" -v b="$2" '{ print $(2 * b - 1) / $(2 * a - 1) }' "$work/times" | median; }

run_queries() { "$cli" - <"$work/queries"; }
run_units() { units -t -q <"$work/units-input"; }
echo "== $queries mixed queries: velkari-cli - against units, $rounds rounds (wall cpu)"
alternate queries units
printf 'median of paired wall-time throughput ratios velkari-cli/units: %.1f   (target >= 20)\n' \
  "$(ratio 1 2)"
echo

run_ft_queries() { "$cli" - <"$work/ft-queries"; }
run_ft_column() { "$cli" Length - ft --to m <"$work/values"; }
run_ft_read_in_full() { "$cli" - <"$work/ft-full-queries"; }
echo "== $queries times N ft to m: as queries, as the column form, and as queries each read in full (wall cpu)"
rounds=$((rounds + 2)) alternate ft_queries ft_column ft_read_in_full
printf 'median of paired time ratios queries/column: %.2f   (target <= 1.5)\n' "$(ratio 2 1)"
printf 'median of paired time ratios queries read in full/column: %.2f\n' "$(ratio 2 3)"
echo

if [ -n "$baseline" ]; then
  run_column() { "$cli" Length - ft --to m <"$work/values"; }
  run_baseline_column() { "$baseline/cli/velkari-cli" Length - ft --to m <"$work/values"; }
  run_blocks() { "$cli" Length - ft <"$work/values"; }
  run_baseline_blocks() { "$baseline/cli/velkari-cli" Length - ft <"$work/values"; }
  echo "== The column form, this build against $baseline (wall cpu)"
  rounds=$((rounds + 2)) alternate column baseline_column blocks baseline_blocks
  printf 'median of paired time ratios this/baseline, one target: %.2f, every unit: %.2f\n' \
    "$(ratio 2 1)" "$(ratio 4 3)"
fi
echo "load at end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
