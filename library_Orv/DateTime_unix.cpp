#include "DateTime.h"

#include <ctime>

namespace Orv {

// The thread-safe local-time conversion of the platform.
bool LocalTimeOf(time_t seconds, tm& out) {
    return localtime_r(&seconds, &out) != nullptr;
}

} // namespace Orv
