#include "DateTime.h"

#include <ctime>

namespace Orv {

// The thread-safe local-time conversion of the platform, on 64-bit seconds whatever time_t is (32 bits in the
// 32-bit program).
bool LocalTimeOf(int64_t seconds, tm& out) {
    const __time64_t time = seconds;
    return _localtime64_s(&out, &time) == 0;
}

} // namespace Orv
