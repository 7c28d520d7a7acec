#include "ErrorRecorder.h"
#include "library_Orv/Error.h"

#include <gtest/gtest.h>

#include <regex>

using namespace Orv;

TEST(ErrorReport, LevelsHaveTheirCaptionsAndStyles) {
    EXPECT_STREQ(Error::LevelCaption(0), "Debug");
    EXPECT_STREQ(Error::LevelCaption(1), "Info");
    EXPECT_STREQ(Error::LevelCaption(2), "Warning");
    EXPECT_STREQ(Error::LevelCaption(3), "Error");
    EXPECT_STREQ(Error::LevelCaption(4), "IXError");
    EXPECT_EQ(Error::LevelStyle(0), 0x10030u); // debug carries the warning icon
    EXPECT_EQ(Error::LevelStyle(1), 0x10040u);
    EXPECT_EQ(Error::LevelStyle(2), 0x10030u);
    EXPECT_EQ(Error::LevelStyle(3), 0x10010u);
    EXPECT_EQ(Error::LevelStyle(17), 0x10u);
}

TEST(ErrorReport, HeaderHoldsFileLineTimeAndCaption) {
    const std::string header = Error::Header("library_Orv/Files/File.cpp", 42, 2);
    EXPECT_TRUE(std::regex_match(
        header, std::regex(R"(library_Orv/Files/File\.cpp\(42\) : \[\d\d:\d\d:\d\d\.\d{3}\] Warning)")))
        << header;
}

TEST(ErrorReport, WithoutHandlerShowsABoxUnlessQuietAndAlwaysWritesStdout) {
    ErrorRecorder recorder(false);
    testing::internal::CaptureStdout();
    Error::Report("disk is full", false, kErrorLevelError, "f.cpp", 1);
    Error::Report("quiet one", true, kErrorLevelError, "f.cpp", 2);
    Error::Report("", false, 9, "f.cpp", 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "disk is full\nquiet one\n\n");
    ASSERT_EQ(ErrorRecorder::Boxes().size(), 2u);
    EXPECT_EQ(ErrorRecorder::Boxes()[0].text, "disk is full");
    EXPECT_EQ(ErrorRecorder::Boxes()[0].caption, "Error");
    EXPECT_EQ(ErrorRecorder::Boxes()[0].style, 0x10010u);
    EXPECT_EQ(ErrorRecorder::Boxes()[1].text, "");
    EXPECT_EQ(ErrorRecorder::Boxes()[1].caption, "IXError");
}

TEST(ErrorReport, RegisteredHandlerReceivesWideHeaderAndMessageAndNoBoxIsShown) {
    ErrorRecorder recorder(true);
    testing::internal::CaptureStdout();
    Error::Report("caf\xC3\xA9 failed", false, kErrorLevelInfo, "lib.cpp", 7);
    Error::Report(std::wstring(L"wide \u00e9"), false, "lib.cpp", 8);
    Error::Report("level five", false, 5, "lib.cpp", 9); // no handler slot: the box path
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(recorder.reports.size(), 2u);
    EXPECT_EQ(recorder.reports[0].message, L"caf\u00e9 failed");
    EXPECT_EQ(recorder.reports[0].level, kErrorLevelInfo);
    EXPECT_EQ(recorder.reports[0].header.rfind(L"lib.cpp(7) : [", 0), 0u);
    EXPECT_EQ(recorder.reports[0].header.substr(recorder.reports[0].header.size() - 6), L"] Info");
    EXPECT_EQ(recorder.reports[1].message, L"wide \u00e9");
    EXPECT_EQ(recorder.reports[1].level, kErrorLevelError);
    ASSERT_EQ(ErrorRecorder::Boxes().size(), 1u);
    EXPECT_EQ(ErrorRecorder::Boxes()[0].caption, "IXError");
}

TEST(ErrorReport, ClearsTheLastErrorExceptInvalidAddress) {
    ErrorRecorder recorder(false); // as in the program: no handler, so no conversion touches the last error
    const auto lastErrorAfterReport = [](unsigned long before) {
        testing::internal::CaptureStdout();
        SetLastErrorCode(before);
        Error::Report("x", true, kErrorLevelError, "f.cpp", 1);
        const unsigned long after = GetLastErrorCode();
        testing::internal::GetCapturedStdout();
        SetLastErrorCode(0);
        return after;
    };
    EXPECT_EQ(lastErrorAfterReport(5), 0u);
    EXPECT_EQ(lastErrorAfterReport(487), 487u);
}

TEST(LastErrorText, FormsCodeAndSystemText) {
    std::string text = "unchanged";
    SetLastErrorCode(0);
    EXPECT_FALSE(GetLastErrorText(text));
    EXPECT_EQ(text, "unchanged");
    SetLastErrorCode(487);
    EXPECT_FALSE(GetLastErrorText(text));
    EXPECT_EQ(text, "unchanged");
    SetLastErrorCode(2);
    EXPECT_TRUE(GetLastErrorText(text));
    EXPECT_EQ(text.rfind("Error 2", 0), 0u) << text;
    // When the system has a text, it follows " :".
    EXPECT_TRUE(text == "Error 2" || text.rfind("Error 2 :", 0) == 0) << text;
    EXPECT_EQ(GetLastErrorCode(), 0u);
}
