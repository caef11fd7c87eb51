#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck over the product's sources, using the
# development build's compile commands. Run after the dev build; any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
database=build/dev/compile_commands.json
[ -f "$database" ] || { echo "static analysis: build the dev preset first" >&2; exit 1; }

sources=$(jq -r '.[].file' "$database" | grep -v -e _autogen -e /tests/ -e /build/ | sort)

echo "== clang-tidy"
# shellcheck disable=SC2086
run-clang-tidy -p build/dev -quiet -j "$(nproc)" $sources >build/dev/clang-tidy.log 2>&1 || {
  grep -E 'error:|warning:' build/dev/clang-tidy.log | grep -v 'warnings generated' | head -50
  echo "clang-tidy found problems (build/dev/clang-tidy.log)" >&2
  exit 1
}
echo "clang-tidy: clean"

echo "== cppcheck"
echo "$sources" >build/dev/cppcheck-files.txt
cppcheck --enable=warning,performance,portability --std=c++20 --language=c++ -I . \
  --inline-suppr --error-exitcode=1 --quiet -j "$(nproc)" --suppress=missingIncludeSystem \
  --file-list=build/dev/cppcheck-files.txt
echo "cppcheck: clean"
