#pragma once

#include "Authenticode.h"

namespace Orv {

// What the OpenSSL verifier of the POSIX layer finds in a file's bytes.
struct AuthenticodeResult {
    bool digestMatches = false;
    bool signatureValid = false;
    bool chainTrusted = false;
    std::wstring signerName;
    bool Signed() const { return digestMatches && signatureValid && chainTrusted; }
};
AuthenticodeResult VerifyAuthenticode(const uint8_t* data, size_t size);

} // namespace Orv
