#include "DateTime.h"

#include <ctime>

namespace Orv {

// The thread-safe local-time conversion of the platform.
bool LocalTimeOf(int64_t seconds, tm& out) {
    const time_t time = static_cast<time_t>(seconds);
    return static_cast<int64_t>(time) == seconds && localtime_r(&time, &out) != nullptr;
}

} // namespace Orv
