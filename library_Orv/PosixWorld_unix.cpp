#include "PosixWorld.h"

#include "Error.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <vector>

namespace Orv {

namespace {
// A folder (not a link) that this user owns and nobody else can write to.
bool IsOwnFolder(const std::string& path) {
    struct stat data {};
    return lstat(path.c_str(), &data) == 0 && S_ISDIR(data.st_mode) && data.st_uid == geteuid() &&
           (data.st_mode & 022) == 0;
}

} // namespace

// A folder that someone else made, or that others can write to, could hand us their sockets (a neighbour could
// answer for the product): such a folder is not used, whether named or the default (which must be private).
std::string SessionFolder() {
    const std::string configured = PosixWorldPath(kEnvPipeFolder, "");
    if (!configured.empty()) {
        mkdir(configured.c_str(), 0700);
        if (IsOwnFolder(configured))
            return configured;
        static std::once_flag said;
        std::call_once(said, [&] {
            ORV_REPORT("The pipe folder " + configured + " (" + kEnvPipeFolder +
                           ") is not used: it must be a folder of this user's own that nobody else can write to.",
                       true, kErrorLevelWarning);
        });
        return std::string();
    }
    const std::string runtime = PosixWorldPath(kEnvXdgRuntimeDir, "");
    std::vector<std::string> candidates;
    if (!runtime.empty() && IsPrivateFolder(runtime))
        candidates.push_back(runtime + "/skorvane-pipes");
    candidates.push_back("/tmp/skorvane-pipes-" + std::to_string(static_cast<unsigned long>(geteuid())));
    // Another user may have made the shared name first: then a folder in the user's own home.
    const std::string home = HomeFolder();
    struct stat homeData {};
    if (home != "/" && lstat(home.c_str(), &homeData) == 0 && S_ISDIR(homeData.st_mode) &&
        homeData.st_uid == geteuid() && (homeData.st_mode & 022) == 0)
        candidates.push_back(home + "/.skorvane-pipes");
    for (const std::string& folder : candidates) {
        mkdir(folder.c_str(), 0700);
        if (IsPrivateFolder(folder))
            return folder;
    }
    return std::string();
}

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
