#include "Authenticode.h"

#include "library_Orv/Files/File.h"
#include "library_Orv/Files/FileReader.h"

#include <windows.h>
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

namespace Orv {

namespace {
// WinVerifyTrust with the generic verify action; the state is released before returning.
template <typename Use> LONG VerifyAndUse(const std::wstring& path, Use use) {
    WINTRUST_FILE_INFO file{};
    file.cbStruct = sizeof file;
    file.pcwszFilePath = path.c_str();
    WINTRUST_DATA data{};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = WTD_REVOCATION_CHECK_CHAIN;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const LONG result = WinVerifyTrust(nullptr, &action, &data);
    use(data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(nullptr, &action, &data);
    return result;
}
} // namespace

// The signer is read from the same verification: it is there whether or not the signature verifies.
SignatureInspection InspectFileSignature(const std::wstring& path) {
    SignatureInspection inspection;
    if (!OpenFileReader(path)) {
        // A file that is there but cannot be opened (locked, or no right to read it) is unreadable, not unsigned.
        inspection.readable = !FileExists(path);
        return inspection;
    }
    // The verifier is given only what is plainly a signature: an entry of another kind (an X.509 certificate, say)
    // has taken Wine's down with the process, and a file that takes this tool down reports nothing at all.
    if (!HoldsOnlySignedDataCertificates(path))
        return inspection;
    const LONG result = VerifyAndUse(path, [&](WINTRUST_DATA& data) {
        CRYPT_PROVIDER_DATA* provider = WTHelperProvDataFromStateData(data.hWVTStateData);
        if (!provider || provider->csSigners < 1)
            return;
        CRYPT_PROVIDER_SGNR* signer = WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0);
        if (!signer || signer->csCertChain < 1 || !signer->pasCertChain || !signer->pasCertChain[0].pCert)
            return;
        wchar_t buffer[256] = {};
        const DWORD count =
            CertGetNameStringW(signer->pasCertChain[0].pCert, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, buffer, 256);
        if (count > 1)
            inspection.signerName = buffer;
    });
    inspection.verified = result == 0;
    return inspection;
}

} // namespace Orv
