#include "PipeTransport_p.h"

#include "library_Orv/Console.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include "library_Orv/WinOwners_win.h"

#include <sddl.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Named pipes. The server end is overlapped so that waiting for a client and reading can end at a deadline; the
// client end is synchronous, as the product's clients are, and a watchdog cancels a write or flush that outlives
// its deadline.
namespace Orv {

namespace {
DWORD Timeout(const Deadline& deadline) {
    const int64_t left = deadline.RemainingMs();
    return left < 0 ? INFINITE : static_cast<DWORD>(std::min<int64_t>(left, 0x7FFFFFFF));
}
} // namespace

struct PipeServerEnd::Native {
    Win::Handle pipe;
    Win::Handle event;           // signalled when an overlapped connect or read completes
    Win::LocalMemory descriptor; // the security descriptor, kept as long as the pipe
    bool connectedOnce = false;

    // Waits for the overlapped operation; on expiry it is cancelled and waited for, so that the buffer and the
    // OVERLAPPED are no longer in use when this returns.
    PipeIo Complete(OVERLAPPED& overlapped, DWORD& transferred, const Deadline& deadline) {
        if (WaitForSingleObject(event.Get(), Timeout(deadline)) != WAIT_OBJECT_0) {
            CancelIoEx(pipe.Get(), &overlapped);
            GetOverlappedResult(pipe.Get(), &overlapped, &transferred, TRUE);
            return PipeIo::TimedOut;
        }
        return GetOverlappedResult(pipe.Get(), &overlapped, &transferred, FALSE) ? PipeIo::Done : PipeIo::Failed;
    }
};

// A named pipe goes with the last handle to it: nothing is left once the process has ended.
void RemoveOwnPipeFiles() {}

PipeServerEnd::PipeServerEnd() : native_(std::make_unique<Native>()) {}

PipeServerEnd::~PipeServerEnd() {
    Close();
}

namespace {
// "D:P(A;;GA;;;SY)(A;;GA;;;<this user's SID>)": the system and the user this process runs as, nobody else.
std::wstring CurrentUserOnlySddl() {
    Win::Handle token;
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened))
        return {};
    token.Reset(opened);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    if (size == 0)
        return {};
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size))
        return {};
    LPWSTR sidText = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sidText))
        return {};
    Win::LocalMemory sidOwner;
    sidOwner.Reset(sidText);
    return L"D:P(A;;GA;;;SY)(A;;GA;;;" + std::wstring(sidText) + L")";
}
} // namespace

bool PipeServerEnd::Create(const std::wstring& pipePath, uint32_t bufferSize, PipeAccess access) {
    Close();
    Native& native = *native_;
    // Everyone may connect to the product's pipe: the product and its shell extension may run at another integrity
    // level. A reply pipe is this user's alone.
    const bool userOnly = access == PipeAccess::CurrentUserOnly;
    const std::wstring sddl = userOnly ? CurrentUserOnlySddl() : L"D:(A;;GA;;;WD)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!sddl.empty() &&
        ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr)) {
        native.descriptor.Reset(descriptor);
    } else {
        PrintF("Failed to convert SDDL. Error: %lu\n", static_cast<unsigned long>(GetLastError()));
    }
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = native.descriptor.Get();
    attributes.bInheritHandle = FALSE;
    // A reply pipe must be made here: an instance that another program made first under the same name would
    // otherwise be joined, and that program would read or write this side's answers.
    const DWORD openMode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (userOnly ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
    const auto create = [&](SECURITY_ATTRIBUTES* security) {
        return CreateNamedPipeW(pipePath.c_str(), openMode, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1,
                                bufferSize, bufferSize, 0, security);
    };
    native.pipe.Reset(create(native.descriptor.Get() ? &attributes : nullptr));
    if (!native.pipe.Valid()) {
        PrintF("CreateNamedPipe failed. Error: %lu\n", static_cast<unsigned long>(GetLastError()));
        // The default security of a pipe is the creator's, the system's and the administrators'.
        native.descriptor.Reset();
        native.pipe.Reset(create(nullptr));
    }
    if (!native.pipe.Valid()) {
        native.pipe.Reset();
        return false;
    }
    native.event.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!native.event.Valid()) {
        Close();
        return false;
    }
    return true;
}

bool PipeServerEnd::IsValid() const {
    return native_->pipe.Valid();
}

PipeIo PipeServerEnd::WaitForClient(const Deadline& deadline) {
    if (!IsValid())
        return PipeIo::Failed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = native_->event.Get();
    ResetEvent(overlapped.hEvent);
    if (ConnectNamedPipe(native_->pipe.Get(), &overlapped))
        return PipeIo::Done;
    switch (GetLastError()) {
    case ERROR_PIPE_CONNECTED: // the client came between the creation and this call
        return PipeIo::Done;
    case ERROR_IO_PENDING: {
        DWORD unused = 0;
        return native_->Complete(overlapped, unused, deadline);
    }
    default:
        return PipeIo::Failed;
    }
}

PipeIo PipeServerEnd::Read(void* buffer, size_t maxBytes, size_t& bytesRead, const Deadline& deadline) {
    bytesRead = 0;
    if (!IsValid())
        return PipeIo::Failed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = native_->event.Get();
    ResetEvent(overlapped.hEvent);
    const DWORD size = static_cast<DWORD>(std::min<size_t>(maxBytes, 0x7FFFFFFF));
    DWORD transferred = 0;
    PipeIo result;
    if (ReadFile(native_->pipe.Get(), buffer, size, nullptr, &overlapped))
        result =
            GetOverlappedResult(native_->pipe.Get(), &overlapped, &transferred, FALSE) ? PipeIo::Done : PipeIo::Failed;
    else if (GetLastError() == ERROR_IO_PENDING)
        result = native_->Complete(overlapped, transferred, deadline);
    else
        result = PipeIo::Failed;
    bytesRead = transferred;
    return result;
}

void PipeServerEnd::Disconnect() {
    if (IsValid())
        DisconnectNamedPipe(native_->pipe.Get());
}

void PipeServerEnd::Close() {
    native_->pipe.Reset();
    native_->event.Reset();
    native_->descriptor.Reset();
}

namespace PipeTransport {

OpenResult OpenClient_sys(const std::wstring& pipePath, intptr_t& handle) {
    const HANDLE opened =
        CreateFileW(pipePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const DWORD error = GetLastError();
    handle = reinterpret_cast<intptr_t>(opened);
    if (opened != INVALID_HANDLE_VALUE)
        return OpenResult::Opened;
    return error == ERROR_PIPE_BUSY ? OpenResult::Busy : OpenResult::Failed;
}

bool WaitForPipe_sys(const std::wstring& pipePath, int64_t timeoutMs) {
    return WaitNamedPipeW(pipePath.c_str(), static_cast<DWORD>(timeoutMs)) != FALSE;
}

namespace {
// Cancels the synchronous I/O of the thread that made it if that I/O outlives the deadline: a flush waits until
// the reader has taken the bytes, and a reader that never reads would hold it for ever. Once the deadline has
// passed it cancels again and again until the guarded work is over, since a cancel finds nothing to cancel when it
// comes before a call has begun or between two calls.
class IoWatchdog {
public:
    explicit IoWatchdog(const Deadline& deadline) {
        if (deadline.RemainingMs() < 0)
            return;
        DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), thread_.Out(), 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        watcher_ = std::thread([this, deadline]() {
            constexpr auto kRetry = std::chrono::milliseconds(10);
            std::unique_lock<std::mutex> lock(mutex_);
            auto wait = std::chrono::milliseconds(deadline.RemainingMs());
            while (!done_.wait_for(lock, wait, [this]() { return finished_; })) {
                CancelSynchronousIo(thread_.Get());
                wait = kRetry;
            }
        });
    }
    ~IoWatchdog() {
        if (!watcher_.joinable())
            return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        watcher_.join();
    }

private:
    Win::Handle thread_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread watcher_;
};
} // namespace

size_t WriteAndFlush_sys(intptr_t handle, const std::string& bytes, const Deadline& deadline) {
    const HANDLE pipe = reinterpret_cast<HANDLE>(handle);
    IoWatchdog watchdog(deadline);
    DWORD written = 0;
    if (!deadline.Expired())
        WriteFile(pipe, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    if (!deadline.Expired())
        FlushFileBuffers(pipe);
    return written;
}

void CloseClient_sys(intptr_t handle) {
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}

} // namespace PipeTransport

} // namespace Orv
