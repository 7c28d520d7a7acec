#include "CopyTests.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/FileReader.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Processes.h"

#include <cstring>

namespace Checks {

const char* const kCopyTargetFolder = "%TEMP%/SKV/Target/";
const char* const kCopySourceFolder = "%TEMP%/SKV/Source/";

namespace {
const char* const kSourceFiles[] = {"%TEMP%/SKV/Source/tmp1.txt", "%TEMP%/SKV/Source/tmp2.txt"};
const char* const kExpectedCopies[] = {"%TEMP%/SKV/Target/tmp1.txt", "%TEMP%/SKV/Target/tmp2.txt"};

bool IsFile(const std::wstring& path) {
    return Orv::FileExists(path) && !Orv::DirectoryExists(path);
}
} // namespace

std::wstring CopyTestPath(const std::string& literal) {
    std::wstring path = Orv::NormalizePath(Orv::Utf8ToWString(literal), false, true, true);
    // An unexpanded reference would make a relative folder named "%TEMP%" wherever the tool was started.
    const std::wstring unexpanded = Orv::NormalizePath(L"%TEMP%");
    if (path.compare(0, unexpanded.size(), unexpanded) == 0)
        path = Orv::PathJoin(Orv::GetSystemTempFolder(), path.substr(unexpanded.size() + 1));
    return path;
}

void ResetTargetFolder() {
    const std::wstring target = CopyTestPath(kCopyTargetFolder);
    if (Orv::DirectoryExists(target))
        Orv::RemoveFolder(target);
    Orv::CreateDirectories(target);
}

std::vector<std::wstring> PrepareSourcePaths() {
    const std::wstring folder = CopyTestPath(kCopySourceFolder);
    if (!Orv::DirectoryExists(folder))
        Orv::CreateDirectories(folder);
    return {CopyTestPath(kSourceFiles[0]), CopyTestPath(kSourceFiles[1])};
}

void WriteSourceFiles(const std::vector<std::wstring>& sources) {
    Orv::SharedFile block(kCopySourceSize);
    std::memset(block.Data(), 0, block.Size());
    const std::vector<uint8_t> bytes(block.Data(), block.Data() + block.Size());
    for (const std::wstring& source : sources)
        Orv::WriteBinaryFile(source, bytes);
}

std::wstring CopyArgument(const std::vector<std::wstring>& sources) {
    return CopyTestPath(kCopyTargetFolder) + L"|" + Orv::JoinStrings(sources, L"|");
}

bool ExpectedCopiesExist() {
    return IsFile(CopyTestPath(kExpectedCopies[0])) && IsFile(CopyTestPath(kExpectedCopies[1]));
}

} // namespace Checks
