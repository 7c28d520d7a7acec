#include "Registry.h"

#include "CStringUtilsOrv.h"

#include "WinOwners_win.h"

#include <vector>

namespace Orv {

namespace {
HKEY RootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    default:
        return HKEY_LOCAL_MACHINE;
    }
}

bool OpenKey(RegistryRoot root, const std::wstring& keyPath, bool view64, Win::RegistryKey& key) {
    const REGSAM access = KEY_READ | (view64 ? KEY_WOW64_64KEY : 0);
    return RegOpenKeyExW(RootKey(root), keyPath.c_str(), 0, access, key.Out()) == ERROR_SUCCESS;
}
} // namespace

RegistryKeyState GetRegistryKeyState(RegistryRoot root, const std::wstring& keyPath, bool view64) {
    Win::RegistryKey key;
    const LSTATUS status =
        RegOpenKeyExW(RootKey(root), keyPath.c_str(), 0, KEY_READ | (view64 ? KEY_WOW64_64KEY : 0), key.Out());
    if (status == ERROR_SUCCESS)
        return RegistryKeyState::Present;
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND ? RegistryKeyState::Missing
                                                                            : RegistryKeyState::Unreadable;
}

bool RegistryKeyExists(RegistryRoot root, const std::wstring& keyPath, bool view64) {
    Win::RegistryKey holder;
    return OpenKey(root, keyPath, view64, holder);
}

bool ReadRegistryValue(RegistryRoot root, const std::wstring& keyPath, const std::wstring& valueName,
                       RegistryValue& value, bool view64) {
    Win::RegistryKey holder;
    if (!OpenKey(root, keyPath, view64, holder))
        return false;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(holder.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    std::vector<BYTE> data(size + sizeof(wchar_t));
    if (RegQueryValueExW(holder.Get(), valueName.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
        return false;
    data.resize(size);
    value = RegistryValue::FromData(type, std::move(data));
    return true;
}

} // namespace Orv
