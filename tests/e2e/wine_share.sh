#!/usr/bin/env bash
# Maps the network share \\skvtest\share of the tests' Wine prefix to FOLDER: Wine resolves \\server\share through
# the prefix's dosdevices/unc.
# Usage: wine_share.sh FOLDER
set -euo pipefail
prefix="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skorvane/wine64}"
mkdir -p "$1" "$prefix/dosdevices/unc/skvtest"
ln -sfn "$(cd "$1" && pwd)" "$prefix/dosdevices/unc/skvtest/share"
