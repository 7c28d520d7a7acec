#include "Authenticode.h"

#include "PeImage.h"

#include "library_Orv/Files/FileReader.h"

#include <algorithm>
#include <functional>
#include <memory>

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

// The layout from the image's headers (head: the file's first bytes, or all of them) and its size; readTable gives
// the certificate table's bytes. The table itself is read whole (it is small); the rest of the file never is.
using TableReader = std::function<bool(uint64_t offset, uint32_t size, std::vector<uint8_t>& table)>;
bool LayoutOf(const PeBytes& head, uint64_t size, const TableReader& readTable, AuthenticodeLayout& layout) {
    layout = AuthenticodeLayout();
    PeHeaders headers;
    uint64_t certificateEntry = 0;
    uint32_t tableOffset = 0, tableSize = 0;
    if (!ReadPeHeaders(head, headers) || !headers.Directory(4, certificateEntry) ||
        !head.U32(certificateEntry, tableOffset) || !head.U32(certificateEntry + 4, tableSize))
        return false;
    const uint64_t checksum = headers.checksum;
    // An unsigned image: everything but the checksum and the directory entry is hashed.
    uint64_t tableStart = size;
    uint64_t tableEnd = size;
    if (tableOffset != 0 || tableSize != 0) {
        tableStart = tableOffset;
        tableEnd = static_cast<uint64_t>(tableOffset) + tableSize;
        if (tableEnd > size || tableStart < certificateEntry + 8 || tableSize > kMaxCertificateTable)
            return false;
        if (!readTable(tableStart, tableSize, layout.certificateTable))
            return false;
    }
    layout.hashedRanges = {
        {0, static_cast<size_t>(checksum)},
        {static_cast<size_t>(checksum + 4), static_cast<size_t>(certificateEntry - checksum - 4)},
        {static_cast<size_t>(certificateEntry + 8), static_cast<size_t>(tableStart - certificateEntry - 8)}};
    if (tableEnd < size)
        layout.hashedRanges.emplace_back(static_cast<size_t>(tableEnd), static_cast<size_t>(size - tableEnd));
    // WIN_CERTIFICATE entries, each 8-byte aligned: length, revision, type, then the certificate.
    const std::vector<uint8_t>& table = layout.certificateTable;
    const PeBytes entries(table.data(), table.size());
    for (uint64_t entry = 0; entry + 8 <= table.size();) {
        uint32_t length = 0, type = 0;
        if (!entries.U32(entry, length) || !entries.U16(entry + 6, type) || length < 8 || !entries.Has(entry, length))
            break;
        if (type == kCertificateTypePkcsSignedData) {
            layout.signature.assign(table.begin() + static_cast<std::ptrdiff_t>(entry + 8),
                                    table.begin() + static_cast<std::ptrdiff_t>(entry + length));
            break;
        }
        entry += (static_cast<uint64_t>(length) + 7) & ~static_cast<uint64_t>(7);
    }
    return true;
}
} // namespace

bool ReadAuthenticodeLayout(const uint8_t* data, size_t size, AuthenticodeLayout& layout) {
    return LayoutOf(
        PeBytes(data, size), size,
        [data](uint64_t offset, uint32_t length, std::vector<uint8_t>& table) {
            table.assign(data + offset, data + offset + length);
            return true;
        },
        layout);
}

bool ReadAuthenticodeLayoutOfFile(const std::wstring& path, AuthenticodeLayout& layout) {
    const int64_t fileSize = GetFileSize64(path);
    std::unique_ptr<IFileReader> reader = OpenFileReader(path);
    if (!reader || fileSize <= 0)
        return false;
    std::vector<uint8_t> head(static_cast<size_t>(std::min<int64_t>(fileSize, kHeadBytes)));
    if (!reader->Read(head.data(), static_cast<uint32_t>(head.size())))
        return false;
    return LayoutOf(
        PeBytes(head.data(), head.size()), static_cast<uint64_t>(fileSize),
        [&reader](uint64_t offset, uint32_t length, std::vector<uint8_t>& table) {
            table.resize(length);
            return reader->SetPosition(static_cast<int64_t>(offset)) && reader->Read(table.data(), length);
        },
        layout);
}

bool HoldsOnlySignedDataCertificates(const std::wstring& path) {
    AuthenticodeLayout layout;
    return ReadAuthenticodeLayoutOfFile(path, layout) &&
           TableHoldsOnlySignedData(layout.certificateTable.data(), layout.certificateTable.size());
}

bool DigestOfFileRanges(const std::wstring& path, const AuthenticodeLayout& layout,
                        const std::function<void(const uint8_t* data, size_t size)>& consume) {
    std::unique_ptr<IFileReader> reader = OpenFileReader(path);
    if (!reader)
        return false;
    constexpr size_t kPiece = 1 << 20;
    std::vector<uint8_t> piece(kPiece);
    for (const auto& [offset, length] : layout.hashedRanges) {
        if (length > 0 && !reader->SetPosition(static_cast<int64_t>(offset)))
            return false;
        for (size_t done = 0; done < length;) {
            const size_t count = std::min(kPiece, length - done);
            if (!reader->Read(piece.data(), static_cast<uint32_t>(count)))
                return false;
            consume(piece.data(), count);
            done += count;
        }
    }
    return true;
}

} // namespace Orv
