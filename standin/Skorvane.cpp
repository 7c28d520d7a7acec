// A stand-in for the Skorvane product, with the behaviour the diagnostics rely on:
//   Skorvane.exe                         prints a start-up line and keeps running (at most ten minutes)
//   Skorvane.exe --copy "T|S1|S2"        copies the sources S1 and S2 into the folder T and exits
// The first argument may be the program's own name, as when it is started with a command line of arguments only.
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {
std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::wstring::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

int Copy(const std::wstring& argument) {
    const std::vector<std::wstring> parts = Split(argument, L'|');
    if (parts.size() < 2)
        return 2;
    Orv::CreateDirectories(parts[0]);
    int status = 0;
    for (size_t i = 1; i < parts.size(); ++i) {
        const std::wstring& source = parts[i];
        const std::wstring name = source.substr(source.find_last_of(L"\\/") + 1);
        if (!Orv::CopyOneFile(source, Orv::PathJoin(parts[0], name)))
            status = 1;
    }
    return status;
}
} // namespace

int main(int argc, char** argv) {
    for (int i = 0; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--copy")
            return Copy(Orv::Utf8ToWString(argv[i + 1]));
    std::printf("Skorvane started\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::minutes(10));
    return 0;
}
