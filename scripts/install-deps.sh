#!/usr/bin/env bash
# Installs the Debian packages that a task needs, and only those that are missing.
# Usage: install-deps.sh run|test|fuzz|bench ...
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config)
for need in "$@"; do
    case "$need" in
    bench) packages+=(bc) ;;
    run) packages+=(qtbase5-dev qtbase5-dev-tools qttools5-dev-tools qttranslations5-l10n libqt5svg5-dev qt5-image-formats-plugins fonts-dejavu-core libssl-dev
                   openssl osslsigncode procps g++-mingw-w64-x86-64-posix xvfb xauth) ;;
    test) packages+=(qtbase5-dev qtbase5-dev-tools qttools5-dev-tools qttranslations5-l10n libqt5svg5-dev qt5-image-formats-plugins fonts-dejavu-core libssl-dev
                    googletest clang-format openssl osslsigncode procps g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64
                    wine32:i386 dpkg-dev xz-utils perl make python3 python3-jsonschema xvfb xauth webp chromium) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "install-deps.sh: unknown need '$need'" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps.sh: these packages are missing and installing them needs root" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# Wine's 32-bit half, which runs the 32-bit Windows program, comes through Debian's multiarch.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
