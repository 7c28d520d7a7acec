#!/usr/bin/env bash
# Builds the stand-in shell extension (a PE DLL with a version resource) with mingw-w64 and signs it with
# osslsigncode, under a test root made here. Writes into FOLDER:
#   certs/root.pem, certs/root.key       the test root
#   certs/signer.*, certs/other.*        code-signing certificates "QUELLANOR" and "OTHERSIGNER" under that root
#   unsigned.dll, signed.dll, other.dll  the DLL unsigned, signed by QUELLANOR, signed by OTHERSIGNER
#   tampered.dll                         signed.dll with one byte of its code changed after signing
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
certs=$out/certs
mkdir -p "$certs"

openssl req -x509 -new -newkey rsa:2048 -nodes -subj "/CN=Skorvane Test Root" -days 3650 -sha256 \
    -keyout "$certs/root.key" -out "$certs/root.pem" 2>/dev/null
make_cert() { # name subject
    openssl req -new -newkey rsa:2048 -nodes -subj "/CN=$2" -keyout "$certs/$1.key" -out "$certs/$1.csr" 2>/dev/null
    openssl x509 -req -in "$certs/$1.csr" -CA "$certs/root.pem" -CAkey "$certs/root.key" -CAcreateserial \
        -days 3650 -sha256 -extfile <(printf 'keyUsage=digitalSignature\nextendedKeyUsage=codeSigning\n') \
        -out "$certs/$1.pem" 2>/dev/null
}
make_cert signer QUELLANOR
make_cert other OTHERSIGNER

x86_64-w64-mingw32-windres "$here/shelldll/SkorvaneShellDLL.rc" -O coff -o "$out/dll.res"
x86_64-w64-mingw32-gcc -shared -s -o "$out/unsigned.dll" "$here/shelldll/SkorvaneShellDLL.c" "$out/dll.res"
sign() { # certificate output
    rm -f "$out/$2" # osslsigncode does not overwrite
    osslsigncode sign -certs "$certs/$1.pem" -key "$certs/$1.key" -n "Skorvane shell extension" \
        -in "$out/unsigned.dll" -out "$out/$2" >/dev/null
}
sign signer signed.dll
sign other other.dll
cp "$out/signed.dll" "$out/tampered.dll"
# One byte of the code section changes: the signature no longer matches the image.
printf '\x90' | dd of="$out/tampered.dll" bs=1 seek=1100 conv=notrunc status=none
