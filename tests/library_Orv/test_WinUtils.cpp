#include "ComApartment.h"
#include "TempFolder.h"
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

#include <chrono>
#include <thread>

using namespace Orv;

TEST(Registry, ClassKeysThroughCRegKeyOrv) {
    TestRegistry registry;
    const std::wstring key = L"CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB01}\\InprocServer32";
    registry.SetString(RegistryRoot::ClassesRoot, key, L"", L"C:\\Skorvane\\SkorvaneShellDLL.dll");
    registry.SetString(RegistryRoot::ClassesRoot, key, L"ThreadingModel", L"Apartment");
    registry.SetString(RegistryRoot::ClassesRoot, key, L"Long", std::wstring(600, L'x'));
    CRegKeyOrv reader;
    EXPECT_EQ(reader.GetValue(""), "");
    ASSERT_TRUE(reader.Open("CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB01}\\InprocServer32"));
    EXPECT_EQ(reader.GetValue(""), "C:\\Skorvane\\SkorvaneShellDLL.dll");
    EXPECT_EQ(reader.GetValue("ThreadingModel"), "Apartment");
    EXPECT_EQ(reader.GetValue("Missing"), "");
    EXPECT_EQ(reader.GetValue("Long"), ""); // does not fit in the 512-byte buffer
    EXPECT_FALSE(reader.Open("CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB02}"));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.GetValue("ThreadingModel"), "");
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
