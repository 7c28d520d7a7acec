#include "Registry.h"

#include "CStringUtilsOrv.h"

namespace Orv {

CRegKeyOrv::CRegKeyOrv() = default;

CRegKeyOrv::~CRegKeyOrv() = default;

bool CRegKeyOrv::Open(const std::string& path) {
    flag_ = true;
    keyPath_ = path;
    open_ = RegistryKeyExists(RegistryRoot::ClassesRoot, Utf8ToWString(path), true);
    return open_;
}

std::wstring CRegKeyOrv::GetValueW(const std::string& name) const {
    RegistryValue value;
    if (!open_ ||
        !ReadRegistryValue(RegistryRoot::ClassesRoot, Utf8ToWString(keyPath_), Utf8ToWString(name), value, true))
        return {};
    return value.IsText() ? value.text : std::wstring();
}

std::string CRegKeyOrv::GetValue(const std::string& name) const {
    return WStringToUtf8(GetValueW(name));
}

} // namespace Orv
