#!/usr/bin/env bash
# Ends the stand-in products of sandboxes: the ids each product recorded in its sandbox's product.pids, and any
# process whose executable is exactly that sandbox's Skorvane.exe (one started detached a moment ago may not have
# written its id yet); and the stand-in web site and proxy the sandbox started. Nothing else is touched.
# Usage: end-products.sh SANDBOX_FOLDER...
for folder in "$@"; do
    folder=$(cd "$folder" 2>/dev/null && pwd) || continue # processes name their executables absolutely
    exe=$folder/install/Skorvane.exe
    ids=$(cat "$folder/product.pids" 2>/dev/null)
    for proc in /proc/[0-9]*; do
        target=$(readlink "$proc/exe" 2>/dev/null) || continue
        [[ ${target% (deleted)} == "$exe" ]] && ids+=" ${proc#/proc/}"
    done
    for pid in $ids; do
        [[ $pid =~ ^[0-9]+$ ]] || continue
        target=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
        [[ ${target% (deleted)} == "$exe" ]] && kill "$pid" 2>/dev/null
    done
    if [[ -f $folder/site/site.pid ]]; then
        pid=$(cat "$folder/site/site.pid")
        target=$(readlink "/proc/$pid/exe" 2>/dev/null) && [[ ${target% (deleted)} == */SkorvaneSite ]] &&
            kill "$pid" 2>/dev/null
    fi
    if [[ -f $folder/proxy/proxy.pid ]]; then
        pid=$(cat "$folder/proxy/proxy.pid")
        target=$(readlink "/proc/$pid/exe" 2>/dev/null) && [[ ${target% (deleted)} == */SkorvaneProxy ]] &&
            kill "$pid" 2>/dev/null
    fi
done
exit 0
