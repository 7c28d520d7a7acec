#include "Processes.h"

namespace Orv {

std::wstring JoinStrings(const std::vector<std::wstring>& items, const std::wstring& separator) {
    std::wstring joined;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            joined += separator;
        joined += items[i];
    }
    return joined;
}

ProcessHandle::ProcessHandle(ProcessHandle&& other) noexcept : native_(other.native_), processId_(other.processId_) {
    other.native_ = 0;
    other.processId_ = 0;
}

ProcessHandle& ProcessHandle::operator=(ProcessHandle&& other) noexcept {
    if (this != &other) {
        ProcessHandle old(std::move(*this));
        native_ = other.native_;
        processId_ = other.processId_;
        other.native_ = 0;
        other.processId_ = 0;
    }
    return *this;
}
} // namespace Orv
