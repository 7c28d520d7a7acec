#include "PipeTransport_p.h"

#include "PipeMessage.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Console.h"
#include "library_Orv/Error.h"
#include "library_Orv/PosixWorld.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <linux/sockios.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

// A pipe is a SOCK_SEQPACKET Unix socket: record boundaries are kept, so one write is one read as with the
// Windows pipes the product uses. The socket files live in one folder of the user's own.
namespace Orv {

namespace {
// Records are kept well below the socket buffer limits (unprivileged programs cannot raise them to the pipe
// buffer size): a longer message goes out as several records. Each record begins with one byte that says whether
// more records of the same message follow, so that the reader puts the message together again and hands it out as
// a Windows pipe does: whole when it fits the reader's buffer, in buffer-sized chunks otherwise.
constexpr size_t kMaxRecordBytes = 64 * 1024;
constexpr char kMoreRecords = 'M';
constexpr char kLastRecord = 'E';

// The name becomes one file name: only letters, digits, ".", "_" and "-" are kept, everything else (a "/" first
// of all) and a leading "." are written as %XX of their UTF-8 bytes.
std::string EncodePipeName(const std::wstring& name) {
    const std::string utf8 = WStringToUtf8(name);
    std::string encoded;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                           c == '-' || (c == '.' && i > 0);
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            static const char kHex[] = "0123456789ABCDEF";
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        }
    }
    return encoded.empty() ? std::string("%") : encoded;
}

bool SocketAddress(const std::wstring& pipePath, sockaddr_un& address) {
    const std::wstring prefix = kPipePathPrefix;
    const std::wstring name =
        pipePath.compare(0, prefix.size(), prefix) == 0 ? pipePath.substr(prefix.size()) : pipePath;
    const std::string folder = SessionFolder();
    if (folder.empty()) {
        errno = EACCES;
        return false;
    }
    std::string path = folder + "/" + EncodePipeName(name);
    if (path.size() >= sizeof address.sun_path) {
        // A socket's path is short (108 bytes): a name that does not fit in a deep folder is stood for by its hash,
        // the same at both ends.
        uint64_t hash = 1469598103934665603ull; // FNV-1a
        for (const unsigned char c : EncodePipeName(name))
            hash = (hash ^ c) * 1099511628211ull;
        char hashed[24];
        std::snprintf(hashed, sizeof hashed, "#%016llx", static_cast<unsigned long long>(hash));
        path = folder + "/" + hashed;
    }
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

int Timeout(const Deadline& deadline) {
    const int64_t left = deadline.RemainingMs();
    return left < 0 ? -1 : static_cast<int>(std::min<int64_t>(left, 1 << 30));
}

// Waits for the events on fd; TimedOut when the deadline comes first.
PipeIo WaitFor(int fd, short events, const Deadline& deadline) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = poll(&entry, 1, Timeout(deadline));
        if (ready > 0)
            return PipeIo::Done;
        if (ready == 0)
            return PipeIo::TimedOut;
        if (errno != EINTR)
            return PipeIo::Failed;
    }
}

void CloseFd(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}
} // namespace

namespace {
// The socket files this process serves, so that a program that must end at once can still remove them.
std::mutex liveSocketsMutex;
std::map<std::string, ino_t> liveSockets;
} // namespace

void RemoveOwnPipeFiles() {
    std::lock_guard<std::mutex> lock(liveSocketsMutex);
    for (const auto& [path, inode] : liveSockets) {
        struct stat data {};
        if (stat(path.c_str(), &data) == 0 && data.st_ino == inode)
            unlink(path.c_str());
    }
    liveSockets.clear();
}

struct PipeServerEnd::Native {
    int listener = -1;
    int client = -1;
    std::string socketPath;
    ino_t inode = 0;
    // A record longer than the reader's buffer is handed out in parts, as a byte pipe would.
    std::string pending;
    size_t pendingOffset = 0;
};

PipeServerEnd::PipeServerEnd() : native_(std::make_unique<Native>()) {}

PipeServerEnd::~PipeServerEnd() {
    Close();
}

namespace {
// A socket file that nobody listens on any more is left over from a program that ended: it may be replaced.
// One that answers belongs to a running server, and the name is taken, as with a Windows pipe instance.
bool RemoveStaleSocket(const sockaddr_un& address) {
    const int probe = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (probe < 0)
        return false;
    const int connected = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    close(probe);
    if (connected == 0 || error == EAGAIN) {
        errno = EADDRINUSE;
        return false;
    }
    if (error == ECONNREFUSED)
        unlink(address.sun_path);
    return true;
}

int CreateListener(const sockaddr_un& address, uint32_t bufferSize) {
    if (!RemoveStaleSocket(address))
        return -1;
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int size = static_cast<int>(std::min<uint32_t>(bufferSize, 1u << 30));
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    // Only this user may connect: the folder keeps others out, and so does the socket itself.
    const mode_t previous = umask(077);
    const int bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    umask(previous);
    if (bound != 0 || listen(fd, 4) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}
} // namespace

// Every socket here admits this user alone (the folder and the socket's mode), and a name that a live server holds is
// never taken over: both kinds of access come out the same.
bool PipeServerEnd::Create(const std::wstring& pipePath, uint32_t bufferSize, PipeAccess) {
    Close();
    sockaddr_un address{};
    if (!SocketAddress(pipePath, address)) {
        PrintF("CreateNamedPipe failed. Error: %lu\n", static_cast<unsigned long>(errno));
        return false;
    }
    // Created a second time after a failure, as the Windows side retries without its security descriptor.
    for (int attempt = 0; attempt < 2 && native_->listener < 0; ++attempt) {
        native_->listener = CreateListener(address, bufferSize);
        if (native_->listener < 0)
            PrintF("CreateNamedPipe failed. Error: %lu\n", static_cast<unsigned long>(errno));
    }
    if (native_->listener < 0)
        return false;
    struct stat data {};
    native_->socketPath = address.sun_path;
    native_->inode = stat(address.sun_path, &data) == 0 ? data.st_ino : 0;
    std::lock_guard<std::mutex> lock(liveSocketsMutex);
    liveSockets[native_->socketPath] = native_->inode;
    return true;
}

bool PipeServerEnd::IsValid() const {
    return native_->listener >= 0;
}

PipeIo PipeServerEnd::WaitForClient(const Deadline& deadline) {
    if (!IsValid())
        return PipeIo::Failed;
    CloseFd(native_->client);
    const PipeIo ready = WaitFor(native_->listener, POLLIN, deadline);
    if (ready != PipeIo::Done)
        return ready;
    native_->client = accept4(native_->listener, nullptr, nullptr, SOCK_CLOEXEC);
    return native_->client >= 0 ? PipeIo::Done : PipeIo::Failed;
}

PipeIo PipeServerEnd::Read(void* buffer, size_t maxBytes, size_t& bytesRead, const Deadline& deadline) {
    bytesRead = 0;
    Native& native = *native_;
    if (native.pendingOffset >= native.pending.size()) {
        // The next message, all its records.
        if (native.client < 0 || maxBytes == 0)
            return PipeIo::Failed;
        native.pending.clear();
        native.pendingOffset = 0;
        std::string record;
        for (bool more = true; more;) {
            const PipeIo ready = WaitFor(native.client, POLLIN, deadline);
            if (ready != PipeIo::Done) {
                native.pending.clear(); // half a message is none
                return ready;
            }
            const auto receive = [&](void* into, size_t size, int flags) {
                ssize_t count;
                do
                    count = recv(native.client, into, size, flags);
                while (count < 0 && errno == EINTR);
                return count;
            };
            // The next record's whole length, without taking it. A record is never empty (it has its header), so
            // no bytes is the end of the stream.
            const ssize_t length = receive(nullptr, 0, MSG_PEEK | MSG_TRUNC);
            if (length <= 0) {
                native.pending.clear();
                return PipeIo::Failed;
            }
            record.resize(static_cast<size_t>(length));
            const ssize_t count = receive(&record[0], record.size(), 0);
            if (count <= 0) {
                native.pending.clear();
                return PipeIo::Failed;
            }
            more = record[0] == kMoreRecords;
            native.pending.append(record, 1, static_cast<size_t>(count) - 1);
        }
        if (native.pending.empty())
            return PipeIo::Failed;
    }
    bytesRead = std::min(maxBytes, native.pending.size() - native.pendingOffset);
    std::memcpy(buffer, native.pending.data() + native.pendingOffset, bytesRead);
    native.pendingOffset += bytesRead;
    return PipeIo::Done;
}

void PipeServerEnd::Disconnect() {
    CloseFd(native_->client);
    native_->pending.clear();
    native_->pendingOffset = 0;
}

void PipeServerEnd::Close() {
    Disconnect();
    if (native_->listener < 0)
        return;
    CloseFd(native_->listener);
    // Only our own socket file is removed: another server may have replaced it meanwhile.
    struct stat data {};
    if (stat(native_->socketPath.c_str(), &data) == 0 && data.st_ino == native_->inode)
        unlink(native_->socketPath.c_str());
    {
        std::lock_guard<std::mutex> lock(liveSocketsMutex);
        liveSockets.erase(native_->socketPath);
    }
    native_->socketPath.clear();
}

namespace PipeTransport {

OpenResult OpenClient_sys(const std::wstring& pipePath, intptr_t& handle) {
    handle = PipeClient::kNoHandle;
    sockaddr_un address{};
    if (!SocketAddress(pipePath, address))
        return OpenResult::Failed;
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return OpenResult::Failed;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // The server's queue of waiting clients is full: the pipe is busy.
        const bool busy = errno == EAGAIN;
        close(fd);
        return busy ? OpenResult::Busy : OpenResult::Failed;
    }
    const int size = static_cast<int>(kPipeBufferSize);
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
    handle = fd;
    return OpenResult::Opened;
}

bool WaitForPipe_sys(const std::wstring&, int64_t timeoutMs) {
    // Nothing tells when a place in the queue frees up; the time is simply given.
    SleepMs(timeoutMs);
    return true;
}

namespace {
// The flush: the bytes sent are charged to this socket until the reader has taken them.
bool WaitUntilRead(int fd, const Deadline& deadline) {
    int64_t pauseUs = 50;
    for (;;) {
        int unread = 0;
        if (ioctl(fd, SIOCOUTQ, &unread) != 0)
            return false;
        if (unread <= 0)
            return true;
        if (deadline.Expired())
            return false;
        pollfd entry{fd, 0, 0}; // only hang-ups end this sleep early
        poll(&entry, 1, 0);
        if (entry.revents & (POLLHUP | POLLERR))
            return false;
        usleep(static_cast<useconds_t>(pauseUs));
        pauseUs = std::min<int64_t>(pauseUs * 2, 2000);
    }
}
} // namespace

size_t WriteAndFlush_sys(intptr_t handle, const std::string& bytes, const Deadline& deadline) {
    const int fd = static_cast<int>(handle);
    size_t written = 0;
    std::string record;
    while (written < bytes.size()) {
        if (WaitFor(fd, POLLOUT, deadline) != PipeIo::Done)
            break;
        const size_t length = std::min(kMaxRecordBytes, bytes.size() - written);
        record.assign(1, written + length < bytes.size() ? kMoreRecords : kLastRecord);
        record.append(bytes, written, length);
        const ssize_t sent = send(fd, record.data(), record.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (sent <= 0)
            break;
        written += length; // a record goes whole or not at all
    }
    WaitUntilRead(fd, deadline);
    return written;
}

void CloseClient_sys(intptr_t handle) {
    close(static_cast<int>(handle));
}

} // namespace PipeTransport

} // namespace Orv
