#include "PosixWorld.h"

#include <pwd.h>
#include <unistd.h>

namespace Orv {

std::string HomeFolder() {
    const std::string home = PosixWorldPath("HOME", "");
    if (!home.empty())
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

} // namespace Orv
