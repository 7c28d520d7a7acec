#pragma once

#include <QString>

#include <cstdint>
#include <functional>
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

// The exit code returned for a program that was ended because its caller was asked to stop.
constexpr int kRunProcessStopped = -4;

// What a caller may watch of a run: started is told the program's process id once it runs (and 0 once it ended);
// stop is asked every few milliseconds, and a true answer ends the program at once.
struct RunProcessWatch {
    std::function<void(uint32_t processId)> started;
    std::function<bool()> stop;
};

// Runs a program and waits for it: its exit code, -2 when it cannot be started, -1 when it crashed, and
// kRunProcessTimedOut when it was still running after timeoutMs (it is then killed). An argument longer than one
// character that starts and ends with a double quote is passed without those quotes. The program gets none of this
// process's streams: a run that outlives its caller never holds the caller's output open.
int RunProcessAndWait(const std::wstring& exePath, const std::vector<std::wstring>& args,
                      int timeoutMs = kRunProcessAndWaitTimeoutMs, const RunProcessWatch& watch = {});

} // namespace Orv
