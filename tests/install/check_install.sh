#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and packages it as a .deb, then checks
# both as a desktop and a package manager would see them: exactly the expected files,
# a valid desktop entry and metainfo that agree with each other, icons of the sizes
# their folders name, a manual page that covers --help, programs that run from the
# prefix without a search path of their own and hardened as Debian builds them (PIE,
# full RELRO, immediate binding, every file compiled with stack clash and control-flow
# protection), a window whose class is its desktop entry's StartupWMClass (under Xvfb),
# a package whose dependencies were worked out from the programs and that lintian
# --pedantic passes with no tag but those overridden in it, no package at all without
# the tools that work those dependencies out, and an installation that its own manifest
# removes whole after the package was made.
#
# Usage: check_install.sh BUILD_DIR APP_ID VERSION CHEMISTRY_APP_ID
# (run by ctest as install_and_package)
set -euo pipefail

build=$1
id=$2
version=$3
chemistry_id=$4

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in cmake cpack desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps file readelf \
  lintian xvfb-run xwininfo xprop; do
  command -v "$tool" >/dev/null || {
    echo "missing $tool: install the test packages of scripts/packages.sh" >&2
    exit 1
  }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
prefix=$root/usr

# The files, relative to the prefix, that an installation holds: nothing more.
expected=(
  bin/velkari
  bin/velkari-chemistry
  bin/velkari-cli
  bin/velkari-search-provider
  share/man/man1/velkari.1.gz
  share/man/man1/velkari-search-provider.1.gz
  "share/dbus-1/services/$id.SearchProvider.service"
  "share/gnome-shell/search-providers/$id.search-provider.ini"
  "share/krunner/dbusplugins/$id.SearchProvider.desktop"
  share/man/man1/velkari-chemistry.1.gz
  share/man/man1/velkari-cli.1.gz
  share/bash-completion/completions/velkari-cli
  share/zsh/vendor-completions/_velkari-cli
  share/fish/vendor_completions.d/velkari-cli.fish
  share/doc/velkari/copyright
  share/doc/velkari/changelog.gz
  share/lintian/overrides/velkari
)
for app in "$id" "$chemistry_id"; do
  expected+=("share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml")
  for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$app.png")
  done
done
package_list=$(printf '%s\n' "${expected[@]}" | sort)
# cmake --install also leaves the list of what it installed; a package has none.
manifest=share/velkari/install_manifest.txt
installed_list=$(printf '%s\n' "${expected[@]}" "$manifest" | sort)

same_list() {
  local what=$1 expected_list=$2 actual=$3
  if [ "$actual" != "$expected_list" ]; then
    fail "$what holds other files than expected:"
    diff <(echo "$expected_list") <(echo "$actual") | sed 's/^/    /' >&2 || true
  fi
}

# --- cmake --install into a prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
same_list "the installed tree" "$installed_list" "$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)"
same_list "the install manifest" "$installed_list" "$(sed "s|^$prefix/||" "$prefix/$manifest" | sort)"

# validate-tree also checks that each metainfo's launchable is an installed entry.
appstreamcli validate-tree --no-net "$root" >/dev/null ||
  fail "appstreamcli validate-tree refuses the tree: $(appstreamcli validate-tree --no-net "$root")"

# check_entry APP_ID PROGRAM: the program's desktop entry, metainfo and icons.
check_entry() {
  local app=$1 program=$2
  local desktop=$prefix/share/applications/$app.desktop
  local metainfo=$prefix/share/metainfo/$app.metainfo.xml

  # Hints count too: one of them is an entry shown twice in the menus.
  local validation
  validation=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$validation" ] ||
    fail "desktop-file-validate finds fault with $desktop: $validation"
  appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null ||
    fail "appstreamcli validate refuses $metainfo: $(appstreamcli validate --pedantic --no-net "$metainfo")"

  key() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(key Exec)" = "$program" ] || fail "$app.desktop starts '$(key Exec)', not $program"
  [ "$(key Icon)" = "$app" ] || fail "$app.desktop's icon is '$(key Icon)', not $app"
  grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app.desktop"
  local newest
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
  [ "$newest" = "$version" ] ||
    fail "$app's newest release is '$newest', the program's version $version"

  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  local size icon width height
  for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png
    [ -f "$icon" ] || continue
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
      awk '{ print ($1 * 16777216 + $2 * 65536 + $3 * 256 + $4), ($5 * 16777216 + $6 * 65536 + $7 * 256 + $8) }')
    [ "$width x $height" = "$size x $size" ] ||
      fail "the ${size}x${size} icon of $app is $width x $height pixels"
  done
}
check_entry "$id" velkari
check_entry "$chemistry_id" velkari-chemistry
cmp -s "$prefix/share/icons/hicolor/16x16/apps/$id.png" \
  "$prefix/share/icons/hicolor/16x16/apps/$chemistry_id.png" &&
  fail "the two programs have the same icon"

# Each installed program's manual page covers its --help.
for program in $(cd "$prefix/bin" && ls); do
  man_page=$prefix/share/man/man1/$program.1.gz
  if ! gzip -t "$man_page" 2>/dev/null; then
    fail "$man_page is not a gzip file"
    continue
  fi
  man_text=$(gzip -dc "$man_page")
  grep -q "^\.TH ${program^^} \"1\"" <<<"$man_text" || fail "the manual page has no .TH line for $program(1)"
  grep -q "^$program \\\\- " <<<"$man_text" || fail "the manual page of $program has no NAME line"
  for option in $("$prefix/bin/$program" --help | grep -o -- '--[a-z]\+' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$man_text" || fail "the manual page of $program does not mention $option"
  done
done

# The desktop search provider: the bus starts the installed program under the name
# that GNOME Shell's and KRunner's entries ask for, and GNOME's names an installed entry.
search_name=$id.SearchProvider
search_path=/${search_name//.//}
service=$prefix/share/dbus-1/services/$search_name.service
ini=$prefix/share/gnome-shell/search-providers/$id.search-provider.ini
runner=$prefix/share/krunner/dbusplugins/$search_name.desktop
value() { sed -n "s/^$1=//p" "$2"; }
[ "$(value Name "$service")" = "$search_name" ] || fail "$service names '$(value Name "$service")'"
[ "$(value Exec "$service")" = "$prefix/bin/velkari-search-provider" ] ||
  fail "$service starts '$(value Exec "$service")', not the installed provider"
[ -f "$prefix/share/applications/$(value DesktopId "$ini")" ] ||
  fail "$ini names the desktop entry '$(value DesktopId "$ini")', which is not installed"
[ "$(value BusName "$ini") $(value ObjectPath "$ini") $(value Version "$ini")" = "$search_name $search_path 2" ] ||
  fail "$ini asks for $(value BusName "$ini") $(value ObjectPath "$ini") version $(value Version "$ini")"
[ "$(value X-Plasma-API "$runner") $(value X-Plasma-DBusRunner-Service "$runner") $(value X-Plasma-DBusRunner-Path "$runner")" = "DBus $search_name $search_path" ] ||
  fail "$runner does not ask KRunner for $search_name at $search_path over DBus"

first=$("$prefix/bin/velkari-cli" Angle 90 Degrees --decimals 2 | head -n 1)
[ "$first" = $'1.57\tRadians' ] || fail "the installed velkari-cli printed '$first'"
# Every installed program: no search path of its own, and hardened.
for program in "$prefix"/bin/*; do
  name=${program##*/}
  dynamic=$(readelf -d "$program")
  if grep -qE 'RPATH|RUNPATH' <<<"$dynamic"; then
    fail "the installed $name carries a library search path"
  fi
  readelf -h "$program" | grep -q 'Type: *DYN' || fail "$name is not a position-independent executable"
  readelf -lW "$program" | grep -q GNU_RELRO || fail "$name has no read-only relocations (GNU_RELRO)"
  grep -qE 'BIND_NOW|FLAGS_1.* NOW' <<<"$dynamic" || fail "$name does not bind its symbols at once (BIND_NOW)"
done
# Stack clash and control-flow protection leave no mark that readelf can check in a
# program linked with system objects built without them: every compile command carries
# both (control-flow protection exists on x86 only).
hardening=(-fstack-clash-protection)
case $(uname -m) in x86_64 | i?86) hardening+=(-fcf-protection) ;; esac
for flag in "${hardening[@]}"; do
  without=$(grep '"command"' "$build/compile_commands.json" | grep -cv -- "$flag") || true
  [ "$without" = 0 ] || fail "$without files of the build are compiled without $flag"
done

# Each desktop entry's StartupWMClass is the class of the window its program opens.
for entry in "$prefix"/share/applications/*.desktop; do
  wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -n "$wm_class" ] || { fail "${entry##*/} has no StartupWMClass"; continue; }
  # xvfb-run's own complaints (no xauth, no display) go to the failure, not away.
  # shellcheck disable=SC2016 # the inner script expands its own variables
  actual=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c 'XDG_RUNTIME_DIR=$(mktemp -d) "$1" & pid=$!
      for _ in $(seq 600); do
        for window in $(xwininfo -root -children | grep -o "^ *0x[0-9a-f]*"); do
          class=$(xprop -id "$window" WM_CLASS 2>/dev/null | sed -n "s/^WM_CLASS.* = \".*\", \"\(.*\)\"$/\1/p")
          [ -n "$class" ] && { echo "$class"; kill "$pid"; exit 0; }
        done
        sleep 0.1
      done
      kill "$pid"' _ "$prefix/bin/$program" 2>"$work/xvfb-run.err") || true
  [ "$actual" = "$wm_class" ] ||
    fail "${entry##*/}: StartupWMClass is '$wm_class', the window's class '$actual': $(tail -n 5 "$work/xvfb-run.err")"
done

# --- cpack: the Debian package of the same tree
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null 2>&1 ||
  fail "cpack failed: $(cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" 2>&1)"
packages=("$work"/package/*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
  fail "cpack made ${#packages[@]} packages"
else
  deb=${packages[0]}
  same_list "the package" "$package_list" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./usr/||' | sort)"
  [ "$(dpkg-deb -f "$deb" Package)" = velkari ] || fail "the package is called $(dpkg-deb -f "$deb" Package)"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is $(dpkg-deb -f "$deb" Version)"
  depends=$(dpkg-deb -f "$deb" Depends)
  depends_names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
  for library in libc6 libqt6core6 libqt6dbus6 libqt6gui6 libqt6widgets6 libstdc++6; do
    grep -qxF "$library" <<<"$depends_names" ||
      fail "the package does not depend on $library: Depends: $depends"
  done
  [ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] ||
    fail "the package does not recommend qt6-wayland: $(dpkg-deb -f "$deb" Recommends)"
  # Any tag lintian prints, information included, is new: the accepted ones are
  # overridden in the package itself, each with its reason.
  lintian_status=0
  tags=$(lintian --pedantic --display-info --no-cfg "$deb" 2>"$work/lintian.err") || lintian_status=$?
  [ -z "$tags" ] || fail "lintian finds tags not overridden in the package:
$tags"
  [ "$lintian_status" = 0 ] || fail "lintian failed: $(cat "$work/lintian.err")"
fi

# cpack without either tool that works out the package's dependencies: no package, and
# one line naming the Debian package to install. (PATH holds every program but that one.)
for tool_and_package in dpkg-shlibdeps:dpkg-dev file:file; do
  tool=${tool_and_package%%:*}
  package=${tool_and_package#*:}
  bin=$work/without-$tool
  mkdir "$bin"
  IFS=: read -ra folders <<<"$PATH"
  for folder in "${folders[@]}"; do
    # An empty or missing folder on PATH (/usr/local/bin on a fresh system) has no
    # programs, and its unexpanded pattern is none.
    for program in "$folder"/*; do
      [ -e "$program" ] || continue
      name=${program##*/}
      [ "$name" = "$tool" ] || [ -e "$bin/$name" ] || ln -s "$program" "$bin/$name"
    done
  done
  status=0
  output=$(PATH=$bin cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/without-$tool-package" 2>&1) ||
    status=$?
  [ "$status" != 0 ] || fail "cpack without $tool succeeded"
  grep -qx " *dpkg-shlibdeps and file work out the package's dependencies: apt-get install $package" <<<"$output" ||
    fail "cpack without $tool does not name the package $package: $output"
  made=$(find "$work/without-$tool-package" -name '*.deb' 2>/dev/null || true)
  [ -z "$made" ] || fail "cpack without $tool wrote $made"
done

# The installation's own manifest removes it whole, though cpack (above) and a second
# installation have installed the same build since.
other=$work/other
cmake --install "$build" --prefix "$other" >/dev/null
xargs -d '\n' rm -- <"$prefix/$manifest"
left=$(find "$prefix" -type f)
[ -z "$left" ] || fail "the install manifest leaves files behind: $left"
same_list "the second installation, after the first was removed," "$installed_list" \
  "$(cd "$other" && find . -type f | sed 's|^\./||' | sort)"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "installed tree and package: all checks passed"
