#pragma once

// The few Win32 and DWM calls of a window that draws its own frame, over native window handles. On POSIX there is
// no such window: reading a message fails and the calls do nothing (their callers use Qt's own means there).
#include "FramelessLogic.h"

#include <cstdint>
#include <vector>

namespace Orv::NativeWindow {

// The window messages and their values.
enum Message : unsigned {
    kSetText = 0x000C,
    kPaint = 0x000F,
    kGetMinMaxInfo = 0x0024,
    kSetIcon = 0x0080,
    kNcCalcSize = 0x0083,
    kNcHitTest = 0x0084,
    kNcMouseMove = 0x00A0,
    kThemedCaptionPaintA = 0x00AE,
    kThemedCaptionPaintB = 0x00AF,
    kSysCommand = 0x0112,
    kMouseMove = 0x0200,
    kNcMouseLeave = 0x02A2,
    kMouseLeave = 0x02A3,
};
enum SystemCommand : unsigned { kMinimize = 0xF020, kMaximize = 0xF030, kRestore = 0xF120 };
// Caption + thick frame + maximise box; caption + maximise box.
constexpr uint32_t kFrameStyles = 0x00C50000;
constexpr uint32_t kCaptionAndMaximizeBox = 0x00C10000;
// The answer to WM_NCCALCSIZE that redraws on both sizes.
constexpr intptr_t kRedrawOnResize = 0x300;

struct NativeMessage {
    intptr_t window = 0;
    unsigned message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Whether windows have native handles these calls work on (Windows); elsewhere callers use Qt's own means.
bool Available();
// The monitors' work areas (without the task bar and other docked bars) in physical pixels, and which of them is
// the primary one.
std::vector<Frameless::Rect> WorkAreas(int& primary);

// The message of Qt's "windows_generic_MSG" native event; false elsewhere.
bool Read(const void* nativeMessage, NativeMessage& out);
// The signed 16-bit screen coordinates packed in a mouse message's lParam.
void PointFromLParam(intptr_t lParam, int& x, int& y);

Frameless::Rect WindowRect(intptr_t window);
bool IsVisible(intptr_t window);
bool IsZoomed(intptr_t window);
void AddStyle(intptr_t window, uint32_t styles);
void RemoveStyle(intptr_t window, uint32_t styles);
// DWM's frame extended into the client area by margin pixels on every side (1 gives the shadow, 0 removes it).
bool ExtendFrame(intptr_t window, int margin);
// SetWindowPos with frame changed and nothing else (0x237).
void RefreshFrame(intptr_t window);
// TrackMouseEvent for a leave notification of the client area or, with nonClient, of the non-client area.
bool TrackMouseLeave(intptr_t window, bool nonClient);
// The frame of a standard overlapped window around an empty rectangle (AdjustWindowRectEx, style 0x00CF0000).
Frameless::Rect StandardFrame();
// The default procedure's answer to message with the visible style taken away meanwhile: Windows then paints no
// caption of its own over the window.
intptr_t DefaultWithoutCaptionPainting(const NativeMessage& message);
// Above all other windows or not, as SetWindowPos asks twice (plainly, then asynchronously).
void SetTopMost(intptr_t window, bool topMost);
bool Move(intptr_t window, const Frameless::Rect& rect);
void SetRedraw(intptr_t window, bool redraw);
// Either Windows key or either Alt key held down.
bool WindowsOrAltKeyDown();

} // namespace Orv::NativeWindow
