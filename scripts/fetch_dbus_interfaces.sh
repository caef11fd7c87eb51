#!/usr/bin/env bash
# Unpacks KRunner's D-Bus interface file (kf5_org.kde.krunner1.xml) from its Debian
# package into a folder of the build, for the search provider's conformance test.
# Only the package's files are unpacked: installing it would pull in Qt 5 and KDE's
# frameworks. On Debian 12 the file is in libkf5runner5. GNOME Shell's file comes
# installed with gnome-shell-common (scripts/packages.sh).
#   bash scripts/fetch_dbus_interfaces.sh [FOLDER]    # build/dbus-interfaces by default
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build/dbus-interfaces}
file=usr/share/dbus-1/interfaces/kf5_org.kde.krunner1.xml

if [ -f "$folder/$file" ] || [ -f "/$file" ]; then
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"  # apt's download user writes into it
for package in libkf5runner5 libkf5runner-dev; do
  (cd "$work" && apt-get download "$package" >/dev/null 2>&1) || continue
  for deb in "$work"/*.deb; do
    dpkg-deb -x "$deb" "$work/unpacked"
  done
  if [ -f "$work/unpacked/$file" ]; then
    mkdir -p "$folder/$(dirname "$file")"
    cp "$work/unpacked/$file" "$folder/$file"
    exit 0
  fi
done
echo "fetch_dbus_interfaces: no Debian package gave $file (apt-get download libkf5runner5)" >&2
exit 1
