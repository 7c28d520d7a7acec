#include "Registry.h"

#include "CStringUtilsOrv.h"
#include "PosixWorld.h"

#include <sys/stat.h>

#include <ctime>
#include <mutex>

// The registry is a regedit export file (SKV_REGISTRY_FILE); a missing or unreadable file (a folder, a FIFO) is
// an empty registry. The file is parsed again whenever it changes, so changes made while the tool runs are seen as
// on Windows, and only then: a pass makes dozens of queries. There is one view.
namespace Orv {

namespace {
const wchar_t* RootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return L"HKEY_CLASSES_ROOT\\";
    case RegistryRoot::CurrentUser:
        return L"HKEY_CURRENT_USER\\";
    default:
        return L"HKEY_LOCAL_MACHINE\\";
    }
}

constexpr size_t kMaxRegistryFileSize = 1024u * 1024 * 1024;

// What identifies one state of the file: a change of any of these means a new content.
struct FileState {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const FileState& other) const {
        return path == other.path && device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
    }
};

// Runs query on the registry as the file now is, under the cache's lock; false when there is no registry. A file
// whose state is unchanged is not read again, unless it changed so recently that a second change in the same tick
// of the file system's clock would not show in its time: then its content is compared (as git does).
template <typename Query> bool WithRegistry(Query query) {
    static std::mutex mutex;
    static FileState parsedState;
    static std::string parsedBytes;
    static RegFile parsed;
    static bool parsedOk = false;
    const std::string path =
        PosixWorldPath(kEnvRegistryFile, PosixWorldPath(kEnvXdgConfigHome, HomeFolder() + "/.config") +
                                             "/SkorvaneDiagnostics/registry.reg");
    FileState state;
    state.path = path;
    struct stat data {};
    if (stat(path.c_str(), &data) == 0) {
        state.device = data.st_dev;
        state.inode = data.st_ino;
        state.size = data.st_size;
        state.modified = data.st_mtim;
    }
    constexpr time_t kSettledSeconds = 2;
    const bool settled = time(nullptr) - state.modified.tv_sec > kSettledSeconds;
    std::lock_guard<std::mutex> lock(mutex);
    if (!(state == parsedState) || !settled) {
        std::string bytes;
        const bool read = state.size >= 0 && ReadRegularFile(path, bytes, kMaxRegistryFileSize);
        if (!read || !parsedOk || bytes != parsedBytes) {
            parsedOk = read && parsed.Parse(bytes);
            parsedBytes = parsedOk ? std::move(bytes) : std::string();
        }
        parsedState = state;
    }
    return parsedOk && query(static_cast<const RegFile&>(parsed));
}
} // namespace

// The export file is read whole or not at all: a key in it is there or not.
RegistryKeyState GetRegistryKeyState(RegistryRoot root, const std::wstring& keyPath, bool view64) {
    return RegistryKeyExists(root, keyPath, view64) ? RegistryKeyState::Present : RegistryKeyState::Missing;
}

bool RegistryKeyExists(RegistryRoot root, const std::wstring& keyPath, bool) {
    return WithRegistry([&](const RegFile& registry) { return registry.HasKey(RootName(root) + keyPath); });
}

bool ReadRegistryValue(RegistryRoot root, const std::wstring& keyPath, const std::wstring& valueName,
                       RegistryValue& value, bool) {
    return WithRegistry([&](const RegFile& registry) {
        const RegistryValue* found = registry.Find(RootName(root) + keyPath, valueName);
        if (found)
            value = *found;
        return found != nullptr;
    });
}

} // namespace Orv
