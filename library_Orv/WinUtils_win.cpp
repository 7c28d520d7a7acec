#include "WinUtils.h"

#include "Console.h"

#include <windows.h>
#include <tlhelp32.h>
#include <wbemidl.h>

#include <vector>

namespace Orv {

namespace {
// Releases the COM interface it holds.
template <typename T> class ComRef {
public:
    ~ComRef() {
        if (pointer)
            pointer->Release();
    }
    T* pointer = nullptr;
};

class SnapshotHandle {
public:
    SnapshotHandle() : handle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)) {}
    ~SnapshotHandle() {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    HANDLE handle;
};

// Initialises COM on the calling thread for its own duration when the thread has none (a console program, a
// worker thread); undoes only what it did, after the interfaces declared later have been released.
class ComInitialization {
public:
    ComInitialization() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComInitialization() {
        if (SUCCEEDED(result_))
            CoUninitialize(); // S_FALSE too: the call was counted
    }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

private:
    HRESULT result_;
};
} // namespace

std::wstring QueryOSCaptionText() {
    const ComInitialization com; // first, so that it ends last
    HRESULT hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    const auto fail = [](const wchar_t* message) {
        ConsolePrint(message);
        return std::wstring();
    };
    if (FAILED(hr) && hr != RPC_E_TOO_LATE) // security set earlier in the process is fine
        return fail(L"Failed to initialize security.");
    ComRef<IWbemLocator> locator;
    hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                          reinterpret_cast<void**>(&locator.pointer));
    if (FAILED(hr))
        return fail(L"Failed to create IWbemLocator object.");
    ComRef<IWbemServices> services;
    BSTR space = SysAllocString(L"ROOT\\CIMV2");
    hr = locator.pointer->ConnectServer(space, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services.pointer);
    SysFreeString(space);
    if (FAILED(hr))
        return fail(L"Could not connect to WMI.");
    hr = CoSetProxyBlanket(services.pointer, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                           RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(hr))
        return fail(L"Could not set proxy blanket.");
    ComRef<IEnumWbemClassObject> enumerator;
    BSTR language = SysAllocString(L"WQL");
    BSTR query = SysAllocString(L"SELECT Caption FROM Win32_OperatingSystem");
    hr = services.pointer->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                     &enumerator.pointer);
    SysFreeString(language);
    SysFreeString(query);
    if (FAILED(hr))
        return fail(L"Query for OS name failed.");
    std::wstring caption;
    for (;;) {
        ComRef<IWbemClassObject> object;
        ULONG returned = 0;
        constexpr LONG kWaitForever = -1; // WBEM_INFINITE
        enumerator.pointer->Next(kWaitForever, 1, &object.pointer, &returned);
        if (returned == 0)
            break;
        VARIANT value;
        VariantInit(&value);
        if (SUCCEEDED(object.pointer->Get(L"Caption", 0, &value, nullptr, nullptr)) && value.vt == VT_BSTR)
            caption = value.bstrVal;
        VariantClear(&value);
    }
    return caption;
}

std::wstring GetFileVersionText(const std::wstring& path, std::string* diagnostic) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return L"Dev";
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        if (diagnostic)
            *diagnostic = "error in GetFileVersionInfo";
        return L"Dev";
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info) {
        if (diagnostic)
            *diagnostic = "error in VerQueryValue";
        return L"Dev";
    }
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." +
           std::to_wstring(LOWORD(info->dwFileVersionLS));
}

std::map<uint32_t, std::wstring> GetProcessList() {
    std::map<uint32_t, std::wstring> processes;
    SnapshotHandle snapshot;
    if (snapshot.handle == INVALID_HANDLE_VALUE)
        return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.handle, &entry); more; more = Process32NextW(snapshot.handle, &entry))
        if (entry.th32ProcessID != 0)
            processes[entry.th32ProcessID] = entry.szExeFile;
    return processes;
}

ProcessHandle OpenProcessByName(const std::wstring& name) {
    SnapshotHandle snapshot;
    if (snapshot.handle == INVALID_HANDLE_VALUE)
        return ProcessHandle();
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.handle, &entry); more; more = Process32NextW(snapshot.handle, &entry)) {
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

void TerminateProcessById(uint32_t processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, TRUE, processId);
    if (!process)
        return;
    TerminateProcess(process, 0);
    CloseHandle(process);
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
    if (created) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    return created != FALSE;
}

} // namespace Orv
