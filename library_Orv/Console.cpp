#include "Console.h"

#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <vector>

namespace Orv {

namespace {
std::string VFormat(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(size) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<size_t>(size));
}
} // namespace

std::string FormatString(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    return text;
}

void PrintF(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = VFormat(format, args);
    va_end(args);
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

void ConsolePrint(const std::wstring& text) {
    std::wcout << text << std::endl;
}

} // namespace Orv
