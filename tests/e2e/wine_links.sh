#!/usr/bin/env bash
# Lays out FOLDER/inside/link, a directory link to FOLDER/target (which holds keep.txt), for the tests under Wine:
# a Windows program sees such a link as a directory reparse point, as it sees a junction.
# Usage: wine_links.sh FOLDER
set -euo pipefail
rm -rf "$1"
mkdir -p "$1/inside" "$1/target"
printf 'kept' >"$1/target/keep.txt"
ln -s "$(cd "$1" && pwd)/target" "$1/inside/link"
