#pragma once

#include "library_Orv/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes registry values for a test and removes them afterwards: real keys on Windows (under Wine too), a regedit
// export file named by SKV_REGISTRY_FILE on POSIX.
class TestRegistry {
public:
    TestRegistry();
    ~TestRegistry();
    TestRegistry(const TestRegistry&) = delete;
    TestRegistry& operator=(const TestRegistry&) = delete;

    void SetString(Orv::RegistryRoot root, const std::wstring& key, const std::wstring& name,
                   const std::wstring& value);
    // A value of any type, as its bytes (a string with a null inside, a REG_MULTI_SZ, a number of the wrong size).
    void SetRaw(Orv::RegistryRoot root, const std::wstring& key, const std::wstring& name, uint32_t typeCode,
                const std::vector<uint8_t>& bytes);
    // A string value's bytes as the registry stores them (UTF-16LE, nulls included, plus the terminating null).
    static std::vector<uint8_t> Utf16Bytes(const std::wstring& text) {
        std::vector<uint8_t> bytes;
        for (const wchar_t c : text + L'\0') {
            bytes.push_back(static_cast<uint8_t>(c & 0xff));
            bytes.push_back(static_cast<uint8_t>((c >> 8) & 0xff));
        }
        return bytes;
    }

private:
    struct Entry {
        Orv::RegistryRoot root;
        std::wstring key, name, value;
        uint32_t typeCode = 1;
        std::vector<uint8_t> bytes; // SetRaw's values
    };
    void Write();
    std::vector<Entry> entries_;
    std::wstring file_;
};
