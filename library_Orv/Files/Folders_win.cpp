#include "Folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace Orv {

bool GetKnownFolder(KnownFolder folder, std::wstring& path) {
    const KNOWNFOLDERID& id = folder == KnownFolder::RoamingAppData ? FOLDERID_RoamingAppData
                              : folder == KnownFolder::LocalAppData ? FOLDERID_LocalAppData
                                                                    : FOLDERID_ProgramData;
    PWSTR system = nullptr;
    const HRESULT hr = SHGetKnownFolderPath(id, 0, nullptr, &system);
    if (SUCCEEDED(hr) && system)
        path = system;
    CoTaskMemFree(system); // freed on failure too, as the documentation asks
    return SUCCEEDED(hr);
}

std::wstring GetSystemTempFolder() {
    wchar_t shortPath[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, shortPath);
    if (length == 0 || length > MAX_PATH)
        return {};
    const std::wstring prefixed = L"\\\\?\\" + std::wstring(shortPath, length);
    std::wstring longPath(5200, L'\0');
    const DWORD longLength = GetLongPathNameW(prefixed.c_str(), longPath.data(), 5200);
    if (longLength == 0 || longLength >= 5200)
        return std::wstring(shortPath, length);
    longPath.resize(longLength);
    return longPath.rfind(L"\\\\?\\", 0) == 0 ? longPath.substr(4) : longPath;
}

} // namespace Orv
