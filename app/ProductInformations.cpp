#include "ProductInformations.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Qt/Config/ConfigFile.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Qt/QShortCutStartupManager.h"

namespace {
const char* const kProductName = "SkorvaneDiagnostics";
} // namespace

ProductInformations::ProductInformations() {
    Orv::SetProductInformations(this);
    Orv::QShortCutStartupManager::Instance().SetShortcutName(QString::fromLatin1(kProductName));
    executableName_ = Orv::Utf8ToWString(kProductName) + L".exe";
    webAddress_ = L"https://brindlecote.example/skorvane/";
    configFileName_ = L"LocalConfig.xml";
    productName_ = Orv::Utf8ToWString(kProductName);
    dataFolderName_ = DataFolderNameFor(Orv::GetApplicationFolder());
    localFolder_ = Orv::GetLocalDataFolder(GetMakerName(), dataFolderName_);
    localConfigPath_ = localFolder_ + configFileName_;
    MigrateEarlierLocations(GetMakerName(), dataFolderName_, localFolder_);
}

ProductInformations::~ProductInformations() {
    Orv::ReleaseConfigFiles(); // the local configuration is saved here, at program exit
    runningInstance_.Release();
    if (Orv::GetProductInformations() == this)
        Orv::SetProductInformations(nullptr);
}

const std::wstring& ProductInformations::GetMakerName() const {
    static const std::wstring maker = L"Brindlecote";
    return maker;
}

std::wstring ProductInformations::DataFolderNameFor(const std::wstring& applicationFolder) {
    const std::wstring name = Orv::Utf8ToWString(kProductName);
    return Orv::FileExists(applicationFolder + L"DEBUG") ? name + L"Debug" : name;
}

void ProductInformations::MigrateEarlierLocations(const std::wstring& maker, const std::wstring& dataFolderName,
                                                  const std::wstring& localFolder) {
    // Only what the local folder does not have yet: its files are the current ones.
    Orv::CopyFolderFiles(Orv::GetRoamingDataFolder(L"", Orv::Utf8ToWString(kProductName), true), localFolder, false);
    Orv::CopyFolderFiles(Orv::GetRoamingDataFolder(maker, dataFolderName, false), localFolder, false);
    // An existing target is kept; a missing source is no error.
    Orv::MoveFileNoReplace(localFolder + L"Parameters.xml.backup", localFolder + L"LocalConfig.xml.backup");
    Orv::MoveFileNoReplace(localFolder + L"Parameters.xml", localFolder + L"LocalConfig.xml");
}
