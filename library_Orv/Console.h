#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace Orv {

// printf-style output to standard output, flushed at once; the start-up diagnostics use it.
void PrintF(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// printf-style formatting into a string.
std::string FormatString(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Writes the wide text, a newline, and flushes the wide standard output stream.
void ConsolePrint(const std::wstring& text);

// Keeps standard output for one writer: returns a stream on it, and from then on whatever else the process (the
// library, the programs it runs) writes to standard output goes to the error stream. Null when that fails.
std::FILE* TakeStandardOutput();

} // namespace Orv
