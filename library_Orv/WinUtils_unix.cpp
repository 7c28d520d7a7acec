#include "WinUtils.h"

#include "CStringUtilsOrv.h"
#include "Pe/PeVersion.h"
#include "PosixWorld.h"
#include "WinUtils_p.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace Orv {

namespace {
constexpr std::streamsize kMaxPeSize = 512 * 1024 * 1024; // larger files are not read for a version

std::string ReadOsReleaseCaption() {
    constexpr size_t kMaxOsReleaseSize = 64 * 1024;
    std::string text;
    ReadRegularFile(PosixWorldPath(kEnvOsRelease, "/etc/os-release"), text, kMaxOsReleaseSize);
    std::istringstream file(text);
    std::string line, name;
    while (std::getline(file, line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        std::string value = line.substr(equals + 1);
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (key == "PRETTY_NAME")
            return value;
        if (key == "NAME")
            name = value;
    }
    return name;
}

} // namespace

bool ReadFixedFileVersion_sys(const std::wstring& path, uint16_t parts[4], std::string* diagnostic) {
    const std::string native = WStringToUtf8(path);
    if (!IsRegularFile(native))
        return false; // no file, as GetFileVersionInfoSize finds none
    std::string bytes;
    if (!ReadRegularFile(native, bytes, static_cast<size_t>(kMaxPeSize))) {
        if (diagnostic)
            *diagnostic = "error in GetFileVersionInfo";
        return false;
    }
    return ReadPeFileVersion(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), parts);
}

std::wstring QueryOSCaptionText() {
    return Utf8ToWString(ReadOsReleaseCaption());
}

} // namespace Orv
