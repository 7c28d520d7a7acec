#pragma once

#include <QString>

#include <string>
#include <vector>

namespace Orv {

// The file's fixed version as "a.b.c.d", or "Dev"; a failed read is written to the info log.
QString GetFileVersionString(const QString& path);
// The operating system's caption, empty on failure (see GetOSCaptionText).
QString GetOSCaption();

// How long RunProcessAndWait lets a program run before it is ended.
constexpr int kRunProcessAndWaitTimeoutMs = 30000;
// The exit code returned for a program that had to be ended at the time-out.
constexpr int kRunProcessTimedOut = -3;

// Runs a program and waits for it: its exit code, -2 when it cannot be started, -1 when it crashed, and
// kRunProcessTimedOut when it was still running after timeoutMs (it is then killed). An argument longer than one
// character that starts and ends with a double quote is passed without those quotes.
int RunProcessAndWait(const std::wstring& exePath, const std::vector<std::wstring>& args,
                      int timeoutMs = kRunProcessAndWaitTimeoutMs);

} // namespace Orv
