#include "Path.h"

#include "library_Orv/CStringUtilsOrv.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace Orv {

wchar_t NativeSeparator() {
    return L'/';
}

std::wstring GetCurrentFolder() {
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer))
        return {};
    return Utf8ToWString(buffer);
}

bool GetEnvironmentValue(const std::wstring& name, std::wstring& value) {
    const char* text = std::getenv(WStringToUtf8(name).c_str());
    if (!text)
        return false;
    value = Utf8ToWString(text);
    return true;
}

// POSIX paths have no extended-length form.
std::wstring ToLongPath(const std::wstring& path) {
    return path;
}

bool IsRelativePath(const std::wstring& path) {
    return PosixPath::IsRelativePath(path);
}

// Network shares are mounted into the one tree here.
bool IsNetworkPath(const std::wstring&) {
    return false;
}

std::wstring MakeAbsolute(const std::wstring& path) {
    return PosixPath::MakeAbsolute(path, GetCurrentFolder());
}

std::wstring NormalizePath(const std::wstring& path, bool trailingSeparator, bool expandEnvironment,
                           bool collapseDoubleBackslash) {
    return PosixPath::NormalizePath(path, trailingSeparator, expandEnvironment, collapseDoubleBackslash);
}

std::wstring PathJoin(const std::wstring& base, const std::wstring& relative) {
    return PosixPath::PathJoin(base, relative);
}

std::wstring CanonicalPath(const std::wstring& path) {
    return NormalizePath(path);
}

bool SameFileName(const std::wstring& a, const std::wstring& b) {
    return CanonicalPath(a) == CanonicalPath(b);
}

} // namespace Orv
