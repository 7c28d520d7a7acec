#include "Desktop.h"

#include "CStringUtilsOrv.h"

#include <climits>
#include <unistd.h>

namespace Orv {

std::wstring OwnExecutablePath() {
    char buffer[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    return Utf8ToWString(std::string(buffer, static_cast<size_t>(length)));
}

std::vector<std::wstring> CommandLineArguments(int argc, char** argv) {
    std::vector<std::wstring> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(Utf8ToWString(argv[i]));
    return arguments;
}

void SetProcessDpiAware() {}

bool SetWindowTopMost(uintptr_t) {
    return false;
}

} // namespace Orv
