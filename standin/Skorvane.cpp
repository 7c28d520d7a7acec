// A stand-in for the Skorvane product, with the behaviour the diagnostics rely on:
//   Skorvane.exe                         prints a start-up line, serves the pipe "Skorvane" (at most ten minutes);
//                                        a second instance, finding the first one's lock taken, exits at once
//   Skorvane.exe --copy "T|S1|S2"        copies the sources S1 and S2 into the folder T and exits
// On the pipe it answers "status" with {"DAD":n}, takes "set|{DAD:1}", performs "&copy here|T|S1|S2" requests,
// and ends when it reads the bare end of answers.
// The first argument may be the program's own name, as when it is started with a command line of arguments only.
//
// SKV_STANDIN_MODE, a comma-separated list, makes it misbehave for tests:
//   no-pipe          does not serve the pipe
//   never-answer     reads requests but never connects to the reply pipe
//   not-json         answers "status" with a text that is not JSON
//   dad0             drag and drop starts switched off (until a "set")
//   copy-first-only  copies only the first source, on the pipe and with --copy
//   hang-copy        "--copy" never ends (within the ten minutes)
//   silent-reply     connects to the reply pipe and says nothing for a minute
//   long-answer      the status answer is longer than 64 KiB (padded JSON)
// SKV_STANDIN_PID_FILE names a file that receives its process id (one line per instance), so that tests can end it.
// SKV_STANDIN_STARTS_FILE names a file that receives one line per start of the program, whatever it was started for
// ("--copy" runs too), so that tests see every process of it that ran.
#include "pipe/PipeServerLoop.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/InstanceLock.h"
#include "library_Orv/Json/JsonNode.h"
#include "library_Orv/Processes.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr int64_t kLifetimeMs = 10 * 60 * 1000;
constexpr int64_t kSilentReplyMs = 60 * 1000;

std::set<std::string> ReadModes() {
    std::set<std::string> modes;
    const char* value = std::getenv("SKV_STANDIN_MODE");
    std::istringstream list(value ? value : "");
    for (std::string mode; std::getline(list, mode, ',');)
        if (!mode.empty())
            modes.insert(mode);
    return modes;
}

const std::set<std::string> gModes = ReadModes();

bool Mode(const char* name) {
    return gModes.count(name) != 0;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::wstring::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// "T|S1|S2...": the sources are copied into T under their own names.
bool Copy(const std::wstring& argument) {
    const std::vector<std::wstring> parts = Split(argument, L'|');
    if (parts.size() < 2)
        return false;
    Orv::CreateDirectories(parts[0]);
    bool copied = true;
    const size_t last = Mode("copy-first-only") ? 1 : parts.size() - 1;
    for (size_t i = 1; i <= last; ++i) {
        const std::wstring& source = parts[i];
        const std::wstring name = source.substr(source.find_last_of(L"\\/") + 1);
        copied = Orv::CopyOneFile(source, Orv::PathJoin(parts[0], name)) && copied;
    }
    return copied;
}

class Product {
public:
    int dragAndDrop = Mode("dad0") ? 0 : 1;

    Orv::IPipeExtraInfos* Handle(std::wstring& message) {
        const std::wstring marker = Orv::kPipeCommandMarker;
        const std::wstring copyVerb = std::wstring(Orv::kPipeCopyVerb) + L"|";
        if (message == marker + L"status") {
            std::wstring status = L"{\"DAD\":" + std::to_wstring(dragAndDrop);
            if (Mode("long-answer"))
                status += L",\"padding\":\"" + std::wstring(100000, L'x') + L"\"";
            answers_.Set({Mode("not-json") ? L"drag and drop is on" : status + L"}"});
            return &answers_;
        }
        if (message.rfind(marker + L"set|", 0) == 0) {
            Orv::JsonNode state;
            state.SetText(Orv::WStringToUtf8(message.substr(marker.size() + 4)));
            if (state.GetKind() == Orv::JsonNode::Object)
                dragAndDrop = state.Member("DAD").ValueInt();
            return nullptr;
        }
        if (message.rfind(copyVerb, 0) == 0) {
            Copy(message.substr(copyVerb.size()));
            return nullptr;
        }
        return nullptr;
    }

    void Reply(const std::wstring& replyPipeName, Orv::IPipeExtraInfos* answers, const Orv::Deadline& deadline) {
        // As the product does: up to 200 attempts, 500 ms apart. A requester that made its reply pipe before
        // sending the request is answered at once; one that makes it later waits for the next attempt.
        const Orv::PipeReplyOptions retries;
        if (Mode("never-answer"))
            return;
        if (Mode("silent-reply")) {
            Orv::PipeClient client;
            Orv::ConnectWithRetries(client, replyPipeName, retries, deadline);
            Orv::SleepMs(kSilentReplyMs);
            return;
        }
        Orv::SendPipeAnswers(replyPipeName, answers, retries, deadline);
    }

private:
    Orv::PipeAnswerList answers_;
};

// Each instance adds its process id as one line, so that a test sees every instance that ran.
void WritePidFile() {
    const char* path = std::getenv("SKV_STANDIN_PID_FILE");
    if (!path || !*path)
        return;
    const std::wstring file = Orv::Utf8ToWString(path);
    const std::vector<uint8_t> earlier = Orv::FileExists(file) ? Orv::ReadFileBytes(file) : std::vector<uint8_t>();
    Orv::WriteTextFile(
        file, std::string(earlier.begin(), earlier.end()) + std::to_string(Orv::CurrentProcessId()) + "\n", true);
}

int Serve() {
    WritePidFile();
    std::printf("Skorvane started\n");
    std::fflush(stdout);
    // One instance per session, decided atomically: two started at the same moment cannot both find the pipe free,
    // and one started as another is ending waits for nothing.
    const Orv::InstanceLock instance(L"Skorvane");
    if (!instance.Held()) {
        std::printf("Skorvane is already running\n");
        return 0;
    }
    const Orv::Deadline lifetime = Orv::Deadline::After(kLifetimeMs);
    if (!Mode("no-pipe")) {
        Product product;
        Orv::PipeServerOptions options;
        options.name = Orv::kProductPipeName;
        options.deadline = lifetime;
        options.replier = [&product](const std::wstring& name, Orv::IPipeExtraInfos* answers,
                                     const Orv::Deadline& deadline) { product.Reply(name, answers, deadline); };
        bool stopRequested = false;
        const Orv::PipeServerOutcome outcome = Orv::RunPipeServer(
            options, [&product](std::wstring& message) { return product.Handle(message); }, nullptr, stopRequested);
        if (outcome == Orv::PipeServerOutcome::Stopped)
            return 0;
        // As a single-instance program does: the pipe is served already, so another instance runs.
        if (outcome == Orv::PipeServerOutcome::NoPipe) {
            std::printf("Skorvane is already running\n");
            return 0;
        }
    }
    Orv::SleepMs(lifetime.RemainingMs());
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    const std::vector<std::wstring> arguments = Orv::CommandLineArguments(argc, argv);
    if (const char* starts = std::getenv("SKV_STANDIN_STARTS_FILE"); starts && *starts) {
        const std::wstring file = Orv::Utf8ToWString(starts);
        const std::vector<uint8_t> earlier = Orv::FileExists(file) ? Orv::ReadFileBytes(file) : std::vector<uint8_t>();
        Orv::WriteTextFile(file,
                           std::string(earlier.begin(), earlier.end()) + std::to_string(Orv::CurrentProcessId()) +
                               (arguments.size() > 1 && arguments[1] == L"--copy" ? " --copy\n" : "\n"),
                           true);
    }
    for (size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == L"--copy") {
            if (Mode("hang-copy"))
                Orv::SleepMs(kLifetimeMs);
            return Copy(arguments[i + 1]) ? 0 : 1;
        }
    return Serve();
}
