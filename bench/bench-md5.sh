#!/usr/bin/env bash
# FileMD5 against md5sum on the same 256 MiB file (warm page cache), five runs each; prints the medians.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run bench >/dev/null
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKV_WITH_QT=OFF -DSKV_BUILD_TESTS=OFF \
    -DSKV_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench --target skv_file_md5 >/dev/null

file=$(mktemp -p "${TMPDIR:-/var/tmp}" skv-md5-XXXXXX)
trap 'rm -f "$file"' EXIT
head -c $((256 * 1024 * 1024)) /dev/urandom >"$file"
md5sum "$file" >/dev/null # warm the cache

median() { sort -n | sed -n '3p'; }
time_runs() {
    for _ in 1 2 3 4 5; do
        start=$(date +%s.%N)
        "$@" >/dev/null
        end=$(date +%s.%N)
        echo "$end - $start" | bc -l
    done | median
}
ours=$(time_runs build/bench/bench/skv_file_md5 "$file")
theirs=$(time_runs md5sum "$file")
[[ "$(build/bench/bench/skv_file_md5 "$file" | cut -d' ' -f1)" == "$(md5sum "$file" | cut -d' ' -f1)" ]] ||
    { echo "digests differ" >&2; exit 1; }
printf 'file: 256 MiB\nmd5sum:  %.3f s (%.0f MiB/s)\nFileMD5: %.3f s (%.0f MiB/s)\nFileMD5 speed relative to md5sum: %.0f %%\n' \
    "$theirs" "$(echo "256 / $theirs" | bc -l)" "$ours" "$(echo "256 / $ours" | bc -l)" \
    "$(echo "100 * $theirs / $ours" | bc -l)"
