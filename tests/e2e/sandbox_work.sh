# Sourced by the end-to-end scripts that lay out sandboxes: a work folder whose sandboxes' products and sites are
# ended, and the folder removed, when the script exits; the failure count; Windows paths for Wine (drive Z:);
# whether a process runs; starting a sandbox's product.
here=$(cd "$(dirname "${BASH_SOURCE[1]}")" && pwd)
work=$(mktemp -d)
trap 'endProducts "$work"/*/; rm -rf "$work"' EXIT
failures=0
winpath() { printf 'Z:%s' "${1//\//\\}"; }
endProducts() { "$here/../../standin/end-products.sh" "$@"; }
# Whether a process runs: a zombie (ended, not yet collected by a parent, as in a PID namespace whose first process
# collects nobody) does not.
alive() { local state; state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) && [[ -n $state && $state != Z ]]; }
# startProduct FOLDER [sandbox options]: starts the sandbox's product in the background and waits for its pipe (a
# product in no-pipe mode, which never opens one, a moment).
startProduct() {
    local folder=$1 && shift
    (. "$folder.env"; "$folder/install/Skorvane.exe" >/dev/null 2>&1 &)
    for _ in $(seq 100); do [[ -S $folder/pipes/Skorvane ]] && break; sleep 0.05; done
    [[ " $* " == *no-pipe* ]] && sleep 0.3
    return 0
}
