#pragma once

#include <string>

namespace Orv {

// Folders of the program, each computed once per run. Folders end with a separator.
std::wstring GetApplicationFolder();
// Whether a file named "PORTABLE" stands in the application folder: every per-user folder then moves under it.
bool IsPortable();
std::wstring GetDataFolder();

std::wstring GetRoamingDataFolder(const std::wstring& maker, const std::wstring& product, bool ignorePortable);
std::wstring GetLocalDataFolder(const std::wstring& maker, const std::wstring& product);
std::wstring GetProgramDataFolder(const std::wstring& maker, const std::wstring& product);

// The user's temporary folder joined with subfolder, created when missing.
std::wstring GetTempFolder(const std::wstring& subfolder = std::wstring());

// Platform services behind the folders.
enum class KnownFolder { RoamingAppData, LocalAppData, ProgramData };
// False when the system cannot give the folder.
bool GetKnownFolder(KnownFolder folder, std::wstring& path);
std::wstring GetSystemTempFolder();

} // namespace Orv
