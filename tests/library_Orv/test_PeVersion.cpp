#include "ErrorRecorder.h"
#include "TempFolder.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Pe/PeVersion.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

using namespace Orv;

// versioned.dll is built beside this test with a version resource of 1.3.0.7.
namespace {
std::wstring VersionedDll() {
    return GetApplicationFolder() + L"versioned.dll";
}
} // namespace

TEST(FileVersion, OfARealPeWithAVersionResource) {
    ASSERT_TRUE(FileExists(VersionedDll()));
    std::string diagnostic;
    EXPECT_EQ(GetFileVersionText(VersionedDll(), &diagnostic), L"1.3.0.7");
    EXPECT_TRUE(diagnostic.empty());
}

TEST(FileVersion, FilesWithoutOneGiveDev) {
    TempFolder temp;
    WriteTextFile(temp / L"plain.txt", "no version here");
    EXPECT_EQ(GetFileVersionText(temp / L"plain.txt"), L"Dev");
    EXPECT_EQ(GetFileVersionText(temp / L"missing.dll"), L"Dev");
}

TEST(PeVersionReader, EveryTruncationFailsCleanly) {
    const std::vector<uint8_t> bytes = ReadFileBytes(VersionedDll());
    ASSERT_FALSE(bytes.empty());
    uint16_t parts[4] = {};
    ASSERT_TRUE(ReadPeFileVersion(bytes.data(), bytes.size(), parts));
    EXPECT_EQ(parts[0], 1);
    EXPECT_EQ(parts[1], 3);
    EXPECT_EQ(parts[3], 7);
    // Each prefix is copied to a buffer of its own size so that any read past it is caught by the sanitizer. A prefix
    // that still holds the whole version resource may be read, and then gives the true version; one that cuts the
    // headers never is.
    for (size_t size = 0; size < bytes.size(); size += 97) {
        std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        uint16_t read[4] = {};
        if (ReadPeFileVersion(prefix.data(), prefix.size(), read)) {
            EXPECT_GE(size, 512u);
            EXPECT_EQ(std::vector<uint16_t>(read, read + 4), std::vector<uint16_t>(parts, parts + 4)) << size;
        }
    }
    // A corrupted signature of the fixed file information is refused.
    std::vector<uint8_t> corrupted = bytes;
    const uint8_t signature[4] = {0xBD, 0x04, 0xEF, 0xFE};
    auto at = std::search(corrupted.begin(), corrupted.end(), signature, signature + 4);
    ASSERT_NE(at, corrupted.end());
    *at = 0;
    EXPECT_FALSE(ReadPeFileVersion(corrupted.data(), corrupted.size(), parts));
}
