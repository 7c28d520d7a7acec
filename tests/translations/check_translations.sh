#!/usr/bin/env bash
# The translations are complete and current: lupdate run on the tree changes nothing in the committed .ts files (a
# text a user sees that is not in them, or one gone from the sources, fails), no translation is unfinished or empty,
# and each keeps its source's placeholders (%1, %2...) and line ends.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work/"
"$root/scripts/update-translations.sh" "$work" || { echo "FAIL: lupdate did not run"; exit 1; }
failures=0
for ts in "$root"/translations/*.ts; do
    if ! diff -u "$ts" "$work/$(basename "$ts")" >"$work/diff"; then
        echo "FAIL: $(basename "$ts") is not current with the sources (run scripts/update-translations.sh):"
        grep '^[-+] *<source>' "$work/diff" | head -20
        failures=$((failures + 1))
    fi
done
python3 - "$root"/translations/*.ts <<'PY' || failures=$((failures + 1))
import re, sys, xml.etree.ElementTree as ET
bad = 0
for path in sys.argv[1:]:
    for context in ET.parse(path).getroot():
        for message in context.findall("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text or ""
            where = f"{path.split('/')[-1]}: {context.findtext('name')}: {source[:60]!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or not text.strip():
                print(f"FAIL unfinished: {where}"); bad += 1
            elif sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", source)):
                print(f"FAIL placeholders differ: {where} -> {text[:60]!r}"); bad += 1
            elif source.count("\n") != text.count("\n"):
                print(f"FAIL line ends differ: {where}"); bad += 1
sys.exit(1 if bad else 0)
PY
[[ $failures -eq 0 ]] && echo "PASS translations complete and current"
exit $((failures > 0))
