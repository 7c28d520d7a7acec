#include "ErrorRecorder.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Utf8Codec.h"

#include <gtest/gtest.h>

using namespace Orv;

TEST(StringConversions, EmptySourceGivesEmptyResult) {
    ErrorRecorder recorder;
    EXPECT_TRUE(Utf8ToWString("").empty());
    EXPECT_TRUE(WStringToUtf8(L"").empty());
    EXPECT_TRUE(StringToWString("").empty());
    EXPECT_TRUE(WStringToString(L"").empty());
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(StringConversions, Utf8RoundTrip) {
    ErrorRecorder recorder;
    EXPECT_EQ(Utf8ToWString("\xC3\xA9"), std::wstring(1, 0xE9));
    EXPECT_EQ(WStringToUtf8(std::wstring(1, 0xE9)), "\xC3\xA9");
    const std::string mixed = "a\xE2\x82\xAC z \xF0\x9F\x98\x80"; // euro sign and an emoji
    EXPECT_EQ(WStringToUtf8(Utf8ToWString(mixed)), mixed);
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(StringConversions, InvalidUtf8BecomesReplacementCharacterWithoutReport) {
    ErrorRecorder recorder;
    EXPECT_EQ(Utf8ToWString("\xFF"), std::wstring(1, 0xFFFD));
    const std::wstring mixed = Utf8ToWString("a\xFF"
                                             "b");
    EXPECT_EQ(mixed.size(), 3u);
    EXPECT_EQ(mixed[1], static_cast<wchar_t>(0xFFFD));
    EXPECT_EQ(mixed[2], L'b');
    EXPECT_TRUE(recorder.reports.empty());
    EXPECT_TRUE(ErrorRecorder::Boxes().empty());
}

TEST(StringConversions, EmbeddedNullsAreKept) {
    const std::string narrow("a\0b", 3);
    const std::wstring wide(L"a\0b", 3);
    EXPECT_EQ(Utf8ToWString(narrow), wide);
    EXPECT_EQ(WStringToUtf8(wide), narrow);
    EXPECT_EQ(StringToWString(narrow), wide);
    EXPECT_EQ(WStringToString(wide), narrow);
}

TEST(StringConversions, Windows1252) {
    ErrorRecorder recorder;
    EXPECT_EQ(WStringToString(std::wstring(1, 0x20AC)), "\x80");
    EXPECT_EQ(WStringToString(std::wstring(1, 0x4E2D)), "?");
    EXPECT_EQ(WStringToString(std::wstring(1, 0xE9)), "\xE9");
    EXPECT_EQ(StringToWString("\x80\xE9\x9F"), (std::wstring{wchar_t(0x20AC), wchar_t(0xE9), wchar_t(0x178)}));
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(Utf8Scrub, ReplacesEveryInvalidSequenceAndKeepsValidText) {
    EXPECT_EQ(Orv::ScrubUtf8("ok \xEF\xBF\xBD \xC3\xA9"), "ok \xEF\xBF\xBD \xC3\xA9");
    // A truncated four-byte sequence of three bytes is one invalid sequence, not a replacement character.
    EXPECT_EQ(Orv::ScrubUtf8("\xF3\x98\x98x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Orv::ScrubUtf8("a\xFF"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Orv::ScrubUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"); // an encoded surrogate
}
