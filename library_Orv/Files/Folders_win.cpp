#include "Folders.h"
#include "Path.h"

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
    // GetTempPathW gives the size it needs when the buffer is too small: TEMP may be longer than MAX_PATH.
    std::wstring shortPath(MAX_PATH + 1, L'\0');
    DWORD length = GetTempPathW(static_cast<DWORD>(shortPath.size()), shortPath.data());
    if (length > shortPath.size()) {
        shortPath.assign(length + 1, L'\0');
        length = GetTempPathW(static_cast<DWORD>(shortPath.size()), shortPath.data());
    }
    if (length == 0 || length >= shortPath.size())
        return {};
    shortPath.resize(length);
    // The long form of a folder on a share is "\\?\UNC\server\...", not "\\?\\\server\...".
    const std::wstring prefixed = WindowsPath::ToLongPath(shortPath);
    std::wstring longPath(5200, L'\0');
    const DWORD longLength = GetLongPathNameW(prefixed.c_str(), longPath.data(), 5200);
    if (longLength == 0 || longLength >= 5200)
        return shortPath;
    longPath.resize(longLength);
    return WindowsPath::WithoutLongPrefix(longPath);
}

} // namespace Orv
