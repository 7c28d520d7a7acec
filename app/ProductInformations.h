#pragma once

#include "library_Orv/IProductInformations.h"

// This program's identity: names, the data folder (a "DEBUG" file beside the executable switches its name) and
// the local configuration path. Building it also moves configuration files of earlier versions into the local
// data folder. The program has one, built before its main routine runs.
class ProductInformations : public Orv::IProductInformations {
public:
    ProductInformations();
    ~ProductInformations() override;

    const std::wstring& GetExecutableName() const override { return executableName_; }
    const std::wstring& GetMakerName() const override;
    const std::wstring& GetProductName() const override { return productName_; }
    const std::wstring& GetDataFolderName() const override { return dataFolderName_; }
    const std::wstring& GetProductLocalFolder() const override { return localFolder_; }
    const std::wstring& GetLocalConfigFilePath() const override { return localConfigPath_; }
    const std::wstring& GetLocalConfigFileName() const override { return configFileName_; }
    Orv::RunningInstance& GetRunningInstance() override { return runningInstance_; }
    const std::wstring& GetProductWebAddress() const override { return webAddress_; }
    bool KeepRunningAfterUpdate() const override { return true; }

    // The data folder's name for an application folder: "DEBUG" there selects the debug name.
    static std::wstring DataFolderNameFor(const std::wstring& applicationFolder);
    // Moves the files of the earlier roaming locations, and the earlier file names, into the local folder.
    static void MigrateEarlierLocations(const std::wstring& maker, const std::wstring& dataFolderName,
                                        const std::wstring& localFolder);

private:
    Orv::RunningInstance runningInstance_;
    std::wstring webAddress_;
    std::wstring configFileName_;
    std::wstring localConfigPath_;
    std::wstring localFolder_;
    std::wstring dataFolderName_;
    std::wstring productName_;
    std::wstring executableName_;
};
