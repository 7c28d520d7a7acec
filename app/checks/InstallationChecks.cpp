#include "InstallationChecks.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/FileReader.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Registry.h"
#include "library_Orv/WinUtils.h"

#include <algorithm>

namespace Checks {

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}
} // namespace

const char* const kShellExtensionClasses[4] = {
    "{2137939A-0EF6-4D12-B01A-8A77ABC74D96}",
    "{E092A792-C413-4A54-9CF0-9293BF9A1917}",
    "{8ACF67F2-8148-41D2-8240-FE12122066DA}",
    "{E4F24287-B39D-444B-9F9B-F03D42579186}",
};

const wchar_t* const kStartupApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";

std::wstring ProductInstallDir(const std::wstring& productExePath) {
    const std::wstring normalized = Orv::NormalizePath(productExePath);
    const size_t at = normalized.find_last_of(L"\\/");
    return at == std::wstring::npos ? std::wstring() : normalized.substr(0, at + 1);
}

std::wstring ShellDllPath(const std::wstring& installDir) {
    if (installDir.empty())
        return {};
    return Orv::PathJoin(installDir, L"SkorvaneShellDLL.dll");
}

bool Is64BitWindowsOnX64(const std::string& cpuArchitecture, const Orv::MachineInfo& machine) {
    const std::string arch = Lower(cpuArchitecture);
    if (arch.find("arm64") != std::string::npos || arch.find("x86_64") == std::string::npos)
        return false;
    return machine.wow64 || !machine.nativeIntel32;
}

std::wstring ArchitectureText(const std::string& cpuArchitecture, const Orv::MachineInfo& machine) {
    const bool windows32 = !machine.wow64 && machine.nativeIntel32;
    return L"CPU:" + Orv::Utf8ToWString(cpuArchitecture) + (windows32 ? L" (32-bit Windows)" : L"");
}

Md5Comparison CompareMd5File(const std::wstring& executablePath) {
    Md5Comparison comparison;
    if (executablePath.empty())
        return comparison;
    const std::wstring md5Path = executablePath + L".md5";
    comparison.md5FileRead = Orv::FileExists(md5Path);
    const std::vector<uint8_t> bytes = Orv::ReadFileBytes(md5Path, kMd5FileCeiling);
    using FileState = Md5Comparison::FileState;
    if (!comparison.md5FileRead)
        comparison.md5FileState = FileState::Missing;
    else if (Orv::GetFileSize64(md5Path) > static_cast<int64_t>(kMd5FileCeiling))
        comparison.md5FileState = FileState::TooLarge;
    else if (bytes.empty() && !Orv::OpenFileReader(md5Path))
        comparison.md5FileState = FileState::Unreadable;
    else
        comparison.md5FileState = FileState::Read;
    comparison.expected.assign(bytes.begin(), bytes.end());
    while (comparison.expected.rfind("\xEF\xBB\xBF", 0) == 0)
        comparison.expected.erase(0, 3);
    // An executable that cannot be read has no digest, whatever the .md5 file holds (or lacks).
    comparison.actual = Orv::FileMD5(executablePath);
    return comparison;
}

std::wstring ReadSoftwareVersion(const std::wstring& installDir) {
    if (installDir.empty())
        return {};
    const std::vector<uint8_t> bytes =
        Orv::ReadFileBytes(Orv::PathJoin(installDir, L"data\\Versions.html"), kVersionsPageCeiling);
    const std::wstring page = Orv::Utf8ToWString(std::string(bytes.begin(), bytes.end()));
    const size_t open = page.find(L"<h3>");
    if (open == std::wstring::npos)
        return {};
    const size_t start = open + 4;
    const size_t close = page.find(L"</h3>", start);
    return close == std::wstring::npos ? std::wstring() : page.substr(start, close - start);
}

ClsidRegistration ReadClsidRegistration(const std::string& clsid) {
    ClsidRegistration registration;
    registration.key = "CLSID\\" + clsid + "\\InprocServer32";
    Orv::CRegKeyOrv key;
    if (!key.Open(registration.key)) {
        registration.unreadable =
            Orv::GetRegistryKeyState(Orv::RegistryRoot::ClassesRoot, Orv::Utf8ToWString(registration.key), true) ==
            Orv::RegistryKeyState::Unreadable;
        return registration;
    }
    registration.present = true;
    registration.server = Orv::Utf8ToWString(key.GetValue(""));
    registration.threadingModel = key.GetValue("ThreadingModel");
    return registration;
}

bool IsExpectedRegistration(const ClsidRegistration& registration, const std::wstring& shellDllPath) {
    return registration.present && registration.threadingModel == "Apartment" &&
           Orv::SameFileName(registration.server, shellDllPath);
}

std::vector<ClsidRegistration> ReadShellExtensionRegistrations() {
    std::vector<ClsidRegistration> registrations;
    for (const char* clsid : kShellExtensionClasses)
        registrations.push_back(ReadClsidRegistration(clsid));
    return registrations;
}

bool AreShellExtensionClassesRegistered(const std::vector<ClsidRegistration>& registrations,
                                        const std::wstring& shellDllPath) {
    if (shellDllPath.empty() || registrations.empty())
        return false;
    return std::all_of(registrations.begin(), registrations.end(), [&](const ClsidRegistration& registration) {
        return IsExpectedRegistration(registration, shellDllPath);
    });
}

std::wstring PluginVersionText(const std::wstring& shellDllPath, std::string* diagnostic) {
    if (!Orv::FileExists(shellDllPath))
        return L"Plugin DLL file do not exist";
    return Orv::GetFileVersionText(shellDllPath, diagnostic);
}

bool IsStartupApprovalAllowed(const std::vector<uint8_t>& value, bool present) {
    if (!present || value.empty())
        return true;
    static const std::vector<uint8_t> kEnabled = {2, 0, 0, 0, 0, 0};
    if (value == kEnabled)
        return true;
    return value.size() == 12 && value[0] == 2 && value[1] == 0 && value[2] == 0 && value[3] == 0;
}

StartupApproval ReadStartupApproval() {
    const auto read = [](Orv::RegistryRoot root) {
        StartupApproval approval;
        Orv::RegistryValue value;
        approval.present = Orv::ReadRegistryValue(root, kStartupApprovedKey, L"Skorvane.lnk", value);
        approval.value = value.bytes;
        approval.allUsers = root == Orv::RegistryRoot::LocalMachine;
        return approval;
    };
    const StartupApproval currentUser = read(Orv::RegistryRoot::CurrentUser);
    if (!currentUser.Allowed())
        return currentUser;
    const StartupApproval allUsers = read(Orv::RegistryRoot::LocalMachine);
    return allUsers.Allowed() ? currentUser : allUsers;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    // A Windows path may come with its extended-length prefix on any platform (a registry value, a shortcut).
    return Orv::CanonicalPath(Orv::WindowsPath::WithoutLongPrefix(a)) ==
           Orv::CanonicalPath(Orv::WindowsPath::WithoutLongPrefix(b));
}

bool FindProductProcess(const std::map<uint32_t, std::wstring>& processes, const std::wstring& productExePath,
                        uint32_t& processId, RunsExecutable runsExecutable) {
    const size_t at = productExePath.find_last_of(L"\\/");
    const std::wstring fileName = at == std::wstring::npos ? productExePath : productExePath.substr(at + 1);
    if (fileName.empty())
        return false;
    for (const auto& [id, name] : processes)
        if (name == fileName && runsExecutable(id, productExePath)) {
            processId = id;
            return true;
        }
    return false;
}

} // namespace Checks
