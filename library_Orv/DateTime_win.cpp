#include "DateTime.h"

#include <ctime>

namespace Orv {

bool BreakDownLocalTime(int64_t secondsSinceEpoch, DateTime& out) {
    const time_t seconds = static_cast<time_t>(secondsSinceEpoch);
    tm local{};
    if (localtime_s(&local, &seconds) != 0)
        return false;
    out.year = local.tm_year + 1900;
    out.month = local.tm_mon + 1;
    out.day = local.tm_mday;
    out.hour = local.tm_hour;
    out.minute = local.tm_min;
    out.second = local.tm_sec;
    return true;
}

} // namespace Orv
