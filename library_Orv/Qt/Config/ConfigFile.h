#pragma once

#include "library_Orv/BaseClass.h"
#include "library_Orv/Qt/Xml/XmlFile.h"

#include <string>

namespace Orv {

// A configuration file: its XML document, the handle of its root element "Config" (null when it could not be
// opened) and its path.
class ConfigFile : public BaseClassNonCopyable {
public:
    XmlElementPtr Root() const { return root_; }
    const std::wstring& Path() const { return path_; }

protected:
    explicit ConfigFile(const std::wstring& path) : root_(std::make_shared<XmlElement>()), path_(path) {}

    XmlFile file_;
    XmlElementPtr root_;
    std::wstring path_;
};

// The global configuration beside the program (data/GlobalConfig.xml), read only.
class ConfigFileGlobal : public ConfigFile {
public:
    ConfigFileGlobal();
};

// The per-user configuration (LocalConfig.xml in the local data folder), created when missing and saved when the
// object goes.
class ConfigFileLocal : public ConfigFile {
public:
    ConfigFileLocal();
    ~ConfigFileLocal() override;
};

ConfigFileGlobal& GetConfigFileGlobal();
ConfigFileLocal& GetConfigFileLocal();
// The local configuration path of the product, read once.
std::wstring GetLocalConfigPath();
// Destroys both configuration objects (so the local one is saved); the next use creates them again.
void ReleaseConfigFiles();

// A setting: the attribute key of the element group under the root, from the local file, else the global one,
// else the default.
std::wstring ReadSetting(const std::wstring& group, const std::wstring& key, const std::wstring& defaultValue);
// Writes the setting into the local file (saved when the local configuration goes).
void WriteSetting(const std::wstring& group, const std::wstring& key, const std::wstring& value);

} // namespace Orv
