#include "HardDrive.h"

#include "library_Orv/WinOwners_win.h"

#include <winioctl.h>

#include <iostream>
#include <vector>

namespace Orv {

namespace {
using WinHandle = Win::Handle;

HANDLE OpenVolumeHandle(const std::wstring& path) {
    wchar_t volumePath[MAX_PATH] = {};
    wchar_t volumeName[MAX_PATH] = {};
    if (!GetVolumePathNameW(path.c_str(), volumePath, MAX_PATH) ||
        !GetVolumeNameForVolumeMountPointW(volumePath, volumeName, MAX_PATH))
        return INVALID_HANDLE_VALUE;
    std::wstring name = volumeName;
    if (!name.empty() && name.back() == L'\\')
        name.pop_back(); // the volume itself, not its root folder
    HANDLE handle = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        std::wcerr << L"Error opening volume: " << name << L" err:" << GetLastError() << std::endl;
    return handle;
}

HANDLE OpenPhysicalDiskHandle(HANDLE volume) {
    std::vector<BYTE> answer(32);
    DWORD returned = 0;
    while (!DeviceIoControl(volume, IOCTL_VOLUME_GET_VOLUME_DISK_EXTENTS, nullptr, 0, answer.data(),
                            static_cast<DWORD>(answer.size()), &returned, nullptr)) {
        if (GetLastError() != ERROR_MORE_DATA)
            return INVALID_HANDLE_VALUE;
        const auto* extents = reinterpret_cast<const VOLUME_DISK_EXTENTS*>(answer.data());
        answer.resize(8 + 24 * static_cast<size_t>(extents->NumberOfDiskExtents));
    }
    const auto* extents = reinterpret_cast<const VOLUME_DISK_EXTENTS*>(answer.data());
    const std::wstring name = L"\\\\.\\PhysicalDrive" + std::to_wstring(extents->Extents[0].DiskNumber);
    HANDLE disk = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (disk == INVALID_HANDLE_VALUE)
        std::wcerr << L"Error physical disk: " << name << L" err:" << GetLastError() << std::endl;
    return disk;
}

template <typename Descriptor> bool QueryProperty(HANDLE disk, DWORD propertyId, Descriptor& answer) {
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = static_cast<STORAGE_PROPERTY_ID>(propertyId);
    query.QueryType = PropertyStandardQuery;
    DWORD returned = 0;
    return DeviceIoControl(disk, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, &answer, sizeof answer, &returned,
                           nullptr) &&
           returned == 12;
}
} // namespace

NativeDrive NativeDriveType(const std::wstring& rootPath) {
    switch (GetDriveTypeW(rootPath.c_str())) {
    case DRIVE_REMOVABLE:
        return NativeDrive::Removable;
    case DRIVE_REMOTE:
        return NativeDrive::Remote;
    case DRIVE_CDROM:
        return NativeDrive::Optical;
    case DRIVE_RAMDISK:
        return NativeDrive::RamDisk;
    case DRIVE_FIXED:
        return NativeDrive::Fixed;
    default:
        return NativeDrive::Unknown;
    }
}

bool IsDriveHotplug(const std::wstring& path) {
    WinHandle volume(OpenVolumeHandle(path));
    if (!volume.Valid())
        return true;
    STORAGE_HOTPLUG_INFO info{};
    DWORD returned = 0;
    if (DeviceIoControl(volume.Get(), IOCTL_STORAGE_GET_HOTPLUG_INFO, nullptr, 0, &info, sizeof info, &returned,
                        nullptr) &&
        !info.MediaRemovable)
        return info.DeviceHotplug != 0;
    return true;
}

bool IsDriveSolidState(const std::wstring& path) {
    WinHandle volume(OpenVolumeHandle(path));
    if (!volume.Valid())
        return false;
    WinHandle disk(OpenPhysicalDiskHandle(volume.Get()));
    if (!disk.Valid())
        return false;
    DEVICE_SEEK_PENALTY_DESCRIPTOR seekPenalty{};
    if (QueryProperty(disk.Get(), 7, seekPenalty))
        return !seekPenalty.IncursSeekPenalty;
    DEVICE_TRIM_DESCRIPTOR trim{};
    if (QueryProperty(disk.Get(), 8, trim))
        return trim.TrimEnabled != 0;
    return false;
}

} // namespace Orv
