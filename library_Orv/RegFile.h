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
