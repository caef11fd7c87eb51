#!/usr/bin/env bash
# The README's scripting examples run as written: each "$ command" of the section's
# shell blocks, run by bash with the built velkari-cli first on the PATH, prints the
# lines shown under it (a command shown without lines only has to succeed).
#
# Usage: check_readme.sh VELKARI_CLI README   (run by ctest as cli_readme)
set -euo pipefail
cli_dir=$(cd "$(dirname "$1")" && pwd)
readme=$2

failures=0
examples=0
command=""
expected=""
check() {
  [ -n "$command" ] || return 0
  examples=$((examples + 1))
  local got status=0
  got=$(cd "$(mktemp -d)" && PATH="$cli_dir:$PATH" bash -o pipefail -c "$command" 2>&1) ||
    status=$?
  # The block's blank lines separate examples; the output is compared without them at its end.
  expected=$(printf '%s' "$expected" | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}')
  if [ "$status" -ne 0 ]; then
    echo "FAIL: '$command' exits with status $status: $got" >&2
    failures=$((failures + 1))
  elif [ -n "$expected" ] && [ "$got" != "$expected" ]; then
    echo "FAIL: '$command' prints" >&2
    printf '%s\n' "$got" >&2
    echo "  and not, as the README shows," >&2
    printf '%s\n' "$expected" >&2
    failures=$((failures + 1))
  fi
  command=""
  expected=""
}

# The "## Scripting" section's ```sh blocks, line by line.
in_block=0
while IFS= read -r line; do
  if [ "$in_block" = 0 ]; then
    [ "$line" = '```sh' ] && in_block=1
    continue
  fi
  if [ "$line" = '```' ]; then
    check
    in_block=0
  elif [[ $line == '$ '* ]]; then
    check
    command=${line#'$ '}
  elif [ -n "$command" ]; then
    expected+="$line"$'\n'
  fi
done < <(sed -n '/^## Scripting/,/^## /p' "$readme")

if [ "$examples" -lt 10 ]; then
  echo "FAIL: only $examples examples found in the README's Scripting section" >&2
  failures=$((failures + 1))
fi
if [ "$failures" -gt 0 ]; then
  echo "$failures of $examples README example(s) failed" >&2
  exit 1
fi
echo "all $examples README examples print what the README shows"
