#include "library_Orv/DateTime.h"

#include <gtest/gtest.h>

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

TEST(DateTimeNow, FieldsAreInRange) {
    const DateTime now = DateTime::Now();
    EXPECT_GE(now.year, 2020);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
    EXPECT_LE(now.hour, 23);
    EXPECT_LE(now.minute, 59);
    EXPECT_LE(now.second, 60);
    EXPECT_GE(now.millisecond, 0);
    EXPECT_LE(now.millisecond, 999);
}
