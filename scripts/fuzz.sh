#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each given target
# for SECONDS (default 300), starting from the seed corpus in tests/fuzz/corpus. Prints libFuzzer's final figures.
# Usage: scripts/fuzz.sh [SECONDS] [json|regfile|peversion|authenticode|pipemessage ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("${@:-json regfile peversion authenticode pipemessage}")
bash scripts/install-deps.sh test fuzz
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKV_FUZZ=ON \
    -DSKV_WITH_QT=OFF -DSKV_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz >/dev/null
# The version reader starts from a real PE with a version resource, built by the native tests' build.
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKV_SANITIZE=ON >/dev/null
cmake --build build/native --target versioned_dll Skorvane >/dev/null
for target in ${targets[*]}; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    cp tests/fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
    [[ $target == peversion ]] && cp build/native/tests/library_Orv/versioned.dll "$corpus"/
    if [[ $target == authenticode ]]; then
        # Signed, unsigned and tampered images from a sandbox installation.
        for kind in healthy unsigned tampered; do
            option=--$kind
            [[ $kind == healthy ]] && option=
            standin/sandbox.sh "build/fuzz/sandbox-$kind" $option >/dev/null
            cp "build/fuzz/sandbox-$kind/install/SkorvaneShellDLL.dll" "$corpus/$kind.dll"
        done
    fi
    echo "== $target, $seconds s"
    UBSAN_OPTIONS=halt_on_error=1 build/fuzz/tests/fuzz/fuzz_"$target" "$corpus" -max_total_time="$seconds" \
        -max_len=65536 -print_final_stats=1 -artifact_prefix=build/fuzz/ 2>&1 |
        grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|==[0-9]+==ERROR|SUMMARY)'
done
