#include "IProductInformations.h"

#include "Files/File.h"
#include "Processes.h"

namespace Orv {

namespace {
IProductInformations* gProduct = nullptr;
} // namespace

IProductInformations* GetProductInformations() {
    return gProduct;
}

void SetProductInformations(IProductInformations* product) {
    gProduct = product;
}

void RunningInstance::Release() {
    if (owned && !filePath.empty() && FileExists(filePath))
        DeleteOneFile(filePath);
    CloseProcessHandle(handle);
    handle = 0;
    owned = false;
}

} // namespace Orv
