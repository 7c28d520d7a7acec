#pragma once

#include <string>

namespace Orv {

// Windows-1252 <-> wide.
std::wstring StringToWString(const std::string& text);
std::string WStringToString(const std::wstring& text);

// UTF-8 <-> wide. Invalid UTF-8 becomes U+FFFD without a report.
std::wstring Utf8ToWString(const std::string& text);
std::string WStringToUtf8(const std::wstring& text);

// Platform conversions behind the four above: the length the result needs, then the conversion into a buffer of
// exactly that length. A return of 0 from Convert is a failure.
enum class CodePage { Windows1252 = 1252, Utf8 = 65001 };
size_t NarrowToWideLength(CodePage codePage, const std::string& text);
size_t NarrowToWide(CodePage codePage, const std::string& text, wchar_t* out, size_t outSize);
size_t WideToNarrowLength(CodePage codePage, const std::wstring& text);
size_t WideToNarrow(CodePage codePage, const std::wstring& text, char* out, size_t outSize);

} // namespace Orv
