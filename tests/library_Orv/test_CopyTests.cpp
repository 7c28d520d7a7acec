#include "TempFolder.h"
#include "TestEnvironment.h"
#include "app/checks/CopyTests.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"

#include <gtest/gtest.h>

using namespace Orv;

namespace {
class CopyTests : public ::testing::Test {
protected:
    void SetUp() override {
        hadTemp_ = GetEnvironmentValue(L"TEMP", savedTemp_);
        // As the system sets it: without a trailing separator.
        SetTestEnvironment("TEMP", WStringToUtf8(temp_.Path().substr(0, temp_.Path().size() - 1)));
    }
    void TearDown() override {
        if (hadTemp_)
            SetTestEnvironment("TEMP", WStringToUtf8(savedTemp_));
        else
            UnsetTestEnvironment("TEMP");
    }

    std::wstring Native(const std::wstring& relative) const { return NormalizePath(temp_.Path() + relative, false); }
    TempFolder temp_;
    bool hadTemp_ = false;
    std::wstring savedTemp_;
};
} // namespace

TEST_F(CopyTests, PathsAndTheCopyArgument) {
    const std::wstring target = Native(L"SKV/Target/");
    EXPECT_EQ(Checks::CopyTestPath(Checks::kCopyTargetFolder), target);
    EXPECT_EQ(target.back(), NativeSeparator()); // the literal's trailing separator stays
    const std::vector<std::wstring> sources = Checks::PrepareSourcePaths();
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(sources[0], Native(L"SKV/Source/tmp1.txt"));
    EXPECT_EQ(sources[1], Native(L"SKV/Source/tmp2.txt"));
    EXPECT_TRUE(DirectoryExists(Native(L"SKV/Source")));
    EXPECT_EQ(Checks::CopyArgument(sources), target + L"|" + sources[0] + L"|" + sources[1]);
}

TEST_F(CopyTests, SourcesAreReplacedAndOnlyCopiedFilesCount) {
    const std::vector<std::wstring> sources = Checks::PrepareSourcePaths();
    ASSERT_TRUE(WriteBinaryFile(sources[0], std::vector<uint8_t>(2000, 7)));
    Checks::WriteSourceFiles(sources);
    for (const std::wstring& source : sources)
        EXPECT_EQ(ReadFileBytes(source), std::vector<uint8_t>(Checks::kCopySourceSize, 0));

    Checks::ResetTargetFolder();
    const std::wstring target = Checks::CopyTestPath(Checks::kCopyTargetFolder);
    EXPECT_TRUE(DirectoryExists(target));
    EXPECT_FALSE(Checks::ExpectedCopiesExist());
    ASSERT_TRUE(CopyOneFile(sources[1], target + L"tmp2.txt"));
    EXPECT_FALSE(Checks::ExpectedCopiesExist()); // one of two
    ASSERT_TRUE(CreateDirectories(target + L"tmp1.txt"));
    EXPECT_FALSE(Checks::ExpectedCopiesExist()); // a folder is no copy
    RemoveFolder(target + L"tmp1.txt");
    ASSERT_TRUE(CopyOneFile(sources[0], target + L"tmp1.txt"));
    EXPECT_TRUE(Checks::ExpectedCopiesExist());

    // A new test never counts the copies of the one before.
    Checks::ResetTargetFolder();
    EXPECT_TRUE(DirectoryExists(target));
    EXPECT_TRUE(ListFiles(target).empty());
    EXPECT_FALSE(Checks::ExpectedCopiesExist());
}

#ifndef _WIN32
TEST_F(CopyTests, WithoutTempTheSystemTemporaryFolderIsUsed) {
    UnsetTestEnvironment("TEMP");
    const std::wstring target = Checks::CopyTestPath(Checks::kCopyTargetFolder);
    EXPECT_EQ(target, NormalizePath(GetSystemTempFolder(), true) + L"SKV/Target/");
    EXPECT_FALSE(IsRelativePath(target));
}
#endif
