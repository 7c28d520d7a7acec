#pragma once

#include <cstddef>
#include <string>

namespace Orv {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at text[index] and advances index. An invalid sequence gives U+FFFD and consumes its
// maximal valid prefix (at least one byte), as the Unicode standard recommends.
char32_t DecodeUtf8(const char* text, size_t size, size_t& index);

// Appends the UTF-8 form of a code point; surrogates and values above U+10FFFF are written as U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// The text with every invalid UTF-8 sequence replaced by U+FFFD.
std::string ScrubUtf8(const std::string& text);

// Windows-1252: every byte has a wide form (the five unassigned ones map to the C1 controls, as Windows does).
char32_t Windows1252ToUnicode(unsigned char byte);
// The byte of a code point, or -1 when Windows-1252 has none.
int UnicodeToWindows1252(char32_t codePoint);

} // namespace Orv
