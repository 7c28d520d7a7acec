#include "Machine.h"

#include "WinOwners_win.h"

#include <iostream>
#include <string>

namespace Orv {

MachineInfo GetMachineInfo() {
    MachineInfo info;
    BOOL wow64 = FALSE;
    info.wow64 = IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
    SYSTEM_INFO system{};
    GetNativeSystemInfo(&system);
    info.nativeIntel32 = system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL;
    return info;
}

std::wstring GetVersionString() {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof version; // 284
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    const BOOL ok = GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version));
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    if (!ok)
        return L"Unknown Windows Version";
    return L"Windows " + std::to_wstring(version.dwMajorVersion) + L"." + std::to_wstring(version.dwMinorVersion) +
           L" (Build " + std::to_wstring(version.dwBuildNumber) + L")";
}

intptr_t CurrentProcessHandle() {
    return reinterpret_cast<intptr_t>(GetCurrentProcess());
}

int GetProcessIntegrityLevel(intptr_t processHandle) {
    Win::Handle token;
    if (!processHandle || !OpenProcessToken(reinterpret_cast<HANDLE>(processHandle), TOKEN_QUERY, token.Out())) {
        std::cerr << "OpenProcessToken failed: " << GetLastError() << std::endl;
        return kIntegrityUnknown;
    }
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool elevated = GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof elevation, &size) &&
                          elevation.TokenIsElevated;
    int code = kIntegrityUnknown;
    GetTokenInformation(token.Get(), TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0)
        return code;
    const Win::LocalMemory buffer(LocalAlloc(LPTR, size));
    auto* label = static_cast<TOKEN_MANDATORY_LABEL*>(buffer.Get());
    if (label && GetTokenInformation(token.Get(), TokenIntegrityLevel, label, size, &size)) {
        const UCHAR count = *GetSidSubAuthorityCount(label->Label.Sid);
        if (count > 0)
            code = IntegrityLevelFromRid(*GetSidSubAuthority(label->Label.Sid, count - 1u), elevated);
    }
    return code;
}

} // namespace Orv
