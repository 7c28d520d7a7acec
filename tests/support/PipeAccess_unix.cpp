#include "PipeAccess.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/PosixWorld.h"

#include <sys/stat.h>

std::vector<std::string> PipeAccessHolders(const std::wstring& pipeName) {
    struct stat data {};
    const std::string path = Orv::SessionFolder() + "/" + Orv::WStringToUtf8(pipeName);
    if (stat(path.c_str(), &data) != 0)
        return {};
    return {(data.st_mode & 077) == 0 ? "owner" : "others"};
}

std::string CurrentUserAccessHolder() {
    return "owner";
}
