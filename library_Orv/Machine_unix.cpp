#include "Machine.h"

#include "CStringUtilsOrv.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iostream>
#include <sstream>

// No 32-bit layer here; the version comes from uname, and the integrity level from the process's effective user:
// root reads as elevated high, everybody else as medium.
namespace Orv {

MachineInfo GetMachineInfo() {
    MachineInfo info;
    utsname name{};
    if (uname(&name) == 0) {
        const std::string machine = name.machine;
        info.nativeIntel32 = machine == "i386" || machine == "i486" || machine == "i586" || machine == "i686";
    }
    return info;
}

std::wstring GetVersionString() {
    utsname name{};
    if (uname(&name) != 0)
        return L"Unknown Windows Version";
    unsigned major = 0, minor = 0, patch = 0;
    char dot = 0;
    std::istringstream release(name.release);
    release >> major >> dot >> minor >> dot >> patch;
    return Utf8ToWString(name.sysname) + L" " + std::to_wstring(major) + L"." + std::to_wstring(minor) + L" (Build " +
           std::to_wstring(patch) + L")";
}

// The pseudo handle of the own process is its id, as every process handle is here.
intptr_t CurrentProcessHandle() {
    return static_cast<intptr_t>(getpid());
}

int GetProcessIntegrityLevel(intptr_t processHandle) {
    std::ifstream status(processHandle > 0 ? "/proc/" + std::to_string(processHandle) + "/status" : std::string());
    std::string line;
    while (status && std::getline(status, line)) {
        if (line.rfind("Uid:", 0) != 0)
            continue;
        std::istringstream fields(line.substr(4));
        unsigned long real = 0, effective = 0;
        if (fields >> real >> effective)
            return effective == 0 ? kIntegrityElevatedHigh : kIntegrityMedium;
    }
    std::cerr << "OpenProcessToken failed: " << (processHandle > 0 ? ESRCH : EINVAL) << std::endl;
    return kIntegrityUnknown;
}

} // namespace Orv
