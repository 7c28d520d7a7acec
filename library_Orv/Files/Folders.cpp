#include "Folders.h"

#include "File.h"
#include "Path.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Error.h"

#include <map>
#include <set>

namespace Orv {

namespace {
constexpr const char* kSourceFile = "library_Orv/Files/File.cpp";

struct DataFolderKind {
    KnownFolder known;
    const wchar_t* portableParts[3];
    const char* unavailableMessage;
    uint32_t unavailableLine;
    const char* createMessage;
    uint32_t createLine;
    bool createMessageHasPath;
};

const DataFolderKind kRoaming = {KnownFolder::RoamingAppData,
                                 {L"PortableUserSettings", L"AppData", L"Roaming"},
                                 "Couldn't get ApplicationRoamingData folder",
                                 1353,
                                 "Couldn't create ApplicationData folder: ",
                                 1382,
                                 true};
const DataFolderKind kLocal = {KnownFolder::LocalAppData,
                               {L"PortableUserSettings", L"AppData\\Local", nullptr},
                               "Couldn't get ApplicationLocalData folder",
                               1438,
                               "Couldn't create ApplicationLocal folder",
                               1468,
                               false};
const DataFolderKind kProgramData = {KnownFolder::ProgramData,
                                     {L"PortableUserSettings", L"ProgramData", nullptr},
                                     "Couldn't get ApplicationLocalData folder",
                                     1519,
                                     "Couldn't create ApplicationData folder",
                                     1549,
                                     false};

std::wstring PortableLocation(const DataFolderKind& kind) {
    std::wstring folder = GetApplicationFolder();
    for (const wchar_t* part : kind.portableParts)
        if (part)
            folder = NormalizePath(PathJoin(folder, part), true);
    return folder;
}

std::wstring DataFolder(const DataFolderKind& kind, std::map<std::wstring, std::wstring>& cache,
                        const std::wstring& maker, const std::wstring& product, bool portable) {
    const std::wstring key = maker + L"+" + product;
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    const std::wstring relative = maker.empty() ? product : maker + L"\\" + product;
    std::wstring folder;
    if (portable) {
        folder = PathJoin(PortableLocation(kind), relative);
    } else {
        std::wstring known;
        if (GetKnownFolder(kind.known, known)) {
            folder = PathJoin(NormalizePath(known, true), relative);
        } else {
            Error::Report(kind.unavailableMessage, false, kErrorLevelError, kSourceFile, kind.unavailableLine);
            folder = PathJoin(PortableLocation(kind), relative);
        }
    }
    folder = NormalizePath(folder, true);
    CreateDirectories(folder);
    // One report per kind of folder: a home folder that cannot be written to fails every folder of the kind alike.
    static std::set<const DataFolderKind*> reported;
    if (!DirectoryExists(folder) && reported.insert(&kind).second) {
        std::string message = kind.createMessage;
        if (kind.createMessageHasPath)
            message += WStringToUtf8(folder);
        Error::Report(message, false, kErrorLevelError, kSourceFile, kind.createLine);
    }
    cache[key] = folder;
    return folder;
}
} // namespace

std::wstring GetApplicationFolder() {
    static const std::wstring folder = [] {
        const std::wstring executable = OwnExecutablePath();
        const size_t at = executable.find_last_of(L"\\/");
        return NormalizePath(at == std::wstring::npos ? std::wstring() : executable.substr(0, at + 1), true);
    }();
    return folder;
}

bool IsPortable() {
    static const bool portable = FileExists(GetApplicationFolder() + L"PORTABLE");
    return portable;
}

std::wstring GetDataFolder() {
    static const std::wstring folder = NormalizePath(GetApplicationFolder() + L"data/", true);
    return folder;
}

std::wstring GetRoamingDataFolder(const std::wstring& maker, const std::wstring& product, bool ignorePortable) {
    static std::map<std::wstring, std::wstring> cache;
    return DataFolder(kRoaming, cache, maker, product, IsPortable() && !ignorePortable);
}

std::wstring GetLocalDataFolder(const std::wstring& maker, const std::wstring& product) {
    static std::map<std::wstring, std::wstring> cache;
    return DataFolder(kLocal, cache, maker, product, IsPortable());
}

std::wstring GetProgramDataFolder(const std::wstring& maker, const std::wstring& product) {
    static std::map<std::wstring, std::wstring> cache;
    return DataFolder(kProgramData, cache, maker, product, IsPortable());
}

std::wstring GetTempFolder(const std::wstring& subfolder) {
    static const std::wstring temp = GetSystemTempFolder();
    const std::wstring folder = NormalizePath(PathJoin(temp, subfolder), true);
    CreateDirectories(folder);
    return folder;
}

} // namespace Orv
