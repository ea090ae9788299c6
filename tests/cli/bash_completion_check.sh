#!/usr/bin/env bash
# Drives the generated bash completion of talerwerk-cli as bash does on Tab, in a directory
# with a ledger, a text file and a sub-directory.
set -uo pipefail
. "$1"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
touch haushalt.tlw ALT.TLW buchungen.txt
mkdir belege

failures=0
# expect "WORDS OF THE LINE" "EXPECTED COMPLETIONS": the last word is the one being completed.
expect() {
  read -ra COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _talerwerk_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ')
  if [[ $got != "$2" ]]; then
    echo "'$1': expected '$2', got '$got'" >&2
    failures=$((failures + 1))
  fi
}

expect "talerwerk-cli sh" "show"
expect "talerwerk-cli --v" "--version"
expect "talerwerk-cli account " "delete edit new"
expect "talerwerk-cli category re" "rename"
expect "talerwerk-cli account new " "ALT.TLW belege haushalt.tlw"
expect "talerwerk-cli account edit haushalt.tlw " ""
expect "talerwerk-cli check " "ALT.TLW belege haushalt.tlw"
expect "talerwerk-cli check h" "haushalt.tlw"
expect "talerwerk-cli import haushalt.tlw " "ALT.TLW belege buchungen.txt haushalt.tlw"
expect "talerwerk-cli import --kinds 1 haushalt.tlw b" "belege buchungen.txt"
expect "talerwerk-cli import --kinds = 1 haushalt.tlw b" "belege buchungen.txt"
expect "talerwerk-cli demo " "belege"
expect "talerwerk-cli show haushalt.tlw --form" "--format"
expect "talerwerk-cli show haushalt.tlw --format " "fixed tabs"
expect "talerwerk-cli show haushalt.tlw --format = t" "tabs"
expect "talerwerk-cli show haushalt.tlw --encoding " "cp1252 utf-8"
expect "talerwerk-cli show haushalt.tlw --from " ""
expect "talerwerk-cli show --view 1 " "ALT.TLW belege haushalt.tlw"
expect "talerwerk-cli show haushalt.tlw --view 101 --svg " "ALT.TLW belege buchungen.txt haushalt.tlw"
expect "talerwerk-cli booking new haushalt.tlw --kind " "0 1 2"
expect "talerwerk-cli booking new haushalt.tlw --pro" "--provisional"
expect "talerwerk-cli check --h" "--help"
expect "talerwerk-cli zaubern " ""
exit $((failures > 0))
