#include "ComApartment.h"
#include "ChildProgram.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Registry.h"
#include "library_Orv/Processes.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace Orv;

TEST(ProductPath, DisplayIconInEveryFormItIsWritten) {
    TempFolder temp;
    const std::wstring installed = temp / L"Skorvane.exe";
    WriteTextFile(installed, "MZ");
    const auto named = [](uint32_t typeCode, const std::wstring& text) {
        return ProductPathFromDisplayIcon(RegistryValue::FromData(typeCode, TestRegistry::Utf16Bytes(text)));
    };
    EXPECT_EQ(named(1, installed), installed);
    EXPECT_EQ(named(1, L"\"" + installed + L"\",0"), installed);
    EXPECT_EQ(named(1, installed + L",-101"), installed);
    EXPECT_EQ(named(1, L"\"" + installed), L"");
    EXPECT_EQ(named(7, installed), L""); // a list is no path
    EXPECT_EQ(named(1, L"Skorvane.exe"), L"");
    // A null ends the string: what follows it never names another file.
    EXPECT_EQ(named(1, installed + std::wstring(L"\0\\other.exe", 11)), installed);
    const bool windows = NativeSeparator() == L'\\';
    if (windows) {
        EXPECT_EQ(named(1, L"\\\\?\\" + installed), installed);
        std::wstring slashes = installed;
        std::replace(slashes.begin(), slashes.end(), L'\\', L'/');
        EXPECT_EQ(named(1, slashes), installed);
        EXPECT_EQ(named(1, L"\\\\?\\UNC\\server\\share\\Skorvane.exe"), L"\\\\server\\share\\Skorvane.exe");
    }
    {
        TestRegistry registry;
        const ScopedTestEnvironment install("SKV_TEST_INSTALL", WStringToUtf8(temp.Path()));
        registry.SetRaw(RegistryRoot::LocalMachine, kProductUninstallKey, L"DisplayIcon", 2,
                        TestRegistry::Utf16Bytes(L"%SKV_TEST_INSTALL%Skorvane.exe"));
        EXPECT_TRUE(SameFileName(GetProductExePath(), installed));
    }
    {
        TestRegistry registry; // only the entry of a 64-bit installer
        registry.SetString(RegistryRoot::LocalMachine, kProductUninstallKeyNative, L"DisplayIcon", installed);
        EXPECT_EQ(GetProductExePath(), installed);
    }
}

TEST(ProductPath, UninstallEntryThenDefaultFolders) {
    TempFolder temp;
    const std::wstring installed = temp / L"Skorvane.exe";
    WriteTextFile(installed, "MZ");
    {
        TestRegistry registry;
        registry.SetString(RegistryRoot::LocalMachine, kProductUninstallKey, L"DisplayIcon", installed);
        EXPECT_EQ(GetProductExePath(), installed);
    }
    {
        // No entry, and the product in the first default folder. On POSIX that folder is relative: a program planted
        // under the working folder's "C:/Program Files/Skorvane/" is not the product, and is never named.
        // What this test makes goes afterwards (the folder on Windows, the relative "C:" tree here), so it never
        // touches a folder that was there before it.
        const bool posix = NativeSeparator() == L'/';
        const std::wstring made = posix ? std::wstring(L"C:") : L"C:\\Program Files\\Skorvane";
        if (!DirectoryExists(made)) {
            const std::wstring programFiles = PathJoin(L"C:\\Program Files\\Skorvane\\", L"Skorvane.exe");
            const std::wstring programFilesX86 = PathJoin(L"C:\\Program Files (x86)\\Skorvane\\", L"Skorvane.exe");
            ASSERT_TRUE(WriteTextFile(programFiles, "MZ"));
            EXPECT_EQ(GetProductExePath(), posix ? std::wstring() : programFiles);
            if (posix) {
                ASSERT_TRUE(WriteTextFile(programFilesX86, "MZ"));
                EXPECT_EQ(GetProductExePath(), L"");
            }
            EXPECT_TRUE(RemoveFolder(made));
        }
    }
    {
        TestRegistry registry; // the entry names a file that is gone: the default folders are tried
        registry.SetString(RegistryRoot::LocalMachine, kProductUninstallKey, L"DisplayIcon", temp / L"gone.exe");
        const std::wstring fallback = GetProductExePath();
        EXPECT_EQ(fallback, NativeSeparator() == L'/'
                                ? std::wstring()
                                : PathJoin(L"C:\\Program Files (x86)\\Skorvane\\", L"Skorvane.exe"));
        // Nor is an entry that names a relative path.
        registry.SetString(RegistryRoot::LocalMachine, kProductUninstallKey, L"DisplayIcon", L"Skorvane.exe");
        EXPECT_EQ(GetProductExePath(), fallback);
    }
}

TEST(OperatingSystem, CaptionIsReadAndCached) {
    ComApartment com;
    const std::wstring first = GetOSCaptionText();
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(GetOSCaptionText(), first);
}

// A console program's thread has no COM (its window is offscreen); the query brings its own and leaves the thread
// as it found it: without COM, or with the apartment its owner set up still in place.
TEST(OperatingSystem, CaptionOnThreadsWithAndWithoutCom) {
    std::wstring caption;
    bool initializedAfter = true;
    std::thread([&] {
        caption = QueryOSCaptionText();
        initializedAfter = ComApartment::IsInitializedOnThisThread();
    }).join();
    EXPECT_FALSE(caption.empty());
    EXPECT_FALSE(initializedAfter);

    std::thread([&] {
        ComApartment com;
        const bool before = ComApartment::IsInitializedOnThisThread();
        caption = QueryOSCaptionText();
        initializedAfter = ComApartment::IsInitializedOnThisThread() == before;
    }).join();
    EXPECT_FALSE(caption.empty());
    EXPECT_TRUE(initializedAfter);
}

TEST(PortableMode, EveryPerUserFolderMovesUnderTheApplicationFolder) {
    TempFolder temp;
    const std::wstring program = ChildProgram();
    const std::wstring copy = temp / program.substr(program.find_last_of(L"\\/") + 1);
    ASSERT_TRUE(CopyOneFile(program, copy));
    ASSERT_TRUE(WriteTextFile(temp / L"PORTABLE", ""));
    ASSERT_TRUE(LaunchProcess(copy, {L"child", L"--print-folders", temp / L"folders.txt"}, L""));
    const std::string text = WaitForFile(temp / L"folders.txt");
    const std::wstring app = NormalizePath(temp.Path(), true);
    const std::wstring separator(1, NativeSeparator());
    const std::wstring local = NormalizePath(app + L"PortableUserSettings/AppData/Local/M/P", true);
    EXPECT_EQ(Utf8ToWString(text), app + L"\n1\n" + app + L"data" + separator + L"\n" + local + L"\n");
    EXPECT_TRUE(DirectoryExists(local));
}
