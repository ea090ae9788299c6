#!/usr/bin/env bash
# The desktop program's manual page names exactly the options `talerwerk --help` shows, and
# both programs report the same version.
# Usage: desktop_manual_check.sh BIN-DIR MANUAL-PAGE
set -euo pipefail
bin=$1
page=$2
export ASAN_OPTIONS=detect_leaks=0

options_of_help=$("$bin"/talerwerk --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
options_of_page=$(sed -n '/^\.SH OPTIONEN/,/^\.SH /p' "$page" | grep -o '\\-\\-[a-z][a-z\\-]*' |
  sed 's/\\-/-/g' | sort -u)
if [ "$options_of_help" != "$options_of_page" ]; then
  echo "talerwerk --help and $page name different options:" >&2
  diff <(echo "$options_of_help") <(echo "$options_of_page") >&2 || true
  exit 1
fi

desktop=$("$bin"/talerwerk --version)
cli=$("$bin"/talerwerk-cli --version)
if [ "${desktop##* }" != "${cli##* }" ]; then
  echo "talerwerk --version says '$desktop', talerwerk-cli --version '$cli'" >&2
  exit 1
fi
