#!/usr/bin/env bash
# velkari-cli for Windows, checked under Wine: builds the windows preset (MinGW-w64),
# runs the core's GoogleTest suite under Wine, then runs velkari-cli.exe and the Linux
# build's velkari-cli of the same source on the same arguments and input and compares
# their standard output, standard error and exit status byte for byte: the README's
# examples, every category in the category form, every unit name in a query stream,
# the chemistry commands, every --format, "-" streams with LF and CRLF line ends, and
# the refusals.
#
# Usage: scripts/windows_check.sh [LINUX_VELKARI_CLI]
#        (by default build/dev/cli/velkari-cli, which ./test has built before)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
linux_cli=${1:-$root/build/dev/cli/velkari-cli}
[ -x "$linux_cli" ] || { echo "no Linux velkari-cli at $linux_cli: build the dev preset first" >&2; exit 1; }
build=$root/build/windows
exe=$build/cli/velkari-cli.exe

echo "== windows build (MinGW-w64)"
cmake --preset windows >/dev/null
cmake --build --preset windows

# Debian's wine64 package puts its loader in /usr/lib/wine; other systems have wine64
# or wine on the PATH.
wine=$(command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } ||
  command -v wine) || { echo "Wine is not installed (apt-get install wine64 wine)" >&2; exit 1; }
# A Wine of the build's own (the ctest preset names the same one), silent, without the
# Mono and Gecko installers it would offer; arguments reach it as UTF-8.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== making the Wine prefix (once)"
  "$wine" wineboot -i >/dev/null 2>&1
fi
# One Wine server for the whole run, rather than one started (and stopped) per program
# (or the one already serving this prefix).
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
"$wineserver" -p 2>/dev/null || true
# Wine's own services start with the first program and keep its standard output and
# error: a first program of their own, so that no later one's pipe stays open after it.
"$wine" wineboot </dev/null >/dev/null 2>&1
work=$(mktemp -d)
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT

echo "== windows core tests (Wine)"
ctest --preset windows

echo "== windows velkari-cli (Wine) against the Linux build"
started=$SECONDS
# velkari-cli.exe under the name velkari-cli, for the README's examples.
mkdir "$work/bin"
printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$wine" "$exe" >"$work/bin/velkari-cli"
chmod +x "$work/bin/velkari-cli"

failures=0
checks=0
# compare INPUT_FILE ARGUMENT... : both programs, the same input, every byte compared.
compare() {
  local input=$1
  shift
  checks=$((checks + 1))
  local linux_status=0 windows_status=0
  "$linux_cli" "$@" <"$input" >"$work/linux.out" 2>"$work/linux.err" || linux_status=$?
  "$wine" "$exe" "$@" <"$input" >"$work/windows.out" 2>"$work/windows.err" || windows_status=$?
  local what
  what="velkari-cli$(printf ' %q' "$@")${input:+ < $(basename "$input")}"
  if [ "$linux_status" != "$windows_status" ]; then
    echo "FAIL: $what: exit status $windows_status on Windows, $linux_status on Linux" >&2
    failures=$((failures + 1))
  fi
  for stream in out err; do
    if ! cmp -s "$work/linux.$stream" "$work/windows.$stream"; then
      echo "FAIL: $what: standard $stream differs (< Linux, > Windows):" >&2
      diff <(od -c "$work/linux.$stream") <(od -c "$work/windows.$stream") | head -20 >&2 || true
      failures=$((failures + 1))
    fi
  done
}
# compare_words INPUT_FILE "WORDS" : the same, the words split as the shell splits them.
compare_words() {
  local -a words
  eval "words=($2)"
  compare "$1" "${words[@]}"
}

none=/dev/null
input() { # NAME CONTENT: a file of that content, without a line end added
  printf '%s' "$2" >"$work/$1"
  echo "$work/$1"
}

# --- every category in the category form, the options spread over them
mapfile -t categories < <("$linux_cli" --list)
[ "${#categories[@]}" -ge 16 ] || { echo "FAIL: --list names only ${#categories[@]} categories" >&2; exit 1; }
formats=(plain tsv csv json)
i=0
for category in "${categories[@]}"; do
  compare "$none" "$category" 1 0
  compare "$none" "$category" -2.5e3 1 --format "${formats[$((i % 4))]}" --decimals $((i % 6))
  compare "$none" --scientific -- "$category" 12345 "$((i % 3))" --format "${formats[$(((i + 1) % 4))]}"
  i=$((i + 1))
done

# --- every name of every unit, in one query stream ("2 NAME" a line): each category's
# results for each of its units. (The category form takes a name in any case, a query
# only where the case decides nothing: "mj" is no query's unit, "MJ" is.)
for category in "${categories[@]}"; do
  while IFS= read -r name; do
    "$linux_cli" "2 $name" >/dev/null 2>&1 && printf '2 %s\n' "$name"
  done < <("$linux_cli" --names "$category")
done >"$work/every_name"
if [ "$(wc -l <"$work/every_name")" -lt 500 ]; then
  echo "FAIL: only $(wc -l <"$work/every_name") unit names make a query" >&2
  failures=$((failures + 1))
fi
compare "$work/every_name" -
compare "$work/every_name" - --format json

# --- queries, with the units written as a person writes them, non-ASCII ones included
queries=(
  "3 ft to m" "5 ft 3 in to cm" "100 lbs in kg" "1/2 cup to tbsp" "350F" "3 ft m --to in"
  "1 gallon to ml" "3 µm to nm" "1 °C to F" "Area 1 km² --to m2" "Light 1 'Candela / cm²'"
  "Pressure 1 kgf/cm² --to psi" "2 minutes to seconds" "90 minutes" "1e308 km to mm"
  "-40 C to F" "1 fl. oz. to ml" "Computer Storage 1 Gigabit --decimals 0"
  "'3 ft to m' --format json" "100 C to F --format csv" "1 mph to km/h --format tsv")
for query in "${queries[@]}"; do
  compare_words "$none" "$query"
done

# --- the chemistry commands, plain and as JSON
chemistry=(
  "element Fe" "element H" "element Og" "element Hg --format json" "weight H 2 S 1 O 4"
  "weight H2SO4" "weight 'CuSO4*5H2O' --format json" "weight 'K4[Fe(CN)6]'" "Weight Tl 1"
  "composition 'Ca(OH)2'" "composition ' CuSO4*5H2O' --format json" "moles 36.03 18.015"
  "grams 2 18.015 --format=json" "-- moles -5 18"
  "formula --compound 100 --unknown 180.16 C 40 H 6.71 O 53.29"
  "formula --compound 100 C 40 H 6.71 O 53.29 --format json"
  "--list" "--list 'Computer Storage'" "--names Area" "--names element" "--help" "--version"
  "formula --help")
for words in "${chemistry[@]}"; do
  compare_words "$none" "$words"
done

# --- "-" streams: columns and query lines, LF and CRLF, a last line without its end,
# a refused line after good ones, and empty input
column=$(input column $'1\n2.5\n-10\n1e300\n0\n')
column_crlf=$(input column_crlf $'1\r\n2.5\r\n-10\r\n1e300\r\n0')
column_bad=$(input column_bad $'1\n2\nthree\n4\n')
lines=$(input lines $'3 ft to m\n350 F to C\n2 cups in ml\n1 gallon to ml\n')
lines_crlf=$(input lines_crlf $'3 ft to m\r\n350 F to C\r\n2 cups in ml\r\n100 lbs kg')
lines_bad=$(input lines_bad $'3 ft to m\n3 furlongs to parsecs\n1 m to ft\n')
empty=$(input empty '')
for format in "${formats[@]}"; do
  compare "$column" Length - ft --to m --to in --format "$format"
  compare "$column_crlf" Temperature - C --format "$format"
  compare "$lines" - --format "$format"
  compare "$lines_crlf" - --format "$format"
done
compare "$column" Energy - J
compare "$column_bad" Area - m2
compare "$lines_bad" -
compare "$empty" -
compare "$empty" Length - ft

# --- refusals: the message and exit status 2, nothing on standard output
refusals=(
  "" "Angel 90 Degrees" "Angle 1,5 Degrees" "Energy 2147483648 0" "Energy 2.5 2"
  "Angle 90 Furlongs" "Angle 90 5" "weight" "Temperature 100 C --decimals 2"
  "Temperature 100 C --to celsius" "Angle 90 0 --format xml" "element Fe --format csv"
  "Angle 90 Degrees --decimals 9" "Angle 90 Degrees --bogus" "Angle 90" "element Xx"
  "weight CO 1" "weight H2Xx" "composition 'Ca(OH'" "formula C 40 H 6" "--version extra"
  "-- Temperature -40 C --to F" "3 furlongs to parsecs" "Angle 90 $'\\e[31mx'"
  "Angle 90 $'\\xef\\xbb\\xbfdeg'" "Angle 90 µ°²·")
for words in "${refusals[@]}"; do
  compare_words "$none" "$words"
done

# --- output that cannot be written (a full disk): the message and status 1
checks=$((checks + 1))
linux_status=0 windows_status=0
"$linux_cli" --help >/dev/full 2>"$work/linux.err" || linux_status=$?
"$wine" "$exe" --help >/dev/full 2>"$work/windows.err" || windows_status=$?
if [ "$linux_status" != "$windows_status" ] || ! cmp -s "$work/linux.err" "$work/windows.err"; then
  echo "FAIL: velkari-cli --help >/dev/full: status $windows_status and '$(cat "$work/windows.err")'" \
    "on Windows, $linux_status and '$(cat "$work/linux.err")' on Linux" >&2
  failures=$((failures + 1))
fi

echo "$checks runs compared in $((SECONDS - started)) s"

# --- the README's examples, run as written with velkari-cli.exe as velkari-cli
if ! bash tests/cli/check_readme.sh "$work/bin/velkari-cli" README.md; then
  failures=$((failures + 1))
fi

if [ "$failures" -gt 0 ]; then
  echo "velkari-cli.exe: $failures difference(s) from the Linux build" >&2
  exit 1
fi
echo "velkari-cli.exe answers as the Linux build in all $checks runs and the README's examples"
