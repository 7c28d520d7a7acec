#include "Folders.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/PosixWorld.h"

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

// The known folders are the XDG base directories.
namespace Orv {

bool GetKnownFolder(KnownFolder folder, std::wstring& path) {
    const std::string home = HomeFolder();
    std::string value;
    switch (folder) {
    case KnownFolder::RoamingAppData:
        value = PosixWorldPath(kEnvXdgConfigHome, home + "/.config");
        break;
    case KnownFolder::LocalAppData:
        value = PosixWorldPath(kEnvXdgDataHome, home + "/.local/share");
        break;
    case KnownFolder::ProgramData: {
        std::istringstream dirs(PosixWorldPath(kEnvXdgDataDirs, "/usr/local/share:/usr/share"));
        std::getline(dirs, value, ':');
        break;
    }
    }
    if (value.empty())
        return false;
    path = Utf8ToWString(value);
    return true;
}

std::wstring GetSystemTempFolder() {
    const std::string temp = PosixWorldPath(kEnvTemp, "");
    if (!temp.empty())
        return Utf8ToWString(temp);
    // Never a shared folder such as /tmp, where another user could plant the files this tool reads back.
    const std::string runtime = PosixWorldPath(kEnvXdgRuntimeDir, "");
    if (!runtime.empty() && IsPrivateFolder(runtime))
        return Utf8ToWString(runtime);
    const std::string cache = PosixWorldPath(kEnvXdgCacheHome, HomeFolder() + "/.cache");
    const std::string own = cache + "/SkorvaneDiagnostics-temp";
    mkdir(cache.c_str(), 0700);
    mkdir(own.c_str(), 0700);
    if (!IsPrivateFolder(own))
        chmod(own.c_str(), 0700);
    return Utf8ToWString(own);
}

} // namespace Orv
