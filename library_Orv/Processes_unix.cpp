#include "Processes.h"

#include "CStringUtilsOrv.h"

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace Orv {

namespace {
bool IsZombie(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t close = line.rfind(')'); // the command name may hold spaces and parentheses
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'Z';
}

// The executable's path as the kernel records it ("/proc/PID/exe", without the mark of a replaced file); empty when
// it cannot be read (another user's process, a kernel thread).
std::string ExecutablePath(const std::string& pid) {
    char target[4096];
    const ssize_t length = readlink(("/proc/" + pid + "/exe").c_str(), target, sizeof target - 1);
    if (length <= 0)
        return {};
    std::string path(target, static_cast<size_t>(length));
    const std::string deleted = " (deleted)";
    if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.erase(path.size() - deleted.size());
    return path;
}

std::string ProcessName(const std::string& pid) {
    if (IsZombie(pid))
        return {}; // it has ended; Windows no longer lists such a process
    // The executable's file name, as Windows lists it; a process whose executable cannot be read falls back to its
    // command name.
    const std::string path = ExecutablePath(pid);
    if (!path.empty())
        return path.substr(path.rfind('/') + 1);
    std::ifstream comm("/proc/" + pid + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}
} // namespace

std::map<uint32_t, std::wstring> GetProcessList() {
    std::map<uint32_t, std::wstring> processes;
    DIR* proc = opendir("/proc");
    if (!proc)
        return processes;
    while (dirent* entry = readdir(proc)) {
        char* end = nullptr;
        const unsigned long pid = std::strtoul(entry->d_name, &end, 10);
        if (pid == 0 || *end != '\0')
            continue;
        const std::string name = ProcessName(entry->d_name);
        if (!name.empty())
            processes[static_cast<uint32_t>(pid)] = Utf8ToWString(name);
    }
    closedir(proc);
    return processes;
}

std::wstring GetProcessImagePath(uint32_t processId) {
    const std::string pid = std::to_string(processId);
    return processId == 0 || IsZombie(pid) ? std::wstring() : Utf8ToWString(ExecutablePath(pid));
}

bool ProcessRunsExecutable(uint32_t processId, const std::wstring& path) {
    const std::wstring image = GetProcessImagePath(processId);
    if (image.empty() || path.empty() || path.front() != L'/')
        return false;
    char* resolved = realpath(WStringToUtf8(path).c_str(), nullptr);
    const std::string wanted = resolved ? resolved : WStringToUtf8(path);
    std::free(resolved);
    return WStringToUtf8(image) == wanted;
}

ProcessHandle OpenProcessByName(const std::wstring& name) {
    const std::string wanted = WStringToUtf8(name);
    for (const auto& [pid, processName] : GetProcessList())
        if (strcasecmp(WStringToUtf8(processName).c_str(), wanted.c_str()) == 0)
            return ProcessHandle(static_cast<intptr_t>(pid), pid);
    return ProcessHandle();
}

ProcessHandle OpenProcessById(uint32_t processId) {
    struct stat data {};
    const bool alive = processId > 0 && stat(("/proc/" + std::to_string(processId)).c_str(), &data) == 0 &&
                       !IsZombie(std::to_string(processId));
    return alive ? ProcessHandle(static_cast<intptr_t>(processId), processId) : ProcessHandle();
}

// A process id needs no closing here.
void CloseProcessHandle(intptr_t) {}

ProcessHandle::~ProcessHandle() = default;

uint32_t CurrentProcessId() {
    return static_cast<uint32_t>(getpid());
}

uint32_t CurrentSessionId() {
    const pid_t session = getsid(0);
    return session < 0 ? 0 : static_cast<uint32_t>(session);
}

void TerminateProcessById(uint32_t processId) {
    if (processId > 0)
        kill(static_cast<pid_t>(processId), SIGKILL);
}

namespace {
// Starts program with argv (its own name included) in a process group of its own, as on Windows, from workingFolder
// when one is given. Nobody waits for it, as on Windows: a thread collects it when it ends. Returns 0 or the error
// (glibc's posix_spawn reports a failed exec: a missing file, no execute permission, no program).
int SpawnDetached(const std::string& program, std::vector<std::string> arguments, const std::wstring& workingFolder) {
    std::vector<char*> argv;
    for (std::string& item : arguments)
        argv.push_back(item.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, WStringToUtf8(workingFolder).c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error == 0)
        std::thread([pid]() { waitpid(pid, nullptr, 0); }).detach();
    return error;
}
} // namespace

bool LaunchProcess(const std::wstring& exePath, const std::vector<std::wstring>& args,
                   const std::wstring& workingFolder) {
    // As on Windows, where the command line is the arguments without the program in front, the first argument
    // is what the program sees as its own name. Quotes that Windows callers put around an argument are removed.
    std::vector<std::string> storage;
    for (const std::wstring& arg : args) {
        std::wstring item = arg;
        if (item.size() > 1 && item.front() == L'"' && item.back() == L'"')
            item = item.substr(1, item.size() - 2);
        storage.push_back(WStringToUtf8(item));
    }
    if (storage.empty())
        storage.push_back(WStringToUtf8(exePath));
    return SpawnDetached(WStringToUtf8(exePath), std::move(storage), workingFolder) == 0;
}

ShellLaunchResult LaunchThroughShell(const std::wstring& exePath, const std::vector<std::wstring>& parameters) {
    // No shell and no elevation here: the program itself, its name first, as a shell would start it.
    std::vector<std::string> storage{WStringToUtf8(exePath)};
    for (const std::wstring& parameter : parameters)
        storage.push_back(WStringToUtf8(parameter));
    const int error = SpawnDetached(storage.front(), storage, std::wstring());
    ShellLaunchResult result;
    result.code = static_cast<uint32_t>(error);
    switch (error) {
    case 0:
        result.outcome = ShellLaunchOutcome::Started;
        break;
    case ENOENT:
    case ENOTDIR:
        result.outcome = ShellLaunchOutcome::NotFound;
        break;
    case EACCES:
    case EPERM:
        result.outcome = ShellLaunchOutcome::AccessDenied;
        break;
    case ENOEXEC:
        result.outcome = ShellLaunchOutcome::NotAProgram;
        break;
    default:
        result.outcome = ShellLaunchOutcome::Failed;
    }
    return result;
}
} // namespace Orv
