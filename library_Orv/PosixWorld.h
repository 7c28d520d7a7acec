#pragma once

#include "EnvironmentNames.h"

#include <cstddef>
#include <string>

// Where the POSIX layer finds its world: the environment variables named in EnvironmentNames.h.
namespace Orv {

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
