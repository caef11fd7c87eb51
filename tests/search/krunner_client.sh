#!/usr/bin/env bash
# KRunner's own RunnerManager (krunner_client.cpp) against the built search provider:
# a private session bus whose only service folder is the build's, the provider's plugin
# description installed in a private data folder as the package installs it, the
# recording stand-ins for the window and for Plasma's clipboard service. The expected
# answers come from velkari-cli; the leading unit of a bare amount is the ranking's.
#   krunner_client.sh BUILD-DIR CLIENT KLIPPER-STAND-IN VELKARI-CLI SEARCH-NAME APP-ID
set -euo pipefail
build=$(cd "$1" && pwd) client=$2 klipper=$3 cli=$4 name=$5 app=$6

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/share/krunner/dbusplugins" "$work/home" "$work/config" "$work/data" "$work/run"
chmod 700 "$work/run"
cp "$build/search/$name.desktop" "$work/share/krunner/dbusplugins/"
cat >"$work/bus.conf" <<CONF
<busconfig><type>session</type><keep_umask/><listen>unix:dir=$work</listen>
<auth>EXTERNAL</auth><servicedir>$build/dbus-1/services</servicedir>
<policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
CONF
# The window's stand-in writes the arguments it was started with, one a line.
cat >"$work/velkari" <<'STANDIN'
#!/bin/sh
for word in "$@"; do printf '%s\n' "$word"; done >"$0.argv.part" && mv "$0.argv.part" "$0.argv"
STANDIN
chmod 755 "$work/velkari"

# "TITLE<newline>VALUE" of velkari-cli's one result for the conversion.
answer() {
  "$cli" "$@" --format json | jq -r '.results[0] | "\(.text) \(.unit)\n\(.text)"'
}
cases=()
add_case() {  # QUERY WINDOW-ARGS CLI-ARGS...
  local query=$1 window=$2
  shift 2
  local title value
  { read -r title; read -r value; } < <(answer "$@")
  cases+=("$query" "$title" "$value" "$window")
}
add_case "3 ft to m" $'--convert\n3\nft\nto\nm\n' Length 3 ft --to m
add_case "1 gallon" $'--convert\n1\ngallon\n' Volume 1 gallon --to liter
add_case "350F" $'--convert\n350F\n' Temperature 350 F --to C

export VELKARI_SEARCH_PROVIDER_WINDOW=$work/velkari HOME=$work/home XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$work/share XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=offscreen
# The provider quits soon after the last call, as it does after its idle minute on a
# desktop, so that the bus and its output close when the client is done.
export VELKARI_SEARCH_PROVIDER_IDLE_MS=3000
# The inner script gets its values as arguments, not by expansion here.
# shellcheck disable=SC2016
timeout 300 dbus-run-session --config-file="$work/bus.conf" -- bash -c '
  klipper=$1 record=$2; shift 2
  "$klipper" "$record" &
  klipper_pid=$!
  for _ in $(seq 200); do
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
      --method org.freedesktop.DBus.NameHasOwner org.kde.klipper 2>/dev/null | grep -q true && break
    sleep 0.05
  done
  status=0
  "$@" || status=$?
  kill "$klipper_pid"
  exit "$status"
' krunner_client "$klipper" "$work/clipboard" \
  "$client" "$app" "$work/clipboard" "$work/velkari.argv" "${cases[@]}"
