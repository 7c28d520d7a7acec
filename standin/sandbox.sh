#!/usr/bin/env bash
# Lays out a complete, healthy Skorvane installation in FOLDER for the POSIX layer and prints the export lines
# that point the diagnostics at it. Options break one piece each, on purpose.
#
# Usage: standin/sandbox.sh FOLDER [options]
#   --no-install         nothing installed (no files, no registry entries, no shortcuts)
#   --wrong-md5          the .md5 file holds another digest
#   --md5-newline        the .md5 file ends with a line end
#   --unsigned           the shell extension is not signed
#   --tampered           the shell extension is changed after signing
#   --other-signer       the shell extension is signed by "OTHERSIGNER"
#   --wrong-threading    the classes are registered with ThreadingModel "Both"
#   --dll-case           the classes name the DLL in other letter case
#   --no-shortcut        no start-up shortcut
#   --disabled-approval  the start-up entry is disabled
#   --local-config=KIND  the tool's own LocalConfig.xml is broken: truncated, garbage or a folder
#   --startup-loop       the user's start-up shortcut is a link to itself
#   --mode=MODES         the stand-in product misbehaves (SKV_STANDIN_MODE, see standin/Skorvane.cpp), e.g. dad0
# SKV_BUILD names the native build that holds the stand-in product (default build/native).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
[[ $# -ge 1 ]] || { sed -n '2,20p' "$0" >&2; exit 2; }
folder=$(mkdir -p "$1" && cd "$1" && pwd)
shift
declare -A broken=()
mode=
localConfig=
for option in "$@"; do
    case "$option" in
    --mode=*) mode=${option#--mode=} ;;
    --local-config=truncated | --local-config=garbage | --local-config=folder) localConfig=${option#--local-config=} ;;
    --startup-loop) broken[startup-loop]=1 ;;
    --no-install | --wrong-md5 | --md5-newline | --unsigned | --tampered | --other-signer | --wrong-threading | \
        --dll-case | --no-shortcut | --disabled-approval) broken[${option#--}]=1 ;;
    *) echo "sandbox.sh: unknown option $option" >&2; exit 2 ;;
    esac
done
build=${SKV_BUILD:-$root/build/native}
standin=$build/standin/Skorvane
[[ -x $standin ]] || { echo "sandbox.sh: build the stand-in first ($standin)" >&2; exit 1; }

# The stand-in products that ran from this sandbox before (each recorded its id) end first: laid out again, the
# sandbox would otherwise lose the pipe of a product that still runs.
pids=$folder/product.pids
if [[ -f $pids ]]; then
    while read -r pid; do
        [[ $pid =~ ^[0-9]+$ ]] || continue
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
        [[ ${exe% (deleted)} == "$folder/install/Skorvane.exe" ]] && kill "$pid" 2>/dev/null || true
    done <"$pids"
fi
rm -rf "$folder"/{install,config,local,programdata,temp,pipes,signing,registry.reg,product.pids}
install=$folder/install
roaming=$folder/config
local=$folder/local
programdata=$folder/programdata
mkdir -p "$roaming" "$local" "$programdata" "$folder/temp"
mkdir -m 700 "$folder/pipes"
registry=$folder/registry.reg
printf 'Windows Registry Editor Version 5.00\r\n' >"$registry"

# The shell extension in every form, signed under a test root that the sandbox trusts.
"$here/make-signed-dll.sh" "$folder/signing"
certs=$folder/signing/certs

if [[ -z ${broken[no-install]:-} ]]; then
    mkdir -p "$install/data"
    exe=$install/Skorvane.exe
    cp "$standin" "$exe"
    digest=$(md5sum "$exe" | cut -c1-32)
    [[ -n ${broken[wrong-md5]:-} ]] && digest=00000000000000000000000000000000
    if [[ -n ${broken[md5-newline]:-} ]]; then printf '%s\n' "$digest"; else printf '%s' "$digest"; fi >"$exe.md5"
    printf '<html><body><h1>Skorvane</h1><h3>2.4.1</h3><p>Stand-in.</p></body></html>\n' >"$install/data/Versions.html"

    dll=$install/SkorvaneShellDLL.dll
    variant=signed
    [[ -n ${broken[other-signer]:-} ]] && variant=other
    [[ -n ${broken[unsigned]:-} ]] && variant=unsigned
    [[ -n ${broken[tampered]:-} ]] && variant=tampered
    cp "$folder/signing/$variant.dll" "$dll"

    escaped() { printf '%s' "$1" | sed 's/\\/\\\\/g; s/"/\\"/g'; }
    {
        printf '\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skorvane (Orv)]\r\n'
        printf '"DisplayIcon"="%s"\r\n' "$(escaped "$exe")"
        model=Apartment
        [[ -n ${broken[wrong-threading]:-} ]] && model=Both
        registered=$dll
        [[ -n ${broken[dll-case]:-} ]] && registered=$install/skorvaneshelldll.dll
        for clsid in {2137939A-0EF6-4D12-B01A-8A77ABC74D96} {E092A792-C413-4A54-9CF0-9293BF9A1917} \
            {8ACF67F2-8148-41D2-8240-FE12122066DA} {E4F24287-B39D-444B-9F9B-F03D42579186}; do
            printf '\r\n[HKEY_CLASSES_ROOT\\CLSID\\%s\\InprocServer32]\r\n' "$clsid"
            printf '@="%s"\r\n"ThreadingModel"="%s"\r\n' "$(escaped "$registered")" "$model"
        done
        approval=02,00,00,00,00,00,00,00,00,00,00,00
        [[ -n ${broken[disabled-approval]:-} ]] && approval=03,00,00,00,00,00,00,00,00,00,00,00
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder]\r\n'
        printf '"Skorvane.lnk"=hex:%s\r\n' "$approval"
    } >>"$registry"

    if [[ -z ${broken[no-shortcut]:-} ]]; then
        for startup in "$programdata" "$roaming"; do
            mkdir -p "$startup/Microsoft/Windows/Start Menu/Programs/Startup"
            ln -s "$exe" "$startup/Microsoft/Windows/Start Menu/Programs/Startup/Skorvane.lnk"
        done
    fi
fi
if [[ -n ${broken[startup-loop]:-} ]]; then
    startup="$roaming/Microsoft/Windows/Start Menu/Programs/Startup"
    mkdir -p "$startup"
    rm -f "$startup/Skorvane.lnk"
    ln -s Skorvane.lnk "$startup/Skorvane.lnk"
fi
config=$local/Brindlecote/SkorvaneDiagnostics
case "$localConfig" in
truncated) mkdir -p "$config" && printf '<?xml version="1.0"?>\n<Config><Skin cur' >"$config/LocalConfig.xml" ;;
garbage) mkdir -p "$config" && head -c 4096 /dev/urandom >"$config/LocalConfig.xml" ;;
folder) mkdir -p "$config/LocalConfig.xml" ;;
esac

cat <<EXPORTS
export SKV_REGISTRY_FILE='$registry'
export SKV_TRUSTED_ROOTS='$certs/root.pem'
export XDG_CONFIG_HOME='$roaming'
export XDG_DATA_HOME='$local'
export XDG_DATA_DIRS='$programdata'
export TEMP='$folder/temp'
export SKV_PIPE_FOLDER='$folder/pipes'
export SKV_STANDIN_MODE='$mode'
export SKV_STANDIN_PID_FILE='$pids'
EXPORTS
