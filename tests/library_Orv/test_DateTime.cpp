#include "library_Orv/DateTime.h"

#include <gtest/gtest.h>

#include <ctime>

using Orv::DateTime;

namespace {
DateTime Sample() {
    DateTime time;
    time.year = 2026;
    time.month = 12;
    time.day = 5;
    time.hour = 7;
    time.minute = 5;
    time.second = 9;
    time.millisecond = 42;
    return time;
}
} // namespace

TEST(DateTimeFormat, TokensGiveZeroPaddedFields) {
    DateTime time = Sample();
    EXPECT_EQ(time.Format("HH:MI:SS.MS"), "07:05:09.042");
    EXPECT_EQ(time.Format("YY-MO-DD"), "26-12-05");
    EXPECT_EQ(time.Format("YYYY"), "2026");
    EXPECT_EQ(time.Format("YYY"), "2026");
    EXPECT_EQ(time.Format("Y"), "2026");
    // At most four letters Y form one token.
    EXPECT_EQ(time.Format("YYYYY"), "20262026");
    EXPECT_EQ(time.Format("YYYYYY"), "202626");
}

TEST(DateTimeFormat, LoneLettersAndOtherCharactersAreCopied) {
    DateTime time = Sample();
    EXPECT_EQ(time.Format("D-H"), "D-H");
    EXPECT_EQ(time.Format("S MX Ma M"), "S MX Ma M");
    EXPECT_EQ(time.Format("[DD/MO]"), "[05/12]");
    EXPECT_EQ(time.Format(""), "");
    EXPECT_EQ(time.Format("MOMIMS"), "1205042");
}

TEST(DateTimeFormat, ReusedRecordFormatsEachPatternAfresh) {
    DateTime time = Sample();
    const std::string longText = time.Format(std::string(200, 'x') + "YYYY");
    EXPECT_EQ(longText.size(), 204u);
    EXPECT_EQ(longText.substr(200), "2026");
    EXPECT_EQ(time.Format("SS"), "09");
}

// The local breakdown agrees with the C library's own, field by field (years from 1900, months from 0 there), and
// goes past 2038 where the platform's time_t does not (the 32-bit Windows program's).
TEST(DateTimeLocal, BreakdownMatchesTheCLibrary) {
    for (const int64_t seconds : {int64_t(0), int64_t(951782400), int64_t(1700000000), int64_t(4102444799)}) {
        DateTime broken;
        ASSERT_TRUE(Orv::BreakDownLocalTime(seconds, broken)) << seconds;
        const time_t time = static_cast<time_t>(seconds);
        if (static_cast<int64_t>(time) != seconds) {
            // 2099-12-31 23:59:59 UTC: the last day of 2099 or the first of 2100, whatever the time zone.
            EXPECT_TRUE((broken.year == 2099 && broken.month == 12 && broken.day == 31) ||
                        (broken.year == 2100 && broken.month == 1 && broken.day == 1))
                << broken.year << "-" << broken.month << "-" << broken.day;
            continue;
        }
        const std::tm expected = *std::localtime(&time);
        EXPECT_EQ(broken.year, expected.tm_year + 1900) << seconds;
        EXPECT_EQ(broken.month, expected.tm_mon + 1) << seconds;
        EXPECT_EQ(broken.day, expected.tm_mday) << seconds;
        EXPECT_EQ(broken.hour, expected.tm_hour) << seconds;
        EXPECT_EQ(broken.minute, expected.tm_min) << seconds;
        EXPECT_EQ(broken.second, expected.tm_sec) << seconds;
    }
}
