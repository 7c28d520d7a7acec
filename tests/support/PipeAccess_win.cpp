#include "PipeAccess.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

namespace {
std::string SidText(PSID sid) {
    LPSTR text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text))
        return {};
    std::string result = text;
    LocalFree(text);
    return result == "S-1-1-0" ? "everyone" : result;
}
} // namespace

std::vector<std::string> PipeAccessHolders(const std::wstring& pipeName) {
    std::vector<std::string> holders;
    const std::wstring path = L"\\\\.\\pipe\\" + pipeName;
    // Opened as a client that asks only to read the security (Wine reads none by the pipe's name).
    const HANDLE pipe = CreateFileW(path.c_str(), READ_CONTROL, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return holders;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD read = GetSecurityInfo(pipe, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                       nullptr, &descriptor);
    CloseHandle(pipe);
    if (read != ERROR_SUCCESS)
        return holders;
    for (DWORD index = 0; dacl && index < dacl->AceCount; ++index) {
        void* ace = nullptr;
        if (GetAce(dacl, index, &ace) && static_cast<ACE_HEADER*>(ace)->AceType == ACCESS_ALLOWED_ACE_TYPE)
            holders.push_back(SidText(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart));
    }
    LocalFree(descriptor);
    return holders;
}

std::string CurrentUserAccessHolder() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    char buffer[256];
    DWORD size = 0;
    std::string result;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size))
        result = SidText(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid);
    CloseHandle(token);
    return result;
}
