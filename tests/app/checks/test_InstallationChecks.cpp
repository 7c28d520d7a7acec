#include "TempFolder.h"
#include "TestRegistry.h"
#include "app/checks/InstallationChecks.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Machine.h"
#include "library_Orv/Processes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cwctype>
#include <filesystem>
#include <thread>

using namespace Orv;

TEST(InstallationChecks, SixtyFourBitRowAndArchitectureText) {
    MachineInfo native64;
    MachineInfo wow64;
    wow64.wow64 = true;
    MachineInfo native32;
    native32.nativeIntel32 = true;
    EXPECT_TRUE(Checks::Is64BitWindowsOnX64("x86_64", native64));
    EXPECT_TRUE(Checks::Is64BitWindowsOnX64("X86_64", wow64));
    EXPECT_FALSE(Checks::Is64BitWindowsOnX64("x86_64", native32));
    EXPECT_FALSE(Checks::Is64BitWindowsOnX64("arm64", native64));
    EXPECT_FALSE(Checks::Is64BitWindowsOnX64("arm64-x86_64", native64)); // arm64 whatever the emulation says
    EXPECT_FALSE(Checks::Is64BitWindowsOnX64("i386", native64));
    EXPECT_EQ(Checks::ArchitectureText("x86_64", wow64), L"CPU:x86_64");
    EXPECT_EQ(Checks::ArchitectureText("i386", native32), L"CPU:i386 (32-bit Windows)");
}

TEST(InstallationChecks, Md5FileMustHoldExactlyTheDigest) {
    TempFolder temp;
    const std::wstring exe = temp / L"Skorvane.exe";
    WriteTextFile(exe, "abc");
    const auto withMd5 = [&](const std::string& text) {
        WriteTextFile(exe + L".md5", text);
        return Checks::CompareMd5File(exe).Matches();
    };
    EXPECT_TRUE(withMd5("900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_TRUE(withMd5("\xEF\xBB\xBF\xEF\xBB\xBF"
                        "900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_FALSE(withMd5("900150983cd24fb0d6963f7d28e17f72\n"));
    EXPECT_FALSE(withMd5("900150983CD24FB0D6963F7D28E17F72"));
    EXPECT_FALSE(withMd5(""));
    DeleteOneFile(exe);
    DeleteOneFile(exe + L".md5");
    const Checks::Md5Comparison nothing = Checks::CompareMd5File(exe);
    EXPECT_FALSE(nothing.Matches()); // nothing installed: both texts empty, still a failure
    EXPECT_FALSE(nothing.md5FileRead);
    // What a failed row reports: the digest found, and what the digest file holds.
    WriteTextFile(exe, "abc");
    WriteTextFile(exe + L".md5", "\xEF\xBB\xBF"
                                 "0123");
    const Checks::Md5Comparison other = Checks::CompareMd5File(exe);
    EXPECT_TRUE(other.md5FileRead);
    EXPECT_EQ(other.expected, "0123");
    EXPECT_EQ(other.actual, "900150983cd24fb0d6963f7d28e17f72");
}

TEST(InstallationChecks, SoftwareVersionFromTheFirstHeading) {
    TempFolder temp;
    const std::wstring page = PathJoin(temp.Path(), L"data\\Versions.html");
    WriteTextFile(page, "<html><h2>x</h2><h3>2.4.1 \xC3\xA9t\xC3\xA9</h3><h3>2.4.0</h3></html>");
    EXPECT_EQ(Checks::ReadSoftwareVersion(temp.Path()), L"2.4.1 \u00e9t\u00e9");
    WriteTextFile(page, "<h3>2.4.1");
    EXPECT_EQ(Checks::ReadSoftwareVersion(temp.Path()), L"");
    EXPECT_EQ(Checks::ReadSoftwareVersion(temp / L"nowhere"), L"");
}

TEST(InstallationChecks, PathsOfTheInstallation) {
    const std::wstring exe = PathJoin(PathJoin(L"/opt", L"Skorvane"), L"Skorvane.exe");
    const std::wstring dir = Checks::ProductInstallDir(exe);
    EXPECT_EQ(dir, NormalizePath(PathJoin(L"/opt", L"Skorvane"), true));
    EXPECT_EQ(Checks::ShellDllPath(dir), dir + L"SkorvaneShellDLL.dll");
    EXPECT_EQ(Checks::ProductInstallDir(L"Skorvane.exe"), L"");
}

TEST(InstallationChecks, ShellExtensionRegistration) {
    TempFolder temp;
    const std::wstring dll = temp / L"SkorvaneShellDLL.dll";
    TestRegistry registry;
    const auto registerClass = [&](const char* clsid, const std::wstring& model, const std::wstring& path) {
        const std::string text = clsid;
        const std::wstring key = L"CLSID\\" + std::wstring(text.begin(), text.end()) + L"\\InprocServer32";
        registry.SetString(RegistryRoot::ClassesRoot, key, L"", path);
        registry.SetString(RegistryRoot::ClassesRoot, key, L"ThreadingModel", model);
    };
    const auto registered = [&](const char* clsid) {
        return Checks::IsExpectedRegistration(Checks::ReadClsidRegistration(clsid), dll);
    };
    const auto allRegistered = [&](const std::wstring& path) {
        return Checks::AreShellExtensionClassesRegistered(Checks::ReadShellExtensionRegistrations(), path);
    };
    registerClass(Checks::kShellExtensionClasses[0], L"Apartment", dll);
    registerClass(Checks::kShellExtensionClasses[1], L"Apartment", dll);
    registerClass(Checks::kShellExtensionClasses[2], L"Apartment", dll);
    EXPECT_TRUE(registered(Checks::kShellExtensionClasses[0]));
    EXPECT_FALSE(registered(Checks::kShellExtensionClasses[3])); // not registered
    EXPECT_FALSE(allRegistered(dll));
    registerClass(Checks::kShellExtensionClasses[3], L"Both", dll);
    EXPECT_FALSE(registered(Checks::kShellExtensionClasses[3]));
    // What a failed row reports: the key, the server and the model found.
    const Checks::ClsidRegistration both = Checks::ReadClsidRegistration(Checks::kShellExtensionClasses[3]);
    EXPECT_TRUE(both.present);
    EXPECT_EQ(both.threadingModel, "Both");
    EXPECT_EQ(both.server, dll);
    EXPECT_EQ(both.key, std::string("CLSID\\") + Checks::kShellExtensionClasses[3] + "\\InprocServer32");
    registerClass(Checks::kShellExtensionClasses[3], L"Apartment", temp / L"SKORVANESHELLDLL.DLL");
    // The same file in other letter case: Windows compares file names without regard to case, POSIX does not.
#ifdef _WIN32
    EXPECT_TRUE(registered(Checks::kShellExtensionClasses[3]));
#else
    EXPECT_FALSE(registered(Checks::kShellExtensionClasses[3]));
#endif
    registerClass(Checks::kShellExtensionClasses[3], L"apartment", dll);
    EXPECT_FALSE(registered(Checks::kShellExtensionClasses[3])); // the model is exact
    registerClass(Checks::kShellExtensionClasses[3], L"Apartment", dll);
    EXPECT_TRUE(allRegistered(dll));
    EXPECT_FALSE(allRegistered(L"")); // no shell DLL path: nothing is its registration
}

TEST(InstallationChecks, PluginVersion) {
    std::string diagnostic;
    EXPECT_EQ(Checks::PluginVersionText(GetApplicationFolder() + L"versioned.dll", &diagnostic), L"1.3.0.7");
    EXPECT_EQ(diagnostic, "");
    TempFolder temp;
    EXPECT_EQ(Checks::PluginVersionText(temp / L"SkorvaneShellDLL.dll"), L"Plugin DLL file do not exist");
#ifndef _WIN32
    // A file that is there but whose version cannot be read (larger than any DLL): the failure is described.
    const std::wstring huge = temp / L"huge.dll";
    ASSERT_TRUE(WriteTextFile(huge, "MZ"));
    std::filesystem::resize_file(WStringToUtf8(huge), 600ull * 1024 * 1024); // sparse
    EXPECT_EQ(Checks::PluginVersionText(huge, &diagnostic), L"Dev");
    EXPECT_EQ(diagnostic, "error in GetFileVersionInfo");
#endif
}

#ifndef _WIN32
// A digest file or versions page of 4 GB (sparse: it costs no disk) is the wrong content, not 4 GB of memory.
TEST(InstallationChecks, HugeFilesAreTheWrongContent) {
    TempFolder temp;
    const std::wstring executable = temp / L"Skorvane.exe";
    ASSERT_TRUE(WriteTextFile(executable, "MZ"));
    ASSERT_TRUE(WriteTextFile(executable + L".md5", FileMD5(executable)));
    EXPECT_TRUE(Checks::CompareMd5File(executable).Matches());
    std::filesystem::resize_file(WStringToUtf8(executable + L".md5"), 4ull << 30);
    EXPECT_FALSE(Checks::CompareMd5File(executable).Matches());
    ASSERT_TRUE(WriteTextFile(temp / L"data/Versions.html", "<h3>1.2</h3>"));
    EXPECT_EQ(Checks::ReadSoftwareVersion(temp.Path()), L"1.2");
    std::filesystem::resize_file(WStringToUtf8(temp / L"data/Versions.html"), 4ull << 30);
    EXPECT_EQ(Checks::ReadSoftwareVersion(temp.Path()), L"");
    EXPECT_TRUE(ReadFileBytes(temp / L"data/Versions.html").empty()); // past every reader's ceiling
}
#endif

TEST(InstallationChecks, StartupApprovalValues) {
    EXPECT_TRUE(Checks::IsStartupApprovalAllowed({}, false));
    EXPECT_TRUE(Checks::IsStartupApprovalAllowed({2, 0, 0, 0, 0, 0}, true));
    EXPECT_TRUE(Checks::IsStartupApprovalAllowed({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true));
    EXPECT_TRUE(Checks::IsStartupApprovalAllowed({2, 0, 0, 0, 0x5a, 0x11, 0, 0, 0x7c, 0, 0, 0}, true));
    EXPECT_FALSE(Checks::IsStartupApprovalAllowed({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true)); // disabled
    EXPECT_FALSE(Checks::IsStartupApprovalAllowed({3, 0, 0, 0, 0, 0}, true));
    EXPECT_FALSE(Checks::IsStartupApprovalAllowed({2, 0, 0, 0, 0, 0, 0}, true));
}

// The all-users shortcut disabled for everyone is not allowed either; the entry that disables it is the one told.
TEST(InstallationChecks, StartupApprovalOfBothHives) {
    const std::vector<uint8_t> disabled = {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<uint8_t> enabled = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const bool currentUserDisabled : {false, true}) {
        TestRegistry registry;
        registry.SetRaw(Orv::RegistryRoot::CurrentUser, Checks::kStartupApprovedKey, L"Skorvane.lnk", 3,
                        currentUserDisabled ? disabled : enabled);
        EXPECT_EQ(Checks::ReadStartupApproval().Allowed(), !currentUserDisabled);
        registry.SetRaw(Orv::RegistryRoot::LocalMachine, Checks::kStartupApprovedKey, L"Skorvane.lnk", 3, disabled);
        const Checks::StartupApproval approval = Checks::ReadStartupApproval();
        EXPECT_FALSE(approval.Allowed());
        EXPECT_EQ(approval.allUsers, !currentUserDisabled);
        EXPECT_EQ(approval.value, disabled);
    }
}

TEST(InstallationChecks, RunningProductIsMatchedExactly) {
    const std::map<uint32_t, std::wstring> processes = {
        {7, L"skorvane.exe"}, {12, L"Skorvane.exe"}, {30, L"Skorvane.exe"}};
    const auto any = [](uint32_t, const std::wstring&) { return true; };
    uint32_t id = 99;
    EXPECT_TRUE(Checks::FindProductProcess(processes, L"C:\\Program Files\\Skorvane\\Skorvane.exe", id, any));
    EXPECT_EQ(id, 12u);
    id = 99;
    EXPECT_FALSE(Checks::FindProductProcess(processes, L"C:\\x\\SKORVANE.EXE", id, any));
    EXPECT_EQ(id, 99u);
    // Only the process that runs the product's own file is the product; one that only bears its name is not.
    const auto only30 = [](uint32_t processId, const std::wstring&) { return processId == 30; };
    EXPECT_TRUE(Checks::FindProductProcess(processes, L"C:\\P\\Skorvane.exe", id, only30));
    EXPECT_EQ(id, 30u);
    EXPECT_FALSE(Checks::FindProductProcess(processes, L"", id, any));

    // The system's own answer, for this very process.
    const std::wstring self = OwnExecutablePath();
    EXPECT_TRUE(ProcessRunsExecutable(CurrentProcessId(), self));
    EXPECT_FALSE(ProcessRunsExecutable(CurrentProcessId(), self + L"x"));
    EXPECT_FALSE(ProcessRunsExecutable(CurrentProcessId(), L""));
#ifdef _WIN32
    std::wstring otherCase = self;
    for (wchar_t& c : otherCase)
        c = static_cast<wchar_t>(towupper(c));
    EXPECT_TRUE(ProcessRunsExecutable(CurrentProcessId(), otherCase)); // as NTFS compares names
#endif
    EXPECT_TRUE(Checks::SamePath(L"\\\\?\\C:\\P\\Skorvane.exe", L"C:\\P\\Skorvane.exe"));
    EXPECT_TRUE(Checks::SamePath(L"\\\\?\\UNC\\srv\\s\\x.exe", L"\\\\srv\\s\\x.exe"));
    EXPECT_FALSE(Checks::SamePath(L"C:\\P\\skorvane.exe", L"C:\\P\\Skorvane.exe"));
}
