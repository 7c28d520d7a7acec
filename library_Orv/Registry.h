#pragma once

#include "RegFile.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Orv {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// Reads one value; false when the key or the value is absent. view64 reads the 64-bit view from a 32-bit process.
bool ReadRegistryValue(RegistryRoot root, const std::wstring& keyPath, const std::wstring& valueName,
                       RegistryValue& value, bool view64 = false);
bool RegistryKeyExists(RegistryRoot root, const std::wstring& keyPath, bool view64 = false);

// A key under HKEY_CLASSES_ROOT, opened in the 64-bit view, whose string values can be read.
class CRegKeyOrv {
public:
    CRegKeyOrv();
    virtual ~CRegKeyOrv();
    CRegKeyOrv(const CRegKeyOrv&) = delete;
    CRegKeyOrv& operator=(const CRegKeyOrv&) = delete;

    bool Open(const std::string& path);
    // The value's text up to its terminating null, or empty when the key is not open or the query fails (a value
    // that does not fit in the 512-byte buffer fails too). The empty name reads the default value.
    std::string GetValue(const std::string& name);
    bool IsOpen() const { return open_; }
    bool Flag() const { return flag_; }
    const std::string& KeyPath() const { return keyPath_; }

    static constexpr uint32_t kValueBufferSize = 512;

private:
    // Releases the native key (an HKEY on Windows; POSIX holds none).
    struct KeyCloser {
        void operator()(void* key) const;
    };
    using NativeKey = std::unique_ptr<void, KeyCloser>;
    // The platform's part: opening the key, and reading a value's bytes into buffer (size: how many it holds).
    static bool OpenKey_sys(const std::string& path, NativeKey& key);
    static bool QueryValue_sys(void* key, const std::string& keyPath, const std::string& name, std::string& buffer,
                               size_t& size);
    void Close();

    bool open_ = false;
    bool flag_ = true;
    std::string keyPath_;
    std::string valueBuffer_;
    uint32_t valueBufferSize_ = kValueBufferSize;
    NativeKey key_;
};

} // namespace Orv
