#include "CStringUtilsOrv.h"

#include "Utf8Codec.h"

#include <vector>

// wchar_t holds UTF-32 here; the results match the Win32 code-page calls with flags 0.
namespace Orv {

namespace {
std::wstring Decode(CodePage codePage, const std::string& text) {
    std::wstring out;
    out.reserve(text.size());
    if (codePage == CodePage::Windows1252) {
        for (const char c : text)
            out += static_cast<wchar_t>(Windows1252ToUnicode(static_cast<unsigned char>(c)));
        return out;
    }
    for (size_t index = 0; index < text.size();)
        out += static_cast<wchar_t>(DecodeUtf8(text.data(), text.size(), index));
    return out;
}

std::string Encode(CodePage codePage, const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        const char32_t codePoint = static_cast<char32_t>(c);
        if (codePage == CodePage::Utf8) {
            AppendUtf8(out, codePoint);
        } else {
            const int byte = UnicodeToWindows1252(codePoint);
            out += byte < 0 ? '?' : static_cast<char>(byte); // the code page's default character
        }
    }
    return out;
}

template <typename Out, typename In> size_t CopyOut(const In& converted, Out* out, size_t outSize) {
    if (converted.size() > outSize || converted.empty())
        return 0;
    for (size_t i = 0; i < converted.size(); ++i)
        out[i] = converted[i];
    return converted.size();
}
} // namespace

size_t NarrowToWideLength(CodePage codePage, const std::string& text) {
    return Decode(codePage, text).size();
}

size_t NarrowToWide(CodePage codePage, const std::string& text, wchar_t* out, size_t outSize) {
    return CopyOut(Decode(codePage, text), out, outSize);
}

size_t WideToNarrowLength(CodePage codePage, const std::wstring& text) {
    return Encode(codePage, text).size();
}

size_t WideToNarrow(CodePage codePage, const std::wstring& text, char* out, size_t outSize) {
    return CopyOut(Encode(codePage, text), out, outSize);
}

} // namespace Orv
