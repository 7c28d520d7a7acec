#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Orv {

// What one look at a file's Authenticode signature finds: whether it verifies (as IsFileSigned) and who signed it
// (as GetSignerName). The file is read and its signature checked once for both.
struct SignatureInspection {
    bool verified = false;
    std::wstring signerName;
    bool readable = true; // false: the file could not be opened (locked, no right to read it), so nothing is known
};
SignatureInspection InspectFileSignature(const std::wstring& path);

// Whether the file carries an Authenticode signature that verifies: the image's digest matches the signed one,
// the signature is valid and the signer's chain leads to a trusted root (revocation is not checked).
inline bool IsFileSigned(const std::wstring& path) {
    return InspectFileSignature(path).verified;
}

// The simple display name of the first signer's certificate (its common name, else its organisational unit, its
// organisation or its e-mail address); empty without one. A signature that does not verify still has a signer.
inline std::wstring GetSignerName(const std::wstring& path) {
    return InspectFileSignature(path).signerName;
}

// The pieces of a PE image that Authenticode works on, read with every offset checked against the file.
struct AuthenticodeLayout {
    // The byte ranges of the file that the image digest covers, in file order.
    std::vector<std::pair<size_t, size_t>> hashedRanges; // (offset, size)
    // The DER of the first PKCS#7 signed-data certificate of the certificate table; empty when unsigned.
    std::vector<uint8_t> signature;
    // The certificate table's bytes, every entry (empty without one).
    std::vector<uint8_t> certificateTable;
};
// False when the bytes are not a PE image whose certificate table lies within the file.
bool ReadAuthenticodeLayout(const uint8_t* data, size_t size, AuthenticodeLayout& layout);
// The same from a file, reading its headers and its certificate table only: an installer of hundreds of megabytes
// is never held in memory.
bool ReadAuthenticodeLayoutOfFile(const std::wstring& path, AuthenticodeLayout& layout);
// Hands the file's hashed ranges to consume, in order, a piece of at most 1 MiB at a time; false when the file
// cannot be read.
bool DigestOfFileRanges(const std::wstring& path, const AuthenticodeLayout& layout,
                        const std::function<void(const uint8_t* data, size_t size)>& consume);

// Whether the file is a PE image whose certificate table holds PKCS#7 signed data and nothing else, each entry
// well formed: what the system's verifier may be given. Reads the headers and the table only, never the whole file.
bool HoldsOnlySignedDataCertificates(const std::wstring& path);

} // namespace Orv
