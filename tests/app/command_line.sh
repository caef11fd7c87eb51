#!/usr/bin/env bash
# A built window program (velkari, velkari-chemistry) as it is started from a shell:
# its few options, refused arguments and a start without a display, each by exit
# status and what it printed.
#
# Usage: command_line.sh PROGRAM VERSION TITLE
# (run by ctest as velkari_command_line and velkari_chemistry_command_line)
set -uo pipefail
velkari=$1
version=$2
title=$3
name=${velkari##*/}
failures=0

# Runs velkari without a display and checks its status, its standard output's first
# line and its standard error's only line (a pattern; "" for empty).
# check STATUS OUT_FIRST_LINE ERR_PATTERN ARGS...
check() {
  local status=$1 out_first=$2 err_pattern=$3 actual out err
  shift 3
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$velkari" "$@" 2>"$tmp") && actual=0 || actual=$?
  err=$(cat "$tmp")
  if [ "$actual" != "$status" ] || [ "$(head -n 1 <<<"$out")" != "$out_first" ] ||
    { [ -z "$err_pattern" ] && [ -n "$err" ]; } ||
    { [ -n "$err_pattern" ] && ! grep -qxE -- "$err_pattern" <<<"$(head -n 1 <<<"$err")"; }; then
    echo "FAIL: $name $* -> status $actual (expected $status)" >&2
    echo "  stdout: $(head -n 3 <<<"$out")" >&2
    echo "  stderr: $err" >&2
    failures=$((failures + 1))
  fi
}
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

no_display="$name: no display to open the window on \\(.+\\); .*xvfb-run $name"
try_help="Try '$name --help' for more information."
check 0 "Usage: $name [options]" '' --help
check 0 "Usage: $name [options]" '' -h -platform offscreen
check 0 "$name ($title) $version" '' --version
check 2 '' "$name: Unknown option 'bogus'\\." --bogus
check 2 '' "$name: unexpected argument 'file\\.txt'.*" file.txt
check 2 '' "$name: unexpected argument '--help'.*" -- --help
check 2 '' "$name: Missing value after '-platform'\\." -platform
check 1 '' "$no_display"
check 1 '' "$no_display" -platform bogus
check 1 '' "$no_display" -reverse -style fusion

# velkari --convert QUERY: the words after it are the query, whatever they look like;
# the other program has no such option.
if [ "$name" = velkari ]; then
  check 1 '' "$no_display" --convert 3 ft to m
  check 1 '' "$no_display" --convert -40 C --help
  check 1 '' "$no_display" --convert=350F
  check 2 '' "$name: Missing value after '--convert'\\." --convert
  check 2 '' "$name: Missing value after '--convert'\\." --convert=
  "$velkari" --help | grep -q -- '--convert <QUERY>' || {
    echo "FAIL: $name --help does not show --convert <QUERY>" >&2
    failures=$((failures + 1))
  }
else
  check 2 '' "$name: Unknown option 'convert'\\." --convert 3 ft
fi

# A refusal says how to get help on its second and last line.
[ "$("$velkari" --bogus 2>&1 | tail -n +2)" = "$try_help" ] || {
  echo "FAIL: a refused argument is not followed by: $try_help" >&2
  failures=$((failures + 1))
}
# No display: one line, not the toolkit's abort with its advice to reinstall.
lines=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$velkari" 2>&1 | wc -l)
[ "$lines" = 1 ] || { echo "FAIL: without a display $name printed $lines lines" >&2; failures=$((failures + 1)); }
# Help that cannot be written is a failure, said on standard error.
if "$velkari" --help >/dev/full 2>"$tmp" || ! grep -q "^$name: ." "$tmp"; then
  echo "FAIL: $name --help >/dev/full did not fail with a message" >&2
  failures=$((failures + 1))
fi

[ "$failures" = 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "$name's command line: all checks passed"
