#pragma once

#include "library_Orv/Registry.h"

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

private:
    struct Entry {
        Orv::RegistryRoot root;
        std::wstring key, name, value;
    };
    void Write();
    std::vector<Entry> entries_;
    std::wstring file_;
};
