#pragma once

#include <cstddef>
#include <cstdint>

namespace Orv {

// Reads the fixed file version of a PE image's version resource (RT_VERSION, VS_FIXEDFILEINFO) from the file's
// bytes. Every offset is checked against the buffer: a truncated or hostile file gives false.
// parts receives the four numbers: high and low word of the most significant half, then of the least.
bool ReadPeFileVersion(const uint8_t* data, size_t size, uint16_t parts[4]);

} // namespace Orv
