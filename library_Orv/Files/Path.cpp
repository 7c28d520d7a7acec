#include "Path.h"

#include <vector>

namespace Orv {

namespace {
bool Contains(const std::wstring& text, const wchar_t* part) {
    return text.find(part) != std::wstring::npos;
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}

void ReplaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to) {
    for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Resolves "." and ".." components of an absolute path whose root (drive, share, "/") is kept apart.
std::wstring ResolveDots(const std::wstring& root, const std::wstring& rest, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find_first_of(L"\\/", start);
        if (end == std::wstring::npos)
            end = rest.size();
        const std::wstring part = rest.substr(start, end - start);
        if (part == L"..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::wstring result = root;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            result += separator;
        result += parts[i];
    }
    return result;
}

// A relative part joined to a folder loses one leading separator of either kind.
std::wstring WithoutLeadingSeparator(const std::wstring& relative) {
    return !relative.empty() && (relative[0] == L'\\' || relative[0] == L'/') ? relative.substr(1) : relative;
}

std::wstring AddTrailing(std::wstring path, wchar_t separator) {
    if (!path.empty() && path.back() != separator)
        path += separator;
    return path;
}
// Windows takes an extended-length path literally: its "." and ".." components are resolved first, within the
// drive or the share.
std::wstring WithoutDotComponents(const std::wstring& path, bool network) {
    bool dots = false;
    for (size_t start = 0; start <= path.size() && !dots;) {
        size_t end = path.find_first_of(L"\\/", start);
        if (end == std::wstring::npos)
            end = path.size();
        const std::wstring part = path.substr(start, end - start);
        dots = part == L"." || part == L"..";
        start = end + 1;
    }
    if (!dots)
        return path;
    size_t rootEnd = 0; // the root: "C:\", "\\server\share\", or a leading separator
    if (network) {
        const size_t server = path.find_first_of(L"\\/", 2);
        const size_t share = server == std::wstring::npos ? server : path.find_first_of(L"\\/", server + 1);
        rootEnd = share == std::wstring::npos ? path.size() : share + 1;
    } else if (path.size() >= 2 && path[1] == L':') {
        rootEnd = path.size() > 2 ? 3 : 2;
    } else {
        rootEnd = 1;
    }
    std::wstring root = path.substr(0, rootEnd);
    for (wchar_t& c : root)
        if (c == L'/')
            c = L'\\';
    if (!root.empty() && root.back() != L'\\')
        root += L'\\';
    const bool trailing = path.back() == L'\\' || path.back() == L'/';
    std::wstring resolved = ResolveDots(root, path.substr(rootEnd), L'\\');
    if (trailing && resolved.back() != L'\\')
        resolved += L'\\';
    return resolved;
}
} // namespace

std::wstring ExpandEnvironmentReferences(const std::wstring& text) {
    std::wstring out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find(L'%', at);
        if (open == std::wstring::npos)
            break;
        const size_t close = text.find(L'%', open + 1);
        if (close == std::wstring::npos)
            break;
        std::wstring value;
        const std::wstring name = text.substr(open + 1, close - open - 1);
        if (!name.empty() && GetEnvironmentValue(name, value)) {
            out += text.substr(at, open - at) + value;
            at = close + 1;
        } else {
            // Not a set variable: keep the first "%" and look for a reference from the second one on.
            out += text.substr(at, close - at);
            at = close;
        }
    }
    out += text.substr(at);
    return out;
}

std::wstring ToSystemPath(const std::wstring& path) {
    return ToLongPath(NormalizePath(path));
}

namespace WindowsPath {

bool IsRelativePath(const std::wstring& path) {
    return !(Contains(path, L"\\\\?\\") || Contains(path, L":\\") || Contains(path, L"\\\\") || Contains(path, L":/") ||
             StartsWith(path, L"/"));
}

std::wstring ToLongPath(const std::wstring& path) {
    if (IsRelativePath(path))
        return path;
    if (path.size() >= 4 && Contains(path, L"\\\\?\\"))
        return path;
    const bool network = StartsWith(path, L"\\\\") || StartsWith(path, L"//");
    const std::wstring plain = WithoutDotComponents(path, network);
    if (network)
        return L"\\\\?\\UNC" + plain.substr(1);
    return L"\\\\?\\" + plain;
}

std::wstring MakeAbsolute(const std::wstring& path, const std::wstring& currentFolder) {
    if (!IsRelativePath(path))
        return path;
    std::wstring combined;
    if (StartsWith(path, L"\\")) // rooted on the current drive
        combined = (currentFolder.size() >= 2 && currentFolder[1] == L':' ? currentFolder.substr(0, 2) : L"") + path;
    else
        combined = currentFolder + L"\\" + path;
    // The root stays apart so that ".." never climbs above it.
    std::wstring root;
    if (combined.size() >= 2 && combined[1] == L':') {
        root = combined.substr(0, 2) + L"\\";
        combined.erase(0, 2);
    } else if (StartsWith(combined, L"\\\\") || StartsWith(combined, L"//")) {
        root = L"\\\\";
        combined.erase(0, 2);
    } else if (StartsWith(combined, L"/") || StartsWith(combined, L"\\")) {
        root = combined.substr(0, 1);
    }
    return ResolveDots(root, combined, L'\\');
}

bool IsNetworkPath(const std::wstring& given, const std::wstring& currentFolder) {
    const std::wstring path = MakeAbsolute(given, currentFolder);
    if (Contains(path, L":\\"))
        return false;
    return path == L"\\" || StartsWith(path, L"\\\\") || StartsWith(path, L"//") || StartsWith(path, L"\\\\?\\UNC\\");
}

std::wstring NormalizePath(const std::wstring& given, bool trailingSeparator, bool expandEnvironment,
                           bool collapseDoubleBackslash, const std::wstring& currentFolder) {
    std::wstring prefix;
    std::wstring path = given;
    if (IsNetworkPath(given, currentFolder)) {
        // The network prefix survives the collapsing below.
        for (const wchar_t* networkPrefix : {L"\\\\?\\UNC\\", L"\\\\", L"//"})
            if (StartsWith(path, networkPrefix)) {
                prefix = StartsWith(path, L"//") ? L"\\\\" : networkPrefix;
                path = path.substr(std::wstring(networkPrefix).size());
                break;
            }
    }
    if (expandEnvironment)
        path = ExpandEnvironmentReferences(path);
    if (collapseDoubleBackslash)
        ReplaceAll(path, L"\\\\", L"\\");
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    path = prefix + path;
    return trailingSeparator ? AddTrailing(path, L'\\') : path;
}

std::wstring PathJoin(const std::wstring& base, const std::wstring& relative) {
    if (!IsRelativePath(relative) || base.empty())
        return relative;
    return NormalizePath(base, true, false, false, std::wstring()) + WithoutLeadingSeparator(relative);
}

std::wstring WithoutLongPrefix(const std::wstring& path) {
    if (StartsWith(path, L"\\\\?\\UNC\\"))
        return L"\\\\" + path.substr(8);
    if (StartsWith(path, L"\\\\?\\"))
        return path.substr(4);
    return path;
}

} // namespace WindowsPath

namespace PosixPath {

bool IsRelativePath(const std::wstring& path) {
    return !StartsWith(path, L"/");
}

std::wstring MakeAbsolute(const std::wstring& path, const std::wstring& currentFolder) {
    const std::wstring combined = IsRelativePath(path) ? currentFolder + L"/" + path : path;
    return ResolveDots(L"/", combined, L'/');
}

std::wstring NormalizePath(const std::wstring& given, bool trailingSeparator, bool expandEnvironment,
                           bool collapseDoubleSeparator) {
    std::wstring path = expandEnvironment ? ExpandEnvironmentReferences(given) : given;
    for (wchar_t& c : path)
        if (c == L'\\')
            c = L'/';
    if (collapseDoubleSeparator)
        ReplaceAll(path, L"//", L"/");
    return trailingSeparator ? AddTrailing(path, L'/') : path;
}

std::wstring PathJoin(const std::wstring& base, const std::wstring& relative) {
    if (!IsRelativePath(relative) || base.empty())
        return relative;
    return NormalizePath(NormalizePath(base, true, false, false) + WithoutLeadingSeparator(relative), false, false,
                         false);
}

} // namespace PosixPath

} // namespace Orv
