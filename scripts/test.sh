#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: natively (Debug with AddressSanitizer and
# UndefinedBehaviorSanitizer, and Release as users get it), the shipped 32-bit Windows program cross-built with Qt
# for Windows (built here once per machine) and run under Wine on 64-bit and 32-bit Windows, and the core
# cross-built for 64-bit Windows and run under Wine. Where the kernel runs no 32-bit program, Wine cannot run the
# 32-bit one: it is still built and deployed, and the whole program is tested as an x86_64 build instead.
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

# What users get is a Release build: optimised, without the sanitizers' slower timing, so it runs every test too.
echo "== native Release build and tests"
cmake -S . -B build/native-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native-release -j "$jobs"
took "native Release build"
(cd build/native-release && ctest -j "$jobs" --output-on-failure --timeout 300) || status=1
took "native Release tests"

echo "== Qt for 32-bit Windows (built once per machine)"
qt_prefix=$(bash scripts/build-qt-windows.sh i686 | tail -n 1)
took "Qt for Windows"

# Wine's 32-bit half, and with it every 32-bit program, needs a kernel that runs 32-bit x86 programs; some virtual
# machines' kernels refuse them ("Exec format error"). There Wine's 64-bit loader runs the 64-bit programs, and the
# whole program, window included, is tested as an x86_64 build instead of the 32-bit one.
runs32=yes
/lib/ld-linux.so.2 --version >/dev/null 2>&1 || runs32=no
if [[ $runs32 == no ]]; then
    shim=$PWD/build/wine64-only
    mkdir -p "$shim"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shim/wine"
    chmod +x "$shim/wine"
    export PATH="$shim:$PATH"
fi

# The shipped program: 32-bit, Release, deployed as users get it. Its suites run in a 64-bit prefix (WoW64, as on
# 64-bit Windows); its end-to-end run also in a 32-bit prefix (SkorvaneDiagnostics_wine32_installation).
echo "== Windows i686 build with Qt (Release), deployed; tests under Wine"
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DSKV_WITH_QT=ON -DCMAKE_PREFIX_PATH="$qt_prefix" >/dev/null
cmake --build build/win32 -j "$jobs"
took "Windows i686 build"
# The windows of the Qt tests and of the program need an X server: a virtual one for this phase.
if [[ $runs32 == yes ]]; then
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash scripts/test-windows.sh build/win32 "$jobs" || status=1
    took "i686 tests under Wine"
else
    echo "!! This machine's kernel does not run 32-bit x86 programs (/lib/ld-linux.so.2: Exec format error), so Wine"
    echo "!! cannot run the 32-bit program here: it is built and deployed (build/win32/deploy), and the same sources"
    echo "!! are tested below as a whole x86_64 program under Wine's 64-bit loader."
fi

if [[ $runs32 == yes ]]; then
    # The 64-bit process paths of the core (no WOW64, the native registry view) stay tested too.
    echo "== Windows x86_64 build of the Qt-free core; tests under Wine"
    win64_qt=(-DSKV_WITH_QT=OFF)
else
    echo "== Qt for 64-bit Windows (built once per machine)"
    win64_qt=(-DSKV_WITH_QT=ON -DCMAKE_PREFIX_PATH="$(bash scripts/build-qt-windows.sh x86_64 | tail -n 1)")
    took "Qt for 64-bit Windows"
    echo "== Windows x86_64 build with Qt (Release), deployed; tests under Wine"
fi
cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release "${win64_qt[@]}" >/dev/null
cmake --build build/win64 -j "$jobs"
took "Windows x86_64 build"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash scripts/test-windows.sh build/win64 "$jobs" || status=1
took "x86_64 tests under Wine"

exit $status
