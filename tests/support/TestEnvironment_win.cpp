#include "TestEnvironment.h"

#include <windows.h>

void SetTestEnvironment(const std::string& name, const std::string& value) {
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

void UnsetTestEnvironment(const std::string& name) {
    SetEnvironmentVariableA(name.c_str(), nullptr);
}

bool GetTestEnvironment(const std::string& name, std::string& value) {
    const DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size == 0)
        return false;
    std::string buffer(size, '\0');
    const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), size);
    if (length == 0 || length >= size)
        return false;
    value = buffer.substr(0, length);
    return true;
}
