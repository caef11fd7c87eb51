#!/usr/bin/env bash
# A long random walk through the real window under AddressSanitizer and
# UndefinedBehaviorSanitizer: N actions (100000 by default) from a seed (the second
# argument, else the time). Prints the actions, seconds, invariants checked, peak RSS
# after 10000 actions and at the end, and the number of sanitizer reports. A failure
# prints the seed and the shortest action list that still fails; rerun it with the
# same N and seed.
#   bash scripts/soak.sh 100000
#   bash scripts/soak.sh 2000 12345
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-100000}
seed=${2:-$(date +%s)}

cmake --preset asan >/dev/null
cmake --build --preset asan --target window_soak

log=$(mktemp)
trap 'rm -f "$log"' EXIT
echo "== soak: $actions actions, seed $seed"
status=0
QT_QPA_PLATFORM=offscreen VELKARI_SOAK_ACTIONS="$actions" VELKARI_SOAK_SEED="$seed" \
  build/asan/tests/window_soak >"$log" 2>&1 || status=$?
grep -E '^soak:' "$log" || true
reports=$(grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log" || true)
echo "soak: $reports sanitizer reports"
if [ "$status" -ne 0 ] || [ "$reports" -ne 0 ]; then
  tail -n 60 "$log"
  echo "soak: failed (status $status), seed $seed" >&2
  exit 1
fi
