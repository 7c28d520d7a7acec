#pragma once

#include <string>
#include <vector>

// The files of the automatic copy tests: two small source files and an empty target folder under the user's
// temporary folder. The tests pass when both sources have been copied into the target folder.
namespace Checks {

extern const char* const kCopyTargetFolder; // "%TEMP%/SKV/Target/"
extern const char* const kCopySourceFolder; // "%TEMP%/SKV/Source/"
// The size of the content written into each source file.
constexpr size_t kCopySourceSize = 500;

// One of the literals above (or a file under them) with %TEMP% expanded and the separators made native. Where
// TEMP is not set (POSIX), the system's temporary folder takes its place.
std::wstring CopyTestPath(const std::string& literal);

// Deletes the target folder with its content and creates it again, empty.
void ResetTargetFolder();
// Creates the source folder when missing; returns the paths of tmp1.txt and tmp2.txt in it.
std::vector<std::wstring> PrepareSourcePaths();
// Writes the 500-byte block as the whole content of each file.
void WriteSourceFiles(const std::vector<std::wstring>& sources);
// The target folder (with its trailing separator), "|", and the sources joined with "|".
std::wstring CopyArgument(const std::vector<std::wstring>& sources);
// tmp1.txt and tmp2.txt both exist in the target folder, as files.
bool ExpectedCopiesExist();

} // namespace Checks
