#include "TestEnvironment.h"

#include <windows.h>

void SetTestEnvironment(const std::string& name, const std::string& value) {
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

void UnsetTestEnvironment(const std::string& name) {
    SetEnvironmentVariableA(name.c_str(), nullptr);
}
