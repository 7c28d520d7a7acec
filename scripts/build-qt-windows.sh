#!/usr/bin/env bash
# Cross-builds what the Windows program needs from Debian's source packages, for i686 (the shipped 32-bit program)
# or x86_64 with the mingw-w64 POSIX-threads toolchain: OpenSSL (shared), Qt 5 qtbase (Core, Gui, Widgets, Network,
# Xml, Test, the windows platform plug-in), qtsvg (Svg and its plug-ins) and libwebp (static, for our own WebP
# image-format plug-in). Everything is installed into one prefix per architecture in the per-user cache, outside
# the tree. Each piece has a stamp keyed by its version and options (and those of the pieces it is built on), so a
# second run costs nothing.
# Prints the prefix on its last line. Usage: build-qt-windows.sh [i686|x86_64] [--print-prefix]
set -euo pipefail
cd "$(dirname "$0")/.."

arch=i686
if [[ ${1:-} == i686 || ${1:-} == x86_64 ]]; then
    arch=$1
    shift
fi
# OpenSSL's i686 assembler, as Debian builds it (position-independent), makes GOT relocations that a 32-bit
# Windows object cannot hold: the 32-bit build uses its C code.
case $arch in
i686) bits=32 openssl_target=(mingw no-asm) ;;
x86_64) bits=64 openssl_target=(mingw64) ;;
esac
triplet=$arch-w64-mingw32
cache="${XDG_CACHE_HOME:-$HOME/.cache}/skorvane"
prefix="$cache/qt5-win$bits"
stamps="$prefix/stamps"

openssl_options=("${openssl_target[@]}" shared no-tests no-legacy no-engine)
qt_options=(-xplatform win32-g++ -device-option CROSS_COMPILE=$triplet- -platform linux-g++
    -opensource -confirm-license -release -shared -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-direct2d -no-feature-vulkan -no-feature-tabletevent -no-feature-sql
    -no-feature-printer -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -openssl-linked)
webp_options=(-DBUILD_SHARED_LIBS=OFF -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF -DWEBP_BUILD_DWEBP=OFF
    -DWEBP_BUILD_GIF2WEBP=OFF -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF -DWEBP_BUILD_WEBPINFO=OFF
    -DWEBP_BUILD_WEBPMUX=OFF -DWEBP_BUILD_EXTRAS=OFF -DWEBP_ENABLE_SIMD=ON)

# A piece's key: its name, the source package's version and its options, chained to the keys it is built on.
key() { printf '%s' "$*" | sha256sum | cut -c1-16; }

if [[ ${1:-} == --print-prefix ]]; then
    echo "$prefix"
    exit 0
fi

# The source packages come from the deb-src twin of the machine's own Debian sources.
enable_sources() {
    local list=/etc/apt/sources.list.d/skorvane-deb-src.sources
    if ! apt-get source --print-uris -qq qtsvg-opensource-src >/dev/null 2>&1; then
        [[ $(id -u) -eq 0 ]] || { echo "build-qt-windows.sh: deb-src entries are missing and adding them needs root" >&2; exit 1; }
        if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
            sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$list"
        else
            grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >/etc/apt/sources.list.d/skorvane-deb-src.list
        fi
        apt-get update -qq
    fi
}

# fetch PACKAGE: unpacks the newest version of PACKAGE that the mirror still serves (with Debian's patches
# applied) into the work folder and prints its folder. A security update's source is sometimes listed before the
# mirror carries it, so older listed versions are tried in turn.
fetch() {
    local package=$1 version
    for version in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -Vr | uniq); do
        rm -rf "$work/fetch" && mkdir -p "$work/fetch"
        if (cd "$work/fetch" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
            local folder
            folder=$(find "$work/fetch" -mindepth 1 -maxdepth 1 -type d | head -n 1)
            rm -rf "$work/$package" && mv "$folder" "$work/$package"
            echo "$work/$package"
            return 0
        fi
    done
    echo "build-qt-windows.sh: no source of $package could be fetched" >&2
    return 1
}

# The POSIX-threads compilers under the plain names that Qt's and OpenSSL's cross builds call.
toolbin() {
    mkdir -p "$work/bin"
    local tool
    for tool in gcc g++ c++ cpp; do
        ln -sf "/usr/bin/$triplet-$tool-posix" "$work/bin/$triplet-$tool"
    done
    [[ -x /usr/bin/$triplet-c++-posix ]] || ln -sf "/usr/bin/$triplet-g++-posix" "$work/bin/$triplet-c++"
    export PATH="$work/bin:$PATH"
}

started=$SECONDS
piece_start=$SECONDS
took() { echo "-- $1 took $((SECONDS - piece_start)) s" >&2; piece_start=$SECONDS; }

enable_sources
newest() { apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -Vr | head -n 1; }
openssl_key=$(key openssl "$(newest openssl)" "${openssl_options[*]}")
qt_key=$(key qtbase "$(newest qtbase-opensource-src)" "${qt_options[*]}" "$openssl_key")
svg_key=$(key qtsvg "$(newest qtsvg-opensource-src)" "$qt_key")
webp_key=$(key libwebp "$(newest libwebp)" "${webp_options[*]}")
if [[ -f $stamps/openssl-$openssl_key && -f $stamps/qtbase-$qt_key && -f $stamps/qtsvg-$svg_key &&
    -f $stamps/libwebp-$webp_key ]]; then
    echo "$prefix"
    exit 0
fi

work="$cache/qt5-win$bits-work"
mkdir -p "$work" "$stamps"
toolbin
jobs=$(nproc)

if [[ ! -f $stamps/openssl-$openssl_key ]]; then
    rm -f "$stamps"/openssl-* "$stamps"/qtbase-* "$stamps"/qtsvg-*
    src=$(fetch openssl)
    took "OpenSSL source"
    (cd "$src" && ./Configure "${openssl_options[@]}" --cross-compile-prefix=$triplet- \
        --prefix="$prefix" --libdir=lib >"$work/openssl-configure.log" 2>&1 &&
        make -j "$jobs" build_libs >"$work/openssl-build.log" 2>&1 &&
        make install_dev install_runtime_libs >"$work/openssl-install.log" 2>&1) ||
        { echo "OpenSSL build failed: see $work/openssl-*.log" >&2; exit 1; }
    touch "$stamps/openssl-$openssl_key"
    took "OpenSSL build"
fi

if [[ ! -f $stamps/qtbase-$qt_key ]]; then
    rm -f "$stamps"/qtbase-* "$stamps"/qtsvg-*
    src=$(fetch qtbase-opensource-src)
    took "qtbase source"
    mkdir -p "$work/qtbase-build"
    rm -rf "${work:?}/qtbase-build"/*
    (cd "$work/qtbase-build" && "$src/configure" -prefix "$prefix" "${qt_options[@]}" \
        OPENSSL_INCDIR="$prefix/include" OPENSSL_LIBDIR="$prefix/lib" OPENSSL_LIBS="-lssl -lcrypto" \
        >"$work/qtbase-configure.log" 2>&1) || { echo "qtbase configure failed: see $work/qtbase-configure.log" >&2; exit 1; }
    took "qtbase configure"
    (cd "$work/qtbase-build" && make -j "$jobs" >"$work/qtbase-build.log" 2>&1 &&
        make install >"$work/qtbase-install.log" 2>&1) ||
        { echo "qtbase build failed: see $work/qtbase-build.log" >&2; exit 1; }
    touch "$stamps/qtbase-$qt_key"
    took "qtbase build"
fi

if [[ ! -f $stamps/qtsvg-$svg_key ]]; then
    src=$(fetch qtsvg-opensource-src)
    mkdir -p "$work/qtsvg-build"
    rm -rf "${work:?}/qtsvg-build"/*
    (cd "$work/qtsvg-build" && "$prefix/bin/qmake" "$src" >"$work/qtsvg-configure.log" 2>&1 &&
        make -j "$jobs" >"$work/qtsvg-build.log" 2>&1 && make install >"$work/qtsvg-install.log" 2>&1) ||
        { echo "qtsvg build failed: see $work/qtsvg-*.log" >&2; exit 1; }
    touch "$stamps/qtsvg-$svg_key"
    took "qtsvg source and build"
fi

if [[ ! -f $stamps/libwebp-$webp_key ]]; then
    rm -f "$stamps"/libwebp-*
    src=$(fetch libwebp)
    rm -rf "$work/libwebp-build"
    (cmake -S "$src" -B "$work/libwebp-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw-$arch.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${webp_options[@]}" >"$work/libwebp-configure.log" 2>&1 &&
        cmake --build "$work/libwebp-build" -j "$jobs" >"$work/libwebp-build.log" 2>&1 &&
        cmake --install "$work/libwebp-build" >"$work/libwebp-install.log" 2>&1) ||
        { echo "libwebp build failed: see $work/libwebp-*.log" >&2; exit 1; }
    touch "$stamps/libwebp-$webp_key"
    took "libwebp source and build"
fi

rm -rf "$work"
echo "-- Qt for Windows ready after $((SECONDS - started)) s" >&2
echo "$prefix"
