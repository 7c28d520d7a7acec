#pragma once

#include <cstddef>
#include <cstdint>

namespace Orv {

// Little-endian reads from a file's bytes; every read is checked against the buffer.
class PeBytes {
public:
    PeBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Has(uint64_t offset, uint64_t count) const { return offset <= size_ && count <= size_ - offset; }
    bool U16(uint64_t offset, uint32_t& value) const;
    bool U32(uint64_t offset, uint32_t& value) const;
    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    const uint8_t* data_;
    size_t size_;
};

// Where the headers of a PE image lie (file offsets).
struct PeHeaders {
    uint64_t optionalHeader = 0; // the optional header
    uint32_t optionalSize = 0;
    uint64_t checksum = 0;    // the CheckSum field
    uint64_t directories = 0; // the first data directory entry
    uint32_t directoryCount = 0;
    uint64_t sectionTable = 0;
    uint32_t sectionCount = 0;
    // The offset of data directory entry index (8 bytes: address, size); false when the image has none.
    bool Directory(uint32_t index, uint64_t& entry) const;
};

// The headers of an MZ/PE image (PE32 or PE32+); false for anything else or a truncated header.
bool ReadPeHeaders(const PeBytes& file, PeHeaders& headers);

} // namespace Orv
