#!/usr/bin/env bash
# Brings the translation files up to date with the texts of the sources (Qt's lupdate): new texts come in unfinished,
# texts gone from the sources go. Translate the unfinished ones (Qt Linguist, or by hand) and commit.
# Usage: update-translations.sh [TS_FOLDER]   (default: translations/ of the tree)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$root/translations}
cd "$root"
mapfile -t sources < <(git ls-files -- 'app/*.cpp' 'app/*.h' 'app/*.ui' 'ui/*.cpp' 'ui/*.h' 'ui/*.ui' \
    'report/*.cpp' 'report/*.h' 'report/*.ui' 'download/*.cpp' 'download/*.h' 'download/*.ui' \
    'network/*.cpp' 'network/*.h' 'library_Orv/Qt/*.cpp' 'library_Orv/Qt/*.h')
lupdate=$(command -v lupdate-qt5 || echo /usr/lib/qt5/bin/lupdate)
for language in fr de; do
    "$lupdate" -silent -no-obsolete -locations none -target-language "$language" "${sources[@]}" \
        -ts "$folder/SkorvaneDiagnostics_$language.ts"
done
