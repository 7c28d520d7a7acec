#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, quietly and without the Mono/Gecko prompts.
# SKV_WINE_DLL_DIRS, a ":"-separated list of folders, is searched for DLLs (Wine's WINEPATH).
set -euo pipefail
export WINEPREFIX="${SKV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skorvane/wine64}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [[ -n ${SKV_WINE_DLL_DIRS:-} ]]; then
    winepath=
    IFS=: read -r -a dirs <<<"$SKV_WINE_DLL_DIRS"
    for dir in "${dirs[@]}"; do
        winepath+="Z:${dir//\//\\};"
    done
    export WINEPATH="$winepath${WINEPATH:-}"
fi
mkdir -p "$WINEPREFIX"
exec wine "$@"
