#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The two ends of a named pipe. On Windows these are real named pipes ("\\.\pipe\" + name); on POSIX each pipe
// is a SOCK_SEQPACKET Unix socket in the pipe folder, so that one write still arrives as one read. Every blocking
// operation takes a deadline: nothing here waits without end.
namespace Orv {

// A point in time after which a blocking operation gives up.
class Deadline {
public:
    static Deadline After(int64_t milliseconds);
    static Deadline Never();
    bool Expired() const;
    // Milliseconds left (0 once expired), or -1 for a deadline that never comes.
    int64_t RemainingMs() const;
    // The earlier of the two.
    Deadline Min(const Deadline& other) const;

private:
    bool never_ = true;
    std::chrono::steady_clock::time_point at_{};
};

void SleepMs(int64_t milliseconds);

enum class PipeIo { Done, Failed, TimedOut };

// Characters of the server's read buffer, and bytes of each pipe buffer.
constexpr uint32_t kPipeBufferSize = 1u << 20;
// How long one message write (with its flush) may take before it is abandoned.
constexpr int64_t kPipeWriteTimeoutMs = 10000;

// Who may open a pipe: the product's pipe is open to every local program (the shell extension runs in Explorer,
// at another integrity level); a reply pipe admits only this user and the system, and must be a new pipe of this
// process's own (a pipe of that name made first by another program is refused, not served).
enum class PipeAccess { Everyone, CurrentUserOnly };

// The server end of a pipe with one instance: clients are served one after the other.
class PipeServerEnd {
public:
    PipeServerEnd();
    ~PipeServerEnd();
    PipeServerEnd(const PipeServerEnd&) = delete;
    PipeServerEnd& operator=(const PipeServerEnd&) = delete;

    // Creates the pipe at pipePath ("\\.\pipe\" + name); false when it cannot be created (it already exists, for
    // one). Prints why on the standard output, as the tool always has.
    bool Create(const std::wstring& pipePath, uint32_t bufferSize, PipeAccess access = PipeAccess::Everyone);
    bool IsValid() const;
    // Waits for the next client.
    PipeIo WaitForClient(const Deadline& deadline);
    // Reads what the client wrote with one write (at most maxBytes). Failed once the client has closed its end.
    PipeIo Read(void* buffer, size_t maxBytes, size_t& bytesRead, const Deadline& deadline);
    // Drops the current client.
    void Disconnect();
    void Close();

    struct Native;

private:
    std::unique_ptr<Native> native_;
};

// Removes what the pipes this process serves leave in the file system (their socket files on POSIX; Windows pipes
// go with the process): for a program that must end at once, with a server still running on another thread.
void RemoveOwnPipeFiles();

// The client end of a pipe.
class PipeClient {
public:
    PipeClient() = default;
    ~PipeClient();
    PipeClient(const PipeClient&) = delete;
    PipeClient& operator=(const PipeClient&) = delete;

    // Opens the pipe named name; true at once when already connected. A busy pipe is waited for once, 300 ms.
    bool Connect(const std::wstring& name);
    // Writes the command marker followed by text as one flushed message. Write errors are not reported.
    bool Send(const std::wstring& text);
    // Writes message in one write and flushes, so that the reader has taken it when this returns. Returns the
    // bytes written: twice the message's length when all of it went through.
    size_t Write(const std::wstring& message, const Deadline& deadline = Deadline::After(kPipeWriteTimeoutMs));
    void Close();
    bool IsConnected() const { return handle_ != kNoHandle; }
    const std::wstring& PipePath() const { return pipePath_; }

    static constexpr intptr_t kNoHandle = -1;

private:
    intptr_t handle_ = kNoHandle;
    std::wstring pipePath_;
};

} // namespace Orv
