#include "Registry.h"

#include "CStringUtilsOrv.h"
#include "PosixWorld.h"

#include <fstream>
#include <iterator>

// The registry is a regedit export file (SKV_REGISTRY_FILE); a missing file is an empty registry. It is read
// again on every query, so changes made while the tool runs are seen as on Windows. There is one view.
namespace Orv {

namespace {
const wchar_t* RootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return L"HKEY_CLASSES_ROOT\\";
    case RegistryRoot::CurrentUser:
        return L"HKEY_CURRENT_USER\\";
    default:
        return L"HKEY_LOCAL_MACHINE\\";
    }
}

bool LoadRegistry(RegFile& registry) {
    const std::string path =
        PosixWorldPath(kEnvRegistryFile, PosixWorldPath(kEnvXdgConfigHome, HomeFolder() + "/.config") +
                                             "/SkorvaneDiagnostics/registry.reg");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return registry.Parse(bytes);
}
} // namespace

bool RegistryKeyExists(RegistryRoot root, const std::wstring& keyPath, bool) {
    RegFile registry;
    return LoadRegistry(registry) && registry.HasKey(RootName(root) + keyPath);
}

bool ReadRegistryValue(RegistryRoot root, const std::wstring& keyPath, const std::wstring& valueName,
                       RegistryValue& value, bool) {
    RegFile registry;
    if (!LoadRegistry(registry))
        return false;
    const RegistryValue* found = registry.Find(RootName(root) + keyPath, valueName);
    if (!found)
        return false;
    value = *found;
    return true;
}

CRegKeyOrv::CRegKeyOrv() : valueBuffer_(kValueBufferSize, '\0') {}

CRegKeyOrv::~CRegKeyOrv() {
    Close();
}

void CRegKeyOrv::Close() {
    open_ = false;
}

bool CRegKeyOrv::Open(const std::string& path) {
    Close();
    flag_ = true;
    keyPath_ = path;
    open_ = RegistryKeyExists(RegistryRoot::ClassesRoot, Utf8ToWString(path));
    return open_;
}

std::string CRegKeyOrv::GetValue(const std::string& name) {
    if (!open_)
        return {};
    RegistryValue value;
    if (!ReadRegistryValue(RegistryRoot::ClassesRoot, Utf8ToWString(keyPath_), Utf8ToWString(name), value))
        return {};
    // As RegQueryValueExA gives it: the value's bytes up to the first null, failing when they do not fit.
    const std::string text = value.type == RegistryValue::String || value.type == RegistryValue::ExpandString
                                 ? WStringToUtf8(value.text)
                                 : std::string(value.bytes.begin(), value.bytes.end());
    if (text.size() + 1 > valueBufferSize_)
        return {};
    valueBuffer_.assign(valueBufferSize_, '\0');
    valueBuffer_.replace(0, text.size(), text);
    return valueBuffer_.substr(0, valueBuffer_.find('\0'));
}

} // namespace Orv
