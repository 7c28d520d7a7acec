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
// Whether a key is there, and whether it could be read: a key that exists but this user may not read (its
// permissions, a policy) is not a missing key.
enum class RegistryKeyState { Missing, Present, Unreadable };
RegistryKeyState GetRegistryKeyState(RegistryRoot root, const std::wstring& keyPath, bool view64 = false);

// A key under HKEY_CLASSES_ROOT, read in the 64-bit view, whose string values can be read. Values are read wide,
// whatever their length: a server path in a folder named in any language reads as it is written.
class CRegKeyOrv {
public:
    CRegKeyOrv();
    virtual ~CRegKeyOrv();
    CRegKeyOrv(const CRegKeyOrv&) = delete;
    CRegKeyOrv& operator=(const CRegKeyOrv&) = delete;

    bool Open(const std::string& path);
    // The value's text up to its first null, or empty when the key is not open, the value is absent or it is no
    // string (REG_SZ or REG_EXPAND_SZ). The empty name reads the default value. GetValue gives it as UTF-8.
    std::wstring GetValueW(const std::string& name) const;
    std::string GetValue(const std::string& name) const;
    bool IsOpen() const { return open_; }
    bool Flag() const { return flag_; }
    const std::string& KeyPath() const { return keyPath_; }

private:
    bool open_ = false;
    bool flag_ = true;
    std::string keyPath_;
};

} // namespace Orv
