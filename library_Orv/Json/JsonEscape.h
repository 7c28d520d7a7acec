#pragma once

#include <cstddef>
#include <string>

namespace Orv {

// Writes a string value's characters as JSON text: the quote, the backslash and the five named controls through
// their short escapes, every other control character below 0x20 as \u00XX.
std::string JsonEscape(const std::string& text);

// The exact inverse of JsonEscape, in one pass; any other backslash sequence is kept as it stands.
std::string JsonUnescape(const char* text, size_t size);

} // namespace Orv
