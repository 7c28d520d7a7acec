#pragma once

#include <string>

namespace Orv {

// Path rules as string functions. WindowsPath holds the Windows rules (extended-length prefixes, network paths,
// backslashes); they are compiled and tested on every platform. The functions in Orv itself are the native rules:
// the Windows ones on Windows; on POSIX the same shapes with "/" as separator and no long-path prefix.
namespace WindowsPath {
std::wstring ToLongPath(const std::wstring& path);
bool IsRelativePath(const std::wstring& path);
// currentFolder resolves a relative path first (MakeAbsolute).
bool IsNetworkPath(const std::wstring& path, const std::wstring& currentFolder);
std::wstring MakeAbsolute(const std::wstring& path, const std::wstring& currentFolder);
std::wstring NormalizePath(const std::wstring& path, bool trailingSeparator, bool expandEnvironment,
                           bool collapseDoubleBackslash, const std::wstring& currentFolder);
std::wstring PathJoin(const std::wstring& base, const std::wstring& relative);
// The path without its extended-length prefix: "\\?\C:\x" is "C:\x", "\\?\UNC\server\share" is
// "\\server\share".
std::wstring WithoutLongPrefix(const std::wstring& path);
} // namespace WindowsPath

namespace PosixPath {
bool IsRelativePath(const std::wstring& path);
std::wstring MakeAbsolute(const std::wstring& path, const std::wstring& currentFolder);
// "\" becomes "/"; collapsing turns "//" into "/".
std::wstring NormalizePath(const std::wstring& path, bool trailingSeparator, bool expandEnvironment,
                           bool collapseDoubleSeparator);
std::wstring PathJoin(const std::wstring& base, const std::wstring& relative);
} // namespace PosixPath

// Replaces every %NAME% whose variable is set by its value; references to unset variables stay as they are.
std::wstring ExpandEnvironmentReferences(const std::wstring& text);

// The native rules.
wchar_t NativeSeparator();
std::wstring ToLongPath(const std::wstring& path);
bool IsRelativePath(const std::wstring& path);
bool IsNetworkPath(const std::wstring& path);
// What the file operations hand to the system: separators made native first (the extended-length form takes no
// "/"), then the long form.
std::wstring ToSystemPath(const std::wstring& path);
std::wstring MakeAbsolute(const std::wstring& path);
std::wstring NormalizePath(const std::wstring& path, bool trailingSeparator = false, bool expandEnvironment = false,
                           bool collapseDoubleBackslash = false);
std::wstring PathJoin(const std::wstring& base, const std::wstring& relative);

// The one form a path is compared and shown in: native separators, and on Windows no extended-length prefix
// (a registry value, a shortcut or a process list may give either form, or forward slashes).
std::wstring CanonicalPath(const std::wstring& path);

// Whether two paths name the same file as the file system compares names: without regard to letter case on
// Windows (after normalising both), exactly elsewhere.
bool SameFileName(const std::wstring& a, const std::wstring& b);

// Services behind the rules.
std::wstring GetCurrentFolder();
// Whether the variable is set, and its value.
bool GetEnvironmentValue(const std::wstring& name, std::wstring& value);

} // namespace Orv
