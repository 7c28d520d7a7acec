#include "NativeWindow.h"

#include <windows.h>
#include <dwmapi.h>

namespace Orv::NativeWindow {

namespace {
HWND Hwnd(intptr_t window) {
    return reinterpret_cast<HWND>(window);
}
constexpr UINT kFrameChanged =
    SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_FRAMECHANGED; // 0x237
} // namespace

bool Available() {
    return true;
}

namespace {
struct FoundMonitors {
    std::vector<Frameless::Rect> rects;
    int primary = -1;
};

// A function of its own: the 32-bit callback convention (stdcall) takes no lambda.
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* found = reinterpret_cast<FoundMonitors*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            found->primary = static_cast<int>(found->rects.size());
        found->rects.push_back({info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
    }
    return TRUE;
}
} // namespace

std::vector<Frameless::Rect> WorkAreas(int& primary) {
    FoundMonitors found;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&found));
    primary = found.primary;
    return found.rects;
}

bool Read(const void* nativeMessage, NativeMessage& out) {
    const MSG* msg = static_cast<const MSG*>(nativeMessage);
    if (!msg || !msg->hwnd)
        return false;
    out.window = reinterpret_cast<intptr_t>(msg->hwnd);
    out.message = msg->message;
    out.wParam = msg->wParam;
    out.lParam = msg->lParam;
    return true;
}

Frameless::Rect WindowRect(intptr_t window) {
    RECT rect{};
    GetWindowRect(Hwnd(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool IsVisible(intptr_t window) {
    return IsWindowVisible(Hwnd(window)) != FALSE;
}

bool IsZoomed(intptr_t window) {
    return ::IsZoomed(Hwnd(window)) != FALSE;
}

void AddStyle(intptr_t window, uint32_t styles) {
    const LONG_PTR style = GetWindowLongPtrW(Hwnd(window), GWL_STYLE);
    SetWindowLongPtrW(Hwnd(window), GWL_STYLE, style | static_cast<LONG_PTR>(styles));
}

void RemoveStyle(intptr_t window, uint32_t styles) {
    const LONG_PTR style = GetWindowLongPtrW(Hwnd(window), GWL_STYLE);
    SetWindowLongPtrW(Hwnd(window), GWL_STYLE, style & ~static_cast<LONG_PTR>(styles));
}

bool ExtendFrame(intptr_t window, int margin) {
    const MARGINS margins{margin, margin, margin, margin};
    return SUCCEEDED(DwmExtendFrameIntoClientArea(Hwnd(window), &margins));
}

void RefreshFrame(intptr_t window) {
    SetWindowPos(Hwnd(window), nullptr, 0, 0, 0, 0, kFrameChanged);
}

bool TrackMouseLeave(intptr_t window, bool nonClient) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE | (nonClient ? TME_NONCLIENT : 0);
    track.hwndTrack = Hwnd(window);
    track.dwHoverTime = HOVER_DEFAULT;
    return TrackMouseEvent(&track) != FALSE;
}

Frameless::Rect StandardFrame() {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    return {frame.left, frame.top, frame.right, frame.bottom};
}

intptr_t DefaultWithoutCaptionPainting(const NativeMessage& message) {
    const HWND window = Hwnd(message.window);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    RefreshFrame(message.window);
    const LRESULT result = DefWindowProcW(window, message.message, message.wParam, message.lParam);
    SetWindowLongPtrW(window, GWL_STYLE, style);
    RefreshFrame(message.window);
    return result;
}

void SetTopMost(intptr_t window, bool topMost) {
    const HWND after = topMost ? HWND_TOPMOST : HWND_NOTOPMOST;
    const UINT flags = topMost ? (SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW)                   // 0x43
                               : (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW); // 0x53
    SetWindowPos(Hwnd(window), after, 0, 0, 0, 0, flags);
    SetWindowPos(Hwnd(window), after, 0, 0, 0, 0, flags | SWP_ASYNCWINDOWPOS);
}

bool Move(intptr_t window, const Frameless::Rect& rect) {
    return MoveWindow(Hwnd(window), rect.left, rect.top, rect.Width(), rect.Height(), TRUE) != FALSE;
}

void SetRedraw(intptr_t window, bool redraw) {
    SendMessageW(Hwnd(window), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
}

bool WindowsOrAltKeyDown() {
    for (const int key : {VK_LWIN, VK_RWIN, VK_LMENU, VK_RMENU})
        if (GetAsyncKeyState(key) & 0x8000)
            return true;
    return false;
}

} // namespace Orv::NativeWindow
