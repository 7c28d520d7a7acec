// Feeds arbitrary bytes to the PE version-resource reader; each input is its own buffer, so any read past it is
// caught by AddressSanitizer.
#include "library_Orv/Pe/PeVersion.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> copy(data, data + size);
    uint16_t parts[4] = {};
    Orv::ReadPeFileVersion(copy.data(), copy.size(), parts);
    return 0;
}
