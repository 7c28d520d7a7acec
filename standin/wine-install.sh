#!/usr/bin/env bash
# Lays out the stand-in product in a Wine prefix as Windows has it after the product's installer ran: the signed
# Skorvane.exe with its exact .md5 and data\Versions.html, and the signed SkorvaneShellDLL.dll, under the 32-bit
# Program Files folder; the uninstall entry, the four class registrations and the start-up approval, imported with
# Wine's reg; the start-up shortcuts for all users and for the user; the test root trusted.
# Two layouts, chosen by the prefix:
#   64-bit Windows  "C:\Program Files (x86)\Skorvane", the 32-bit installer's uninstall entry under WOW6432Node, the
#                   64-bit shell extension's classes in the 64-bit view
#   32-bit Windows  "C:\Program Files\Skorvane", the uninstall entry under SOFTWARE\Microsoft (there is no
#   (WINEARCH=win32) WOW6432Node), the classes in the only view
#
# Usage: standin/wine-install.sh BUILD [--no-shortcut]
#   BUILD          a Windows build (its signed stand-in, shell extension, test root and setup helper)
#   --no-shortcut  no start-up shortcut (the tool's "Fix and check again" makes one)
# The prefix is WINEPREFIX (created when missing). Prints the product's Windows path.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[[ $# -ge 1 ]] || { sed -n '2,17p' "$0" >&2; exit 2; }
build=$(cd "$1" && pwd)
shift
shortcuts=1
for option in "$@"; do
    case "$option" in
    --no-shortcut) shortcuts= ;;
    *) echo "wine-install.sh: unknown option $option" >&2; exit 2 ;;
    esac
done
: "${WINEPREFIX:?wine-install.sh: set WINEPREFIX}"
signing=$build/tests/library_Orv/signing
setup=$build/standin/skv_wine_setup.exe
for needed in "$signing/Skorvane.exe" "$signing/signed.dll" "$signing/certs/root.pem" "$setup"; do
    [[ -f $needed ]] || { echo "wine-install.sh: build the Windows tests first ($needed is missing)" >&2; exit 1; }
done
wine_() { WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine "$@" </dev/null; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

[[ -d $WINEPREFIX/drive_c ]] || wine_ wineboot >/dev/null 2>&1

if [[ -d $WINEPREFIX/drive_c/windows/syswow64 ]]; then
    folder='C:\Program Files (x86)\Skorvane'
    uninstall='SOFTWARE\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Skorvane (Orv)'
    view=(/reg:64)
else
    folder='C:\Program Files\Skorvane'
    uninstall='SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Skorvane (Orv)'
    view=()
fi
install="$WINEPREFIX/drive_c/${folder#C:\\}"
install=${install//\\//}
rm -rf "$install"
mkdir -p "$install/data"
cp "$signing/Skorvane.exe" "$install/Skorvane.exe"
printf '%s' "$(md5sum "$install/Skorvane.exe" | cut -c1-32)" >"$install/Skorvane.exe.md5"
printf '<html><body><h1>Skorvane</h1><h3>2.4.1</h3><p>Stand-in.</p></body></html>\r\n' >"$install/data/Versions.html"
cp "$signing/signed.dll" "$install/SkorvaneShellDLL.dll"

registry=$(mktemp --suffix=.reg)
trap 'rm -f "$registry"' EXIT
escaped() { printf '%s' "$1" | sed 's/\\/\\\\/g'; }
{
    printf 'Windows Registry Editor Version 5.00\r\n'
    printf '\r\n[HKEY_LOCAL_MACHINE\\%s]\r\n' "$uninstall"
    printf '"DisplayIcon"="%s"\r\n' "$(escaped "$folder\\Skorvane.exe")"
    for clsid in {2137939A-0EF6-4D12-B01A-8A77ABC74D96} {E092A792-C413-4A54-9CF0-9293BF9A1917} \
        {8ACF67F2-8148-41D2-8240-FE12122066DA} {E4F24287-B39D-444B-9F9B-F03D42579186}; do
        printf '\r\n[HKEY_CLASSES_ROOT\\CLSID\\%s\\InprocServer32]\r\n' "$clsid"
        printf '@="%s"\r\n"ThreadingModel"="Apartment"\r\n' "$(escaped "$folder\\SkorvaneShellDLL.dll")"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder]\r\n'
    printf '"Skorvane.lnk"=hex:02,00,00,00,00,00,00,00,00,00,00,00\r\n'
} >"$registry"
# Into the 64-bit view, as the 64-bit shell extension's installer registers it; the uninstall entry names
# WOW6432Node itself, where a 32-bit installer's entry lands. (Plain "wine regedit" may be the 32-bit regedit once
# Wine's 32-bit half is installed, and would write the classes into the 32-bit view.)
wine_ reg import "$(windows_path "$registry")" "${view[@]}" >/dev/null

wine_ "$setup" trust-root "$(windows_path "$signing/certs/root.pem")"
startup='Microsoft\Windows\Start Menu\Programs\Startup\Skorvane.lnk'
for base in '%ProgramData%' '%APPDATA%'; do
    if [[ -n $shortcuts ]]; then
        wine_ "$setup" shortcut "$base\\$startup" "$folder\\Skorvane.exe"
    else
        wine_ cmd /c del /q "$base\\$startup" >/dev/null 2>&1 || true
    fi
done
echo "$folder\\Skorvane.exe"
