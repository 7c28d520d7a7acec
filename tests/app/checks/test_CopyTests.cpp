#include "TempFolder.h"
#include "TestEnvironment.h"
#include "app/checks/CopyTests.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Orv;

namespace {
class CopyTests : public ::testing::Test {
protected:
    TempFolder temp_;
    // As the system sets it: without a trailing separator.
    const ScopedTestEnvironment tempVariable_{"TEMP", WStringToUtf8(temp_.Path().substr(0, temp_.Path().size() - 1))};
};

void CopyBoth(const Checks::CopyTestFolder& folder) {
    for (const std::wstring& source : folder.SourcePaths())
        ASSERT_TRUE(CopyOneFile(source, folder.TargetFolder() + source.substr(source.find_last_of(L"\\/") + 1)));
}
} // namespace

TEST_F(CopyTests, EachPassHasItsOwnFolderThatGoesWithIt) {
    std::wstring first;
    {
        Checks::CopyTestFolder one;
        Checks::CopyTestFolder two; // two passes at once never share their files
        ASSERT_TRUE(one.IsValid());
        ASSERT_TRUE(two.IsValid());
        first = one.Path();
        EXPECT_NE(one.Path(), two.Path());
        EXPECT_EQ(one.Path().compare(0, temp_.Path().size(), NormalizePath(temp_.Path(), true)), 0); // in %TEMP%
        EXPECT_EQ(one.TargetFolder().back(), NativeSeparator());
        const std::vector<std::wstring> sources = one.SourcePaths();
        ASSERT_EQ(sources.size(), 2u);
        EXPECT_EQ(one.CopyArgument(), one.TargetFolder() + L"|" + sources[0] + L"|" + sources[1]);
#ifndef _WIN32
        struct stat data {};
        ASSERT_EQ(lstat(WStringToUtf8(one.Path()).c_str(), &data), 0);
        EXPECT_EQ(data.st_mode & 0777, 0700u); // for this user alone
#endif
    }
    EXPECT_FALSE(DirectoryExists(first));
}

TEST_F(CopyTests, OnlyWholeCopiesCount) {
    Checks::CopyTestFolder folder;
    ASSERT_TRUE(folder.WriteSourceFiles());
    for (const std::wstring& source : folder.SourcePaths())
        EXPECT_EQ(ReadFileBytes(source), std::vector<uint8_t>(Checks::kCopySourceSize, 0));
    folder.ResetTargetFolder();
    const std::wstring target = folder.TargetFolder();
    EXPECT_TRUE(DirectoryExists(target));
    EXPECT_FALSE(folder.ExpectedCopiesMade());
    ASSERT_TRUE(CopyOneFile(folder.SourcePaths()[1], target + L"tmp2.txt"));
    EXPECT_FALSE(folder.ExpectedCopiesMade());                                          // one of two
    EXPECT_EQ(folder.MissingCopies(), std::vector<std::wstring>{target + L"tmp1.txt"}); // what a failed row names
    ASSERT_TRUE(CreateDirectories(target + L"tmp1.txt"));
    EXPECT_FALSE(folder.ExpectedCopiesMade()); // a folder is no copy
    RemoveFolder(target + L"tmp1.txt");
    ASSERT_TRUE(WriteBinaryFile(target + L"tmp1.txt", {}));
    EXPECT_FALSE(folder.ExpectedCopiesMade()); // an empty file is no copy (a full disk)
    ASSERT_TRUE(WriteBinaryFile(target + L"tmp1.txt", std::vector<uint8_t>(Checks::kCopySourceSize - 1, 0)));
    EXPECT_FALSE(folder.ExpectedCopiesMade()); // nor is a short one
    ASSERT_TRUE(WriteBinaryFile(target + L"tmp1.txt", std::vector<uint8_t>(Checks::kCopySourceSize, 1)));
    EXPECT_FALSE(folder.ExpectedCopiesMade()); // nor other content
    CopyBoth(folder);
    EXPECT_TRUE(folder.ExpectedCopiesMade());
    EXPECT_TRUE(folder.MissingCopies().empty());

    // A new test never counts the copies of the one before.
    folder.ResetTargetFolder();
    EXPECT_TRUE(ListFiles(target).empty());
    EXPECT_FALSE(folder.ExpectedCopiesMade());
}

#ifndef _WIN32
TEST_F(CopyTests, WithoutTempTheSystemTemporaryFolderIsUsed) {
    const ScopedTestEnvironment noTemp("TEMP");
    const ScopedTestEnvironment cache("XDG_CACHE_HOME", WStringToUtf8(temp_ / L"cache")); // where no runtime folder
    Checks::CopyTestFolder folder;
    ASSERT_TRUE(folder.IsValid());
    const std::wstring system = NormalizePath(GetSystemTempFolder(), true);
    EXPECT_EQ(folder.Path().compare(0, system.size(), system), 0);
    EXPECT_FALSE(IsRelativePath(folder.Path()));
}

// A neighbour who can write to a shared temporary folder plants links where the copy test used to work
// ("SKV/Source/tmp1.txt" to a file of ours, "SKV" to a folder of ours): nothing of ours is written or removed.
TEST_F(CopyTests, LinksInASharedTemporaryFolderAreNeverFollowed) {
    ASSERT_EQ(chmod(WStringToUtf8(temp_.Path()).c_str(), 01777), 0);
    TempFolder mine;
    ASSERT_TRUE(WriteTextFile(mine / L"precious.txt", "mine"));
    ASSERT_TRUE(CreateDirectories(mine / L"Target"));
    ASSERT_TRUE(WriteTextFile(mine / L"Target/kept.txt", "kept"));
    ASSERT_TRUE(CreateDirectories(temp_ / L"SKV/Source"));
    ASSERT_EQ(
        symlink(WStringToUtf8(mine / L"precious.txt").c_str(), WStringToUtf8(temp_ / L"SKV/Source/tmp1.txt").c_str()),
        0);
    ASSERT_EQ(symlink(WStringToUtf8(mine.Path()).c_str(), WStringToUtf8(temp_ / L"SKV-linked").c_str()), 0);
    {
        Checks::CopyTestFolder folder;
        ASSERT_TRUE(folder.IsValid());
        ASSERT_TRUE(folder.WriteSourceFiles());
        folder.ResetTargetFolder();
        CopyBoth(folder);
        EXPECT_TRUE(folder.ExpectedCopiesMade());
    }
    EXPECT_EQ(ReadFileBytes(mine / L"precious.txt"), std::vector<uint8_t>({'m', 'i', 'n', 'e'}));
    EXPECT_TRUE(FileExists(mine / L"Target/kept.txt"));
    // A name that exists in any form, a link included, is never taken for a new folder.
    EXPECT_FALSE(CreatePrivateDirectory(temp_ / L"SKV-linked"));
    EXPECT_FALSE(CreatePrivateDirectory(temp_ / L"SKV"));
}
#endif
