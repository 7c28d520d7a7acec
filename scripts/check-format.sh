#!/usr/bin/env bash
# Fails when a C++ source differs from what .clang-format asks for.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "formatting: ok"
