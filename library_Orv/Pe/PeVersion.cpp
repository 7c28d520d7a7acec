#include "PeVersion.h"

#include "PeImage.h"

#include <initializer_list>

namespace Orv {

namespace {
using Bytes = PeBytes;

struct Section {
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawOffset;
    uint32_t rawSize;
};

constexpr uint32_t kRtVersion = 16;
constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;

// The file offset of a relative virtual address, through the section table.
bool RvaToOffset(const Bytes& file, uint64_t sectionTable, uint32_t sectionCount, uint32_t rva, uint32_t& offset) {
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const uint64_t entry = sectionTable + 40ULL * i;
        Section section{};
        if (!file.U32(entry + 8, section.virtualSize) || !file.U32(entry + 12, section.virtualAddress) ||
            !file.U32(entry + 16, section.rawSize) || !file.U32(entry + 20, section.rawOffset))
            return false;
        const uint32_t extent = section.virtualSize > section.rawSize ? section.virtualSize : section.rawSize;
        if (rva >= section.virtualAddress && rva - section.virtualAddress < extent) {
            const uint64_t result = static_cast<uint64_t>(section.rawOffset) + (rva - section.virtualAddress);
            if (result > 0xFFFFFFFFULL)
                return false;
            offset = static_cast<uint32_t>(result);
            return true;
        }
    }
    return false;
}

// In a resource directory, the entry with the given id (or the first entry when id is 0); gives the raw offset
// field (high bit: subdirectory).
bool FindEntry(const Bytes& file, uint64_t directory, uint32_t id, uint32_t& target) {
    uint32_t named = 0, numbered = 0;
    if (!file.U16(directory + 12, named) || !file.U16(directory + 14, numbered))
        return false;
    const uint32_t count = named + numbered;
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t entry = directory + 16 + 8ULL * i;
        uint32_t name = 0;
        if (!file.U32(entry, name) || !file.U32(entry + 4, target))
            return false;
        if (id == 0 || (!(name & 0x80000000U) && name == id))
            return true;
    }
    return false;
}
} // namespace

bool ReadPeFileVersion(const uint8_t* data, size_t size, uint16_t parts[4]) {
    const Bytes file(data, size);
    PeHeaders headers;
    uint64_t resourceDirectoryEntry = 0;
    if (!ReadPeHeaders(file, headers) || !headers.Directory(2, resourceDirectoryEntry))
        return false;
    const uint64_t sectionTable = headers.sectionTable;
    const uint32_t sectionCount = headers.sectionCount;
    uint32_t resourceRva = 0, resourceSize = 0;
    if (!file.U32(resourceDirectoryEntry, resourceRva) || !file.U32(resourceDirectoryEntry + 4, resourceSize) ||
        resourceRva == 0)
        return false;
    uint32_t resourceOffset = 0;
    if (!RvaToOffset(file, sectionTable, sectionCount, resourceRva, resourceOffset))
        return false;

    // Type (RT_VERSION) -> first name -> first language, which points at a data entry.
    uint64_t directory = resourceOffset;
    uint32_t target = 0;
    for (const uint32_t id : {kRtVersion, 0U}) {
        if (!FindEntry(file, directory, id, target) || !(target & 0x80000000U))
            return false;
        directory = static_cast<uint64_t>(resourceOffset) + (target & 0x7FFFFFFFU);
    }
    if (!FindEntry(file, directory, 0, target) || (target & 0x80000000U))
        return false;
    const uint64_t dataEntry = static_cast<uint64_t>(resourceOffset) + target;
    uint32_t dataRva = 0, dataSize = 0, dataOffset = 0;
    if (!file.U32(dataEntry, dataRva) || !file.U32(dataEntry + 4, dataSize) ||
        !RvaToOffset(file, sectionTable, sectionCount, dataRva, dataOffset) || !file.Has(dataOffset, dataSize))
        return false;

    // VS_VERSIONINFO: three words, the key "VS_VERSION_INFO" in UTF-16 with its null, padding to 32 bits, then
    // VS_FIXEDFILEINFO.
    static const char kKey[] = "VS_VERSION_INFO";
    constexpr uint64_t kKeyOffset = 6;
    constexpr uint64_t kFixedOffset = 40;
    constexpr uint64_t kFixedSize = 52;
    uint32_t valueLength = 0;
    if (dataSize < kFixedOffset + kFixedSize || !file.U16(dataOffset + 2, valueLength) || valueLength < kFixedSize)
        return false;
    for (uint64_t i = 0; i < sizeof kKey; ++i) {
        uint32_t unit = 0;
        if (!file.U16(dataOffset + kKeyOffset + 2 * i, unit) || unit != static_cast<uint32_t>(kKey[i]))
            return false;
    }
    uint32_t fixedSignature = 0, mostSignificant = 0, leastSignificant = 0;
    const uint64_t fixed = dataOffset + kFixedOffset;
    if (!file.U32(fixed, fixedSignature) || fixedSignature != kFixedFileInfoSignature ||
        !file.U32(fixed + 8, mostSignificant) || !file.U32(fixed + 12, leastSignificant))
        return false;
    parts[0] = static_cast<uint16_t>(mostSignificant >> 16);
    parts[1] = static_cast<uint16_t>(mostSignificant & 0xFFFF);
    parts[2] = static_cast<uint16_t>(leastSignificant >> 16);
    parts[3] = static_cast<uint16_t>(leastSignificant & 0xFFFF);
    return true;
}

} // namespace Orv
