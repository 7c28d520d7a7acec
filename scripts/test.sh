#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: natively (with AddressSanitizer and
# UndefinedBehaviorSanitizer), cross-built for 64-bit Windows under Wine, and cross-built for 32-bit Windows
# (compiled and linked only: this machine's Wine runs 64-bit programs).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
jobs=$(nproc)
status=0
phase_start=$SECONDS
took() { echo "-- $1 took $((SECONDS - phase_start)) s"; phase_start=$SECONDS; }

echo "== native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKV_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
took "native build"
(cd build/native && ctest -j "$jobs" --output-on-failure --timeout 300) || status=1
took "native tests"

echo "== Windows x86_64 build, tests under Wine"
cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/win64 -j "$jobs"
took "Windows x86_64 build"
export WINEPREFIX="${SKV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skorvane/wine64}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# One Wine server for the whole run, detached from our output: otherwise each test waits for the server's idle
# time-out before its output pipe closes.
wineserver -p 600 </dev/null >/dev/null 2>&1 || true # already running is fine
timeout 300 wine wineboot </dev/null >/dev/null 2>&1 || true
(cd build/win64 && ctest -j "$jobs" --output-on-failure --timeout 300) || status=1
wineserver -k </dev/null >/dev/null 2>&1 || true
took "tests under Wine"

echo "== Windows i686 build (compile and link)"
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$jobs" || status=1
took "Windows i686 build"

exit $status
