# Sourced by the end-to-end scripts that lay out sandboxes: a work folder whose sandboxes' products and sites are
# ended, and the folder removed, when the script exits; the failure count; Windows paths for Wine (drive Z:).
here=$(cd "$(dirname "${BASH_SOURCE[1]}")" && pwd)
work=$(mktemp -d)
trap '"$here/../../standin/end-products.sh" "$work"/*/; rm -rf "$work"' EXIT
failures=0
winpath() { printf 'Z:%s' "${1//\//\\}"; }
