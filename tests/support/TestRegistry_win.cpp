#include "TestRegistry.h"

#include <windows.h>

namespace {
HKEY RootKey(Orv::RegistryRoot root) {
    switch (root) {
    case Orv::RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case Orv::RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    default:
        return HKEY_LOCAL_MACHINE;
    }
}
} // namespace

TestRegistry::TestRegistry() = default;

TestRegistry::~TestRegistry() {
    for (const Entry& entry : entries_)
        RegDeleteKeyExW(RootKey(entry.root), entry.key.c_str(), KEY_WOW64_64KEY, 0);
}

void TestRegistry::SetString(Orv::RegistryRoot root, const std::wstring& key, const std::wstring& name,
                             const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(RootKey(root), key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    entries_.push_back({root, key, name, value, 1, {}});
}

void TestRegistry::SetRaw(Orv::RegistryRoot root, const std::wstring& key, const std::wstring& name, uint32_t typeCode,
                          const std::vector<uint8_t>& bytes) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(RootKey(root), key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(handle, name.c_str(), 0, typeCode, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(handle);
    entries_.push_back({root, key, name, std::wstring(), typeCode, bytes});
}

void TestRegistry::Write() {}
