#include "Processes.h"

#include "Files/Path.h"
#include "WinOwners_win.h"

#include <shellapi.h>
#include <tlhelp32.h>

namespace Orv {

std::map<uint32_t, std::wstring> GetProcessList() {
    std::map<uint32_t, std::wstring> processes;
    const Win::Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid())
        return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry))
        if (entry.th32ProcessID != 0)
            processes[entry.th32ProcessID] = entry.szExeFile;
    return processes;
}

std::wstring GetProcessImagePath(uint32_t processId) {
    const Win::Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process.Valid())
        return {};
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.Get(), 0, path.data(), &size))
        return {};
    path.resize(size);
    return path;
}

bool ProcessRunsExecutable(uint32_t processId, const std::wstring& path) {
    const std::wstring image = GetProcessImagePath(processId);
    return !image.empty() && !path.empty() && SameFileName(image, path);
}

ProcessHandle OpenProcessByName(const std::wstring& name) {
    const Win::Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid())
        return ProcessHandle();
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (lstrcmpiW(entry.szExeFile, name.c_str()) != 0)
            continue;
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID);
        return process ? ProcessHandle(reinterpret_cast<intptr_t>(process), entry.th32ProcessID) : ProcessHandle();
    }
    return ProcessHandle();
}

ProcessHandle OpenProcessById(uint32_t processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    return process ? ProcessHandle(reinterpret_cast<intptr_t>(process), processId) : ProcessHandle();
}

void CloseProcessHandle(intptr_t handle) {
    if (handle)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
}

ProcessHandle::~ProcessHandle() {
    CloseProcessHandle(native_);
}

uint32_t CurrentProcessId() {
    return GetCurrentProcessId();
}

uint32_t CurrentSessionId() {
    DWORD session = 0;
    return ProcessIdToSessionId(GetCurrentProcessId(), &session) ? session : 0;
}

void TerminateProcessById(uint32_t processId) {
    const Win::Handle process(OpenProcess(PROCESS_TERMINATE, TRUE, processId));
    if (process.Valid())
        TerminateProcess(process.Get(), 0);
}

bool LaunchProcess(const std::wstring& exePath, const std::vector<std::wstring>& args,
                   const std::wstring& workingFolder) {
    std::wstring commandLine = JoinStrings(args, L" ");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const BOOL created = CreateProcessW(exePath.c_str(), commandLine.empty() ? nullptr : commandLine.data(), nullptr,
                                        nullptr, FALSE, CREATE_NEW_PROCESS_GROUP | CREATE_BREAKAWAY_FROM_JOB, nullptr,
                                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info);
    const Win::Handle thread(info.hThread);
    const Win::Handle process(info.hProcess);
    return created != FALSE;
}

ShellLaunchResult LaunchThroughShell(const std::wstring& exePath, const std::vector<std::wstring>& parameters) {
    const std::wstring commandLine = JoinStrings(parameters, L" ");
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // Synchronous (no worker thread of the shell outlives the call), no error box of the shell's own: the caller
    // tells the user in its own words. The process handle is only taken to be closed.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = nullptr; // the default verb: "open", elevated when the manifest asks for it
    info.lpFile = exePath.c_str();
    info.lpParameters = commandLine.empty() ? nullptr : commandLine.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellLaunchResult result;
    if (ShellExecuteExW(&info)) {
        const Win::Handle process(info.hProcess);
        result.outcome = ShellLaunchOutcome::Started;
        return result;
    }
    result.code = GetLastError();
    switch (result.code) {
    case ERROR_CANCELLED:
        result.outcome = ShellLaunchOutcome::Refused;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        result.outcome = ShellLaunchOutcome::NotFound;
        break;
    case ERROR_ACCESS_DENIED:
        result.outcome = ShellLaunchOutcome::AccessDenied;
        break;
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
    case ERROR_NO_ASSOCIATION:
        result.outcome = ShellLaunchOutcome::NotAProgram;
        break;
    default:
        result.outcome = ShellLaunchOutcome::Failed;
    }
    return result;
}
} // namespace Orv
