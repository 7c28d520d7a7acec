// Listing, opening, starting and ending processes, with the child program of the tests.
#include "ChildProgram.h"
#include "TempFolder.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Processes.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cwctype>
#include <thread>

using namespace Orv;

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
