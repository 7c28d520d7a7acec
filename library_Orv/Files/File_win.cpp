#include "File.h"

#include "Path.h"
#include "library_Orv/Hardware/HardDrive.h"
#include "library_Orv/WinOwners_win.h"

#include <windows.h>

namespace Orv {

namespace {
DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(ToSystemPath(path).c_str());
}

// FindFirstFileW/FindNextFileW over a folder, closed when done. visit(name, attributes).
template <typename Visit> void ForEachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW data{};
    const Win::FindHandle find(FindFirstFileW(ToSystemPath(PathJoin(folder, L"*")).c_str(), &data));
    if (!find.Valid())
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..")
            visit(name, data.dwFileAttributes);
    } while (FindNextFileW(find.Get(), &data));
}
} // namespace

bool FileExists(const std::wstring& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::wstring& path) {
    if (path.size() < 4) // a drive root such as "C:" or "C:\"
        return GetDriveKind(path) != kDriveUnknown;
    return IsDirectoryNative(path);
}

bool IsDirectoryNative(const std::wstring& given) {
    // The long form as every file operation makes it: a share keeps its UNC form ("\\?\UNC\server\share").
    std::wstring path = ToSystemPath(given);
    if (path.empty())
        return false;
    if (path.back() != L'\\')
        path += L'\\';
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateOneDirectory(const std::wstring& path) {
    return CreateDirectoryW(ToSystemPath(path).c_str(), nullptr);
}

bool CreatePrivateDirectory(const std::wstring& path) {
    // The user's temporary folder already gives its content to the user alone; CreateDirectoryW fails on any
    // existing name, a junction or a link included.
    return CreateDirectoryW(ToSystemPath(path).c_str(), nullptr);
}

bool CopyFileNative(const std::wstring& source, const std::wstring& target) {
    return CopyFileW(ToSystemPath(source).c_str(), ToSystemPath(target).c_str(), FALSE);
}

bool DeleteFileNative(const std::wstring& path) {
    return DeleteFileW(NormalizePath(path).c_str());
}

bool ClearReadOnlyAndHidden(const std::wstring& path) {
    const std::wstring native = NormalizePath(path);
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)))
        return false;
    return SetFileAttributesW(native.c_str(), attributes & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
}

bool MoveFileNoReplace(const std::wstring& source, const std::wstring& target) {
    return MoveFileExW(ToSystemPath(source).c_str(), ToSystemPath(target).c_str(), MOVEFILE_WRITE_THROUGH);
}

std::FILE* OpenForWriting(const std::wstring& path) {
    return _wfopen(ToSystemPath(path).c_str(), L"wb");
}

std::vector<std::wstring> ListFiles(const std::wstring& folder) {
    std::vector<std::wstring> names;
    ForEachEntry(folder, [&](const std::wstring& name, DWORD attributes) {
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(name);
    });
    return names;
}

bool RemoveFolder(const std::wstring& folder) {
    ForEachEntry(folder, [&](const std::wstring& name, DWORD attributes) {
        const std::wstring path = PathJoin(folder, name);
        // A junction or a directory link is removed itself: what it points to is not this folder's to delete.
        // (Windows removes it as a folder; Wine, whose links are the host's symbolic links, as a file.)
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            const std::wstring link = ToSystemPath(path);
            if (!RemoveDirectoryW(link.c_str()))
                DeleteFileW(link.c_str());
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveFolder(path);
        else
            DeleteOneFile(path);
    });
    RemoveDirectoryW(ToSystemPath(folder).c_str());
    return !IsDirectoryNative(folder);
}

} // namespace Orv
