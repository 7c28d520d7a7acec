#include "RegFile.h"

#include "CStringUtilsOrv.h"

#include <utility>

namespace Orv {

namespace {
wchar_t LowerAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = LowerAscii(c);
    return text;
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && Lower(text.substr(0, prefix.size())) == Lower(prefix);
}

std::wstring Trim(const std::wstring& text) {
    const size_t begin = text.find_first_not_of(L" \t\r\n");
    if (begin == std::wstring::npos)
        return {};
    const size_t end = text.find_last_not_of(L" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

// The export's text as wide characters, whatever its encoding.
// Calls line(text) for each line of the file (split at line feeds), decoded on its own: UTF-16LE after its
// byte-order mark, else UTF-8 (with or without its mark). The whole text is never held decoded.
template <typename Line> void ForEachDecodedLine(const std::string& bytes, Line line) {
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE) {
        std::wstring text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const char16_t unit = static_cast<char16_t>(byteAt(i) | (byteAt(i + 1) << 8));
            if (unit == u'\n') {
                line(text);
                text.clear();
            } else {
                text += static_cast<wchar_t>(unit); // surrogates stay as units: key names are plain text
            }
        }
        line(text);
        return;
    }
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start <= bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        line(Utf8ToWString(bytes.substr(start, end - start)));
        start = end + 1;
    }
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    c = LowerAscii(c);
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

// "aa,bb,cc" -> bytes; false on anything else.
bool ParseHexBytes(const std::wstring& text, std::vector<uint8_t>& bytes) {
    std::wstring digits;
    const auto flush = [&]() {
        if (digits.size() > 2)
            return false;
        if (!digits.empty()) {
            int value = 0;
            for (const wchar_t d : digits)
                value = value * 16 + HexDigit(d);
            bytes.push_back(static_cast<uint8_t>(value));
            digits.clear();
        }
        return true;
    };
    for (const wchar_t c : text) {
        if (c == L',' || c == L' ' || c == L'\t') {
            if (!flush())
                return false;
        } else if (HexDigit(c) < 0) {
            return false;
        } else {
            digits += c;
        }
    }
    return flush();
}

std::wstring Utf16LeBytesToText(const std::vector<uint8_t>& bytes) {
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
    return text;
}

// Reads a quoted string starting at text[at] == '"'; at ends after the closing quote. False when unterminated.
bool ReadQuoted(const std::wstring& text, size_t& at, std::wstring& out) {
    for (++at; at < text.size(); ++at) {
        const wchar_t c = text[at];
        if (c == L'"') {
            ++at;
            return true;
        }
        if (c == L'\\' && at + 1 < text.size())
            ++at;
        out += text[at];
    }
    return false;
}

bool ParseValue(const std::wstring& data, RegistryValue& value) {
    if (!data.empty() && data[0] == L'"') {
        size_t at = 0;
        value.type = RegistryValue::String;
        return ReadQuoted(data, at, value.text) && Trim(data.substr(at)).empty();
    }
    if (StartsWithNoCase(data, L"dword:")) {
        const std::wstring digits = Trim(data.substr(6));
        if (digits.empty() || digits.size() > 8)
            return false;
        value.type = RegistryValue::Dword;
        for (const wchar_t d : digits) {
            if (HexDigit(d) < 0)
                return false;
            value.number = value.number * 16 + static_cast<uint64_t>(HexDigit(d));
        }
        for (int i = 0; i < 4; ++i)
            value.bytes.push_back(static_cast<uint8_t>(value.number >> (8 * i)));
        return true;
    }
    if (!StartsWithNoCase(data, L"hex"))
        return false;
    size_t colon = data.find(L':');
    if (colon == std::wstring::npos)
        return false;
    const std::wstring kind = Lower(data.substr(0, colon));
    std::vector<uint8_t> bytes;
    if (!ParseHexBytes(data.substr(colon + 1), bytes))
        return false;
    uint32_t typeCode = 3; // plain "hex:" is binary
    if (kind != L"hex") {
        // "hex(N)" with N the type code in hexadecimal.
        if (kind.size() < 6 || kind.compare(0, 4, L"hex(") != 0 || kind.back() != L')' || kind.size() > 13)
            return false;
        typeCode = 0;
        for (size_t at = 4; at + 1 < kind.size(); ++at) {
            if (HexDigit(kind[at]) < 0)
                return false;
            typeCode = typeCode * 16 + static_cast<uint32_t>(HexDigit(kind[at]));
        }
    }
    value = RegistryValue::FromData(typeCode, std::move(bytes));
    return true;
}
} // namespace

RegistryValue RegistryValue::FromData(uint32_t typeCode, std::vector<uint8_t> data) {
    RegistryValue value;
    const auto number = [&](size_t size, Type type) {
        if (data.size() != size)
            return;
        value.type = type;
        for (size_t i = size; i-- > 0;)
            value.number = (value.number << 8) | data[i];
    };
    value.type = Other;
    switch (typeCode) {
    case 1:
    case 2: {
        value.type = typeCode == 1 ? String : ExpandString;
        value.text = Utf16LeBytesToText(data);
        const size_t end = value.text.find(L'\0');
        if (end != std::wstring::npos)
            value.text.resize(end);
        break;
    }
    case 7:
        value.type = MultiString;
        value.text = Utf16LeBytesToText(data);
        while (!value.text.empty() && value.text.back() == L'\0')
            value.text.pop_back();
        break;
    case 3:
        value.type = Binary;
        break;
    case 4:
        number(4, Dword);
        break;
    case 11:
        number(8, Qword);
        break;
    default:
        break;
    }
    value.bytes = std::move(data);
    return value;
}

std::wstring RegFile::CanonicalKey(const std::wstring& keyPath) {
    static const std::pair<const wchar_t*, const wchar_t*> kRoots[] = {{L"hkcr", L"hkey_classes_root"},
                                                                       {L"hkcu", L"hkey_current_user"},
                                                                       {L"hklm", L"hkey_local_machine"},
                                                                       {L"hku", L"hkey_users"},
                                                                       {L"hkcc", L"hkey_current_config"}};
    std::wstring key = Lower(Trim(keyPath));
    for (wchar_t& c : key)
        if (c == L'/')
            c = L'\\';
    while (!key.empty() && key.back() == L'\\')
        key.pop_back();
    for (const auto& root : kRoots) {
        const std::wstring shortName = root.first;
        if (key == shortName || key.rfind(shortName + L"\\", 0) == 0)
            return root.second + key.substr(shortName.size());
    }
    return key;
}

bool RegFile::Parse(const std::string& bytes) {
    keys_.clear();
    // Each logical line is handled as soon as it is complete: the file is never held a second time, decoded or as a
    // list of lines (a 100 MB export would need gigabytes).
    bool headerSeen = false;
    bool isExport = false;
    std::map<std::wstring, RegistryValue>* current = nullptr;
    const auto handle = [&](const std::wstring& logicalLine) {
        const std::wstring line = Trim(logicalLine);
        if (!headerSeen) {
            if (line.empty())
                return;
            headerSeen = true;
            isExport = line == L"Windows Registry Editor Version 5.00" || line == L"REGEDIT4";
            return;
        }
        if (isExport)
            HandleLine(line, current);
    };
    // Logical lines: a line ending in a backslash continues on the next one (long hex values).
    std::wstring pending;
    ForEachDecodedLine(bytes, [&](std::wstring line) {
        if (headerSeen && !isExport)
            return;
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        const std::wstring trimmed = Trim(line);
        const bool continues = !trimmed.empty() && trimmed.back() == L'\\' &&
                               (!pending.empty() || Lower(trimmed).find(L"=hex") != std::wstring::npos);
        if (continues) {
            pending += trimmed.substr(0, trimmed.size() - 1);
        } else {
            handle(pending.empty() ? line : pending + trimmed);
            pending.clear();
        }
    });
    if (!pending.empty())
        handle(pending);
    return isExport;
}

void RegFile::HandleLine(const std::wstring& line, std::map<std::wstring, RegistryValue>*& current) {
    if (line.empty() || line[0] == L';')
        return;
    if (line[0] == L'[') {
        const size_t close = line.rfind(L']');
        if (close == std::wstring::npos || close < 2) {
            current = nullptr;
            return;
        }
        std::wstring name = line.substr(1, close - 1);
        if (name[0] == L'-') { // a deleted key and everything under it
            // The key itself, then its subkeys: the keys that begin with its name and a backslash stand
            // together in the sorted map, so only they are visited.
            const std::wstring gone = CanonicalKey(name.substr(1));
            keys_.erase(gone);
            const std::wstring prefix = gone + L"\\";
            auto end = keys_.lower_bound(prefix);
            while (end != keys_.end() && end->first.compare(0, prefix.size(), prefix) == 0)
                ++end;
            keys_.erase(keys_.lower_bound(prefix), end);
            current = nullptr;
            return;
        }
        current = &keys_[CanonicalKey(name)];
        return;
    }
    if (!current)
        return;
    std::wstring valueName;
    size_t at = 0;
    if (line[0] == L'@') {
        at = 1;
    } else if (line[0] == L'"') {
        if (!ReadQuoted(line, at, valueName))
            return;
    } else {
        return;
    }
    while (at < line.size() && (line[at] == L' ' || line[at] == L'\t'))
        ++at;
    if (at >= line.size() || line[at] != L'=')
        return;
    const std::wstring data = Trim(line.substr(at + 1));
    if (data == L"-") {
        current->erase(Lower(valueName));
        return;
    }
    RegistryValue value;
    if (ParseValue(data, value))
        (*current)[Lower(valueName)] = std::move(value);
}

bool RegFile::HasKey(const std::wstring& keyPath) const {
    return keys_.count(CanonicalKey(keyPath)) > 0;
}

const RegistryValue* RegFile::Find(const std::wstring& keyPath, const std::wstring& valueName) const {
    const auto key = keys_.find(CanonicalKey(keyPath));
    if (key == keys_.end())
        return nullptr;
    const auto value = key->second.find(Lower(valueName));
    return value == key->second.end() ? nullptr : &value->second;
}

} // namespace Orv
