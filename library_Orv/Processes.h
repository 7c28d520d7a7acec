#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Running processes: the list, opening one by name or id, ending one, starting one without waiting.
namespace Orv {

// Process id -> executable file name (no folder).
std::map<uint32_t, std::wstring> GetProcessList();

// The full path of the process's executable; empty when it cannot be read (no such process, another user's).
std::wstring GetProcessImagePath(uint32_t processId);
// Whether the process runs the executable at path: its image path names that file as the file system compares
// names (any case on Windows; on POSIX after links in path are resolved, as the kernel records the image).
bool ProcessRunsExecutable(uint32_t processId, const std::wstring& path);

// An open process; closed when the object goes.
class ProcessHandle {
public:
    ProcessHandle() = default;
    explicit ProcessHandle(intptr_t native, uint32_t processId) : native_(native), processId_(processId) {}
    ~ProcessHandle();
    ProcessHandle(ProcessHandle&& other) noexcept;
    ProcessHandle& operator=(ProcessHandle&& other) noexcept;
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;

    bool IsValid() const { return native_ != 0; }
    intptr_t Native() const { return native_; }
    uint32_t ProcessId() const { return processId_; }

private:
    intptr_t native_ = 0;
    uint32_t processId_ = 0;
};

// The first process whose executable name equals name, ignoring case; an invalid handle when none.
ProcessHandle OpenProcessByName(const std::wstring& name);
// The process with that id, opened as OpenProcessByName opens it; an invalid handle when there is none.
ProcessHandle OpenProcessById(uint32_t processId);
void TerminateProcessById(uint32_t processId);
// Starts the program without waiting; an empty working folder means the caller's. The command line is the
// arguments joined by spaces, without the program in front: the first argument is what the program takes for its
// own name (argv[0]).
bool LaunchProcess(const std::wstring& exePath, const std::vector<std::wstring>& args,
                   const std::wstring& workingFolder);
// How a start through the shell ended. Refused: the user said no to Windows' question for administrator rights.
enum class ShellLaunchOutcome { Started, Refused, NotFound, AccessDenied, NotAProgram, Failed };
struct ShellLaunchResult {
    ShellLaunchOutcome outcome = ShellLaunchOutcome::Failed;
    uint32_t code = 0; // the system's error code (GetLastError, errno), 0 when started
    bool Started() const { return outcome == ShellLaunchOutcome::Started; }
};
// Starts the program as a double-click in Explorer would, without waiting: on Windows through ShellExecuteExW, so
// that a program whose manifest requires administrator rights gets Windows' elevation prompt (CreateProcessW fails
// with ERROR_ELEVATION_REQUIRED for it). parameters is the command line after the program's quoted path.
ShellLaunchResult LaunchThroughShell(const std::wstring& exePath, const std::vector<std::wstring>& parameters);
uint32_t CurrentProcessId();
// The logon session this process runs in (Windows' session id; POSIX: the process's session).
uint32_t CurrentSessionId();
// Closes a native process handle (nothing to do for 0, nor on POSIX).
void CloseProcessHandle(intptr_t handle);
std::wstring JoinStrings(const std::vector<std::wstring>& items, const std::wstring& separator);

} // namespace Orv
