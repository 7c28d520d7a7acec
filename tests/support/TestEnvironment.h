#pragma once

#include <string>

// Sets or removes an environment variable of the test process.
void SetTestEnvironment(const std::string& name, const std::string& value);
void UnsetTestEnvironment(const std::string& name);

// Sets a variable for its own lifetime: it is removed again however the test ends (a failed check returns early).
class ScopedTestEnvironment {
public:
    ScopedTestEnvironment(const std::string& name, const std::string& value) : name_(name) {
        SetTestEnvironment(name, value);
    }
    ~ScopedTestEnvironment() { UnsetTestEnvironment(name_); }
    ScopedTestEnvironment(const ScopedTestEnvironment&) = delete;
    ScopedTestEnvironment& operator=(const ScopedTestEnvironment&) = delete;

private:
    std::string name_;
};
