#!/usr/bin/env bash
# Builds SkorvaneDiagnostics (installing what is missing) and runs it. Without a display, the window is shown
# offscreen and saved as a picture instead. Linux has no Skorvane installation: unless SKV_REGISTRY_FILE already
# names a world to look at, the tool looks at a healthy sandbox installation of the stand-in product.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target SkorvaneDiagnostics Skorvane SkorvaneSite SkorvaneInstaller

if [[ -z "${SKV_REGISTRY_FILE:-}" ]]; then
    SKV_BUILD="$PWD/$build" bash standin/sandbox.sh "$build/sandbox" --site >"$build/sandbox.env"
    . "$build/sandbox.env"
    echo "Looking at the sandbox installation in $build/sandbox (see standin/sandbox.sh)."
    echo "\"Send report\" goes to the stand-in web site at $SKV_SITE_URL; reports land in $SKV_SITE_REQUESTS."
fi

exe="$build/app/SkorvaneDiagnostics"
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$exe"
fi
picture="$PWD/$build/SkorvaneDiagnostics.png"
echo "No display here: running the diagnostics offscreen and saving the window to $picture instead."
QT_QPA_PLATFORM=offscreen SKV_SCREENSHOT_AND_QUIT="$picture" "$exe"
echo "Saved $picture"
