#include "TrustedRoot.h"

#include "library_Orv/Files/File.h"

#include <windows.h>
#include <wincrypt.h>

#include <vector>

bool TrustTestRoot(const std::wstring& pemPath) {
    const std::vector<uint8_t> pem = Orv::ReadFileBytes(pemPath);
    DWORD size = 0;
    if (pem.empty() || !CryptStringToBinaryA(reinterpret_cast<const char*>(pem.data()), static_cast<DWORD>(pem.size()),
                                             CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr, nullptr))
        return false;
    std::vector<BYTE> der(size);
    if (!CryptStringToBinaryA(reinterpret_cast<const char*>(pem.data()), static_cast<DWORD>(pem.size()),
                              CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr, nullptr))
        return false;
    return CertAddEncodedCertificateToSystemStoreW(L"Root", der.data(), size) != FALSE;
}
