#include "ErrorRecorder.h"

namespace {
void RecordBox(const std::string& text, const std::string& caption, unsigned style) {
    ErrorRecorder::Boxes().push_back({text, caption, style});
}
} // namespace

std::vector<ErrorRecorder::Box>& ErrorRecorder::Boxes() {
    static std::vector<Box> boxes;
    return boxes;
}

ErrorRecorder::ErrorRecorder(bool installHandlers) : previousPresenter_(Orv::Error::CurrentMessageBoxPresenter()) {
    Boxes().clear();
    Orv::Error::SetMessageBoxPresenter(RecordBox);
    for (Orv::ErrorLevel level = 0; level < Orv::kErrorLevelCount; ++level)
        Orv::Error::SetHandler(level, installHandlers ? this : nullptr);
}

ErrorRecorder::~ErrorRecorder() {
    for (Orv::ErrorLevel level = 0; level < Orv::kErrorLevelCount; ++level)
        Orv::Error::SetHandler(level, nullptr);
    Orv::Error::SetMessageBoxPresenter(previousPresenter_);
}

void ErrorRecorder::Handle(const std::wstring& header, const std::wstring& message, Orv::ErrorLevel& level) {
    reports.push_back({header, message, level});
}
