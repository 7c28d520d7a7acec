#include "Error.h"

#include <cstdio>
#include <cstring>

namespace Orv {

namespace {
// The thread's last-error slot, as Win32 keeps one. errno is not used for it: the C library changes errno on
// success paths too (a write to a terminal, a time-zone lookup), so it cannot carry a failure to the caller.
// The POSIX layer stores errno here where its own calls fail.
thread_local unsigned long gLastError = 0;
} // namespace

unsigned long GetLastErrorCode() {
    return gLastError;
}

void SetLastErrorCode(unsigned long code) {
    gLastError = code;
}

std::string SystemErrorMessage(unsigned long code) {
    char buffer[256] = {};
    // GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = strerror_r(static_cast<int>(code), buffer, sizeof buffer);
    return text ? std::string(text) + "\n" : std::string();
}

bool PlatformHasMessageBox() {
    return false;
}

void ShowSystemMessageBox(const std::string& text, const std::string& caption, unsigned) {
    // Without a window system to show a box, the message goes to the error stream.
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

} // namespace Orv
