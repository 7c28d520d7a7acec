#include "TempFolder.h"

#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"

#include <random>

TempFolder::TempFolder() {
    std::random_device random;
    const std::wstring name = L"skv-test-" + std::to_wstring(random()) + std::to_wstring(random());
    path_ = Orv::NormalizePath(Orv::PathJoin(Orv::GetSystemTempFolder(), name), true);
    Orv::CreateDirectories(path_);
}

TempFolder::~TempFolder() {
    Orv::RemoveFolder(path_);
}
