#!/usr/bin/env bash
# Builds the Debian package twice from this source tree, in two build folders, at two
# times and under two umasks, and fails unless the two .deb files are byte-identical.
# On a difference it lists what differs (the archive's members, then the files).
#
# Usage: bash scripts/check_reproducible.sh   (leaves both builds in build/reproducible)
set -euo pipefail
cd "$(dirname "$0")/.."
work=build/reproducible
rm -rf "$work"

build() {
  local side=$1
  cmake --preset release -B "$work/$side" >/dev/null
  cmake --build "$work/$side"
  cpack --config "$work/$side/CPackConfig.cmake" -B "$work/$side/package" >/dev/null
}
(umask 022 && build one)
(umask 002 && build two)

one=$(echo "$work"/one/package/*.deb)
two=$(echo "$work"/two/package/*.deb)
if cmp -s "$one" "$two"; then
  echo "reproducible: $(basename "$one") is the same in both builds ($(sha256sum <"$one" | cut -c1-16)...)"
  exit 0
fi
echo "NOT reproducible: $one and $two differ" >&2
diff <(dpkg-deb -c "$one") <(dpkg-deb -c "$two") >&2 || true
for side in one two; do
  mkdir -p "$work/$side/unpacked"
  dpkg-deb -R "$work/$side/package/"*.deb "$work/$side/unpacked"
done
diff -r "$work/one/unpacked" "$work/two/unpacked" >&2 || true
exit 1
