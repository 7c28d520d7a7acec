#include "ConfigFile.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Error.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/IProductInformations.h"

#include <memory>
#include <mutex>

namespace Orv {

namespace {
const wchar_t* const kRootName = L"Config";

// The holders outlive static destruction: the product identity, a static object built before them, releases the
// configuration files (saving the local one) from its own destructor, after such holders would be gone.
std::unique_ptr<ConfigFileGlobal>& GlobalHolder() {
    static auto* holder = new std::unique_ptr<ConfigFileGlobal>();
    return *holder;
}

std::unique_ptr<ConfigFileLocal>& LocalHolder() {
    static auto* holder = new std::unique_ptr<ConfigFileLocal>();
    return *holder;
}

std::wstring GlobalConfigPath() {
    static const std::wstring path = GetDataFolder() + L"GlobalConfig.xml";
    return path;
}

std::wstring FromRoot(const XmlElementPtr& root, const std::wstring& group, const std::wstring& key, bool& found) {
    found = false;
    if (!root || root->IsNull())
        return {};
    const XmlElementPtr element = root->GetChild(group);
    if (element->IsNull() || !element->HasAttribute(key))
        return {};
    found = true;
    return element->GetAttribute(key);
}
} // namespace

ConfigFileGlobal::ConfigFileGlobal() : ConfigFile(GlobalConfigPath()) {
    if (file_.Open(path_)) {
        root_ = file_.Root();
        if (root_->TagName() != kRootName)
            root_ = std::make_shared<XmlElement>();
        return;
    }
    Error::Report("Can't open" + WStringToUtf8(path_), false, kErrorLevelError,
                  "library_Orv/Qt/Config/ConfigFileGlobal.cpp", 18);
}

ConfigFileLocal::ConfigFileLocal() : ConfigFile(GetLocalConfigPath()) {
    if (!path_.empty() && file_.OpenOrCreate(path_, kRootName)) {
        root_ = file_.Root();
        if (!root_->IsNull())
            return;
    }
    Error::Report("Can't open " + WStringToUtf8(path_), false, kErrorLevelError,
                  "library_Orv/Qt/Config/ConfigFileLocal.cpp", 25);
}

ConfigFileLocal::~ConfigFileLocal() {
    if (!path_.empty() && file_.IsLoaded())
        file_.Save(path_);
}

ConfigFileGlobal& GetConfigFileGlobal() {
    std::unique_ptr<ConfigFileGlobal>& holder = GlobalHolder();
    if (!holder)
        holder = std::make_unique<ConfigFileGlobal>();
    return *holder;
}

ConfigFileLocal& GetConfigFileLocal() {
    std::unique_ptr<ConfigFileLocal>& holder = LocalHolder();
    if (!holder)
        holder = std::make_unique<ConfigFileLocal>();
    return *holder;
}

std::wstring GetLocalConfigPath() {
    static std::wstring path;
    static std::once_flag once;
    std::call_once(once, [] {
        if (IProductInformations* product = GetProductInformations())
            path = product->GetLocalConfigFilePath();
    });
    return path;
}

void ReleaseConfigFiles() {
    LocalHolder().reset();
    GlobalHolder().reset();
}

std::wstring ReadSetting(const std::wstring& group, const std::wstring& key, const std::wstring& defaultValue) {
    bool found = false;
    std::wstring value = FromRoot(GetConfigFileLocal().Root(), group, key, found);
    if (found)
        return value;
    value = FromRoot(GetConfigFileGlobal().Root(), group, key, found);
    return found ? value : defaultValue;
}

void WriteSetting(const std::wstring& group, const std::wstring& key, const std::wstring& value) {
    const XmlElementPtr root = GetConfigFileLocal().Root();
    if (root && !root->IsNull())
        root->GetOrCreateChild(group)->SetAttribute(key, value);
}

} // namespace Orv
