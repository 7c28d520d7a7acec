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
    value = RegistryValue();
    value.bytes.assign(data.begin(), data.end());
    const auto text = [&]() {
        std::wstring out(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        while (!out.empty() && out.back() == L'\0')
            out.pop_back();
        return out;
    };
    switch (type) {
    case REG_SZ:
        value.type = RegistryValue::String;
        value.text = text();
        break;
    case REG_EXPAND_SZ:
        value.type = RegistryValue::ExpandString;
        value.text = text();
        break;
    case REG_MULTI_SZ:
        value.type = RegistryValue::MultiString;
        value.text = text();
        break;
    case REG_DWORD:
        value.type = RegistryValue::Dword;
        for (size_t i = data.size(); i-- > 0;)
            value.number = (value.number << 8) | data[i];
        break;
    case REG_QWORD:
        value.type = RegistryValue::Qword;
        for (size_t i = data.size(); i-- > 0;)
            value.number = (value.number << 8) | data[i];
        break;
    case REG_BINARY:
        value.type = RegistryValue::Binary;
        break;
    default:
        value.type = RegistryValue::Other;
        break;
    }
    return true;
}

void CRegKeyOrv::KeyCloser::operator()(void* key) const {
    RegCloseKey(static_cast<HKEY>(key));
}

bool CRegKeyOrv::OpenKey_sys(const std::string& path, NativeKey& key) {
    Win::RegistryKey opened;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, opened.Out()) != ERROR_SUCCESS)
        return false;
    key.reset(opened.Detach());
    return true;
}

bool CRegKeyOrv::QueryValue_sys(void* key, const std::string&, const std::string& name, std::string& buffer,
                                size_t& size) {
    DWORD bytes = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(static_cast<HKEY>(key), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                         &bytes) != ERROR_SUCCESS)
        return false;
    size = bytes;
    return true;
}

} // namespace Orv
