#pragma once

#include <string>

namespace Orv {

using DriveKind = unsigned;
constexpr DriveKind kDriveUnknown = 0;
constexpr DriveKind kDriveRemovable = 1;
constexpr DriveKind kDriveHotplugRotating = 2;
constexpr DriveKind kDriveHotplugSolidState = 3;
constexpr DriveKind kDriveInternalRotating = 4;
constexpr DriveKind kDriveInternalSolidState = 5;
constexpr DriveKind kDriveNetwork = 6;
constexpr DriveKind kDriveOptical = 7;
constexpr DriveKind kDriveRamDisk = 8;

// The kind of drive that holds rootPath; "network" is a network drive without asking the system. An unknown
// drive gives 0 and a quiet report.
DriveKind GetDriveKind(const std::wstring& rootPath);

// What the system says of the drive, before the fixed drives are told apart.
enum class NativeDrive { Unknown, Removable, Remote, Optical, RamDisk, Fixed };
NativeDrive NativeDriveType(const std::wstring& rootPath);

bool IsDriveHotplug(const std::wstring& path);
bool IsDriveSolidState(const std::wstring& path);

} // namespace Orv
