#pragma once

#include <cstdint>
#include <string>

namespace Orv {

// The full path of the running executable (truncated to 260 characters on Windows, as GetModuleFileNameW does).
std::wstring OwnExecutablePath();

// Marks the process as aware of the screen's DPI; does nothing where the platform has no such notion.
void SetProcessDpiAware();

// Places the native window above all non-topmost windows and shows it. Returns false where this is not done
// natively; the caller then uses its toolkit's stay-on-top hint.
bool SetWindowTopMost(uintptr_t nativeWindowId);

} // namespace Orv
