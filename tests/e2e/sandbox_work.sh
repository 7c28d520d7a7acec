# Sourced by the end-to-end scripts that lay out sandboxes: a work folder whose sandboxes' products and sites are
# ended, and the folder removed, when the script exits; the failure count; Windows paths for Wine (drive Z:);
# whether a process runs.
here=$(cd "$(dirname "${BASH_SOURCE[1]}")" && pwd)
work=$(mktemp -d)
trap 'endProducts "$work"/*/; rm -rf "$work"' EXIT
failures=0
winpath() { printf 'Z:%s' "${1//\//\\}"; }
endProducts() { "$here/../../standin/end-products.sh" "$@"; }
# Whether a process runs: a zombie (ended, not yet collected by a parent, as in a PID namespace whose first process
# collects nobody) does not.
alive() { local state; state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) && [[ -n $state && $state != Z ]]; }
