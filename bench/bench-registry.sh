#!/usr/bin/env bash
# Registry queries on POSIX against large regedit exports (release build): 100 MB of junk lines, and a file of
# many keys with one deletion of a deep key. Prints the time of the first query (the parse) and of 30 more, which
# a pass of the diagnostics makes against an unchanged file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run bench >/dev/null
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKV_WITH_QT=OFF -DSKV_BUILD_TESTS=OFF \
    -DSKV_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench --target skv_registry_queries >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

junk=$work/junk.reg
python3 - "$junk" <<'PY'
import sys
with open(sys.argv[1], "w") as out:
    out.write("Windows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skorvane]\r\n\"x\"=\"1\"\r\n")
    line = "junk line that is neither a key nor a value ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n"
    out.write(line * (100 * 1024 * 1024 // len(line)))
PY
deep=$work/deep.reg
python3 - "$deep" <<'PY'
import sys
with open(sys.argv[1], "w") as out:
    out.write("Windows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skorvane]\r\n\"x\"=\"1\"\r\n")
    for i in range(20000):
        out.write(f"[HKEY_LOCAL_MACHINE\\SOFTWARE\\k{i}]\r\n\"v\"=\"{i}\"\r\n")
    out.write("[-HKEY_LOCAL_MACHINE\\" + "\\".join(["k"] * 100000) + "]\r\n")
PY
sleep 3 # files written a moment ago have their content compared on each query (see Registry_unix.cpp)
for file in "$junk" "$deep"; do
    printf '%s (%s MB): ' "$(basename "$file")" "$(($(stat -c %s "$file") / 1000000))"
    SKV_REGISTRY_FILE=$file build/bench/bench/skv_registry_queries 30
done
