#pragma once

#include "library_Orv/Desktop.h"
#include "library_Orv/Files/File.h"

#include <chrono>
#include <string>
#include <thread>
#include <vector>

// The child program of the process tests (tests/support/TestChild.cpp), built beside them.
inline std::wstring ChildProgram() {
    const std::wstring own = Orv::OwnExecutablePath();
    const std::wstring extension = own.size() > 4 && own.substr(own.size() - 4) == L".exe" ? L".exe" : L"";
    return own.substr(0, own.find_last_of(L"\\/") + 1) + L"skv_test_child" + extension;
}

// Waits up to five seconds for a file that another process writes, and reads it.
inline std::string WaitForFile(const std::wstring& path) {
    for (int i = 0; i < 100; ++i) {
        if (Orv::FileExists(path)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const std::vector<uint8_t> bytes = Orv::ReadFileBytes(path);
            return std::string(bytes.begin(), bytes.end());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}
