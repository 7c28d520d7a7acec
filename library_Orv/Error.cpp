#include "Error.h"

#include "CStringUtilsOrv.h"
#include "DateTime.h"

#include <atomic>
#include <cstdio>
#include <sstream>

namespace Orv {

namespace {
std::atomic<IErrorHandler*> gHandlers[kErrorLevelCount] = {};
std::atomic<MessageBoxPresenter> gPresenter{nullptr};
} // namespace

const char* Error::LevelCaption(ErrorLevel level) {
    switch (level) {
    case kErrorLevelDebug:
        return "Debug";
    case kErrorLevelInfo:
        return "Info";
    case kErrorLevelWarning:
        return "Warning";
    case kErrorLevelError:
        return "Error";
    default:
        return "IXError";
    }
}

unsigned Error::LevelStyle(ErrorLevel level) {
    switch (level) {
    case kErrorLevelDebug: // a debug report carries the warning icon
    case kErrorLevelWarning:
        return kMessageBoxWarning;
    case kErrorLevelInfo:
        return kMessageBoxInformation;
    case kErrorLevelError:
        return kMessageBoxError;
    default:
        return kMessageBoxErrorOnly;
    }
}

std::string Error::Header(const std::string& file, uint32_t line, ErrorLevel level) {
    std::ostringstream header;
    header << file << "(" << line << ") : [" << DateTime::Now().Format("HH:MI:SS.MS") << "] " << LevelCaption(level);
    return header.str();
}

void Error::Report(const std::string& message, bool quiet, ErrorLevel level, const std::string& file, uint32_t line) {
    const char* caption = LevelCaption(level);
    const std::string header = Header(file, line, level);

    std::string lastError; // only called for its side effect of clearing the last error
    GetLastErrorText(lastError);

    // C's stream, not std::cout: reports come from static constructors too (the product identity's), which may
    // run before the C++ streams are constructed.
    std::fwrite(message.data(), 1, message.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);

    IErrorHandler* handler = level < kErrorLevelCount ? gHandlers[level].load() : nullptr;
    if (handler) {
        ErrorLevel handlerLevel = level;
        handler->Handle(Utf8ToWString(header), Utf8ToWString(message), handlerLevel);
        return;
    }
    if (quiet)
        return;
    if (MessageBoxPresenter presenter = gPresenter.load())
        presenter(message, caption, LevelStyle(level));
    else
        ShowSystemMessageBox(message, caption, LevelStyle(level));
}

void Error::Report(const std::wstring& message, bool quiet, const std::string& file, uint32_t line) {
    Report(WStringToUtf8(message), quiet, kErrorLevelError, file, line);
}

void Error::SetHandler(ErrorLevel level, IErrorHandler* handler) {
    if (level < kErrorLevelCount)
        gHandlers[level] = handler;
}

IErrorHandler* Error::Handler(ErrorLevel level) {
    return level < kErrorLevelCount ? gHandlers[level].load() : nullptr;
}

void Error::SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    gPresenter = presenter;
}

MessageBoxPresenter Error::CurrentMessageBoxPresenter() {
    return gPresenter.load();
}

bool GetLastErrorText(std::string& text) {
    const unsigned long code = GetLastErrorCode();
    if (code == 0 || code == 487)
        return false;
    text = "Error " + std::to_string(code);
    const std::string system = SystemErrorMessage(code);
    if (!system.empty())
        text += " :" + system;
    SetLastErrorCode(0);
    return true;
}

} // namespace Orv
