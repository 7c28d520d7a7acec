#include "File.h"

#include "library_Orv/CStringUtilsOrv.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace Orv {

namespace {
std::string Native(const std::wstring& path) {
    return WStringToUtf8(path);
}

bool StatOf(const std::wstring& path, struct stat& data) {
    return stat(Native(path).c_str(), &data) == 0;
}
} // namespace

bool FileExists(const std::wstring& path) {
    struct stat data {};
    return StatOf(path, data) && !S_ISDIR(data.st_mode);
}

bool IsDirectoryNative(const std::wstring& path) {
    struct stat data {};
    return StatOf(path, data) && S_ISDIR(data.st_mode);
}

// There are no drive letters here: every folder is tested the same way.
bool DirectoryExists(const std::wstring& path) {
    return IsDirectoryNative(path);
}

bool CreateOneDirectory(const std::wstring& path) {
    return mkdir(Native(path).c_str(), 0777) == 0;
}

bool CreatePrivateDirectory(const std::wstring& path) {
    // mkdir never follows a link in the last component: an existing name of any kind fails with EEXIST.
    return mkdir(Native(path).c_str(), 0700) == 0;
}

bool CopyFileNative(const std::wstring& source, const std::wstring& target) {
    std::error_code error;
    return std::filesystem::copy_file(Native(source), Native(target), std::filesystem::copy_options::overwrite_existing,
                                      error);
}

bool DeleteFileNative(const std::wstring& path) {
    struct stat data {};
    if (lstat(Native(path).c_str(), &data) != 0 || S_ISDIR(data.st_mode))
        return false;
    return unlink(Native(path).c_str()) == 0;
}

// A file's own mode does not stop its deletion here, so there is nothing to clear.
bool ClearReadOnlyAndHidden(const std::wstring&) {
    return false;
}

bool MoveFileNoReplace(const std::wstring& source, const std::wstring& target) {
    // A hard link fails when the target exists, which rename would silently replace.
    if (link(Native(source).c_str(), Native(target).c_str()) != 0)
        return false;
    unlink(Native(source).c_str());
    return true;
}

std::FILE* OpenForWriting(const std::wstring& path) {
    return std::fopen(Native(path).c_str(), "wb");
}

std::vector<std::wstring> ListFiles(const std::wstring& folder) {
    std::vector<std::wstring> names;
    DIR* directory = opendir(Native(folder).c_str());
    if (!directory)
        return names;
    const std::string base = Native(folder);
    while (dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat data {};
        if (stat((base + "/" + name).c_str(), &data) == 0 && S_ISREG(data.st_mode))
            names.push_back(Utf8ToWString(name));
    }
    closedir(directory);
    return names;
}

bool RemoveFolder(const std::wstring& folder) {
    std::error_code error;
    std::filesystem::remove_all(Native(folder), error);
    return !IsDirectoryNative(folder);
}

} // namespace Orv
