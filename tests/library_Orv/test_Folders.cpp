#include "ErrorRecorder.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Processes.h"

#include <gtest/gtest.h>

using namespace Orv;

TEST(Folders, ApplicationAndDataFolder) {
    const std::wstring own = OwnExecutablePath();
    const std::wstring folder = GetApplicationFolder();
    EXPECT_EQ(own.rfind(folder, 0), 0u);
    EXPECT_EQ(folder.back(), NativeSeparator());
    EXPECT_EQ(GetDataFolder(), folder + L"data" + NativeSeparator());
    EXPECT_FALSE(IsPortable());
}

TEST(Folders, TempFolderIsCreatedAndJoined) {
    const std::wstring top = L"SkvFolderTest" + std::to_wstring(CurrentProcessId());
    const std::wstring folder = GetTempFolder(top + L"/Target/");
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_EQ(folder.back(), NativeSeparator());
    EXPECT_EQ(folder.rfind(NormalizePath(GetSystemTempFolder(), true), 0), 0u);
    EXPECT_TRUE(RemoveFolder(NormalizePath(GetSystemTempFolder(), true) + top));
}

TEST(Folders, DataFoldersLieUnderTheKnownFoldersAndAreCached) {
    ErrorRecorder recorder;
    // On POSIX the known folders follow the XDG variables: the test's own, not the user's real ones. (On Windows
    // they are the user's, and what the test makes there it removes.)
    TempFolder home;
    const ScopedTestEnvironment config("XDG_CONFIG_HOME", WStringToUtf8(home / L"config"));
    const ScopedTestEnvironment data("XDG_DATA_HOME", WStringToUtf8(home / L"local"));
    std::wstring roaming;
    ASSERT_TRUE(GetKnownFolder(KnownFolder::RoamingAppData, roaming));
    const std::wstring product = L"SkvFolderTest";
    const std::wstring folder = GetRoamingDataFolder(L"", product, false);
    EXPECT_EQ(folder, NormalizePath(PathJoin(NormalizePath(roaming, true), product), true));
    EXPECT_TRUE(DirectoryExists(folder));
    RemoveFolder(folder);
    EXPECT_EQ(GetRoamingDataFolder(L"", product, false), folder); // cached: not computed (nor created) again
    EXPECT_FALSE(DirectoryExists(folder));
    std::wstring local;
    ASSERT_TRUE(GetKnownFolder(KnownFolder::LocalAppData, local));
    const std::wstring localFolder = GetLocalDataFolder(L"SkvMaker", product);
    EXPECT_EQ(localFolder, NormalizePath(PathJoin(NormalizePath(local, true), L"SkvMaker\\" + product), true));
    EXPECT_TRUE(DirectoryExists(localFolder));
    RemoveFolder(NormalizePath(PathJoin(NormalizePath(local, true), L"SkvMaker"))); // on Windows the user's real folder
    EXPECT_FALSE(DirectoryExists(localFolder));
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(Folders, PosixTempWithoutTEMPIsPrivate) {
    if (NativeSeparator() == L'\\')
        GTEST_SKIP() << "Windows has GetTempPathW";
    TempFolder temp;
    const std::string home = WStringToUtf8(temp.Path());
    const ScopedTestEnvironment cache("XDG_CACHE_HOME", home + "cache");
    const ScopedTestEnvironment noRuntime("XDG_RUNTIME_DIR");
    const ScopedTestEnvironment noTemp("TEMP");
    const std::wstring folder = GetSystemTempFolder();
    EXPECT_EQ(folder, temp / L"cache/SkorvaneDiagnostics-temp");
    EXPECT_TRUE(DirectoryExists(folder));
}
