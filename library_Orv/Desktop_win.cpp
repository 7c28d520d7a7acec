#include "Desktop.h"

#include "WinOwners_win.h"
#include <shellapi.h>

namespace Orv {

std::wstring OwnExecutablePath() {
    // A program started from a deep folder has a path longer than MAX_PATH; a buffer that is filled to its end
    // may have been cut, so it grows until the path fits (the system's limit is 32767 characters).
    for (DWORD size = MAX_PATH; size <= 65536; size *= 2) {
        std::wstring buffer(size, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return {};
        if (length < size) {
            buffer.resize(length);
            return buffer;
        }
    }
    return {};
}

std::vector<std::wstring> CommandLineArguments(int, char**) {
    std::vector<std::wstring> arguments;
    int count = 0;
    const Win::LocalMemory split(CommandLineToArgvW(GetCommandLineW(), &count));
    const auto* items = static_cast<wchar_t* const*>(split.Get());
    for (int i = 0; items && i < count; ++i)
        arguments.emplace_back(items[i]);
    return arguments;
}

void SetProcessDpiAware() {
    SetProcessDPIAware();
}

bool SetWindowTopMost(uintptr_t nativeWindowId) {
    HWND window = reinterpret_cast<HWND>(nativeWindowId);
    const UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags | SWP_ASYNCWINDOWPOS);
    return true;
}

} // namespace Orv
