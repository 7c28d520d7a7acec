#pragma once

#include <cstddef>
#include <string>

// The environment variables that point the POSIX layer at a world of its own (tests, the sandbox, support staff).
// Each is documented in the README.
namespace Orv {

// A regedit export ("Windows Registry Editor Version 5.00") that stands for the registry.
constexpr const char* kEnvRegistryFile = "SKV_REGISTRY_FILE";
// PEM files of roots that Authenticode verification trusts besides the system's store, separated by ":".
constexpr const char* kEnvTrustedRoots = "SKV_TRUSTED_ROOTS";
// The file read for the operating-system caption (os-release format).
constexpr const char* kEnvOsRelease = "SKV_OS_RELEASE";
// The mount table and the sysfs root read to classify drives.
constexpr const char* kEnvMountsFile = "SKV_MOUNTS_FILE";
constexpr const char* kEnvSysfsRoot = "SKV_SYSFS_ROOT";
// The user's temporary folder; without it, a folder of the user's own (see GetTempFolder).
constexpr const char* kEnvTemp = "TEMP";
// XDG base directories: the roaming, local and all-users data folders.
constexpr const char* kEnvXdgConfigHome = "XDG_CONFIG_HOME";
constexpr const char* kEnvXdgDataHome = "XDG_DATA_HOME";
constexpr const char* kEnvXdgDataDirs = "XDG_DATA_DIRS";
constexpr const char* kEnvXdgCacheHome = "XDG_CACHE_HOME";
constexpr const char* kEnvXdgRuntimeDir = "XDG_RUNTIME_DIR";
// The folder that holds one socket file per named pipe (default: a folder of the user's own).
constexpr const char* kEnvPipeFolder = "SKV_PIPE_FOLDER";

// The folder of this user session's named objects, pipe sockets and instance locks, as Windows keeps them in the
// session's namespace: SKV_PIPE_FOLDER, else a private folder in XDG_RUNTIME_DIR, else /tmp/skorvane-pipes-<uid>
// (mode 0700). A folder that someone else owns or that others can write to is not used (empty; a quiet warning says
// so once).
std::string SessionFolder();

// The variable's value when it is set and not empty, else the fallback.
std::string PosixWorldPath(const char* variable, const std::string& fallback);
// The user's home folder (HOME, else the password database).
std::string HomeFolder();
// A folder (not a link) that this user owns and nobody else can write to or read.
bool IsPrivateFolder(const std::string& path);

// POSIX readers of files that the world names. A FIFO, socket or device in a file's place would block a plain open
// or read for ever, and a folder would fail a stream in mid-read: only a regular file is read, and opening never
// waits.
// Whether path (links followed) is a regular file.
bool IsRegularFile(const std::string& path);
// The whole content of a regular file of at most maxBytes; false for anything else or a failed read.
bool ReadRegularFile(const std::string& path, std::string& bytes, size_t maxBytes);

} // namespace Orv
