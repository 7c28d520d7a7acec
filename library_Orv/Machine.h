#pragma once

#include <cstdint>
#include <string>

namespace Orv {

// What the processor and the system say of themselves.
struct MachineInfo {
    bool wow64 = false;         // IsWow64Process succeeded and reported a 32-bit process on a 64-bit system
    bool nativeIntel32 = false; // GetNativeSystemInfo reports PROCESSOR_ARCHITECTURE_INTEL (0)
};
MachineInfo GetMachineInfo();

// "Windows <major>.<minor> (Build <build>)" from GetVersionExW ("<system> <major>.<minor> (Build <patch>)" from
// uname elsewhere), or "Unknown Windows Version".
std::wstring GetVersionString();

// Integrity (UAC) levels as the diagnostics show them.
enum IntegrityLevelCode {
    kIntegrityUnknown = 0,
    kIntegrityElevatedLow = 1,
    kIntegrityElevatedMedium = 2,
    kIntegrityElevatedHigh = 3,
    kIntegrityLow = 4,
    kIntegrityMedium = 5,
    kIntegrityHigh = 6,
};
const char* IntegrityLevelName(int code);
// The code for a mandatory-label RID and the token's elevation (levels from 0x3000 up count as high).
int IntegrityLevelFromRid(uint32_t rid, bool elevated);
// The integrity level of an open process (a handle from OpenProcessByName or CurrentProcessHandle). A process
// whose token cannot be opened gives UNKNOWN and one line "OpenProcessToken failed: <error>" on standard error.
int GetProcessIntegrityLevel(intptr_t processHandle);
// The own process, as GetCurrentProcess gives it (never to be closed).
intptr_t CurrentProcessHandle();

} // namespace Orv
