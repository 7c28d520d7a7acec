#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, quietly and without the Mono/Gecko prompts.
set -euo pipefail
export WINEPREFIX="${SKV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skorvane/wine64}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$WINEPREFIX"
exec wine "$@"
