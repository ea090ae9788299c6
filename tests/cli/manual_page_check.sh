#!/usr/bin/env bash
# A manual page must render without a single groff warning (unknown macros, bad escapes,
# lines that cannot be broken), as man and lintian render it.
set -euo pipefail
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 groff -man -k -Tutf8 -ww -rLL=80n -z "$page" 2>&1)
  if [ -n "$warnings" ]; then
    echo "$page:" >&2
    echo "$warnings" >&2
    exit 1
  fi
done
