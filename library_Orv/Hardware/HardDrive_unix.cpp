#include "HardDrive.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/PosixWorld.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

// Drives are read from the mount table and from sysfs (both can be pointed elsewhere, see PosixWorld.h).
namespace Orv {

namespace {
struct Mount {
    std::string source;
    std::string folder;
    std::string type;
};

bool FindMount(const std::string& path, Mount& found) {
    std::ifstream mounts(PosixWorldPath(kEnvMountsFile, "/proc/self/mounts"));
    std::string line;
    size_t best = 0;
    bool any = false;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        Mount mount;
        if (!(fields >> mount.source >> mount.folder >> mount.type))
            continue;
        const std::string& folder = mount.folder;
        const bool contains = folder == "/" || path == folder || path.rfind(folder + "/", 0) == 0;
        if (contains && folder.size() >= best) {
            best = folder.size();
            found = mount;
            any = true;
        }
    }
    return any;
}

std::string ReadLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// The sysfs folder of the whole disk that holds the mount's block device, or empty.
std::string DiskFolder(const std::string& path) {
    Mount mount;
    if (!FindMount(path, mount) || mount.source.rfind("/dev/", 0) != 0)
        return {};
    const std::string sysfs = PosixWorldPath(kEnvSysfsRoot, "/sys");
    std::string device = mount.source.substr(5);
    const size_t slash = device.rfind('/');
    if (slash != std::string::npos)
        device = device.substr(slash + 1);
    const std::string classFolder = sysfs + "/class/block/" + device;
    char resolved[PATH_MAX];
    if (!realpath(classFolder.c_str(), resolved))
        return {};
    std::string folder = resolved;
    struct stat data {};
    if (stat((folder + "/partition").c_str(), &data) == 0)
        folder = folder.substr(0, folder.rfind('/')); // a partition's disk is its parent
    return folder;
}

bool IsNetworkType(const std::string& type) {
    for (const char* network : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs", "ceph"})
        if (type == network)
            return true;
    return false;
}
} // namespace

NativeDrive NativeDriveType(const std::wstring& rootPath) {
    const std::string path = WStringToUtf8(rootPath);
    struct stat data {};
    Mount mount;
    if (path.empty() || stat(path.c_str(), &data) != 0 || !FindMount(path, mount))
        return NativeDrive::Unknown;
    if (IsNetworkType(mount.type))
        return NativeDrive::Remote;
    if (mount.type == "iso9660" || mount.type == "udf")
        return NativeDrive::Optical;
    if (mount.type == "tmpfs" || mount.type == "ramfs")
        return NativeDrive::RamDisk;
    const std::string disk = DiskFolder(path);
    if (!disk.empty() && ReadLine(disk + "/removable") == "1")
        return NativeDrive::Removable;
    return NativeDrive::Fixed;
}

bool IsDriveHotplug(const std::wstring& path) {
    const std::string disk = DiskFolder(WStringToUtf8(path));
    return disk.find("/usb") != std::string::npos;
}

bool IsDriveSolidState(const std::wstring& path) {
    const std::string disk = DiskFolder(WStringToUtf8(path));
    return !disk.empty() && ReadLine(disk + "/queue/rotational") == "0";
}

} // namespace Orv
