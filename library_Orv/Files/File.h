#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace Orv {

bool FileExists(const std::wstring& path);
// A path of fewer than 4 characters is a drive root and exists when its drive kind is known.
bool DirectoryExists(const std::wstring& path);
// True when the folder exists afterwards.
bool CreateDirectories(const std::wstring& path);
// Replaces an existing target; a failure is a quiet warning "Can't copy file: ".
bool CopyOneFile(const std::wstring& source, const std::wstring& target);
// Copies the plain files (not the subfolders) of source into target, which is created; without overwrite, names
// already in target are skipped.
void CopyFolderFiles(const std::wstring& source, const std::wstring& target, bool overwrite);
// Creates the file's folder and writes the bytes in chunks of at most 8 MiB; "Can't Open File: " on failure.
bool WriteBinaryFile(const std::wstring& path, const std::vector<uint8_t>& bytes, bool quiet = false);
bool WriteTextFile(const std::wstring& path, const std::string& text, bool quiet = false);
bool WriteWideTextFile(const std::wstring& path, const std::wstring& text, bool quiet = false);
// Deletes a file; a read-only or hidden file loses those attributes and the delete is tried once more.
bool DeleteOneFile(const std::wstring& path);
// Removes a folder with everything in it; true when it is gone.
bool RemoveFolder(const std::wstring& path);
// Renames a file; an existing target is not replaced (false), a missing source is a plain false.
bool MoveFileNoReplace(const std::wstring& source, const std::wstring& target);
// The plain files of a folder, names only, in the order the system gives.
std::vector<std::wstring> ListFiles(const std::wstring& folder);
// Whole-file reads take no more than their purpose needs: a larger file is the wrong content, never a reason to
// allocate its size.
constexpr size_t kWholeFileReadCeiling = 16u << 20;
// The whole content; empty on failure and for a file larger than maxBytes.
std::vector<uint8_t> ReadFileBytes(const std::wstring& path, size_t maxBytes = kWholeFileReadCeiling);
// 32 lower-case hexadecimal digits; empty when the file cannot be read.
std::string FileMD5(const std::wstring& path);

// Creates a new folder named prefix and a random suffix in parent, for this user alone, and returns it with its
// trailing separator (empty when none could be made). Nothing that was there before is used: a name taken by a
// file, a folder or a link is passed over.
std::wstring CreatePrivateFolder(const std::wstring& parent, const std::wstring& prefix);

// Platform services behind the operations above.
bool IsDirectoryNative(const std::wstring& path);
bool CreateOneDirectory(const std::wstring& path);
// Creates the folder readable and writable by this user alone; false when the name exists in any form.
bool CreatePrivateDirectory(const std::wstring& path);
bool CopyFileNative(const std::wstring& source, const std::wstring& target);
bool DeleteFileNative(const std::wstring& path);
bool ClearReadOnlyAndHidden(const std::wstring& path);
// Opens for writing (truncating) in binary mode; nullptr on failure.
std::FILE* OpenForWriting(const std::wstring& path);

} // namespace Orv
