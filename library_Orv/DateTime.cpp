#include "DateTime.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace Orv {

// 64-bit seconds on every platform: the 32-bit Windows program's time_t ends in 2038.
bool LocalTimeOf(int64_t seconds, tm& out);

bool BreakDownLocalTime(int64_t secondsSinceEpoch, DateTime& out) {
    tm local{};
    if (!LocalTimeOf(secondsSinceEpoch, local))
        return false;
    out.year = local.tm_year + 1900;
    out.month = local.tm_mon + 1;
    out.day = local.tm_mday;
    out.hour = local.tm_hour;
    out.minute = local.tm_min;
    out.second = local.tm_sec;
    return true;
}

DateTime DateTime::Now() {
    DateTime now;
    BreakDownLocalTime(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count(),
        now);
    // The milliseconds come from a second, separate reading of the clock.
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    now.millisecond = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    return now;
}

void DateTime::Append(const char* text, size_t size) {
    if (used_ + size > buffer_.size())
        buffer_.resize(used_ + size + 50);
    for (size_t i = 0; i < size; ++i)
        buffer_[used_ + i] = text[i];
    used_ += size;
}

void DateTime::AppendField(int64_t value, size_t digits) {
    char format[16];
    std::snprintf(format, sizeof format, "%%0%zui", digits);
    std::vector<char> field(digits + 1);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    std::snprintf(field.data(), field.size(), format, static_cast<int>(value));
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    size_t length = 0;
    while (length < digits && field[length] != '\0')
        ++length;
    Append(field.data(), length);
}

std::string DateTime::Format(const std::string& pattern) {
    used_ = 0;
    const size_t size = pattern.size();
    for (size_t i = 0; i < size;) {
        const char c = pattern[i];
        const char next = i + 1 < size ? pattern[i + 1] : '\0';
        if (c == 'Y') {
            size_t run = 1;
            while (run < 4 && i + run < size && pattern[i + run] == 'Y')
                ++run;
            if (run == 2)
                AppendField(year % 100, 2);
            else
                AppendField(year, 4);
            i += run;
        } else if (c == 'M' && next == 'O') {
            AppendField(month, 2);
            i += 2;
        } else if (c == 'M' && next == 'I') {
            AppendField(minute, 2);
            i += 2;
        } else if (c == 'M' && next == 'S') {
            AppendField(millisecond, 3);
            i += 2;
        } else if (c == 'D' && next == 'D') {
            AppendField(day, 2);
            i += 2;
        } else if (c == 'H' && next == 'H') {
            AppendField(hour, 2);
            i += 2;
        } else if (c == 'S' && next == 'S') {
            AppendField(second, 2);
            i += 2;
        } else {
            Append(&c, 1);
            ++i;
        }
    }
    return used_ == 0 ? std::string() : std::string(buffer_.data(), used_);
}

} // namespace Orv
