#include "WinUtils.h"

#include "Files/File.h"
#include "Files/Path.h"
#include "Registry.h"
#include "WinUtils_p.h"

namespace Orv {

const wchar_t* const kProductUninstallKey =
    L"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skorvane (Orv)";
const wchar_t* const kProductUninstallKeyNative =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skorvane (Orv)";

std::wstring ProductPathFromDisplayIcon(const RegistryValue& icon) {
    if (!icon.IsText())
        return {};
    std::wstring path = icon.type == RegistryValue::ExpandString ? ExpandEnvironmentReferences(icon.text) : icon.text;
    // An icon location may be quoted and may end with the icon's index (",0").
    if (path.size() >= 2 && path.front() == L'"') {
        const size_t close = path.find(L'"', 1);
        if (close == std::wstring::npos)
            return {};
        path = path.substr(1, close - 1);
    } else {
        const size_t comma = path.find_last_of(L',');
        if (comma != std::wstring::npos && comma + 1 < path.size() &&
            path.find_first_not_of(L"-0123456789", comma + 1) == std::wstring::npos)
            path.resize(comma);
    }
    // A relative path would be resolved against wherever the tool was started, and a program planted there run:
    // it is no product path.
    return path.empty() || IsRelativePath(path) ? std::wstring() : CanonicalPath(path);
}

std::wstring GetProductExePath() {
    // Only on POSIX can the Windows folders below be relative.
    // The 32-bit installer's entry first; then the entry a 64-bit installer writes, or the one of a 32-bit Windows,
    // in the system's own view.
    for (const bool native : {false, true}) {
        RegistryValue icon;
        if (ReadRegistryValue(RegistryRoot::LocalMachine, native ? kProductUninstallKeyNative : kProductUninstallKey,
                              L"DisplayIcon", icon, native)) {
            const std::wstring named = ProductPathFromDisplayIcon(icon);
            if (!named.empty() && FileExists(named))
                return named;
        }
    }
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
