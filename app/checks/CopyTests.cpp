#include "CopyTests.h"

#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Processes.h"

namespace Checks {

namespace {
const wchar_t* const kSourceNames[] = {L"tmp1.txt", L"tmp2.txt"};

// %TEMP%, as the copy tests have always named their folder; where TEMP is not set (POSIX), the system's
// temporary folder, never a relative folder named "%TEMP%" wherever the tool was started.
std::wstring TemporaryFolder() {
    // Expanded before it is normalised: a TEMP on a share (\\server\tmp) keeps its two leading separators.
    const std::wstring expanded = Orv::ExpandEnvironmentReferences(L"%TEMP%");
    return expanded == L"%TEMP%" ? Orv::GetSystemTempFolder() : Orv::NormalizePath(expanded, false, false, true);
}

bool HoldsSourceContent(const std::wstring& path) {
    // The core's reader takes regular files only, and no more than the block plus one byte.
    return Orv::ReadFileBytes(path, kCopySourceSize + 1) == std::vector<uint8_t>(kCopySourceSize, 0);
}
} // namespace

CopyTestFolder::CopyTestFolder() : parent_(TemporaryFolder()) {
    // A relative TEMP would put the files wherever the tool was started.
    if (parent_.empty() || Orv::IsRelativePath(parent_)) {
        problem_ = Problem::TempNotAbsolute;
        return;
    }
    folder_ = Orv::CreatePrivateFolder(parent_, L"SKV-");
    if (IsValid())
        Orv::CreateOneDirectory(folder_ + L"Source");
    else
        problem_ = Orv::DirectoryExists(parent_) ? Problem::TempNotWritable : Problem::TempMissing;
}

CopyTestFolder::~CopyTestFolder() {
    if (IsValid())
        Orv::RemoveFolder(folder_);
}

std::wstring CopyTestFolder::TargetFolder() const {
    return IsValid() ? Orv::NormalizePath(folder_ + L"Target", true) : std::wstring();
}

std::vector<std::wstring> CopyTestFolder::SourcePaths() const {
    std::vector<std::wstring> paths;
    if (IsValid())
        for (const wchar_t* name : kSourceNames)
            paths.push_back(Orv::PathJoin(Orv::NormalizePath(folder_ + L"Source", true), name));
    return paths;
}

void CopyTestFolder::ResetTargetFolder() {
    if (!IsValid())
        return;
    const std::wstring target = TargetFolder();
    Orv::RemoveFolder(target);
    Orv::CreateOneDirectory(target);
}

bool CopyTestFolder::WriteSourceFiles() {
    const std::vector<uint8_t> block(kCopySourceSize, 0);
    bool written = IsValid();
    for (const std::wstring& source : SourcePaths())
        written = Orv::WriteBinaryFile(source, block) && HoldsSourceContent(source) && written;
    return written;
}

std::wstring CopyTestFolder::CopyArgument() const {
    return TargetFolder() + L"|" + Orv::JoinStrings(SourcePaths(), L"|");
}

bool CopyTestFolder::ExpectedCopiesMade() const {
    return IsValid() && MissingCopies().empty();
}

std::vector<std::wstring> CopyTestFolder::MissingCopies() const {
    std::vector<std::wstring> missing;
    const std::wstring target = TargetFolder();
    for (const wchar_t* name : kSourceNames)
        if (!IsValid() || !HoldsSourceContent(Orv::PathJoin(target, name)))
            missing.push_back(Orv::PathJoin(target, name));
    return missing;
}

} // namespace Checks
