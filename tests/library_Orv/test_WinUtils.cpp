#include "ComApartment.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Registry.h"
#include "library_Orv/InstanceLock.h"
#include "library_Orv/Processes.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace Orv;

TEST(Registry, ClassKeysThroughCRegKeyOrv) {
    TestRegistry registry;
    const std::wstring key = L"CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB01}\\InprocServer32";
    registry.SetString(RegistryRoot::ClassesRoot, key, L"", L"C:\\Skorvane\\SkorvaneShellDLL.dll");
    registry.SetString(RegistryRoot::ClassesRoot, key, L"ThreadingModel", L"Apartment");
    registry.SetString(RegistryRoot::ClassesRoot, key, L"Long", std::wstring(600, L'x'));
    // A folder named in another language, read wide: no character is lost on the way.
    const std::wstring accented = L"C:\\Programme\\Skorv\u00e5ne\\Jos\u00e9\\SkorvaneShellDLL.dll";
    registry.SetString(RegistryRoot::ClassesRoot, key, L"Accented", accented);
    registry.SetRaw(RegistryRoot::ClassesRoot, key, L"Multi", 7, TestRegistry::Utf16Bytes(L"Apartment"));
    CRegKeyOrv reader;
    EXPECT_EQ(reader.GetValue(""), "");
    ASSERT_TRUE(reader.Open("CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB01}\\InprocServer32"));
    EXPECT_EQ(reader.GetValue(""), "C:\\Skorvane\\SkorvaneShellDLL.dll");
    EXPECT_EQ(reader.GetValue("ThreadingModel"), "Apartment");
    EXPECT_EQ(reader.GetValue("Missing"), "");
    EXPECT_EQ(reader.GetValue("Long"), std::string(600, 'x'));
    EXPECT_EQ(reader.GetValueW("Accented"), accented);
    EXPECT_EQ(Utf8ToWString(reader.GetValue("Accented")), accented);
    EXPECT_EQ(reader.GetValue("Multi"), ""); // no string
    EXPECT_FALSE(reader.Open("CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB02}"));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.GetValue("ThreadingModel"), "");
}

// A value's type and its bytes, as the registry keeps them: a string ends at its first null, and only a string is
// text.
TEST(Registry, ValuesOfEveryTypeAndShape) {
    TestRegistry registry;
    const std::wstring key = L"SOFTWARE\\SkorvaneTest\\Values";
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Nul", 1,
                    TestRegistry::Utf16Bytes(std::wstring(L"C:\\a\0junk", 10)));
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Multi", 7,
                    TestRegistry::Utf16Bytes(std::wstring(L"C:\\a\0C:\\b\0", 10)));
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Dword", 4, {1, 2, 0, 0});
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"ShortDword", 4, {1, 2});
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Odd", 1, {'C', 0, ':', 0, 'x'});
    RegistryValue value;
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Nul", value));
    EXPECT_EQ(value.type, RegistryValue::String);
    EXPECT_EQ(value.text, L"C:\\a");
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Multi", value));
    EXPECT_EQ(value.type, RegistryValue::MultiString);
    EXPECT_FALSE(value.IsText());
    EXPECT_EQ(value.text, std::wstring(L"C:\\a\0C:\\b", 9));
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Dword", value));
    EXPECT_EQ(value.type, RegistryValue::Dword);
    EXPECT_EQ(value.number, 0x201u);
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"ShortDword", value));
    EXPECT_EQ(value.type, RegistryValue::Other);
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Odd", value));
    EXPECT_EQ(value.text, L"C:");
}

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

TEST(Processes, AnInstanceLockIsHeldOnceAtATime) {
    const std::wstring name = L"SkorvaneTestLock" + std::to_wstring(CurrentProcessId());
    {
        const InstanceLock first(name);
        ASSERT_TRUE(first.Held());
        const InstanceLock second(name); // taken already, even within one process
        EXPECT_FALSE(second.Held());
        EXPECT_TRUE(InstanceLock(name + L"-other").Held());
    }
    EXPECT_TRUE(InstanceLock(name).Held()); // released with its holder
}

TEST(Processes, OwnProcessIsListedAndOpenedByName) {
    const std::wstring own = OwnExecutablePath();
    const std::wstring name = own.substr(own.find_last_of(L"\\/") + 1);
    const std::map<uint32_t, std::wstring> processes = GetProcessList();
    EXPECT_FALSE(processes.empty());
    EXPECT_TRUE(
        std::any_of(processes.begin(), processes.end(), [&](const auto& entry) { return entry.second == name; }));
    std::wstring upper = name;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    const ProcessHandle handle = OpenProcessByName(upper);
    EXPECT_TRUE(handle.IsValid());
    EXPECT_FALSE(OpenProcessByName(L"no-such-process-skv.exe").IsValid());
}

TEST(Processes, JoinStrings) {
    EXPECT_EQ(JoinStrings({}, L" "), L"");
    EXPECT_EQ(JoinStrings({L"a"}, L", "), L"a");
    EXPECT_EQ(JoinStrings({L"a", L"", L"c"}, L"|"), L"a||c");
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

namespace {
std::wstring ChildProgram() {
    const std::wstring own = OwnExecutablePath();
    const std::wstring extension = own.size() > 4 && own.substr(own.size() - 4) == L".exe" ? L".exe" : L"";
    return own.substr(0, own.find_last_of(L"\\/") + 1) + L"skv_test_child" + extension;
}

// Waits up to five seconds for a file that another process writes.
std::string WaitForFile(const std::wstring& path) {
    for (int i = 0; i < 100; ++i) {
        if (FileExists(path)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const std::vector<uint8_t> bytes = ReadFileBytes(path);
            return std::string(bytes.begin(), bytes.end());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}
} // namespace

TEST(Processes, LaunchUsesTheGivenOrTheCallersFolder) {
    TempFolder temp;
    ASSERT_TRUE(FileExists(ChildProgram()));
    ASSERT_TRUE(LaunchProcess(ChildProgram(), {L"child", L"--write-cwd", L"\"" + (temp / L"cwd1.txt") + L"\""}, L""));
    EXPECT_EQ(WaitForFile(temp / L"cwd1.txt"), WStringToUtf8(GetCurrentFolder()));
    ASSERT_TRUE(
        LaunchProcess(ChildProgram(), {L"child", L"--write-cwd", L"\"" + (temp / L"cwd2.txt") + L"\""}, temp.Path()));
    const std::string second = WaitForFile(temp / L"cwd2.txt");
    EXPECT_EQ(NormalizePath(Utf8ToWString(second), true), NormalizePath(temp.Path(), true));
    EXPECT_FALSE(LaunchProcess(temp / L"missing-program", {}, L""));
}

TEST(Processes, TerminateById) {
    TempFolder temp;
    ASSERT_TRUE(
        LaunchProcess(ChildProgram(), {L"child", L"--write-pid", temp / L"pid.txt", L"--sleep", L"30000"}, L""));
    const std::string pidText = WaitForFile(temp / L"pid.txt");
    ASSERT_FALSE(pidText.empty());
    const auto pid = static_cast<uint32_t>(std::stoul(pidText));
    EXPECT_TRUE(GetProcessList().count(pid));
    TerminateProcessById(pid);
    bool gone = false;
    for (int i = 0; i < 100 && !gone; ++i) {
        gone = GetProcessList().count(pid) == 0;
        if (!gone)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(gone);
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
