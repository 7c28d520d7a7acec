#pragma once

// POSIX only: whether a reader gives up at once on a FIFO in place of a file (a plain open would wait for ever).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Runs read with a FIFO made at path and says whether it was done within five seconds. When it was not, the FIFO is
// opened for writing until the blocked reader ends, so that the test does not hang. The FIFO is removed afterwards.
inline bool ReadsFifoPromptly(const std::string& path, const std::function<void()>& read) {
    if (mkfifo(path.c_str(), 0600) != 0)
        return false;
    std::atomic<bool> done{false};
    std::thread reader([&] {
        read();
        done = true;
    });
    for (int waited = 0; waited < 5000 && !done; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const bool prompt = done;
    while (!done) {
        const int writer = open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            close(writer);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
    unlink(path.c_str());
    return prompt;
}
