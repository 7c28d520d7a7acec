#include "TestEnvironment.h"

#include <cstdlib>

void SetTestEnvironment(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

void UnsetTestEnvironment(const std::string& name) {
    unsetenv(name.c_str());
}

bool GetTestEnvironment(const std::string& name, std::string& value) {
    const char* found = std::getenv(name.c_str());
    if (!found)
        return false;
    value = found;
    return true;
}
