#include "FileReader.h"

#include "library_Orv/CStringUtilsOrv.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Orv {

// Reads through a POSIX descriptor.
class FileReaderPosix : public IFileReader {
public:
    ~FileReaderPosix() override { Close(); }

    bool Open(const std::wstring& path, uint32_t sizeLow, uint32_t sizeHigh, uint32_t bufferSize, uint32_t,
              uint32_t) override {
        // Opening never waits (a FIFO in the file's place would block for ever), and only a regular file is read.
        descriptor_ = open(WStringToUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor_ < 0)
            return false;
        struct stat data {};
        if (fstat(descriptor_, &data) != 0 || !S_ISREG(data.st_mode)) {
            Close();
            return false;
        }
        const bool sequential = sizeHigh != 0 || sizeLow > bufferSize;
        posix_fadvise(descriptor_, 0, 0, sequential ? POSIX_FADV_SEQUENTIAL : POSIX_FADV_RANDOM);
        return true;
    }

    bool IsUnbuffered() const override { return false; }

    bool Read(void* buffer, uint32_t size, uint32_t expected) override {
        // read may return less than asked for without an error; gather the whole request.
        size_t total = 0;
        auto* bytes = static_cast<uint8_t*>(buffer);
        while (total < size) {
            const ssize_t count = read(descriptor_, bytes + total, size - total);
            if (count < 0)
                return false;
            if (count == 0)
                break;
            total += static_cast<size_t>(count);
        }
        return total == (expected ? expected : size);
    }

    bool Close() override {
        const bool closed = descriptor_ >= 0 && close(descriptor_) == 0;
        descriptor_ = -1;
        return closed;
    }

    bool SetPosition(int64_t offset) override { return lseek(descriptor_, offset, SEEK_SET) == offset; }

    intptr_t GetNativeHandle() const override { return descriptor_; }

    bool ReadFileInfo(FileInformation& info, uint32_t flags) override {
        if (!AsksFileInformation(flags))
            return true;
        struct stat data {};
        return fstat(descriptor_, &data) == 0 && FillFileInformation(info, flags, data.st_size, data.st_mtime);
    }

private:
    int descriptor_ = -1;
};

std::unique_ptr<IFileReader> OpenFileReader(const std::wstring& path, uint32_t sizeLow, uint32_t sizeHigh) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto reader = std::make_unique<FileReaderPosix>();
        if (reader->Open(path, sizeLow, sizeHigh, 16384, 0, 7))
            return reader;
    }
    return nullptr;
}

int64_t GetFileSize64(const std::wstring& path) {
    struct stat data {};
    if (stat(WStringToUtf8(path).c_str(), &data) != 0 || S_ISDIR(data.st_mode))
        return 0;
    return data.st_size;
}

} // namespace Orv
