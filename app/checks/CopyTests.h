#pragma once

#include <string>
#include <vector>

// The files of the automatic copy tests: two small source files and an empty target folder. The tests pass when
// both sources have been copied into the target folder, whole.
namespace Checks {

// The size of the content written into each source file.
constexpr size_t kCopySourceSize = 500;

// One pass's copy-test folder: a new folder in the user's temporary folder, for this user alone, holding
// Source/tmp1.txt, Source/tmp2.txt and Target/. Each pass has its own, so two passes at once never meet, and nothing
// a neighbour planted (a link in a shared temporary folder) is ever written through or removed through. The folder
// goes with the object.
class CopyTestFolder {
public:
    // Why no folder could be made in the temporary folder.
    enum class Problem { None, TempNotAbsolute, TempMissing, TempNotWritable };

    CopyTestFolder();
    ~CopyTestFolder();
    CopyTestFolder(const CopyTestFolder&) = delete;
    CopyTestFolder& operator=(const CopyTestFolder&) = delete;

    // False when no folder could be made: the copy tests then fail.
    bool IsValid() const { return !folder_.empty(); }
    // The folder itself, with its trailing separator.
    const std::wstring& Path() const { return folder_; }
    // The temporary folder it was made in, or tried to be.
    const std::wstring& Parent() const { return parent_; }
    Problem FolderProblem() const { return problem_; }
    // The target folder, with its trailing separator.
    std::wstring TargetFolder() const;
    // The paths of tmp1.txt and tmp2.txt.
    std::vector<std::wstring> SourcePaths() const;

    // Deletes the target folder with its content and creates it again, empty.
    void ResetTargetFolder();
    // Writes the 500-byte block as the whole content of each source; false when a source does not hold it
    // afterwards (a full disk).
    bool WriteSourceFiles();
    // The target folder, "|", and the sources joined with "|".
    std::wstring CopyArgument() const;
    // Both copies are in the target folder, as files holding what the sources were written with.
    bool ExpectedCopiesMade() const;
    // The paths of the copies that are missing or do not hold what the sources were written with.
    std::vector<std::wstring> MissingCopies() const;

private:
    std::wstring parent_;
    Problem problem_ = Problem::None;
    std::wstring folder_;
};

} // namespace Checks
