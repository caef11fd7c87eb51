#!/usr/bin/env bash
# Prints which folder of the tree includes which (with the number of includes) and fails
# on an include that points up the layer table or a circle between folders.
#
# The layers, lowest first. A folder may include its own files and those of the rows
# above it in this list, except where ALLOWED narrows it: the framework knows no
# product, and the two programs without a window see only the core.
#
#   usage: scripts/check_layers.sh [SOURCE_DIR]
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

python3 - "$root" <<'PYTHON'
import pathlib
import re
import sys

ROWS = ["numbers", "convert", "chem", "framework", "res", "pages", "sheet", "app", "cli",
        "search"]
CORE = {"numbers", "convert", "chem"}
ALLOWED = {
    "framework": {"numbers"},
    "cli": CORE,
    "search": CORE,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/')

root = pathlib.Path(sys.argv[1])
rank = {folder: row for row, folder in enumerate(ROWS)}
arrows = {}
faults = []

for folder in ROWS:
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        lines = path.read_text(encoding="utf-8").splitlines()
        for number, line in enumerate(lines, start=1):
            match = INCLUDE.match(line)
            if not match or match.group(1) == folder:
                continue
            target = match.group(1)
            where = f"{path.relative_to(root)}:{number}"
            arrows[(folder, target)] = arrows.get((folder, target), 0) + 1
            if target not in rank:
                faults.append(f"{where}: includes {target}/, which is no layer of the tree")
            elif rank[target] > rank[folder]:
                faults.append(f"{where}: {folder}/ includes {target}/, a layer above it")
            elif target not in ALLOWED.get(folder, {target}):
                faults.append(f"{where}: {folder}/ may include only "
                              + ", ".join(sorted(f + "/" for f in ALLOWED[folder])))

for (source, target), count in sorted(arrows.items(), key=lambda a: (rank[a[0][0]], a[0][1])):
    print(f"{source:>10} -> {target:<10} {count:4d}")

for (source, target) in sorted(arrows):
    if source < target and (target, source) in arrows:
        faults.append(f"{source}/ and {target}/ include each other")

for fault in faults:
    print(fault, file=sys.stderr)
sys.exit(1 if faults else 0)
PYTHON
