#include "Session.h"

#include <sys/stat.h>

#include <cstdlib>

namespace Orv {

// POSIX has no session 0 and no LocalSystem: an account without a home folder is one nobody signs in to.
SessionFacts CurrentSessionFacts() {
    SessionFacts facts;
    const char* home = std::getenv("HOME");
    struct stat info {};
    facts.hasHome = home && *home && stat(home, &info) == 0 && S_ISDIR(info.st_mode);
    return facts;
}

} // namespace Orv
