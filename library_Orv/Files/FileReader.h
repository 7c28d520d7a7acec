#pragma once

#include "library_Orv/BaseClass.h"

#include <cstdint>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Orv {

constexpr uint32_t kUnknownSize = 0xFFFFFFFF;

struct FileInformation {
    int64_t size = 0;
    int64_t lastWriteSeconds = 0; // since the Unix epoch
};

// Whole-file reading behind one interface, on Win32 handles or on C run-time / POSIX descriptors.
class IFileReader : public BaseClassVirtualNonCopyable {
public:
    // sizeLow/sizeHigh: the expected size, both kUnknownSize when unknown.
    virtual bool Open(const std::wstring& path, uint32_t sizeLow, uint32_t sizeHigh, uint32_t bufferSize,
                      uint32_t options, uint32_t infoFlags) = 0;
    virtual bool IsUnbuffered() const = 0;
    // True when the count read equals expected (or size when expected is 0).
    virtual bool Read(void* buffer, uint32_t size, uint32_t expected = 0) = 0;
    virtual bool Close() = 0;
    // Moves to an absolute offset; a read that failed part-way is tried again from where it started.
    virtual bool SetPosition(int64_t offset) = 0;
    virtual intptr_t GetNativeHandle() const = 0;
    // Fills what bits 4 (size) and 5 (last write time) of flags ask for; true when nothing was asked or all of it
    // could be read.
    virtual bool ReadFileInfo(FileInformation& info, uint32_t flags) = 0;
};

// What ReadFileInfo's flags ask for: the size, the last write time, and what no reader reads (attributes, security).
constexpr uint32_t kInfoSize = 0x10;
constexpr uint32_t kInfoLastWrite = 0x20;
constexpr uint32_t kInfoUnread = 0xC0;
inline bool AsksFileInformation(uint32_t flags) {
    return (flags & (kInfoSize | kInfoLastWrite | kInfoUnread)) != 0;
}
// Fills what flags ask for from what the platform read; the answer of ReadFileInfo.
bool FillFileInformation(FileInformation& info, uint32_t flags, int64_t size, int64_t lastWriteSeconds);

// The first reader that opens the file (buffer size 16384, options 0, info flags 7), or null.
std::unique_ptr<IFileReader> OpenFileReader(const std::wstring& path, uint32_t sizeLow = kUnknownSize,
                                            uint32_t sizeHigh = kUnknownSize);

// The size of a file, 0 when it cannot be opened.
int64_t GetFileSize64(const std::wstring& path);

// Reads a file front to back through consume, in chunks of at most 1 MiB with the retry rule of
// FileObject::ReadAll, without holding the whole content; false when the file cannot be read.
bool StreamFile(const std::wstring& path, const std::function<void(const uint8_t* data, size_t size)>& consume);

// A file's whole content, read once and shared.
class SharedFile : public BaseClassNonCopyable {
public:
    // The buffer is not cleared first: the reader fills all of it.
    explicit SharedFile(size_t size) : buffer_(new uint8_t[size > 0 ? size : 1]), size_(size) {}
    uint8_t* Data() { return buffer_.get(); }
    const uint8_t* Data() const { return buffer_.get(); }
    size_t Size() const { return size_; }

private:
    std::unique_ptr<uint8_t[]> buffer_;
    size_t size_;
};

class FileObject {
public:
    explicit FileObject(const std::wstring& path, bool normalize = true);
    // The content, read front to back in chunks of at most 1 MiB (a failed chunk is tried again up to four times,
    // 50 ms apart); null when the file cannot be read or is larger than maxBytes.
    std::shared_ptr<SharedFile> ReadAll(size_t maxBytes = SIZE_MAX);
    const std::wstring& Path() const { return path_; }
    uint8_t Flags() const { return flags_; }

    static constexpr uint32_t kChunkSize = 0x100000;

private:
    uint8_t flags_ = 1;
    std::wstring path_;
    std::shared_ptr<SharedFile> content_;
};

} // namespace Orv
