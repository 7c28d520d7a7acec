#include "Error.h"

#include "WinOwners_win.h"

namespace Orv {

unsigned long GetLastErrorCode() {
    return GetLastError();
}

void SetLastErrorCode(unsigned long code) {
    SetLastError(code);
}

std::string SystemErrorMessage(unsigned long code) {
    Win::LocalMemory buffer;
    // The messages are asked in French (France); systems without them give no text.
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length =
        FormatMessageA(flags, nullptr, code, 0x040C, reinterpret_cast<LPSTR>(buffer.Out()), 0, nullptr);
    if (length == 0 || !buffer.Valid())
        return {};
    return std::string(static_cast<const char*>(buffer.Get()), length);
}

bool PlatformHasMessageBox() {
    return true;
}

void ShowSystemMessageBox(const std::string& text, const std::string& caption, unsigned style) {
    // Owned by this thread's active window (disabled while the box waits, so its buttons do nothing meanwhile) and
    // top-most: a box never opens behind a top-most window.
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), style | MB_TOPMOST | MB_SETFOREGROUND);
}

} // namespace Orv
