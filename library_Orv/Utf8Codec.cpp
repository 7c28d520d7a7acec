#include "Utf8Codec.h"

namespace Orv {

namespace {
bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// Code points of 0x80-0x9F; the unassigned bytes keep their own value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

char32_t DecodeUtf8(const char* text, size_t size, size_t& index) {
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(index);
    if (lead < 0x80) {
        ++index;
        return lead;
    }
    size_t count = 0;
    char32_t value = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the first continuation byte
    if (InRange(lead, 0xC2, 0xDF)) {
        count = 1;
        value = lead & 0x1F;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        count = 2;
        value = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        count = 3;
        value = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        ++index;
        return kReplacementCharacter;
    }
    size_t i = index + 1;
    for (size_t k = 0; k < count; ++k, ++i) {
        if (i >= size || !InRange(byteAt(i), k == 0 ? low : 0x80, k == 0 ? high : 0xBF)) {
            index = i;
            return kReplacementCharacter;
        }
        value = (value << 6) | (byteAt(i) & 0x3F);
    }
    index = i;
    return value;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        codePoint = kReplacementCharacter;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string ScrubUtf8(const std::string& text) {
    std::string out;
    bool changed = false;
    for (size_t index = 0; index < text.size();) {
        const size_t start = index;
        const char32_t codePoint = DecodeUtf8(text.data(), text.size(), index);
        if (codePoint == kReplacementCharacter && text.compare(start, index - start, "\xEF\xBF\xBD") != 0)
            changed = true; // an invalid sequence, not an encoded U+FFFD
        AppendUtf8(out, codePoint);
    }
    return changed ? out : text;
}

char32_t Windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kWindows1252High[byte - 0x80];
    return byte;
}

int UnicodeToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i)
        if (kWindows1252High[i] == codePoint)
            return 0x80 + i;
    return -1;
}

} // namespace Orv
