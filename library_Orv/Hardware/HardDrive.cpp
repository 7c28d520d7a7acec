#include "HardDrive.h"

#include "library_Orv/Error.h"

namespace Orv {

DriveKind GetDriveKind(const std::wstring& rootPath) {
    if (rootPath == L"network")
        return kDriveNetwork;
    switch (NativeDriveType(rootPath)) {
    case NativeDrive::Removable:
        return kDriveRemovable;
    case NativeDrive::Remote:
        return kDriveNetwork;
    case NativeDrive::Optical:
        return kDriveOptical;
    case NativeDrive::RamDisk:
        return kDriveRamDisk;
    case NativeDrive::Fixed:
        return (IsDriveHotplug(rootPath) ? kDriveHotplugRotating : kDriveInternalRotating) +
               (IsDriveSolidState(rootPath) ? 1 : 0);
    default:
        Error::Report(L"Can't find the type of drive: " + rootPath, true, "library_Orv/Hardware/HardDrive.cpp", 614);
        return kDriveUnknown;
    }
}

} // namespace Orv
