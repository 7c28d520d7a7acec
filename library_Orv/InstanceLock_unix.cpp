#include "InstanceLock.h"

#include "CStringUtilsOrv.h"
#include "PosixWorld.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Orv {

InstanceLock::InstanceLock(const std::wstring& name) {
    const std::string folder = SessionFolder();
    if (folder.empty())
        return;
    const std::string path = folder + "/" + WStringToUtf8(name) + ".lock";
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (descriptor < 0)
        return;
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        close(descriptor);
        return;
    }
    native_ = descriptor;
}

InstanceLock::~InstanceLock() {
    if (native_ != kNone)
        close(static_cast<int>(native_)); // the lock goes with the last descriptor
}

} // namespace Orv
