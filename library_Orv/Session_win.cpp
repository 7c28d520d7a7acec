#include "Session.h"

#include <windows.h>

namespace Orv {

SessionFacts CurrentSessionFacts() {
    SessionFacts facts;
    DWORD session = 0;
    facts.sessionKnown = ProcessIdToSessionId(GetCurrentProcessId(), &session) != 0;
    facts.sessionId = session;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        alignas(TOKEN_USER) BYTE buffer[SECURITY_MAX_SID_SIZE + sizeof(TOKEN_USER)];
        DWORD size = 0;
        if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size))
            facts.localSystem = IsWellKnownSid(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, WinLocalSystemSid);
        CloseHandle(token);
    }
    // A signed-in user's profile folder is there; an account without one has none.
    wchar_t profile[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
    const DWORD attributes = length > 0 && length < MAX_PATH ? GetFileAttributesW(profile) : INVALID_FILE_ATTRIBUTES;
    facts.hasHome = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return facts;
}

} // namespace Orv
