#!/usr/bin/env bash
# The layer check on small trees of its own: it passes a tree whose includes point
# down, and names the file and line of each include that points up, sideways into a
# narrower layer, or outside the layers.
#   usage: check_layers_test.sh CHECK_LAYERS_SCRIPT
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# include FILE HEADER: a source file of the tree that includes HEADER.
include() {
    mkdir -p "$tree/$(dirname "$1")"
    printf '#include "%s"\n' "$2" >>"$tree/$1"
}

expect() {
    local want=$1 message=$2 status=0
    bash "$check" "$tree" >/dev/null 2>"$tree.err" || status=$?
    if [[ $want == pass && $status -ne 0 ]] || [[ $want != pass && $status -eq 0 ]] ||
        { [[ -n $message ]] && ! grep -qF -- "$message" "$tree.err"; }; then
        echo "FAIL: wanted $want ${message:+with \"$message\"}, got status $status:"
        cat "$tree.err"
        failures=$((failures + 1))
    fi
    rm -f "$tree.err"
}

include convert/converter.cpp numbers/number_text.h
include chem/formula.cpp convert/messages.h
include pages/convert/length.cpp res/resource.h
include pages/convert/length.cpp pages/convert/equals_handler.h
include app/Tessaral.cpp pages/bout.h
include cli/plan.cpp convert/converter.h
expect pass ""

include convert/query.cpp pages/bout.h
expect fail "convert/query.cpp:1: convert/ includes pages/, a layer above it"
rm "$tree/convert/query.cpp"

include framework/tab_ctrl.cpp numbers/number_text.h
include framework/tab_ctrl.cpp res/resource.h
expect fail "framework/tab_ctrl.cpp:2: framework/ includes res/, a layer above it"
rm "$tree/framework/tab_ctrl.cpp"

include cli/writer.cpp framework/text.h
expect fail "cli/writer.cpp:1: cli/ may include only chem/, convert/, numbers/"
rm "$tree/cli/writer.cpp"

include res/strings.cpp vendor/thing.h
expect fail "res/strings.cpp:1: includes vendor/, which is no layer of the tree"

exit $((failures > 0))
