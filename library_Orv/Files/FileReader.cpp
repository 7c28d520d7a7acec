#include "FileReader.h"

#include "Path.h"

#include <chrono>
#include <thread>

namespace Orv {

FileObject::FileObject(const std::wstring& path, bool normalize)
    : path_(normalize ? NormalizePath(path, false) : path) {}

namespace {
// Reads one chunk at offset; a failed read is tried again from the chunk's start up to four more times, 50 ms
// apart.
bool ReadChunk(IFileReader& reader, uint8_t* destination, uint32_t size, size_t offset) {
    constexpr int kAttempts = 5;
    for (int attempt = 1;; ++attempt) {
        if (reader.Read(destination, size, size))
            return true;
        if (attempt == kAttempts)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        reader.SetPosition(static_cast<int64_t>(offset));
    }
}

uint32_t ChunkAt(size_t offset, size_t total) {
    return static_cast<uint32_t>(std::min<size_t>(FileObject::kChunkSize, total - offset));
}
} // namespace

std::shared_ptr<SharedFile> FileObject::ReadAll(size_t maxBytes) {
    if (content_)
        return content_->Size() <= maxBytes ? content_ : nullptr;
    std::unique_ptr<IFileReader> reader = OpenFileReader(path_);
    if (!reader)
        return nullptr;
    const int64_t size = GetFileSize64(path_);
    if (size > 0 && static_cast<uint64_t>(size) > maxBytes) {
        reader->Close();
        return nullptr;
    }
    auto content = std::make_shared<SharedFile>(static_cast<size_t>(size > 0 ? size : 0));
    for (size_t offset = 0; offset < content->Size(); offset += ChunkAt(offset, content->Size())) {
        if (!ReadChunk(*reader, content->Data() + offset, ChunkAt(offset, content->Size()), offset)) {
            reader->Close();
            return nullptr; // nothing stays cached: a later call tries afresh
        }
    }
    reader->Close();
    content_ = content;
    return content_;
}

bool StreamFile(const std::wstring& path, const std::function<void(const uint8_t* data, size_t size)>& consume) {
    std::unique_ptr<IFileReader> reader = OpenFileReader(NormalizePath(path, false));
    if (!reader)
        return false;
    const int64_t signedSize = GetFileSize64(NormalizePath(path, false));
    const size_t size = static_cast<size_t>(signedSize > 0 ? signedSize : 0);
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[FileObject::kChunkSize]);
    for (size_t offset = 0; offset < size; offset += ChunkAt(offset, size)) {
        const uint32_t chunk = ChunkAt(offset, size);
        if (!ReadChunk(*reader, buffer.get(), chunk, offset)) {
            reader->Close();
            return false;
        }
        consume(buffer.get(), chunk);
    }
    reader->Close();
    return true;
}

bool FillFileInformation(FileInformation& info, uint32_t flags, int64_t size, int64_t lastWriteSeconds) {
    if (flags & kInfoSize)
        info.size = size;
    if (flags & kInfoLastWrite)
        info.lastWriteSeconds = lastWriteSeconds;
    return (flags & kInfoUnread) == 0;
}

} // namespace Orv
