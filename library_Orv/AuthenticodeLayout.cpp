#include "Authenticode.h"

#include "PeImage.h"

#include "Files/FileReader.h"

#include <algorithm>

namespace Orv {

namespace {
constexpr uint32_t kCertificateTypePkcsSignedData = 2;
// Where a PE image's headers lie in practice, and the largest certificate table taken for real.
constexpr size_t kHeadBytes = 64 * 1024;
constexpr uint32_t kMaxCertificateTable = 16u << 20;

// A DER SEQUENCE (of any length form) whose first element is the signedData content type, 1.2.840.113549.1.7.2.
bool IsSignedDataDer(const uint8_t* der, size_t size) {
    static const uint8_t kOid[] = {0x06, 0x09, 0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x07, 0x02};
    if (size < 2 || der[0] != 0x30)
        return false;
    size_t at = 2;
    if (der[1] & 0x80)
        at += der[1] & 0x7F;
    return at <= size && size - at >= sizeof kOid && std::equal(kOid, kOid + sizeof kOid, der + at);
}

bool TableHoldsOnlySignedData(const uint8_t* table, size_t size) {
    const PeBytes bytes(table, size);
    size_t entries = 0;
    for (uint64_t entry = 0; entry < size;) {
        uint32_t length = 0, type = 0;
        if (!bytes.U32(entry, length) || !bytes.U16(entry + 6, type) || length < 8 || !bytes.Has(entry, length) ||
            type != kCertificateTypePkcsSignedData || !IsSignedDataDer(table + entry + 8, length - 8))
            return false;
        ++entries;
        entry += (static_cast<uint64_t>(length) + 7) & ~static_cast<uint64_t>(7);
    }
    return entries > 0;
}
} // namespace

bool HoldsOnlySignedDataCertificates(const std::wstring& path) {
    const int64_t fileSize = GetFileSize64(path);
    std::unique_ptr<IFileReader> reader = OpenFileReader(path);
    if (!reader || fileSize <= 0)
        return false;
    std::vector<uint8_t> head(static_cast<size_t>(std::min<int64_t>(fileSize, kHeadBytes)));
    if (!reader->Read(head.data(), static_cast<uint32_t>(head.size())))
        return false;
    const PeBytes file(head.data(), head.size());
    PeHeaders headers;
    uint64_t certificateEntry = 0;
    uint32_t tableOffset = 0, tableSize = 0;
    if (!ReadPeHeaders(file, headers) || !headers.Directory(4, certificateEntry) ||
        !file.U32(certificateEntry, tableOffset) || !file.U32(certificateEntry + 4, tableSize))
        return false;
    if (tableSize == 0 || tableSize > kMaxCertificateTable ||
        static_cast<int64_t>(tableOffset) + tableSize > fileSize || tableOffset < certificateEntry + 8)
        return false;
    std::vector<uint8_t> table(tableSize);
    return reader->SetPosition(tableOffset) && reader->Read(table.data(), tableSize) &&
           TableHoldsOnlySignedData(table.data(), table.size());
}

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
