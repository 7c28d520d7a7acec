#include "DateTime.h"

#include <ctime>

namespace Orv {

// The thread-safe local-time conversion of the platform.
bool LocalTimeOf(time_t seconds, tm& out) {
    return localtime_s(&out, &seconds) == 0;
}

} // namespace Orv
