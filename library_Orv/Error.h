#pragma once

#include "BaseClass.h"

#include <cstdint>
#include <string>

namespace Orv {

using ErrorLevel = unsigned;
constexpr ErrorLevel kErrorLevelDebug = 0;
constexpr ErrorLevel kErrorLevelInfo = 1;
constexpr ErrorLevel kErrorLevelWarning = 2;
constexpr ErrorLevel kErrorLevelError = 3;
constexpr unsigned kErrorLevelCount = 4;

// Message-box styles as Win32 defines them (MB_ICON* | MB_SETFOREGROUND).
constexpr unsigned kMessageBoxWarning = 0x10030;
constexpr unsigned kMessageBoxInformation = 0x10040;
constexpr unsigned kMessageBoxError = 0x10010;
constexpr unsigned kMessageBoxErrorOnly = 0x10;

class IErrorHandler : public BaseClassVirtualNonCopyable {
public:
    virtual void Handle(const std::wstring& header, const std::wstring& message, ErrorLevel& level) = 0;
};

// Shows a message box; replaces the platform's own presentation (Win32 MessageBoxA, stderr on POSIX).
using MessageBoxPresenter = void (*)(const std::string& text, const std::string& caption, unsigned style);

class Error : public BaseClassNonCopyable {
public:
    static void Report(const std::string& message, bool quiet, ErrorLevel level, const std::string& file,
                       uint32_t line);
    // Reports a wide message at level "Error".
    static void Report(const std::wstring& message, bool quiet, const std::string& file, uint32_t line);

    // The handler is not owned; nullptr removes it. Change only while no other thread reports.
    static void SetHandler(ErrorLevel level, IErrorHandler* handler);
    static IErrorHandler* Handler(ErrorLevel level);

    static void SetMessageBoxPresenter(MessageBoxPresenter presenter);
    static MessageBoxPresenter CurrentMessageBoxPresenter();

    static const char* LevelCaption(ErrorLevel level);
    static unsigned LevelStyle(ErrorLevel level);
    // "file(line) : [HH:MI:SS.MS] Caption"
    static std::string Header(const std::string& file, uint32_t line, ErrorLevel level);
};

// Fills text with "Error <code>[ :<system text>]" and clears the thread's last error when one is set
// (other than 487, ERROR_INVALID_ADDRESS); returns false and changes nothing otherwise.
bool GetLastErrorText(std::string& text);

// The thread's last error: Win32 GetLastError/SetLastError, errno on POSIX.
unsigned long GetLastErrorCode();
void SetLastErrorCode(unsigned long code);

// The system's text for an error code, as the system gives it (empty when it has none).
std::string SystemErrorMessage(unsigned long code);

// Whether the platform shows message boxes itself (Win32) or needs a presenter from the user interface.
bool PlatformHasMessageBox();

// The platform's own message box (used when no presenter is set).
void ShowSystemMessageBox(const std::string& text, const std::string& caption, unsigned style);

} // namespace Orv

#define ORV_REPORT(message, quiet, level) ::Orv::Error::Report((message), (quiet), (level), __FILE__, __LINE__)
