#include "JsonEscape.h"

namespace Orv {

namespace {
const char* ShortEscape(unsigned char c) {
    switch (c) {
    case '\b':
        return "\\b";
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\f':
        return "\\f";
    case '\r':
        return "\\r";
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    default:
        return nullptr;
    }
}

int ShortUnescape(char c) {
    switch (c) {
    case 'b':
        return '\b';
    case 't':
        return '\t';
    case 'n':
        return '\n';
    case 'f':
        return '\f';
    case 'r':
        return '\r';
    case '"':
        return '"';
    case '\\':
        return '\\';
    default:
        return -1;
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The character of a \u00XX sequence that JsonEscape writes, or -1.
int ControlFromUnicodeEscape(const char* sequence) {
    if (sequence[0] != 'u' || sequence[1] != '0' || sequence[2] != '0')
        return -1;
    const int high = HexValue(sequence[3]);
    const int low = HexValue(sequence[4]);
    if (high < 0 || high > 1 || low < 0)
        return -1;
    const int value = high * 16 + low;
    return ShortEscape(static_cast<unsigned char>(value)) ? -1 : value;
}
} // namespace

std::string JsonEscape(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (const char* escape = ShortEscape(byte)) {
            out += escape;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string JsonUnescape(const char* text, size_t size) {
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < size;) {
        if (text[i] == '\\' && i + 1 < size) {
            const int shortValue = ShortUnescape(text[i + 1]);
            if (shortValue >= 0) {
                out += static_cast<char>(shortValue);
                i += 2;
                continue;
            }
            if (i + 6 <= size) {
                const int control = ControlFromUnicodeEscape(text + i + 1);
                if (control >= 0) {
                    out += static_cast<char>(control);
                    i += 6;
                    continue;
                }
            }
        }
        out += text[i++];
    }
    return out;
}

} // namespace Orv
