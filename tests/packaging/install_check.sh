#!/usr/bin/env bash
# Installs the build tree into a scratch directory as the package does (prefix /usr) and
# compares what arrived with packaging/files.txt. Usage: install_check.sh BUILD-DIR SOURCE-DIR
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR=$scratch cmake --install "$1" --prefix /usr >/dev/null
"$2"/packaging/check-files "$2"/packaging/files.txt "$scratch"/usr
