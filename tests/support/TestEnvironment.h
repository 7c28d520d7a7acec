#pragma once

#include <string>

// Sets or removes an environment variable of the test process.
void SetTestEnvironment(const std::string& name, const std::string& value);
void UnsetTestEnvironment(const std::string& name);
