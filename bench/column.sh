#!/usr/bin/env bash
# A column of values through velkari-cli (VALUE "-") against awk and GNU units doing
# the same conversion, feet to metres, on the same 1,000,000 random values: the three
# run alternately, round after round, and the script prints each one's median
# throughput and the median of the paired ratios. Before timing, it checks that the
# column's output is what single calls print for the same values, and prints the
# peak RSS of a short and of the long column. A benchmark, not a test: the exit status
# says only whether the runs could be made and the outputs agreed.
#
# usage: bench/column.sh [--build DIR] [--values N] [--rounds N]
#   --build DIR   the build folder holding cli/velkari-cli (default build/release)
#   --values N    how many values (default 1000000)
#   --rounds N    rounds of the alternation (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
values=1000000
rounds=5
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --values) values=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--values N] [--rounds N]" >&2; exit 2 ;;
  esac
done
cli=$build/cli/velkari-cli
if [ ! -x "$cli" ]; then
  echo "column.sh: $cli is missing; build it first:" >&2
  echo "  cmake --preset release && cmake --build --preset release --target velkari-cli" >&2
  exit 1
fi
have_units=0
command -v units >/dev/null && have_units=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Random values from 0.001 to 100000 with up to six decimals, the same every run.
awk -v n="$values" 'BEGIN { srand(13); for (i = 0; i < n; i++) printf "%.6f\n", rand() * 100000 + 0.001 }' \
  >"$work/values"
# GNU units reads what it has and what it wants on alternate lines.
awk '{ print $1 " ft"; print "m" }' "$work/values" >"$work/units-input"

echo "== Machine"
echo "nproc: $(nproc); cpu: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "load at start: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "awk: $(readlink -f "$(command -v awk)")"
[ $have_units = 1 ] && echo "units: $(units --version | head -n 1)"
echo

echo "== The column writes what single calls write (every 997th value and the last)"
"$cli" Length - ft --to m <"$work/values" >"$work/column"
[ "$(wc -l <"$work/column")" = "$values" ] || { echo "column.sh: not one line per value" >&2; exit 1; }
checked=0
while IFS=$'\t' read -r value converted; do
  single=$("$cli" Length "$value" ft --to m)
  if [ "$single" != "$converted" ]; then
    echo "column.sh: $value gives $single alone, $converted in the column" >&2
    exit 1
  fi
  checked=$((checked + 1))
done < <(paste "$work/values" "$work/column" | awk -v n="$values" 'NR % 997 == 0 || NR == n')
echo "$checked values: identical"
echo

echo "== Peak RSS of velkari-cli (KiB): 1000 values, then $values"
head -n 1000 "$work/values" | /usr/bin/time -f %M "$cli" Length - ft --to m 2>&1 >/dev/null
/usr/bin/time -f %M "$cli" Length - ft --to m <"$work/values" 2>&1 >/dev/null
echo

seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.4f\n", ns / 1e9 }'
}
run_cli() { "$cli" Length - ft --to m <"$work/values"; }
run_awk() { awk '{printf "%0.5f\n", $1*0.3048}' "$work/values"; }
run_units() { units -t -q <"$work/units-input"; }

echo "== $values values, feet to metres: $rounds rounds, order rotated each round"
: >"$work/times"
for ((r = 0; r < rounds; r++)); do
  order=(cli awk units)
  [ $((r % 3)) = 1 ] && order=(awk units cli)
  [ $((r % 3)) = 2 ] && order=(units cli awk)
  declare -A t=([units]=nan)
  for program in "${order[@]}"; do
    if [ "$program" = units ] && [ $have_units = 0 ]; then continue; fi
    t[$program]=$(seconds "run_$program")
  done
  echo "${t[cli]} ${t[awk]} ${t[units]}" | tee -a "$work/times"
done

median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo
printf '%-12s %10s %14s\n' "" "median s" "values/s"
for column in 1 2 3; do
  name=$(echo "velkari-cli awk units" | cut -d ' ' -f "$column")
  [ "$name" = units ] && [ $have_units = 0 ] && continue
  s=$(awk -v c="$column" '{ print $c }' "$work/times" | median)
  printf '%-12s %10.3f %14.0f\n' "$name" "$s" "$(awk -v s="$s" -v n="$values" 'BEGIN { print n / s }')"
done
printf 'median of paired throughput ratios velkari-cli/awk: %.2f   (target >= 2)\n' \
  "$(awk '{ print $2 / $1 }' "$work/times" | median)"
if [ $have_units = 1 ]; then
  printf 'median of paired throughput ratios velkari-cli/units: %.1f   (target >= 50)\n' \
    "$(awk '{ print $3 / $1 }' "$work/times" | median)"
else
  echo "units not installed: its comparison skipped"
fi
echo "load at end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
