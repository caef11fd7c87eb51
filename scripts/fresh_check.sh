#!/usr/bin/env bash
# The README's two commands, ./run and ./test, as a new user meets them: on a freshly
# debootstrapped Debian 12 (bookworm, minbase) in a chroot, from a fresh clone of this
# repository's committed HEAD, run as root. Prints each command's exit status and time.
# Without a display, ./run builds everything and then the window says so in one line and
# exits with status 1: that is what is expected of it here.
#
# Run it whenever scripts/packages.sh or the tools the tests call change: a machine that
# already has everything (a developer's, CI's) cannot show what a fresh one lacks.
#
# usage: scripts/fresh_check.sh [--run-only | --install-only] [--keep] [--dir DIR]
#   --run-only   debootstrap and ./run only (./test takes an hour or more on 2 cores)
#   --install-only  instead of ./test, only its installation and package test
#                (tests/install/check_install.sh) on the build ./run made, after
#                installing the test packages as ./test does: the quick check of
#                what a fresh machine lacks for the window class, cpack and lintian
#   --keep       leave the chroot in place afterwards (its path is printed)
#   --dir DIR    build the chroot in DIR, which must not exist (default: a new folder
#                under /var/tmp)
# Needs root, git, and debootstrap (installed when missing); the packages come from the
# Debian mirror this machine's apt uses.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

run_only=0
install_only=0
keep=0
root=
while [ $# -gt 0 ]; do
  case "$1" in
    --run-only) run_only=1; shift ;;
    --install-only) install_only=1; shift ;;
    --keep) keep=1; shift ;;
    --dir) root=$2; shift 2 ;;
    *) echo "usage: $0 [--run-only | --install-only] [--keep] [--dir DIR]" >&2; exit 2 ;;
  esac
done
if [ "$(id -u)" -ne 0 ]; then
  echo "fresh_check.sh: debootstrap and chroot need root" >&2
  exit 2
fi

# The mirror of this machine's own apt sources (deb822 or one-line form).
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
  grep -v security | head -n 1 || true)
if [ -z "$mirror" ]; then
  mirror=$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null |
    grep -v security | head -n 1 || true)
fi
[ -n "$mirror" ] || { echo "fresh_check.sh: no Debian mirror in this machine's apt sources" >&2; exit 1; }

if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

if [ -z "$root" ]; then
  root=$(mktemp -d /var/tmp/velkari-fresh.XXXXXX)
else
  mkdir "$root"
fi
mounted=()
cleanup() {
  local k
  for ((k = ${#mounted[@]} - 1; k >= 0; k--)); do
    umount -l "${mounted[k]}" 2>/dev/null || true
  done
  if [ "$keep" = 1 ]; then
    echo "the chroot is kept in $root"
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT
mount_in() {  # mount_in TYPE-OR-BIND SOURCE TARGET
  mkdir -p "$root/$3"
  if [ "$1" = bind ]; then
    mount --bind "$2" "$root/$3"
  else
    mount -t "$1" "$2" "$root/$3"
  fi
  mounted+=("$root/$3")
}
seconds_since() { echo $(($(date +%s) - $1)); }

echo "== debootstrap bookworm (minbase) into $root"
start=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
  tail -n 20 "$root.debootstrap.log" >&2
  exit 1
}
rm -f "$root.debootstrap.log"
echo "debootstrap: $(seconds_since "$start") s"

mount_in proc proc proc
mount_in sysfs sysfs sys
mount_in bind /dev dev
mount_in devpts devpts dev/pts
cp /etc/resolv.conf "$root/etc/resolv.conf"

git clone --quiet "file://$repo" "$root/root/velkari"
echo "clone of $(git -C "$repo" rev-parse --short HEAD)"

# A login's environment, without this machine's display or build settings.
in_chroot() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /root/velkari && $1"
}

echo "== ./run"
start=$(date +%s)
run_status=0
in_chroot ./run >"$root/root/run.log" 2>&1 || run_status=$?
run_seconds=$(seconds_since "$start")
tail -n 3 "$root/root/run.log"

test_status=skipped
if [ "$install_only" = 1 ]; then
  echo "== the test packages, then tests/install/check_install.sh on build/release"
  start=$(date +%s)
  test_status=0
  # shellcheck disable=SC2016 # expanded in the chroot
  in_chroot 'source scripts/packages.sh && bash scripts/ensure_packages.sh "${test_packages[@]}" &&
    bash tests/install/check_install.sh build/release example.velkari.Converter \
      "$(sed -n "s/^project(velkari VERSION \([^ ]*\).*/\1/p" CMakeLists.txt)" example.velkari.Chemistry' \
    >"$root/root/test.log" 2>&1 || test_status=$?
  test_seconds=$(seconds_since "$start")
  tail -n 15 "$root/root/test.log"
elif [ "$run_only" = 0 ]; then
  echo "== ./test"
  start=$(date +%s)
  test_status=0
  in_chroot ./test >"$root/root/test.log" 2>&1 || test_status=$?
  test_seconds=$(seconds_since "$start")
  tail -n 15 "$root/root/test.log"
fi

echo "== fresh Debian 12"
echo "./run:  status $run_status (1 expected: no display), $run_seconds s"
if [ "$test_status" = skipped ]; then
  echo "./test: not run (--run-only)"
elif [ "$install_only" = 1 ]; then
  echo "install test: status $test_status, $test_seconds s (the test packages installed first)"
else
  echo "./test: status $test_status, $test_seconds s"
fi
[ "$run_status" = 1 ] && { [ "$test_status" = skipped ] || [ "$test_status" = 0 ]; }
