#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Orv {

struct RegistryValue {
    enum Type { String, ExpandString, MultiString, Dword, Qword, Binary, Other };
    Type type = String;
    std::wstring text;          // String and ExpandString; MultiString items joined by a null character
    std::vector<uint8_t> bytes; // the raw data of every hex form
    uint64_t number = 0;        // Dword and Qword

    // A value as the registry stores it: its type code (REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3,
    // REG_DWORD = 4, REG_MULTI_SZ = 7, REG_QWORD = 11) and its bytes. A string's text ends at its first null, as
    // the system's own string reads take it; a number whose size does not match its type is Other.
    static RegistryValue FromData(uint32_t typeCode, std::vector<uint8_t> data);
    // A String or ExpandString: what a path or a name may be read from. A MultiString or a number never is.
    bool IsText() const { return type == String || type == ExpandString; }
};

// A regedit export ("Windows Registry Editor Version 5.00" or "REGEDIT4"; UTF-16LE with its byte-order mark,
// UTF-8 or ASCII). Key paths and value names compare without regard to ASCII case; root names may be abbreviated
// (HKCR, HKCU, HKLM, HKU). Lines that cannot be read are skipped.
class RegFile {
public:
    // False when the text is not a registry export (its header is missing).
    bool Parse(const std::string& bytes);

    bool HasKey(const std::wstring& keyPath) const;
    // nullptr when the key or the value is absent; the empty name is the key's default value ("@").
    const RegistryValue* Find(const std::wstring& keyPath, const std::wstring& valueName) const;

    static std::wstring CanonicalKey(const std::wstring& keyPath);

private:
    // One logical line after the header: a key opens (or is deleted), a value is set (or deleted) in the current key.
    void HandleLine(const std::wstring& line, std::map<std::wstring, RegistryValue>*& current);

    std::map<std::wstring, std::map<std::wstring, RegistryValue>> keys_;
};

} // namespace Orv
