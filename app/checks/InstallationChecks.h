#pragma once

#include "library_Orv/Machine.h"
#include "library_Orv/Processes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The checks of the installed product and of the machine, as plain functions over paths and values; the window
// turns their results into rows.
namespace Checks {

// The executable's folder with its trailing separator (empty when the path has none).
std::wstring ProductInstallDir(const std::wstring& productExePath);
std::wstring ShellDllPath(const std::wstring& installDir);

// x86-64 Windows: the processor architecture names x86_64 (and not arm64), and the system is 64-bit.
bool Is64BitWindowsOnX64(const std::string& cpuArchitecture, const Orv::MachineInfo& machine);
// "CPU:" + the architecture, and " (32-bit Windows)" on a 32-bit system.
std::wstring ArchitectureText(const std::string& cpuArchitecture, const Orv::MachineInfo& machine);

// The most these files can hold and still be what they should be: a digest file is 32 digits with a byte-order
// mark and white space at most; the versions page is a few KiB.
constexpr size_t kMd5FileCeiling = 4096;
constexpr size_t kVersionsPageCeiling = 256 * 1024;

// What the ".md5" file beside the executable holds (leading UTF-8 byte-order marks skipped) and the executable's
// own digest; either is empty when its file cannot be read.
struct Md5Comparison {
    // What became of the ".md5" file: not there, there but not readable (locked, no right), longer than a digest
    // file can be, or read.
    enum class FileState { Missing, Unreadable, TooLarge, Read };
    FileState md5FileState = FileState::Missing;
    bool md5FileRead = false; // it is there
    std::string expected;
    std::string actual;
    bool Matches() const { return !actual.empty() && expected == actual; }
};
// Matches: the ".md5" file holds exactly the executable's digest.
Md5Comparison CompareMd5File(const std::wstring& executablePath);
// The text of the first <h3> element of data/Versions.html in the install folder; empty without one.
std::wstring ReadSoftwareVersion(const std::wstring& installDir);

// The shell extension's classes, in the order they are checked.
extern const char* const kShellExtensionClasses[4];
// A class's in-process server as registered: its key, the server's path and its threading model.
struct ClsidRegistration {
    std::string key;
    bool present = false;
    bool unreadable = false; // the key is there but could not be read
    std::wstring server;
    std::string threadingModel;
};
ClsidRegistration ReadClsidRegistration(const std::string& clsid);
// The class is registered as an apartment-threaded in-process server at the shell DLL path (the same file name as
// the file system compares names; the threading model exactly).
bool IsExpectedRegistration(const ClsidRegistration& registration, const std::wstring& shellDllPath);
// The registrations of the shell extension's classes, in their order.
std::vector<ClsidRegistration> ReadShellExtensionRegistrations();
// Every class is registered as expected (none when there is no shell DLL path).
bool AreShellExtensionClassesRegistered(const std::vector<ClsidRegistration>& registrations,
                                        const std::wstring& shellDllPath);
// The DLL's file version, or "Plugin DLL file do not exist"; a failed read of the version is described in
// diagnostic.
std::wstring PluginVersionText(const std::wstring& shellDllPath, std::string* diagnostic = nullptr);

extern const wchar_t* const kStartupApprovedKey;
// No approval entry, or an enabled one: the six bytes 02 00 00 00 00 00, or the twelve-byte form that Windows
// itself writes, which begins with 02 00 00 00.
bool IsStartupApprovalAllowed(const std::vector<uint8_t>& value, bool present);
// The approval entry of the start-up shortcut, as Explorer keeps it: for the current user, and for all users (the
// all-users shortcut, disabled by an administrator for everyone). The entry that disables it, when one does; else the
// current user's.
struct StartupApproval {
    bool present = false;
    bool allUsers = false; // read under HKEY_LOCAL_MACHINE
    std::vector<uint8_t> value;
    bool Allowed() const { return IsStartupApprovalAllowed(value, present); }
};
StartupApproval ReadStartupApproval();

// Two paths name the same file once both are in their canonical form (separators, no extended-length prefix;
// case matters).
bool SamePath(const std::wstring& a, const std::wstring& b);

// Whether a process runs the executable at a path (Orv::ProcessRunsExecutable, or a stand-in for tests).
using RunsExecutable = bool (*)(uint32_t processId, const std::wstring& path);

// The first process, in ascending id order, whose executable name equals the file name of the product's path
// exactly (case matters) and which runs the product's executable itself: another program that only bears the
// name is not the product.
bool FindProductProcess(const std::map<uint32_t, std::wstring>& processes, const std::wstring& productExePath,
                        uint32_t& processId, RunsExecutable runsExecutable = Orv::ProcessRunsExecutable);

} // namespace Checks
