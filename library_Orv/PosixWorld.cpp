#include "PosixWorld.h"

#include <cstdlib>

namespace Orv {

std::string PosixWorldPath(const char* variable, const std::string& fallback) {
    const char* value = std::getenv(variable);
    return value && *value ? std::string(value) : fallback;
}

} // namespace Orv
