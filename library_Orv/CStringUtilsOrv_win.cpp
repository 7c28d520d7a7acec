#include "CStringUtilsOrv.h"

#include <climits>
#include <windows.h>

namespace Orv {

namespace {
int ClampLength(size_t size) {
    return size > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}
} // namespace

// Flags 0: invalid UTF-8 becomes U+FFFD, and characters without a Windows-1252 form become "?".
size_t NarrowToWideLength(CodePage codePage, const std::string& text) {
    const int length =
        MultiByteToWideChar(static_cast<UINT>(codePage), 0, text.data(), ClampLength(text.size()), nullptr, 0);
    return length > 0 ? static_cast<size_t>(length) : 0;
}

size_t NarrowToWide(CodePage codePage, const std::string& text, wchar_t* out, size_t outSize) {
    if (outSize == 0)
        return 0; // a size of 0 would ask for the length instead of converting
    const int length = MultiByteToWideChar(static_cast<UINT>(codePage), 0, text.data(), ClampLength(text.size()), out,
                                           ClampLength(outSize));
    return length > 0 ? static_cast<size_t>(length) : 0;
}

size_t WideToNarrowLength(CodePage codePage, const std::wstring& text) {
    const int length = WideCharToMultiByte(static_cast<UINT>(codePage), 0, text.data(), ClampLength(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    return length > 0 ? static_cast<size_t>(length) : 0;
}

size_t WideToNarrow(CodePage codePage, const std::wstring& text, char* out, size_t outSize) {
    if (outSize == 0)
        return 0;
    const int length = WideCharToMultiByte(static_cast<UINT>(codePage), 0, text.data(), ClampLength(text.size()), out,
                                           ClampLength(outSize), nullptr, nullptr);
    return length > 0 ? static_cast<size_t>(length) : 0;
}

} // namespace Orv
