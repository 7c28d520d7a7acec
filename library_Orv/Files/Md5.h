#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Orv {

// MD5 (RFC 1321).
class Md5 {
public:
    Md5();
    void Update(const void* data, size_t size);
    // The digest as 32 lower-case hexadecimal digits; the object is spent afterwards.
    std::string HexDigest();

private:
    void Transform(const uint8_t* block, size_t blocks);

    uint32_t state_[4];
    uint64_t length_ = 0;
    uint8_t buffer_[64] = {};
    size_t buffered_ = 0;
};

std::string Md5Hex(const void* data, size_t size);

} // namespace Orv
