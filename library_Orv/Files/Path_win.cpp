#include "Path.h"

#include <windows.h>

#include <vector>

namespace Orv {

wchar_t NativeSeparator() {
    return L'\\';
}

std::wstring GetCurrentFolder() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0)
        return {};
    std::vector<wchar_t> buffer(size + 1);
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    return std::wstring(buffer.data(), length < buffer.size() ? length : 0);
}

bool GetEnvironmentValue(const std::wstring& name, std::wstring& value) {
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size == 0)
        return false;
    std::vector<wchar_t> buffer(size);
    const DWORD length = GetEnvironmentVariableW(name.c_str(), buffer.data(), size);
    if (length >= size)
        return false;
    value.assign(buffer.data(), length);
    return true;
}

std::wstring CanonicalPath(const std::wstring& path) {
    return NormalizePath(WindowsPath::WithoutLongPrefix(NormalizePath(path)));
}

bool SameFileName(const std::wstring& a, const std::wstring& b) {
    const std::wstring left = CanonicalPath(a);
    const std::wstring right = CanonicalPath(b);
    // The ordinal comparison that ignores case is the one NTFS uses for names.
    return left.size() == right.size() &&
           CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
                                static_cast<int>(right.size()), TRUE) == CSTR_EQUAL;
}

std::wstring ToLongPath(const std::wstring& path) {
    return WindowsPath::ToLongPath(path);
}

bool IsRelativePath(const std::wstring& path) {
    return WindowsPath::IsRelativePath(path);
}

bool IsNetworkPath(const std::wstring& path) {
    return WindowsPath::IsNetworkPath(path, GetCurrentFolder());
}

std::wstring MakeAbsolute(const std::wstring& path) {
    return WindowsPath::MakeAbsolute(path, GetCurrentFolder());
}

std::wstring NormalizePath(const std::wstring& path, bool trailingSeparator, bool expandEnvironment,
                           bool collapseDoubleBackslash) {
    return WindowsPath::NormalizePath(path, trailingSeparator, expandEnvironment, collapseDoubleBackslash,
                                      GetCurrentFolder());
}

std::wstring PathJoin(const std::wstring& base, const std::wstring& relative) {
    return WindowsPath::PathJoin(base, relative);
}

} // namespace Orv
