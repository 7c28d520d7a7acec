#include "PeImage.h"

namespace Orv {

bool PeBytes::U16(uint64_t offset, uint32_t& value) const {
    if (!Has(offset, 2))
        return false;
    value = static_cast<uint32_t>(data_[offset] | (data_[offset + 1] << 8));
    return true;
}

bool PeBytes::U32(uint64_t offset, uint32_t& value) const {
    if (!Has(offset, 4))
        return false;
    value = static_cast<uint32_t>(data_[offset]) | (static_cast<uint32_t>(data_[offset + 1]) << 8) |
            (static_cast<uint32_t>(data_[offset + 2]) << 16) | (static_cast<uint32_t>(data_[offset + 3]) << 24);
    return true;
}

bool PeHeaders::Directory(uint32_t index, uint64_t& entry) const {
    if (index >= directoryCount)
        return false;
    entry = directories + 8ULL * index;
    return entry + 8 <= optionalHeader + optionalSize;
}

bool ReadPeHeaders(const PeBytes& file, PeHeaders& headers) {
    uint32_t magic = 0, peOffset = 0, signature = 0, optionalMagic = 0;
    if (!file.U16(0, magic) || magic != 0x5A4D || !file.U32(0x3C, peOffset) || !file.U32(peOffset, signature) ||
        signature != 0x00004550)
        return false;
    const uint64_t coff = static_cast<uint64_t>(peOffset) + 4;
    if (!file.U16(coff + 2, headers.sectionCount) || !file.U16(coff + 16, headers.optionalSize))
        return false;
    headers.optionalHeader = coff + 20;
    if (!file.U16(headers.optionalHeader, optionalMagic))
        return false;
    // The data directories follow the fixed part of the optional header, which differs for PE32 and PE32+.
    if (optionalMagic == 0x10B)
        headers.directories = headers.optionalHeader + 96;
    else if (optionalMagic == 0x20B)
        headers.directories = headers.optionalHeader + 112;
    else
        return false;
    headers.checksum = headers.optionalHeader + 64;
    headers.sectionTable = headers.optionalHeader + headers.optionalSize;
    return file.U32(headers.directories - 4, headers.directoryCount);
}

} // namespace Orv
