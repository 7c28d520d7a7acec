#pragma once

#include "RegFile.h"

#include <string>

namespace Orv {

// The product's executable: the uninstall entry's "DisplayIcon" when that file exists, else Skorvane.exe in
// "C:\Program Files\Skorvane\" when it exists, else the same under "C:\Program Files (x86)\Skorvane\". A relative
// path is never given (empty instead): on POSIX these Windows folders would name the working folder's content.
std::wstring GetProductExePath();
extern const wchar_t* const kProductUninstallKey;
// The entry of a 64-bit installer, or of a 32-bit Windows, in the system's own registry view.
extern const wchar_t* const kProductUninstallKeyNative;
// The executable an uninstall entry's DisplayIcon names: a string (REG_EXPAND_SZ expanded), unquoted, without an
// icon index, in canonical form; empty for a value of another type or a relative path.
std::wstring ProductPathFromDisplayIcon(const RegistryValue& icon);

// The fixed file version as "a.b.c.d", or "Dev" when the file has none. diagnostic receives the line that the
// caller writes to its log when a read fails.
std::wstring GetFileVersionText(const std::wstring& path, std::string* diagnostic = nullptr);

// The operating system's caption (WMI Win32_OperatingSystem on Windows, os-release elsewhere); cached once it is
// known, empty on failure.
std::wstring GetOSCaptionText();
// The same, asked again: on Windows it works on any thread, with COM initialised by the caller or not.
std::wstring QueryOSCaptionText();

} // namespace Orv
