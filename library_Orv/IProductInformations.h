#pragma once

#include "BaseClass.h"

#include <cstdint>
#include <string>

namespace Orv {

// A process handle this program may own, with the file that marks it; never taken by this program.
struct RunningInstance {
    intptr_t handle = 0;
    bool owned = false;
    std::wstring filePath;
    // Deletes the file when owned and present, closes the handle.
    void Release();
};

// What the library asks of the program built on it: names, version and folders.
class IProductInformations : public BaseClassVirtualNonCopyable {
public:
    virtual const std::wstring& GetExecutableName() const = 0;
    virtual const std::wstring& GetMakerName() const = 0;
    virtual const std::wstring& GetProductName() const = 0;
    virtual const std::wstring& GetDataFolderName() const = 0;
    virtual const std::wstring& GetProductLocalFolder() const = 0;
    virtual const std::wstring& GetLocalConfigFilePath() const = 0;
    virtual const std::wstring& GetLocalConfigFileName() const = 0;
    virtual RunningInstance& GetRunningInstance() = 0;
    virtual const std::wstring& GetProductWebAddress() const = 0;
    virtual bool KeepRunningAfterUpdate() const = 0;
};

// The program's one product-identity object (set by its constructor, cleared by its destructor).
IProductInformations* GetProductInformations();
void SetProductInformations(IProductInformations* product);

} // namespace Orv
