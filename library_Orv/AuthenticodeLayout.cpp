#include "Authenticode.h"

#include "PeImage.h"

namespace Orv {

namespace {
constexpr uint32_t kCertificateTypePkcsSignedData = 2;
} // namespace

bool ReadAuthenticodeLayout(const uint8_t* data, size_t size, AuthenticodeLayout& layout) {
    layout = AuthenticodeLayout();
    const PeBytes file(data, size);
    PeHeaders headers;
    uint64_t certificateEntry = 0;
    uint32_t tableOffset = 0, tableSize = 0;
    if (!ReadPeHeaders(file, headers) || !headers.Directory(4, certificateEntry) ||
        !file.U32(certificateEntry, tableOffset) || !file.U32(certificateEntry + 4, tableSize))
        return false;
    const uint64_t checksum = headers.checksum;
    // An unsigned image: everything but the checksum and the directory entry is hashed.
    uint64_t tableStart = size;
    uint64_t tableEnd = size;
    if (tableOffset != 0 || tableSize != 0) {
        tableStart = tableOffset;
        tableEnd = static_cast<uint64_t>(tableOffset) + tableSize;
        if (tableEnd > size || tableStart < certificateEntry + 8)
            return false;
    }
    layout.hashedRanges = {
        {0, static_cast<size_t>(checksum)},
        {static_cast<size_t>(checksum + 4), static_cast<size_t>(certificateEntry - checksum - 4)},
        {static_cast<size_t>(certificateEntry + 8), static_cast<size_t>(tableStart - certificateEntry - 8)}};
    if (tableEnd < size)
        layout.hashedRanges.emplace_back(static_cast<size_t>(tableEnd), static_cast<size_t>(size - tableEnd));
    // WIN_CERTIFICATE entries, each 8-byte aligned: length, revision, type, then the certificate.
    for (uint64_t entry = tableStart; entry + 8 <= tableEnd;) {
        uint32_t length = 0, type = 0;
        if (!file.U32(entry, length) || !file.U16(entry + 6, type) || length < 8 || entry + length > tableEnd)
            break;
        if (type == kCertificateTypePkcsSignedData) {
            layout.signature.assign(data + entry + 8, data + entry + length);
            break;
        }
        entry += (static_cast<uint64_t>(length) + 7) & ~static_cast<uint64_t>(7);
    }
    return true;
}

} // namespace Orv
