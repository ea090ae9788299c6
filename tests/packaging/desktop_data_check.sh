#!/usr/bin/env bash
# The desktop entry and the AppStream data as desktop environments and software centres
# read them. Usage: desktop_data_check.sh DESKTOP-FILE METAINFO-FILE
set -euo pipefail
desktop-file-validate "$1"
appstreamcli validate --no-net --pedantic "$2"
