#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Orv {

// The full path of the running executable (truncated to 260 characters on Windows, as GetModuleFileNameW does).
std::wstring OwnExecutablePath();

// The program's arguments, its own name first, as the system passed them: on Windows from the wide command line
// (main's argv is in the ANSI code page and loses what it cannot hold), elsewhere from argv in UTF-8.
std::vector<std::wstring> CommandLineArguments(int argc, char** argv);

// Marks the process as aware of the screen's DPI; does nothing where the platform has no such notion.
void SetProcessDpiAware();

// Places the native window above all non-topmost windows and shows it. Returns false where this is not done
// natively; the caller then uses its toolkit's stay-on-top hint.
bool SetWindowTopMost(uintptr_t nativeWindowId);

} // namespace Orv
