#include "PosixWorld.h"

namespace Orv {

// Windows has its own known folders; this is only here so that the module links everywhere.
std::string HomeFolder() {
    return PosixWorldPath("USERPROFILE", "");
}

} // namespace Orv
