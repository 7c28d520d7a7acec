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
#   --site[=MODE]        starts the stand-in web site (standin/Site.cpp) over TLS on loopback, with a certificate of
#                        the sandbox's test root, in a mode: ok (default), error500, redirect, close, delay,
#                        never-answer, body-error, long-answer, not-found, short-body, no-length, chunked,
#                        chunked-cut, endless (see standin/Site.cpp), untrusted (a certificate of another root), small
#                        (bodies over 1 KiB refused)
#   --proxy[=MODE]       with --site: the site is named site.skorvane.test, a name that only the stand-in proxy
#                        (standin/Proxy.cpp) resolves, and https_proxy points at that proxy, in a mode: ok (default),
#                        auth-basic or auth-ntlm (user "skv", password "proxy-secret"), refuse, silent, intercept (TLS inspected
#                        with a certificate of "Example Corp Inspection CA", a root this computer does not trust) or
#                        intercept-trusted (the same root, trusted). The proxy records each tunnel in proxy/connects.
# SKV_BUILD names the native build that holds the stand-in product (default build/native).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
[[ $# -ge 1 ]] || { sed -n '2,24p' "$0" >&2; exit 2; }
folder=$(mkdir -p "$1" && cd "$1" && pwd)
shift
declare -A broken=()
mode=
localConfig=
site=
proxy=
for option in "$@"; do
    case "$option" in
    --mode=*) mode=${option#--mode=} ;;
    --site) site=ok ;;
    --site=*) site=${option#--site=} ;;
    --proxy) proxy=ok ;;
    --proxy=*) proxy=${option#--proxy=} ;;
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
if [[ -f $folder/site/site.pid ]]; then
    pid=$(cat "$folder/site/site.pid")
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
    [[ ${exe% (deleted)} == */SkorvaneSite ]] && kill "$pid" 2>/dev/null || true
fi
if [[ -f $folder/proxy/proxy.pid ]]; then
    pid=$(cat "$folder/proxy/proxy.pid")
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
    [[ ${exe% (deleted)} == */SkorvaneProxy ]] && kill "$pid" 2>/dev/null || true
fi
rm -rf "$folder"/{install,config,local,programdata,temp,pipes,signing,registry.reg,product.pids,product.starts,site,proxy}
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

# With --no-install and a site, the installation is still made, then moved aside as the payload of the stand-in
# installer that the site serves: "Download and install" puts it back.
if [[ -z ${broken[no-install]:-} || -n $site ]]; then
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
if [[ -n ${broken[no-install]:-} && -n $site ]]; then
    payload=$folder/site/payload
    rm -rf "$payload" && mkdir -p "$payload"
    mv "$install" "$payload/install"
    cp "$registry" "$payload/registry.reg"
    printf 'Windows Registry Editor Version 5.00\r\n' >"$registry"
    links=()
    for startup in "$programdata" "$roaming"; do
        link="$startup/Microsoft/Windows/Start Menu/Programs/Startup/Skorvane.lnk"
        [[ -L $link ]] && rm "$link" && links+=("$link")
    done
    {
        echo "#!/bin/sh"
        echo "# Written by standin/sandbox.sh: what the stand-in installer does with \"/S\"."
        echo "set -e"
        echo "cp -a '$payload/install' '$install'"
        echo "cp '$payload/registry.reg' '$registry'"
        for link in "${links[@]}"; do
            echo "mkdir -p '$(dirname "$link")' && ln -sf '$install/Skorvane.exe' '$link'"
        done
    } >"$payload/install.sh"
fi
config=$local/Brindlecote/SkorvaneDiagnostics
case "$localConfig" in
truncated) mkdir -p "$config" && printf '<?xml version="1.0"?>\n<Config><Skin cur' >"$config/LocalConfig.xml" ;;
garbage) mkdir -p "$config" && head -c 4096 /dev/urandom >"$config/LocalConfig.xml" ;;
folder) mkdir -p "$config/LocalConfig.xml" ;;
esac

siteExports=
if [[ -n $site ]]; then
    siteDir=$folder/site
    mkdir -p "$siteDir/requests" "$siteDir/downloads"
    # The site's certificate: localhost and 127.0.0.1, issued by the test root (or, "untrusted", by another root).
    issuer=$certs/root
    if [[ $site == untrusted ]]; then
        openssl req -x509 -new -newkey rsa:2048 -nodes -subj "/CN=Unknown Root" -days 30 -sha256 \
            -keyout "$siteDir/other-root.key" -out "$siteDir/other-root.pem" 2>/dev/null
        issuer=$siteDir/other-root
    fi
    openssl req -new -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout "$siteDir/site.key" \
        -out "$siteDir/site.csr" 2>/dev/null
    openssl x509 -req -in "$siteDir/site.csr" -CA "$issuer.pem" -CAkey "$issuer.key" -CAcreateserial -days 30 \
        -sha256 -extfile <(printf 'subjectAltName=DNS:localhost,DNS:site.skorvane.test,IP:127.0.0.1\nextendedKeyUsage=serverAuth\n') \
        -out "$siteDir/site.pem" 2>/dev/null
    siteMode=$site maxBody=67108864
    [[ $site == untrusted ]] && siteMode=ok
    [[ $site == small ]] && siteMode=ok maxBody=1024
    cp "$build/standin/SkorvaneInstaller" "$siteDir/downloads/Skorvane.exe"
    siteExe=$build/standin/SkorvaneSite
    [[ -x $siteExe ]] || { echo "sandbox.sh: build the stand-in site first ($siteExe)" >&2; exit 1; }
    "$siteExe" --cert "$siteDir/site.pem" --key "$siteDir/site.key" --store "$siteDir/requests" \
        --downloads "$siteDir/downloads" --mode "$siteMode" --max-body "$maxBody" --port-file "$siteDir/port" \
        --mode-file "$siteDir/mode" </dev/null >"$siteDir/site.log" 2>&1 &
    echo $! >"$siteDir/site.pid"
    for _ in $(seq 100); do [[ -s $siteDir/port ]] && break; sleep 0.05; done
    [[ -s $siteDir/port ]] || { echo "sandbox.sh: the stand-in site did not start (see $siteDir/site.log)" >&2; exit 1; }
    siteHost=localhost
    [[ -n $proxy ]] && siteHost=site.skorvane.test
    siteExports="export SKV_SITE_URL='https://$siteHost:$(cat "$siteDir/port")'
export SKV_SITE_REQUESTS='$siteDir/requests'
export SKV_INSTALLER_PAYLOAD='$siteDir/payload'
export SKV_STANDIN_INSTALLER=1"
fi

trustedRoots=$certs/root.pem
proxyExports=
if [[ -n $proxy ]]; then
    [[ -n $site ]] || { echo "sandbox.sh: --proxy needs --site" >&2; exit 2; }
    proxyDir=$folder/proxy
    mkdir -p "$proxyDir"
    proxyMode=$proxy
    inspection=()
    if [[ $proxy == intercept || $proxy == intercept-trusted ]]; then
        proxyMode=intercept
        openssl req -x509 -new -newkey rsa:2048 -nodes -subj "/CN=Example Corp Inspection CA" -days 30 -sha256 \
            -keyout "$proxyDir/inspection-root.key" -out "$proxyDir/inspection-root.pem" 2>/dev/null
        openssl req -new -newkey rsa:2048 -nodes -subj "/CN=site.skorvane.test" -keyout "$proxyDir/inspection.key" \
            -out "$proxyDir/inspection.csr" 2>/dev/null
        openssl x509 -req -in "$proxyDir/inspection.csr" -CA "$proxyDir/inspection-root.pem" \
            -CAkey "$proxyDir/inspection-root.key" -CAcreateserial -days 30 -sha256 \
            -extfile <(printf 'subjectAltName=DNS:site.skorvane.test\nextendedKeyUsage=serverAuth\n') \
            -out "$proxyDir/inspection.pem" 2>/dev/null
        inspection=(--inspection-cert "$proxyDir/inspection.pem" --inspection-key "$proxyDir/inspection.key")
        [[ $proxy == intercept-trusted ]] && trustedRoots+=":$proxyDir/inspection-root.pem"
    fi
    proxyExe=$build/standin/SkorvaneProxy
    [[ -x $proxyExe ]] || { echo "sandbox.sh: build the stand-in proxy first ($proxyExe)" >&2; exit 1; }
    "$proxyExe" --mode "$proxyMode" --credentials skv:proxy-secret --resolve site.skorvane.test=127.0.0.1 \
        --record "$proxyDir/connects" --port-file "$proxyDir/port" "${inspection[@]}" </dev/null \
        >"$proxyDir/proxy.log" 2>&1 &
    echo $! >"$proxyDir/proxy.pid"
    for _ in $(seq 100); do [[ -s $proxyDir/port ]] && break; sleep 0.05; done
    [[ -s $proxyDir/port ]] || { echo "sandbox.sh: the stand-in proxy did not start (see $proxyDir/proxy.log)" >&2; exit 1; }
    proxyExports="export https_proxy='http://127.0.0.1:$(cat "$proxyDir/port")'
export no_proxy=
export SKV_PROXY_RECORD='$proxyDir/connects'"
fi

cat <<EXPORTS
export SKV_REGISTRY_FILE='$registry'
export SKV_TRUSTED_ROOTS='$trustedRoots'
export XDG_CONFIG_HOME='$roaming'
export XDG_DATA_HOME='$local'
export XDG_DATA_DIRS='$programdata'
export TEMP='$folder/temp'
export SKV_PIPE_FOLDER='$folder/pipes'
export SKV_STANDIN_MODE='$mode'
export SKV_STANDIN_PID_FILE='$pids'
export SKV_STANDIN_STARTS_FILE='$folder/product.starts'
$siteExports
$proxyExports
EXPORTS
