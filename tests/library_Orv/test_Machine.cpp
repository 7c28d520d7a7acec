// The machine: its version and kind, and the integrity level of a process.
#include "ChildProgram.h"
#include "TempFolder.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Machine.h"
#include "library_Orv/Processes.h"
#include "library_Orv/Session.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace Orv;

TEST(Machine, VersionAndKind) {
    EXPECT_NE(GetVersionString().find(L" (Build "), std::wstring::npos);
    // This machine (and Wine on it) is 64-bit x86: the system is not a 32-bit one.
    EXPECT_FALSE(GetMachineInfo().nativeIntel32);
}

TEST(Machine, IntegrityLevels) {
    EXPECT_EQ(IntegrityLevelFromRid(0x4000, true), kIntegrityElevatedHigh);
    EXPECT_EQ(IntegrityLevelFromRid(0x3000, false), kIntegrityHigh);
    EXPECT_EQ(IntegrityLevelFromRid(0x2100, false), kIntegrityMedium);
    EXPECT_EQ(IntegrityLevelFromRid(0x2000, true), kIntegrityElevatedMedium);
    EXPECT_EQ(IntegrityLevelFromRid(0x1000, false), kIntegrityLow);
    EXPECT_EQ(IntegrityLevelFromRid(0x0fff, true), kIntegrityUnknown);
    EXPECT_STREQ(IntegrityLevelName(kIntegrityElevatedLow), "ELEVATED_LOW");
    EXPECT_STREQ(IntegrityLevelName(kIntegrityHigh), "HIGH");
    EXPECT_STREQ(IntegrityLevelName(42), "UNKNOWN");

    const int own = GetProcessIntegrityLevel(CurrentProcessHandle());
    EXPECT_NE(own, kIntegrityUnknown);
    testing::internal::CaptureStderr();
    EXPECT_EQ(GetProcessIntegrityLevel(0), kIntegrityUnknown); // a process that was not found
    EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("OpenProcessToken failed: ", 0), 0u);
    // A child started by this process runs at the same level.
    const std::wstring child = ChildProgram();
    // Opened by its id, not its name: other tests may run the same child program at the same time.
    TempFolder temp;
    ASSERT_TRUE(LaunchProcess(child, {L"child", L"--write-pid", temp / L"pid.txt", L"--sleep", L"5000"}, L""));
    std::vector<uint8_t> pid;
    for (int i = 0; i < 100 && pid.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pid = ReadFileBytes(temp / L"pid.txt");
    }
    ASSERT_FALSE(pid.empty());
    const ProcessHandle opened =
        OpenProcessById(static_cast<uint32_t>(std::stoul(std::string(pid.begin(), pid.end()))));
    ASSERT_TRUE(opened.IsValid());
    EXPECT_EQ(GetProcessIntegrityLevel(opened.Native()), own);
    TerminateProcessById(opened.ProcessId());
    TerminateProcessById(opened.ProcessId());
}

// Whether a user is signed in: LocalSystem, session 0 and an account without a home folder are no one; the process
// running this test (a user's, also under Wine, which never gives session 0) is someone.
TEST(Machine, SignedInUser) {
    const SessionFacts someone{true, 1, false, true};
    EXPECT_EQ(NoSignedInUserReason(someone), "");
    EXPECT_FALSE(InServicesSession(someone));
    EXPECT_EQ(NoSignedInUserReason({true, 0, false, true}), "the runner runs in session 0, the services' session");
    EXPECT_TRUE(InServicesSession({true, 0, false, true}));
    EXPECT_FALSE(InServicesSession({false, 0, false, true})); // a session that could not be read is not the services'
    EXPECT_EQ(NoSignedInUserReason({true, 2, true, true}), "the runner runs as LocalSystem");
    EXPECT_EQ(NoSignedInUserReason({false, 0, false, false}), "the account has no home folder");
    EXPECT_EQ(NoSignedInUserReason(CurrentSessionFacts()), "");
}
