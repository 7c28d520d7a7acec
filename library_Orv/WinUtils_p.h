#pragma once

#include <cstdint>
#include <string>

// What the two platforms do differently behind WinUtils.h; the shared logic is in WinUtils.cpp.
namespace Orv {

// The four numbers of the file's fixed version; false when it has none, with a failed read described in
// diagnostic.
bool ReadFixedFileVersion_sys(const std::wstring& path, uint16_t parts[4], std::string* diagnostic);

} // namespace Orv
