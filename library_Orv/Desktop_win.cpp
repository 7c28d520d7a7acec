#include "Desktop.h"

#include "WinOwners_win.h"
#include <shellapi.h>

namespace Orv {

std::wstring OwnExecutablePath() {
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH); // a longer path is truncated
    buffer[MAX_PATH - 1] = L'\0';
    return buffer;
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
