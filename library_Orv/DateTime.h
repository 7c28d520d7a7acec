#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Orv {

// A broken-down local time and the text of its last Format.
class DateTime {
public:
    int64_t year = 0;
    int64_t month = 0;
    int64_t day = 0;
    int64_t hour = 0;
    int64_t minute = 0;
    int64_t second = 0;
    int64_t millisecond = 0;

    static DateTime Now();

    // Replaces the tokens YYYY/YYY/Y, YY, MO, DD, HH, MI, SS and MS by zero-padded fields; copies the rest.
    std::string Format(const std::string& pattern);

private:
    void AppendField(int64_t value, size_t digits);
    void Append(const char* text, size_t size);

    std::vector<char> buffer_;
    size_t used_ = 0;
};

// Breaks the calendar time down in local time; the platform part of DateTime::Now.
bool BreakDownLocalTime(int64_t secondsSinceEpoch, DateTime& out);

} // namespace Orv
