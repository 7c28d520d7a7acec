#include "PosixWorld.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Orv {

std::string HomeFolder() {
    const std::string home = PosixWorldPath("HOME", "");
    if (!home.empty())
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

bool IsPrivateFolder(const std::string& path) {
    struct stat data {};
    return lstat(path.c_str(), &data) == 0 && S_ISDIR(data.st_mode) && data.st_uid == geteuid() &&
           (data.st_mode & 077) == 0;
}

bool IsRegularFile(const std::string& path) {
    struct stat data {};
    return stat(path.c_str(), &data) == 0 && S_ISREG(data.st_mode);
}

bool ReadRegularFile(const std::string& path, std::string& bytes, size_t maxBytes) {
    bytes.clear();
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat data {};
    bool ok = fstat(descriptor, &data) == 0 && S_ISREG(data.st_mode) && static_cast<size_t>(data.st_size) <= maxBytes;
    if (ok) {
        bytes.resize(static_cast<size_t>(data.st_size));
        size_t total = 0;
        while (ok && total < bytes.size()) {
            const ssize_t count = read(descriptor, &bytes[total], bytes.size() - total);
            ok = count > 0;
            if (ok)
                total += static_cast<size_t>(count);
        }
    }
    close(descriptor);
    if (!ok)
        bytes.clear();
    return ok;
}

} // namespace Orv
