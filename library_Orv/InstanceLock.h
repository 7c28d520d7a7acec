#pragma once

#include <cstdint>
#include <string>

namespace Orv {

// A lock that one process of the user's session holds at a time, taken at once or not at all: a named mutex on
// Windows ("Local\<name>"), an advisory lock on a file in the session folder on POSIX. Released when the object goes
// or the process ends, however it ends; child processes do not inherit it.
class InstanceLock {
public:
    explicit InstanceLock(const std::wstring& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another process holds it (or it could not be made).
    bool Held() const { return native_ != kNone; }

private:
    static constexpr intptr_t kNone = -1;
    intptr_t native_ = kNone;
};

} // namespace Orv
