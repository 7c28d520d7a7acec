#pragma once

#include <string>

// Sets or removes an environment variable of the test process.
void SetTestEnvironment(const std::string& name, const std::string& value);
void UnsetTestEnvironment(const std::string& name);
// The variable's value; false when it is not set.
bool GetTestEnvironment(const std::string& name, std::string& value);

// Sets (or, without a value, removes) a variable for its own lifetime: what was there before comes back however the
// test ends (a failed check returns early).
class ScopedTestEnvironment {
public:
    ScopedTestEnvironment(const std::string& name, const std::string& value) : ScopedTestEnvironment(name) {
        SetTestEnvironment(name, value);
    }
    explicit ScopedTestEnvironment(const std::string& name)
        : name_(name), hadValue_(GetTestEnvironment(name, previous_)) {
        UnsetTestEnvironment(name);
    }
    ~ScopedTestEnvironment() {
        if (hadValue_)
            SetTestEnvironment(name_, previous_);
        else
            UnsetTestEnvironment(name_);
    }
    ScopedTestEnvironment(const ScopedTestEnvironment&) = delete;
    ScopedTestEnvironment& operator=(const ScopedTestEnvironment&) = delete;

private:
    std::string name_;
    std::string previous_;
    bool hadValue_ = false;
};
