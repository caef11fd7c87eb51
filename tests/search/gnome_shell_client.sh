#!/usr/bin/env bash
# GNOME Shell 43 itself, headless, as the client of the built search provider: the
# overview's search entry is given a query, the provider's rows are read from the
# overview once they show, the first is activated as a click or Enter does, and the
# clipboard is read back from the Shell. The provider starts by D-Bus activation from
# the build's service folder, with a recording stand-in for the window program.
#
# What the Shell needs to run here: its own session bus (dbus-run-session), an empty
# system bus of its own (without one it aborts at start-up), a private HOME, XDG folders
# and runtime folder, and a data folder holding the program's desktop entry (the Shell
# shows a provider only for an installed application) and the provider's ini.
#   gnome_shell_client.sh BUILD-DIR DESKTOP-ENTRY VELKARI-CLI SEARCH-NAME APP-ID
# Exit 77 (skipped) without gnome-shell, except under CI=true.
set -euo pipefail
build=$(cd "$1" && pwd) entry=$2 cli=$3 name=$4 app=$5

if ! command -v gnome-shell >/dev/null; then
  echo "gnome-shell is not installed (scripts/packages.sh lists it)"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi

work=$(mktemp -d)
system_pid=
cleanup() {
  [ -n "$system_pid" ] && kill "$system_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work"/{home,config,cache,data,state,run,bin} \
  "$work/share/applications" "$work/share/gnome-shell/search-providers" \
  "$work/share/dbus-1/services"
chmod 700 "$work/run"
cp "$entry" "$work/share/applications/$app.desktop"
cp "$build/search/$app.search-provider.ini" "$work/share/gnome-shell/search-providers/"
cp "$build/dbus-1/services/$name.service" "$work/share/dbus-1/services/"
# The window's stand-in, also the program the desktop entry names (Exec=velkari), so
# that the Shell takes the application for installed.
cat >"$work/bin/velkari" <<'STANDIN'
#!/bin/sh
for word in "$@"; do printf '%s\n' "$word"; done >"$0.argv.part" && mv "$0.argv.part" "$0.argv"
STANDIN
chmod 755 "$work/bin/velkari"

cat >"$work/system.conf" <<CONF
<busconfig><type>system</type><listen>unix:path=$work/system_bus_socket</listen>
<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/><allow user="*"/></policy></busconfig>
CONF
dbus-daemon --config-file="$work/system.conf" --nofork --nopidfile &
system_pid=$!

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/run
export XDG_DATA_DIRS=$work/share:/usr/share PATH=$work/bin:$PATH
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system_bus_socket GSETTINGS_BACKEND=memory
export VELKARI_SEARCH_PROVIDER_WINDOW=$work/bin/velkari NO_AT_BRIDGE=1
# The provider quits soon after the last call, as it does after its idle minute on a
# desktop, so that the bus and its output close when the Shell is done.
export VELKARI_SEARCH_PROVIDER_IDLE_MS=5000
unset DISPLAY WAYLAND_DISPLAY

# "TITLE<newline>VALUE" of velkari-cli's one result for the conversion.
answer() {
  "$cli" "$@" --format json | jq -r '.results[0] | "\(.text) \(.unit)\n\(.text)"'
}
{ read -r title; read -r value; } < <(answer Length 3 ft --to m)

timeout 400 dbus-run-session -- bash "$(dirname "$0")/gnome_shell_session.sh" \
  "$work" "$app" "3 ft to m" "$title" "$value"
