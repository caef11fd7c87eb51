#!/usr/bin/env bash
# velkari-cli as the shell sees it: its manual page as man renders it, its JSON output
# read by jq, and its completion scripts (bash run, zsh and fish parsed where installed).
#
# Usage: check_shell.sh VELKARI_CLI MAN_PAGE COMPLETION_DIR   (run by ctest as cli_shell)
set -euo pipefail
cli=$1
man_page=$2
completion=$3

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# --- the manual page: every usage form whole in SYNOPSIS, and the added sections
rendered=$(MANWIDTH=100 man -l "$man_page" 2>/dev/null | col -b)
synopsis=$(sed -n '/^SYNOPSIS/,/^DESCRIPTION/p' <<<"$rendered")
while IFS= read -r usage; do
  grep -qF -- "       $usage" <<<"$synopsis" || fail "SYNOPSIS lacks the line '$usage'"
done < <("$cli" --help | sed -n 's/^\(Usage:\|  or:\) \+//p')
# Each example of --help, a command and what it does, is a command on a line of its own.
while IFS= read -r example; do
  grep -qxF -- "       $example" <<<"$rendered" || fail "the manual page runs the example '$example' into others"
done < <("$cli" --help | sed -n 's/^  \(velkari-cli [^ ].*[^ ]\)  .*/\1/p' | sed 's/ *$//')
grep -qi "see the manual page" <<<"$rendered" && fail "the manual page refers to the manual page"
for section in "EXIT STATUS" EXAMPLES "SEE ALSO"; do
  grep -qx "$section" <<<"$rendered" || fail "the manual page has no $section section"
done

# --- JSON output, one value per line, read by a real parser
json_runs=(
  "Length 3 ft --format json"
  "Length 1e308 km --to mi --format json"
  "Temperature -40 F --format json"
  "Energy 2147483647 J --format json --scientific"
  "Volume 1 gal --to l --to gal --format json"
  "element Fe --format json"
  "weight H 2 S 1 O 4 --format json"
  "grams 2 18.015 --format json"
  "formula --compound 100 --unknown 180.16 C 40 H 6.71 O 53.29 --format json"
)
for run in "${json_runs[@]}"; do
  # shellcheck disable=SC2086 # each run is its words
  out=$("$cli" $run) || fail "velkari-cli $run failed"
  jq -e . <<<"$out" >/dev/null || fail "velkari-cli $run wrote no JSON: $out"
done
lines=$(printf '1\n-2.5\n1e300\n' | "$cli" Area - m2 --format json)
[ "$(jq -s length <<<"$lines")" = 3 ] || fail "a column of 3 values gave no 3 JSON lines: $lines"

# --- bash: the completion function, called as bash would call it
# shellcheck source=/dev/null
source "$completion/velkari-cli.bash"
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _velkari_cli
  printf '%s\n' "${COMPREPLY[@]}"
}
expect_offered() {
  local want=$1
  shift
  local offered
  offered=$(complete_words "$@")
  # Not piped into grep -q, whose early exit would fail the pipe under pipefail.
  grep -qxF -- "$want" <<<"$offered" || fail "completing '${*:2}' does not offer '$want'"
}
expect_offered 'Computer Storage' "$cli" compu
expect_offered weight "$cli" we
expect_offered composition "$cli" comp
expect_offered ft "$cli" Length 3 f
expect_offered feet "$cli" length 3 f
expect_offered 'Kilometer (km)' "$cli" Length 3 ft --to Kil
expect_offered km2 "$cli" '"Area"' 1 k
expect_offered json "$cli" Length 3 ft --format j
expect_offered --scientific "$cli" Length 3 ft --sc
expect_offered Fe "$cli" element F
expect_offered O "$cli" weight H 2 O
expect_offered gram "$cli" Weight 5 gr
expect_offered 'Gram (g)' "$cli" Weight 5 Gr
# A query's units come from every category.
expect_offered ft "$cli" 3 f
expect_offered kg "$cli" 100 lbs to k
expect_offered celsius "$cli" - --to cels
[ -z "$(complete_words "$cli" weight H 2)" ] || fail "completing an atom count offers words"

cli_dir=$(cd "$(dirname "$cli")" && pwd)

# --- bash as a person uses it: an interactive shell in tmux, the line typed, Tab pressed,
# and the line read back from the screen. Quoted and escaped units complete whole.
if command -v tmux >/dev/null; then
  socket=$(mktemp -u)
  tmux_run() { tmux -S "$socket" "$@"; }
  tmux_run new-session -d -x 200 -y 10 \
    env -i PATH="$cli_dir:/usr/bin:/bin" TERM=xterm LANG=C.UTF-8 INPUTRC=/dev/null \
    bash --norc --noprofile -i
  # Keys sent before bash has set up its terminal are lost: wait for its first prompt
  # ("bash-5.2#"), up to 20 seconds on a loaded machine.
  for ((tries = 0; tries < 200; tries++)); do
    grep -q '[$#]' <<<"$(tmux_run capture-pane -p)" && break
    sleep 0.1
  done
  ((tries < 200)) || fail "bash showed no prompt in tmux within 20 seconds; the screen: $(tmux_run capture-pane -p)"
  tmux_run send-keys -l "source '$completion/velkari-cli.bash'; PS1='> '; clear"
  tmux_run send-keys Enter
  # Types $1, presses Tab and expects the line to read "> $2" within 20 seconds (a
  # loaded machine can be slow to run the completion).
  completes_to() {
    local line="" tries
    tmux_run send-keys -l "$1"
    tmux_run send-keys Tab
    for ((tries = 0; tries < 200; tries++)); do
      # Until bash has drawn its prompt there is no such line, and grep's failure
      # must not end the script under pipefail.
      line=$(tmux_run capture-pane -p | { grep '^> ' || true; } | tail -1 | sed 's/ *$//')
      [ "$line" = "> $2" ] && break
      sleep 0.1
    done
    [ "$line" = "> $2" ] ||
      fail "bash completes '$1' to '${line#> }', not '$2'; the screen: $(tmux_run capture-pane -p)"
    tmux_run send-keys C-u
  }
  # (the screen's trailing blank, the space after a whole word, is not compared)
  completes_to "velkari-cli Light 1 'Candela / c" "velkari-cli Light 1 'Candela / cm²'"
  completes_to 'velkari-cli Light 1 "Candela / i' 'velkari-cli Light 1 "Candela / in²"'
  completes_to 'velkari-cli Area 1 Square\ k' 'velkari-cli Area 1 Square\ kilometer\ \(km²\)'
  completes_to 'velkari-cli Length 1 Foot\ \(' 'velkari-cli Length 1 Foot\ \(ft\)'
  completes_to "velkari-cli 'Computer Storage' 1 Gigabi" "velkari-cli 'Computer Storage' 1 Gigabit"
  completes_to 'velkari-cli compu' 'velkari-cli Computer\ Storage'
  # velkari-cli - typed into: each line answered when Enter is pressed, and the first
  # Ctrl-D at the start of a line ends it.
  screen_has() {
    local tries
    for ((tries = 0; tries < 200; tries++)); do
      tmux_run capture-pane -p | grep -qx -- "$1" && return 0
      sleep 0.1
    done
    return 1
  }
  tmux_run send-keys -l "velkari-cli -; echo \"status \$?\""
  tmux_run send-keys Enter
  tmux_run send-keys -l "3 ft to m"
  tmux_run send-keys Enter
  screen_has '0.91440' || fail "velkari-cli - typed into does not answer '3 ft to m' at Enter"
  tmux_run send-keys C-d
  screen_has 'status 0' || fail "velkari-cli - typed into does not end at the first Ctrl-D"
  tmux_run kill-server
  rm -f "$socket"
else
  fail "tmux is not installed: bash's completion is not tried in a real shell"
fi

# --- zsh and fish: the scripts parse, and offer the units of the category typed (zsh's
# compadd stood in for by a function that prints what it is given)
if command -v zsh >/dev/null; then
  zsh -n "$completion/_velkari-cli" || fail "zsh cannot parse _velkari-cli"
  offered=$(PATH="$cli_dir:$PATH" zsh -c 'compadd() { print -l -- "${@[${@[(i)--]}+1,-1]}" }
    words=(velkari-cli Length 3 f); CURRENT=4; PREFIX=f; source "$1"' zsh "$completion/_velkari-cli")
  grep -qx ft <<<"$offered" || fail "zsh does not offer ft after 'Length 3'"
  offered=$(PATH="$cli_dir:$PATH" zsh -c 'compadd() { print -l -- "${@[${@[(i)--]}+1,-1]}" }
    words=(velkari-cli 100 lbs to k); CURRENT=5; PREFIX=k; source "$1"' zsh "$completion/_velkari-cli")
  grep -qx kg <<<"$offered" || fail "zsh does not offer kg in the query '100 lbs to'"
  offered=$(PATH="$cli_dir:$PATH" zsh -c 'compadd() { print -l -- "${@[${@[(i)--]}+1,-1]}" }
    words=(velkari-cli comp); CURRENT=2; PREFIX=comp; source "$1"' zsh "$completion/_velkari-cli")
  grep -qx composition <<<"$offered" || fail "zsh does not offer the composition command"
fi
if command -v fish >/dev/null; then
  fish --no-execute "$completion/velkari-cli.fish" || fail "fish cannot parse velkari-cli.fish"
  offered=$(PATH="$cli_dir:$PATH" fish -c "source '$completion/velkari-cli.fish'
    complete -C 'velkari-cli Length 3 ft --format '")
  grep -q '^json' <<<"$offered" || fail "fish does not offer json after --format"
  offered=$(PATH="$cli_dir:$PATH" fish -c "source '$completion/velkari-cli.fish'
    complete -C 'velkari-cli 100 lbs to k'")
  grep -q '^kg' <<<"$offered" || fail "fish does not offer kg in the query '100 lbs to'"
  offered=$(PATH="$cli_dir:$PATH" fish -c "source '$completion/velkari-cli.fish'
    complete -C 'velkari-cli comp'")
  grep -q '^composition' <<<"$offered" || fail "fish does not offer the composition command"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "manual page, JSON and completion: all checks passed"
