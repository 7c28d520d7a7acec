#include "WinUtils.h"

#include "Files/File.h"
#include "Files/Path.h"
#include "Registry.h"
#include "WinUtils_p.h"

namespace Orv {

const wchar_t* const kProductUninstallKey =
    L"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skorvane (Orv)";

std::wstring GetProductExePath() {
    // A relative path would be resolved against wherever the tool was started, and a program planted there run:
    // it is no product path. Only on POSIX can the Windows folders below be relative.
    RegistryValue icon;
    if (ReadRegistryValue(RegistryRoot::LocalMachine, kProductUninstallKey, L"DisplayIcon", icon) &&
        !IsRelativePath(icon.text) && FileExists(icon.text))
        return icon.text;
    const std::wstring programFiles = PathJoin(L"C:\\Program Files\\Skorvane\\", L"Skorvane.exe");
    if (!IsRelativePath(programFiles) && FileExists(programFiles))
        return programFiles;
    const std::wstring programFilesX86 = PathJoin(L"C:\\Program Files (x86)\\Skorvane\\", L"Skorvane.exe");
    return IsRelativePath(programFilesX86) ? std::wstring() : programFilesX86;
}

std::wstring GetFileVersionText(const std::wstring& path, std::string* diagnostic) {
    uint16_t parts[4] = {};
    if (!ReadFixedFileVersion_sys(path, parts, diagnostic))
        return L"Dev";
    return std::to_wstring(parts[0]) + L"." + std::to_wstring(parts[1]) + L"." + std::to_wstring(parts[2]) + L"." +
           std::to_wstring(parts[3]);
}

std::wstring GetOSCaptionText() {
    static std::wstring cache;
    if (cache.empty())
        cache = QueryOSCaptionText();
    return cache;
}

} // namespace Orv
