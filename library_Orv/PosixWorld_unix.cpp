#include "PosixWorld.h"

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

} // namespace Orv
