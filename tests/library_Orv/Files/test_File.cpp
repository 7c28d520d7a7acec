#include "ErrorRecorder.h"
#include "TempFolder.h"
#include "Wine.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/FileReader.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Md5.h"
#include "library_Orv/Files/Path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace Orv;

TEST(Md5Digest, KnownVectors) {
    EXPECT_EQ(Md5Hex("", 0), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Md5Hex("abc", 3), "900150983cd24fb0d6963f7d28e17f72");
    const std::string digits = "12345678901234567890123456789012345678901234567890123456789012345678901234567890";
    EXPECT_EQ(Md5Hex(digits.data(), digits.size()), "57edf4a22be3c955ac49da2e2107b67a");
    // Fed in pieces that straddle the 64-byte blocks, the digest is the same.
    Md5 pieces;
    for (size_t at = 0; at < digits.size(); at += 7)
        pieces.Update(digits.data() + at, std::min<size_t>(7, digits.size() - at));
    EXPECT_EQ(pieces.HexDigest(), "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(FileOperations, WriteReadHashAndDelete) {
    ErrorRecorder recorder;
    TempFolder temp;
    const std::wstring path = temp / L"deep/er/abc.txt";
    EXPECT_TRUE(WriteTextFile(path, "abc"));
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(DirectoryExists(path));
    EXPECT_TRUE(DirectoryExists(temp / L"deep/er"));
    EXPECT_EQ(FileMD5(path), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(GetFileSize64(path), 3);
    EXPECT_TRUE(DeleteOneFile(path));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(DeleteOneFile(path));
    EXPECT_EQ(FileMD5(path), "");
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(FileOperations, BinaryFileKeepsEveryByte) {
    TempFolder temp;
    std::vector<uint8_t> bytes(70000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
    ASSERT_TRUE(WriteBinaryFile(temp / L"b.bin", bytes));
    EXPECT_EQ(ReadFileBytes(temp / L"b.bin"), bytes);
    EXPECT_EQ(FileMD5(temp / L"b.bin"), Md5Hex(bytes.data(), bytes.size()));
}

TEST(FileOperations, UnwritablePathReportsCantOpen) {
    ErrorRecorder recorder;
    TempFolder temp;
    ASSERT_TRUE(WriteTextFile(temp / L"blocker", "x"));
    // A file stands where the folder would have to be.
    EXPECT_FALSE(WriteBinaryFile(temp / L"blocker/f.bin", {1, 2, 3}, true));
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].message, L"Can't Open File: " + (temp / L"blocker/f.bin"));
}

TEST(FileOperations, CopyFolderFilesRespectsOverwrite) {
    ErrorRecorder recorder;
    TempFolder temp;
    WriteTextFile(temp / L"src/a.txt", "new a");
    WriteTextFile(temp / L"src/b.txt", "new b");
    WriteTextFile(temp / L"src/sub/c.txt", "not copied");
    WriteTextFile(temp / L"dst/a.txt", "old a");
    CopyFolderFiles(temp / L"src", temp / L"dst", false);
    EXPECT_EQ(ReadFileBytes(temp / L"dst/a.txt"), std::vector<uint8_t>({'o', 'l', 'd', ' ', 'a'}));
    EXPECT_TRUE(FileExists(temp / L"dst/b.txt"));
    EXPECT_FALSE(DirectoryExists(temp / L"dst/sub"));
    CopyFolderFiles(temp / L"src", temp / L"dst", true);
    EXPECT_EQ(ReadFileBytes(temp / L"dst/a.txt"), std::vector<uint8_t>({'n', 'e', 'w', ' ', 'a'}));
    CopyFolderFiles(temp / L"missing", temp / L"dst2", true);
    EXPECT_FALSE(DirectoryExists(temp / L"dst2"));
    std::vector<std::wstring> names = ListFiles(temp / L"dst");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a.txt", L"b.txt"}));
}

TEST(FileOperations, CopyFailureIsAQuietWarning) {
    ErrorRecorder recorder;
    TempFolder temp;
    EXPECT_FALSE(CopyOneFile(temp / L"missing", temp / L"target"));
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].message, L"Can't copy file: ");
    EXPECT_EQ(recorder.reports[0].level, kErrorLevelWarning);
    EXPECT_TRUE(ErrorRecorder::Boxes().empty());
}

TEST(FileOperations, RemoveFolderTakesEverything) {
    TempFolder temp;
    WriteTextFile(temp / L"tree/a/b/c.txt", "x");
    WriteTextFile(temp / L"tree/d.txt", "y");
    EXPECT_TRUE(RemoveFolder(temp / L"tree"));
    EXPECT_FALSE(DirectoryExists(temp / L"tree"));
    EXPECT_TRUE(CreateDirectories(temp / L"x/y/z/"));
    EXPECT_TRUE(DirectoryExists(temp / L"x/y/z"));
}

TEST(FileReaders, ReadAllInChunksOnceAndShared) {
    TempFolder temp;
    std::vector<uint8_t> bytes(3 * FileObject::kChunkSize + 17);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i % 251);
    ASSERT_TRUE(WriteBinaryFile(temp / L"three.bin", bytes));
    FileObject file(temp / L"three.bin");
    const std::shared_ptr<SharedFile> first = file.ReadAll();
    ASSERT_TRUE(first);
    EXPECT_EQ(std::vector<uint8_t>(first->Data(), first->Data() + first->Size()), bytes);
    // A second call shares the loaded content, even once the file is gone.
    DeleteOneFile(temp / L"three.bin");
    EXPECT_EQ(file.ReadAll().get(), first.get());
    EXPECT_FALSE(FileObject(temp / L"three.bin").ReadAll());
}

TEST(FileReaders, EmptyFileAndFolders) {
    TempFolder temp;
    ASSERT_TRUE(WriteTextFile(temp / L"empty", ""));
    const std::shared_ptr<SharedFile> empty = FileObject(temp / L"empty").ReadAll();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Size(), 0u);
    EXPECT_EQ(FileMD5(temp / L"empty"), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_FALSE(OpenFileReader(temp.Path()));
    EXPECT_EQ(GetFileSize64(temp / L"nothing"), 0);
}

TEST(FileReaders, ReaderReportsItsSizeAndReadsExactCounts) {
    TempFolder temp;
    ASSERT_TRUE(WriteTextFile(temp / L"f", "0123456789"));
    std::unique_ptr<IFileReader> reader = OpenFileReader(temp / L"f");
    ASSERT_TRUE(reader);
    FileInformation info;
    EXPECT_TRUE(reader->ReadFileInfo(info, 0));
    EXPECT_TRUE(reader->ReadFileInfo(info, 0x10));
    EXPECT_EQ(info.size, 10);
    char buffer[8] = {};
    EXPECT_TRUE(reader->Read(buffer, 4));
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_FALSE(reader->Read(buffer, 8)); // only six bytes are left
    EXPECT_TRUE(reader->SetPosition(2));
    EXPECT_TRUE(reader->Read(buffer, 3, 3));
    EXPECT_EQ(std::string(buffer, 3), "234");
    EXPECT_TRUE(reader->Close());
    EXPECT_FALSE(reader->Close());
}

#ifdef _WIN32
// Folders on a network share (a roaming folder redirected to a server): the test run under Wine maps the share
// \\skvtest\share to a folder of the build (Wine's dosdevices/unc). Paths with "." and ".." reach it too.
TEST(FileOperations, FoldersAndFilesOnANetworkShare) {
    const std::wstring share = L"\\\\skvtest\\share\\";
    std::error_code error;
    if (!std::filesystem::is_directory(share, error)) // asked of the system itself, not of the code under test
        GTEST_SKIP() << "no share \\\\skvtest\\share here";
    const std::wstring folder = share + L"roaming\\..\\roaming\\.\\Maker\\";
    RemoveFolder(share + L"roaming");
    EXPECT_TRUE(CreateDirectories(folder + L"Product"));
    EXPECT_TRUE(DirectoryExists(share + L"roaming\\Maker\\Product"));
    EXPECT_TRUE(WriteTextFile(folder + L"Product\\LocalConfig.xml", "<Config/>"));
    EXPECT_TRUE(FileExists(share + L"roaming\\Maker\\Product\\LocalConfig.xml"));
    const std::vector<uint8_t> bytes = ReadFileBytes(share + L"roaming\\Maker\\Product\\LocalConfig.xml");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "<Config/>");
    EXPECT_TRUE(RemoveFolder(share + L"roaming"));
}

// A directory link (or junction) inside a folder is removed itself; what it points to stays. The test run lays
// out links/inside/link -> links/target beside this test.
TEST(FileOperations, RemovingAFolderLeavesWhatItsLinksPointTo) {
    const std::wstring links = GetApplicationFolder() + L"links\\";
    std::error_code error;
    if (!std::filesystem::exists(links + L"target\\keep.txt", error))
        GTEST_SKIP() << "no directory link laid out here";
    const bool removed = RemoveFolder(links + L"inside");
    EXPECT_TRUE(FileExists(links + L"target\\keep.txt"));
    EXPECT_TRUE(DirectoryExists(links + L"target"));
    // Wine's links are the host's symbolic links, which its RemoveDirectoryW follows: the link stays there.
    if (!RunningUnderWine()) {
        EXPECT_TRUE(removed);
        EXPECT_FALSE(DirectoryExists(links + L"inside"));
    }
}
#endif
