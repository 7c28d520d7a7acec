#include "File.h"

#include "FileReader.h"
#include "Md5.h"
#include "Path.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Error.h"

#include <algorithm>
#include <random>
#include <set>

namespace Orv {

namespace {
constexpr const char* kSourceFile = "library_Orv/Files/File.cpp";
constexpr uint32_t kLineCopyFailed = 741;
constexpr uint32_t kLineCantOpen = 2926;
constexpr uint32_t kLineCantWrite = 2933;
constexpr size_t kWriteChunk = 0x800000;

std::wstring ParentFolder(const std::wstring& path) {
    const size_t at = path.find_last_of(L"\\/");
    return at == std::wstring::npos ? std::wstring() : path.substr(0, at);
}

bool WriteAll(const std::wstring& path, const void* data, size_t size, bool quiet) {
    const std::wstring folder = ParentFolder(path);
    if (!folder.empty())
        CreateDirectories(folder);
    std::FILE* file = OpenForWriting(path);
    if (!file) {
        Error::Report(L"Can't Open File: " + path, quiet, kSourceFile, kLineCantOpen);
        return false;
    }
    const auto* bytes = static_cast<const uint8_t*>(data);
    bool written = true;
    for (size_t offset = 0; offset < size && written; offset += kWriteChunk) {
        const size_t chunk = std::min(kWriteChunk, size - offset);
        written = std::fwrite(bytes + offset, 1, chunk, file) == chunk;
    }
    written = std::fclose(file) == 0 && written;
    if (!written)
        Error::Report(L"Can't Write in File: " + path, quiet, kSourceFile, kLineCantWrite);
    return written;
}
} // namespace

bool CreateDirectories(const std::wstring& path) {
    if (path.empty())
        return false;
    std::wstring folder = path;
    while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/'))
        folder.pop_back();
    if (IsDirectoryNative(folder))
        return true;
    const std::wstring parent = ParentFolder(folder);
    if (!parent.empty() && parent != folder && !IsDirectoryNative(parent))
        CreateDirectories(parent);
    CreateOneDirectory(folder);
    return IsDirectoryNative(folder);
}

bool CopyOneFile(const std::wstring& source, const std::wstring& target) {
    if (CopyFileNative(source, target))
        return true;
    Error::Report("Can't copy file: ", true, kErrorLevelWarning, kSourceFile, kLineCopyFailed);
    return false;
}

void CopyFolderFiles(const std::wstring& source, const std::wstring& target, bool overwrite) {
    if (!IsDirectoryNative(source))
        return;
    CreateDirectories(target);
    std::set<std::wstring> existing;
    if (!overwrite)
        for (const std::wstring& name : ListFiles(target))
            existing.insert(name);
    for (const std::wstring& name : ListFiles(source)) {
        if (existing.count(name))
            continue;
        CopyOneFile(PathJoin(source, name), PathJoin(target, name));
    }
}

bool WriteBinaryFile(const std::wstring& path, const std::vector<uint8_t>& bytes, bool quiet) {
    return WriteAll(path, bytes.data(), bytes.size(), quiet);
}

bool WriteTextFile(const std::wstring& path, const std::string& text, bool quiet) {
    return WriteAll(path, text.data(), text.size(), quiet);
}

bool WriteWideTextFile(const std::wstring& path, const std::wstring& text, bool quiet) {
    const std::string utf8 = WStringToUtf8(text);
    return WriteAll(path, utf8.data(), utf8.size(), quiet);
}

bool DeleteOneFile(const std::wstring& path) {
    if (DeleteFileNative(path))
        return true;
    return ClearReadOnlyAndHidden(path) && DeleteFileNative(path);
}

std::wstring CreatePrivateFolder(const std::wstring& parent, const std::wstring& prefix) {
    static const wchar_t kDigits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device seed;
    std::mt19937_64 random(static_cast<uint64_t>(seed()) << 32 ^ seed());
    std::uniform_int_distribution<int> digit(0, 35);
    for (int attempt = 0; attempt < 64; ++attempt) {
        std::wstring name = prefix;
        for (int i = 0; i < 8; ++i)
            name += kDigits[digit(random)];
        const std::wstring folder = NormalizePath(PathJoin(parent, name), true);
        if (CreatePrivateDirectory(folder))
            return folder;
        if (!IsDirectoryNative(parent))
            return {};
    }
    return {};
}

std::vector<uint8_t> ReadFileBytes(const std::wstring& path, size_t maxBytes) {
    FileObject file(path);
    const std::shared_ptr<SharedFile> content = file.ReadAll(maxBytes);
    if (!content)
        return {};
    return std::vector<uint8_t>(content->Data(), content->Data() + content->Size());
}

std::string FileMD5(const std::wstring& path) {
    // Streamed through one 1 MiB buffer: the digest is the same as over the whole content in memory, without
    // the cost of allocating and touching a buffer of the file's size.
    Md5 md5;
    if (!StreamFile(path, [&](const uint8_t* data, size_t size) { md5.Update(data, size); }))
        return {};
    return md5.HexDigest();
}

} // namespace Orv
