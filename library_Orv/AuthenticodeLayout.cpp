#include "Authenticode.h"

namespace Orv {

namespace {
bool ReadU16(const uint8_t* data, size_t size, uint64_t offset, uint32_t& value) {
    if (offset > size || size - offset < 2)
        return false;
    value = static_cast<uint32_t>(data[offset] | (data[offset + 1] << 8));
    return true;
}

bool ReadU32(const uint8_t* data, size_t size, uint64_t offset, uint32_t& value) {
    if (offset > size || size - offset < 4)
        return false;
    value = static_cast<uint32_t>(data[offset]) | (static_cast<uint32_t>(data[offset + 1]) << 8) |
            (static_cast<uint32_t>(data[offset + 2]) << 16) | (static_cast<uint32_t>(data[offset + 3]) << 24);
    return true;
}

constexpr uint32_t kCertificateTypePkcsSignedData = 2;
} // namespace

bool ReadAuthenticodeLayout(const uint8_t* data, size_t size, AuthenticodeLayout& layout) {
    layout = AuthenticodeLayout();
    uint32_t magic = 0, peOffset = 0, signature = 0, optionalMagic = 0, directoryCount = 0;
    if (!ReadU16(data, size, 0, magic) || magic != 0x5A4D || !ReadU32(data, size, 0x3C, peOffset) ||
        !ReadU32(data, size, peOffset, signature) || signature != 0x00004550)
        return false;
    const uint64_t optional = static_cast<uint64_t>(peOffset) + 24;
    if (!ReadU16(data, size, optional, optionalMagic))
        return false;
    uint64_t directories = 0;
    if (optionalMagic == 0x10B)
        directories = optional + 96;
    else if (optionalMagic == 0x20B)
        directories = optional + 112;
    else
        return false;
    if (!ReadU32(data, size, directories - 4, directoryCount) || directoryCount < 5)
        return false;
    const uint64_t checksum = optional + 64;
    const uint64_t certificateEntry = directories + 8 * 4;
    uint32_t tableOffset = 0, tableSize = 0;
    if (!ReadU32(data, size, certificateEntry, tableOffset) || !ReadU32(data, size, certificateEntry + 4, tableSize))
        return false;
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
        if (!ReadU32(data, size, entry, length) || !ReadU16(data, size, entry + 6, type) || length < 8 ||
            entry + length > tableEnd)
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
