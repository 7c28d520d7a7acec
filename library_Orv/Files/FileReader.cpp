#include "FileReader.h"

#include "Path.h"

#include <chrono>
#include <thread>

namespace Orv {

FileObject::FileObject(const std::wstring& path, bool normalize)
    : path_(normalize ? NormalizePath(path, false) : path) {}

std::shared_ptr<SharedFile> FileObject::ReadAll() {
    if (content_)
        return content_;
    std::unique_ptr<IFileReader> reader = OpenFileReader(path_);
    if (!reader)
        return nullptr;
    const int64_t size = GetFileSize64(path_);
    auto content = std::make_shared<SharedFile>(static_cast<size_t>(size > 0 ? size : 0));
    constexpr int kAttempts = 5;
    for (size_t offset = 0; offset < content->Size();) {
        const auto chunk = static_cast<uint32_t>(std::min<size_t>(kChunkSize, content->Size() - offset));
        int attempt = 1;
        while (!reader->Read(content->Data() + offset, chunk, chunk)) {
            if (attempt++ == kAttempts) {
                reader->Close();
                return nullptr; // nothing stays cached: a later call tries afresh
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            reader->SetPosition(static_cast<int64_t>(offset));
        }
        offset += chunk;
    }
    reader->Close();
    content_ = content;
    return content_;
}

} // namespace Orv
