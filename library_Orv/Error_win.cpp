#include "Error.h"

#include <windows.h>

namespace Orv {

namespace {
// Owns a buffer that FormatMessage allocated with LocalAlloc.
class LocalBuffer {
public:
    ~LocalBuffer() {
        if (buffer_)
            LocalFree(buffer_);
    }
    char** Address() { return &buffer_; }
    const char* Get() const { return buffer_; }

private:
    char* buffer_ = nullptr;
};
} // namespace

unsigned long GetLastErrorCode() {
    return GetLastError();
}

void SetLastErrorCode(unsigned long code) {
    SetLastError(code);
}

std::string SystemErrorMessage(unsigned long code) {
    LocalBuffer buffer;
    // The messages are asked in French (France); systems without them give no text.
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length =
        FormatMessageA(flags, nullptr, code, 0x040C, reinterpret_cast<LPSTR>(buffer.Address()), 0, nullptr);
    if (length == 0 || !buffer.Get())
        return {};
    return std::string(buffer.Get(), length);
}

bool PlatformHasMessageBox() {
    return true;
}

void ShowSystemMessageBox(const std::string& text, const std::string& caption, unsigned style) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

} // namespace Orv
