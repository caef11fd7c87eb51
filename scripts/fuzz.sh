#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (seconds per target as
# the first argument, 15 by default) from the committed seed corpus. New inputs go to a
# temporary folder; a crash leaves its input in build/fuzz/crashes/.
#   bash scripts/fuzz.sh 15          # what ./test runs
#   bash scripts/fuzz.sh 3600        # a long run, an hour per target
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p build/fuzz/crashes
for fuzzer in build/fuzz/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer" _fuzzer)
  mkdir -p "$work/$name"
  echo "== fuzzing $name for ${seconds}s"
  log="$work/$name.log"
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build/fuzz/crashes/"$name"- \
      "$work/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzzing: $name failed; its input is in build/fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log"
done
echo "fuzzing: no crash"
