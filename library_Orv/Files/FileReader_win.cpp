#include "FileReader.h"

#include "Path.h"

#include "library_Orv/WinOwners_win.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

namespace Orv {

namespace {
constexpr DWORD kReadAccess = GENERIC_READ | READ_CONTROL | FILE_READ_ATTRIBUTES | FILE_READ_DATA; // 0x80020081
constexpr DWORD kBaseFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS;
constexpr uint64_t kUnbufferedMinimum = 0x100000;
constexpr uint64_t kOverlappedMinimum = 0x4000000;

bool FillInfo(const BY_HANDLE_FILE_INFORMATION& data, FileInformation& info, uint32_t flags) {
    const uint64_t ticks =
        (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return FillFileInformation(info, flags, (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                               static_cast<int64_t>(ticks / 10000000ULL) - 11644473600LL);
}
} // namespace

// Reads through a Win32 file handle.
class FileReaderWinAPI : public IFileReader {
public:
    ~FileReaderWinAPI() override { Close(); }

    bool Open(const std::wstring& path, uint32_t sizeLow, uint32_t sizeHigh, uint32_t bufferSize, uint32_t options,
              uint32_t infoFlags) override {
        bufferSize_ = bufferSize;
        const bool sizeKnown = !(sizeLow == kUnknownSize && sizeHigh == kUnknownSize);
        const uint64_t size = (static_cast<uint64_t>(sizeHigh) << 32) | sizeLow;
        DWORD flags = kBaseFlags;
        unbuffered_ = false;
        overlapped_ = false;
        if (sizeKnown && sizeHigh == 0 && sizeLow <= bufferSize) {
            flags |= FILE_FLAG_RANDOM_ACCESS;
        } else if ((options & 1) && sizeKnown && (size >= kUnbufferedMinimum || sizeHigh != 0)) {
            flags |= FILE_FLAG_NO_BUFFERING;
            const bool large = size >= kOverlappedMinimum || sizeHigh != 0;
            if ((options & 2) && large) {
                flags |= FILE_FLAG_OVERLAPPED;
                overlapped_ = true;
            }
            unbuffered_ = !((options & 2) && !large);
        } else {
            flags |= FILE_FLAG_SEQUENTIAL_SCAN;
        }
        DWORD access = kReadAccess;
        if (infoFlags & 0x80)
            access |= ACCESS_SYSTEM_SECURITY;
        handle_.Reset(CreateFileW(ToSystemPath(path).c_str(), access,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, flags,
                                  nullptr));
        if (!handle_.Valid())
            return false;
        // Backup semantics open folders too; a folder has no content to read and must not pass for an empty file.
        BY_HANDLE_FILE_INFORMATION data{};
        if (!GetFileInformationByHandle(handle_.Get(), &data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            Close();
            return false;
        }
        return true;
    }

    bool IsUnbuffered() const override { return unbuffered_; }

    bool Read(void* buffer, uint32_t size, uint32_t expected) override {
        // The sector-aligned overlapped path is never asked for (options are always 0 here).
        DWORD read = 0;
        if (!ReadFile(handle_.Get(), buffer, size, &read, nullptr))
            return false;
        return read == (expected ? expected : size);
    }

    bool Close() override { return handle_.Valid() && CloseHandle(handle_.Detach()); }

    bool SetPosition(int64_t offset) override {
        LARGE_INTEGER distance;
        distance.QuadPart = offset;
        return SetFilePointerEx(handle_.Get(), distance, nullptr, FILE_BEGIN) != 0;
    }

    intptr_t GetNativeHandle() const override { return reinterpret_cast<intptr_t>(handle_.Get()); }

    bool ReadFileInfo(FileInformation& info, uint32_t flags) override {
        if (!AsksFileInformation(flags))
            return true;
        BY_HANDLE_FILE_INFORMATION data{};
        return GetFileInformationByHandle(handle_.Get(), &data) && FillInfo(data, info, flags);
    }

private:
    Win::Handle handle_;
    bool unbuffered_ = false;
    uint32_t bufferSize_ = 0;
    bool overlapped_ = false;
};

// Reads through a C run-time descriptor.
class FileReaderCOPEN : public IFileReader {
public:
    ~FileReaderCOPEN() override { Close(); }

    bool Open(const std::wstring& path, uint32_t sizeLow, uint32_t sizeHigh, uint32_t bufferSize, uint32_t,
              uint32_t) override {
        const int access = (sizeHigh != 0 || sizeLow > bufferSize) ? _O_SEQUENTIAL : _O_RANDOM;
        return _wsopen_s(&descriptor_, ToSystemPath(path).c_str(), _O_RDONLY | _O_BINARY | access, _SH_DENYNO,
                         _S_IREAD) == 0 &&
               descriptor_ > 0;
    }

    bool IsUnbuffered() const override { return false; }

    bool Read(void* buffer, uint32_t size, uint32_t expected) override {
        const int read = _read(descriptor_, buffer, size);
        return read >= 0 && static_cast<uint32_t>(read) == (expected ? expected : size);
    }

    bool Close() override {
        const bool closed = descriptor_ > 0 && _close(descriptor_) == 0;
        descriptor_ = -1;
        return closed;
    }

    bool SetPosition(int64_t offset) override { return _lseeki64(descriptor_, offset, SEEK_SET) == offset; }

    intptr_t GetNativeHandle() const override { return descriptor_; }

    bool ReadFileInfo(FileInformation& info, uint32_t flags) override {
        if (!AsksFileInformation(flags))
            return true;
        struct _stat64 data {};
        return _fstat64(descriptor_, &data) == 0 && FillFileInformation(info, flags, data.st_size, data.st_mtime);
    }

private:
    int descriptor_ = -1;
};

std::unique_ptr<IFileReader> OpenFileReader(const std::wstring& path, uint32_t sizeLow, uint32_t sizeHigh) {
    // The handle reader is tried twice: a sharing conflict may have cleared in between.
    std::unique_ptr<IFileReader> candidates[] = {std::make_unique<FileReaderWinAPI>(),
                                                 std::make_unique<FileReaderCOPEN>(),
                                                 std::make_unique<FileReaderWinAPI>()};
    for (auto& candidate : candidates)
        if (candidate->Open(path, sizeLow, sizeHigh, 16384, 0, 7))
            return std::move(candidate);
    return nullptr;
}

int64_t GetFileSize64(const std::wstring& path) {
    const Win::Handle handle(CreateFileW(ToSystemPath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    return handle.Valid() && GetFileSizeEx(handle.Get(), &size) ? size.QuadPart : 0;
}

} // namespace Orv
