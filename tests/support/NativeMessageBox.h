#pragma once

#include <atomic>
#include <string>
#include <thread>

// Answers the system's own message box as a user would (Windows): from another thread it waits up to timeoutMs for
// a dialog with the caption, reads its message and presses OK. Where the system has no message box it finds none.
class NativeMessageBoxAnswerer {
public:
    explicit NativeMessageBoxAnswerer(const std::string& caption, int timeoutMs = 10000);
    ~NativeMessageBoxAnswerer();
    NativeMessageBoxAnswerer(const NativeMessageBoxAnswerer&) = delete;
    NativeMessageBoxAnswerer& operator=(const NativeMessageBoxAnswerer&) = delete;

    // Waits for the answer (or the time-out); then whether a box was answered, and its message.
    bool Answered();
    const std::string& Message() const { return message_; }

private:
    void Watch(const std::string& caption, int timeoutMs);

    std::atomic<bool> answered_{false};
    std::string message_;
    std::thread watcher_;
};
