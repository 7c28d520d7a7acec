#include "ErrorRecorder.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Hardware/HardDrive.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace Orv;

namespace {
bool OnWindows() {
    return NativeSeparator() == L'\\';
}
} // namespace

TEST(DriveKind, NetworkWordAndUnknownRoots) {
    ErrorRecorder recorder;
    EXPECT_EQ(GetDriveKind(L"network"), kDriveNetwork);
    EXPECT_TRUE(recorder.reports.empty());
    const std::wstring unknown = OnWindows() ? L"Q:\\" : L"/no/such/skv/root";
    EXPECT_EQ(GetDriveKind(unknown), kDriveUnknown);
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].message, L"Can't find the type of drive: " + unknown);
    EXPECT_TRUE(ErrorRecorder::Boxes().empty()); // quiet
}

TEST(DriveKind, TheCurrentFolderIsOnAKnownDrive) {
    const std::wstring current = GetCurrentFolder();
    const std::wstring root = OnWindows() ? current.substr(0, 3) : current;
    EXPECT_NE(GetDriveKind(root), kDriveUnknown);
    if (OnWindows()) {
        EXPECT_TRUE(DirectoryExists(current.substr(0, 2))); // a drive root asks the drive kind
    }
}

TEST(DriveKind, FromTheMountTableAndSysfs) {
    if (OnWindows())
        GTEST_SKIP() << "drives come from the system's own calls on Windows";
    namespace fs = std::filesystem;
    TempFolder temp;
    const std::string base = WStringToUtf8(temp.Path());
    const std::string sys = base + "sys";
    const auto disk = [&](const std::string& device, const std::string& partition, const std::string& bus,
                          const char* removable, const char* rotational) {
        const std::string diskFolder = sys + "/devices/" + bus + "/block/" + device;
        fs::create_directories(diskFolder + "/queue");
        WriteTextFile(Utf8ToWString(diskFolder + "/removable"), removable);
        WriteTextFile(Utf8ToWString(diskFolder + "/queue/rotational"), rotational);
        std::string target = diskFolder;
        if (!partition.empty()) {
            target += "/" + partition;
            fs::create_directories(target);
            WriteTextFile(Utf8ToWString(target + "/partition"), "1");
        }
        fs::create_directories(sys + "/class/block");
        fs::create_directory_symlink(target, sys + "/class/block/" + (partition.empty() ? device : partition));
    };
    disk("sdb", "sdb1", "pci0000:00/usb1/1-1", "0", "1");
    disk("nvme0n1", "nvme0n1p2", "pci0000:00/nvme", "0", "0");
    disk("sda", "sda1", "pci0000:00/ata1", "0", "1");
    disk("sdc", "", "pci0000:00/usb2/2-1", "1", "1");
    std::string mounts;
    for (const char* line : {"/dev/sdb1 @usb ext4 rw 0 0", "/dev/nvme0n1p2 @ssd ext4 rw 0 0",
                             "/dev/sda1 @hdd ext4 rw 0 0", "/dev/sdc @stick vfat rw 0 0", "server:/x @nfs nfs4 rw 0 0",
                             "tmpfs @ram tmpfs rw 0 0", "/dev/sr0 @cd iso9660 ro 0 0"}) {
        std::string entry = line;
        entry.replace(entry.find('@'), 1, base);
        mounts += entry + "\n";
        fs::create_directories(
            entry.substr(entry.find(' ') + 1, entry.find(' ', entry.find(' ') + 1) - entry.find(' ') - 1) + "/inner");
    }
    WriteTextFile(temp / L"mounts", mounts);
    const ScopedTestEnvironment mountsFile("SKV_MOUNTS_FILE", base + "mounts");
    const ScopedTestEnvironment sysfsRoot("SKV_SYSFS_ROOT", sys);
    EXPECT_EQ(GetDriveKind(Utf8ToWString(base + "usb/inner")), kDriveHotplugRotating);
    EXPECT_EQ(GetDriveKind(Utf8ToWString(base + "ssd")), kDriveInternalSolidState);
    EXPECT_EQ(GetDriveKind(Utf8ToWString(base + "hdd")), kDriveInternalRotating);
    EXPECT_EQ(GetDriveKind(Utf8ToWString(base + "stick")), kDriveRemovable);
    EXPECT_EQ(GetDriveKind(Utf8ToWString(base + "nfs")), kDriveNetwork);
    EXPECT_EQ(GetDriveKind(Utf8ToWString(base + "ram")), kDriveRamDisk);
    EXPECT_EQ(GetDriveKind(Utf8ToWString(base + "cd")), kDriveOptical);
}
