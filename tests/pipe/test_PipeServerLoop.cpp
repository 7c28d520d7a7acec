// The server loop and the client over the platform's pipes: real named pipes under Wine, Unix sockets natively.
#include "PipeTestSupport.h"

#include "PipeAccess.h"
#include "TempFolder.h"
#include "TestEnvironment.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace Orv;

namespace {
using Clock = std::chrono::steady_clock;

int64_t MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Records what a server's handler and listener saw; the test thread waits for it with a bound.
struct Recorder {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::wstring> handled;
    std::vector<std::wstring> announced;
    std::vector<IPipeExtraInfos*> announcedAnswers;
    IPipeExtraInfos* answers = nullptr;

    PipeMessageHandler Handler() {
        return [this](std::wstring& message) {
            std::lock_guard<std::mutex> lock(mutex);
            handled.push_back(message);
            changed.notify_all();
            return answers;
        };
    }
    PipeMessageListener Listener() {
        return [this](const std::wstring& message, IPipeExtraInfosContainer container) {
            std::lock_guard<std::mutex> lock(mutex);
            announced.push_back(message);
            announcedAnswers.push_back(container.extraInfos);
            changed.notify_all();
        };
    }
    bool WaitForHandled(size_t count) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10), [&]() { return handled.size() >= count; });
    }
    // A message is announced after its answers have gone out.
    IPipeExtraInfos* WaitForAnnouncedAnswers(size_t index) {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait_for(lock, std::chrono::seconds(10), [&]() { return announcedAnswers.size() > index; });
        return announcedAnswers.size() > index ? announcedAnswers[index] : nullptr;
    }
    std::vector<std::wstring> Handled() {
        std::lock_guard<std::mutex> lock(mutex);
        return handled;
    }
};

// A server on its own thread, as the product serves its pipe while the tool talks to it.
class BackgroundServer {
public:
    BackgroundServer(const std::wstring& name, Recorder& recorder, int64_t timeoutMs = 20000,
                     uint32_t bufferSize = kPipeBufferSize) {
        options_.name = name;
        options_.bufferSize = bufferSize;
        options_.deadline = Deadline::After(timeoutMs);
        options_.reply.connectIntervalMs = 20;
        thread_ = std::thread([this, &recorder]() {
            outcome_ = RunPipeServer(options_, recorder.Handler(), recorder.Listener(), stopRequested_);
            finished_ = true;
        });
    }
    ~BackgroundServer() { Join(); }
    PipeServerOutcome Join() {
        if (thread_.joinable())
            thread_.join();
        return outcome_;
    }
    bool Finished() const { return finished_; }

private:
    PipeServerOptions options_;
    bool stopRequested_ = false;
    std::atomic<bool> finished_{false};
    PipeServerOutcome outcome_ = PipeServerOutcome::NoPipe;
    std::thread thread_;
};

// Serves a reply pipe in the calling thread until the end of answers, as a requester does.
std::vector<std::wstring> CollectReplies(const std::wstring& replyName, int64_t timeoutMs = 10000) {
    Recorder replies;
    PipeServerOptions options;
    options.name = replyName;
    options.deadline = Deadline::After(timeoutMs);
    bool stop = false;
    RunPipeServer(options, replies.Handler(), nullptr, stop);
    return replies.Handled();
}

void SendAndClose(const std::wstring& serverName, const std::wstring& message) {
    PipeClient client;
    ASSERT_TRUE(ConnectWithRetry(client, serverName));
    EXPECT_EQ(client.Write(message), WireByteCount(message));
    client.Close();
}

void StopServer(const std::wstring& serverName) {
    PipeClient client;
    ASSERT_TRUE(ConnectWithRetry(client, serverName));
    client.Write(EndOfAnswersMessage());
}

class PipeServerLoop : public ::testing::Test {
protected:
    TempFolder folder_;
    const ScopedTestEnvironment pipes_{"SKV_PIPE_FOLDER", WStringToUtf8(folder_.Path())}; // POSIX only reads it
};
} // namespace

TEST_F(PipeServerLoop, MarkerMessagesAreHandledAtOnceAndTheBareExitStopsTheServer) {
    const std::wstring name = UniqueName(L"marker");
    Recorder recorder;
    BackgroundServer server(name, recorder);
    PipeClient client;
    ASSERT_TRUE(ConnectWithRetry(client, name));
    EXPECT_EQ(client.Write(L"[$-cmd-$]hello"), 28u);
    // Handled while the writer keeps its end open: one read completes a marker message.
    ASSERT_TRUE(recorder.WaitForHandled(1));
    EXPECT_FALSE(server.Finished());
    client.Send(L"set|{DAD:1}");
    ASSERT_TRUE(recorder.WaitForHandled(2));
    client.Send(L"exit");
    ASSERT_TRUE(recorder.WaitForHandled(3));
    client.Close();
    EXPECT_EQ(server.Join(), PipeServerOutcome::Stopped);
    EXPECT_EQ(recorder.Handled(),
              (std::vector<std::wstring>{L"[$-cmd-$]hello", L"[$-cmd-$]set|{DAD:1}", L"[$-cmd-$]exit"}));
    EXPECT_EQ(recorder.announced, recorder.Handled());
}

TEST_F(PipeServerLoop, RequestWithReplyIsAnsweredOnTheReplyPipeAndTheServerGoesOn) {
    const std::wstring name = UniqueName(L"request");
    Recorder recorder;
    PipeAnswerList answers({L"{DAD:1}", L"skip"});
    recorder.answers = &answers;
    BackgroundServer server(name, recorder);

    const std::wstring replyName = L"pipe..r-" + name;
    SendAndClose(name, replyName + L"|[$-cmd-$]status");
    EXPECT_EQ(CollectReplies(replyName),
              (std::vector<std::wstring>{L"[$-cmd-$]{DAD:1}", L"[$-cmd-$]skip", L"[$-cmd-$]exit"}));
    ASSERT_TRUE(recorder.WaitForHandled(1));
    EXPECT_EQ(recorder.Handled()[0], L"[$-cmd-$]status");
    EXPECT_EQ(recorder.WaitForAnnouncedAnswers(0), &answers);

    // The exit command inside a request with reply does not stop the server; it answers and waits on.
    const std::wstring secondReply = replyName + L"-2";
    SendAndClose(name, secondReply + L"|[$-cmd-$]exit");
    EXPECT_EQ(CollectReplies(secondReply).back(), L"[$-cmd-$]exit");
    EXPECT_FALSE(server.Finished());
    StopServer(name);
    EXPECT_EQ(server.Join(), PipeServerOutcome::Stopped);
}

TEST_F(PipeServerLoop, NullOrMissingHandlersStillEndTheAnswers) {
    for (const bool withHandler : {true, false}) {
        const std::wstring name = UniqueName(withHandler ? L"null" : L"none");
        Recorder recorder;
        PipeServerOptions options;
        options.name = name;
        options.deadline = Deadline::After(20000);
        options.reply.connectIntervalMs = 20;
        bool stop = false;
        std::thread server([&]() {
            RunPipeServer(options, withHandler ? recorder.Handler() : PipeMessageHandler(), recorder.Listener(), stop);
        });
        // No "|": the whole text names the reply pipe and is what the handler gets.
        const std::wstring replyName = L"pipe..w-" + name;
        SendAndClose(name, replyName);
        EXPECT_EQ(CollectReplies(replyName), std::vector<std::wstring>{L"[$-cmd-$]exit"});
        StopServer(name);
        server.join();
        EXPECT_EQ(recorder.announced, (std::vector<std::wstring>{replyName, L"[$-cmd-$]exit"}));
        EXPECT_EQ(recorder.handled.size(), withHandler ? 2u : 0u);
    }
}

// Serves a reply pipe for the status answers that a product thread sends; the status read, and how the loop ended.
static std::pair<int, PipeServerOutcome> ServeStatusAnswers(const std::wstring& replyName,
                                                            const std::vector<std::wstring>& statusAnswers) {
    int result = -1;
    PipeServerOptions options;
    options.name = replyName;
    options.deadline = Deadline::After(10000);
    std::thread product([&]() {
        PipeAnswerList answers(statusAnswers);
        PipeReplyOptions eager;
        eager.connectAttempts = 500;
        eager.connectIntervalMs = 10;
        EXPECT_TRUE(SendPipeAnswers(replyName, &answers, eager, Deadline::After(10000)));
    });
    bool stop = false;
    const PipeServerOutcome outcome = RunPipeServer(options, MakeStatusReplyHandler(result), nullptr, stop);
    product.join();
    return {result, outcome};
}

TEST_F(PipeServerLoop, StatusAnswersOverwriteTheResultOverTheWire) {
    const auto [result, outcome] = ServeStatusAnswers(UniqueName(L"status"), {L"{DAD:1}", L"{\"DAD\":0}", L"{DAD:1}"});
    EXPECT_EQ(outcome, PipeServerOutcome::Stopped);
    EXPECT_EQ(result, 1);
}

// An answer longer than one record of the POSIX transport (64 KiB) still reads as one message, as it does from a
// Windows pipe whose reader's buffer holds it.
TEST_F(PipeServerLoop, AnAnswerLongerThanARecordIsOneMessage) {
    const auto started = std::chrono::steady_clock::now();
    const auto [result, outcome] = ServeStatusAnswers(UniqueName(L"long-answer"),
                                                      {L"{\"DAD\":1,\"pad\":\"" + std::wstring(100000, L'x') + L"\"}"});
    EXPECT_EQ(outcome, PipeServerOutcome::Stopped);
    EXPECT_EQ(result, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)); // not the 10 s bound
}

TEST_F(PipeServerLoop, LongMessagesAreAssembledFromSeveralReads) {
    struct Case {
        const wchar_t* what;
        uint32_t bufferSize;
        size_t length;
    };
    // A tiny read buffer, and one smaller than the message with the real buffer size.
    for (const Case& c : {Case{L"small", 64, 5000}, Case{L"large", kPipeBufferSize, 1536 * 1024}}) {
        const std::wstring name = UniqueName(c.what);
        Recorder recorder;
        BackgroundServer server(name, recorder, 30000, c.bufferSize);
        // A copy request without reply pipe, complete only once the writer closes.
        std::wstring message = L"&copy here|";
        for (size_t i = 0; message.size() < c.length; ++i)
            message += static_cast<wchar_t>(L'a' + i % 26);
        message += L"\u00e9\u4e2d"; // beyond ASCII, and at the very end
        SendAndClose(name, message);
        ASSERT_TRUE(recorder.WaitForHandled(1));
        EXPECT_TRUE(recorder.Handled()[0] == message) << c.length;
        StopServer(name);
        server.Join();
    }
}

TEST_F(PipeServerLoop, EveryWaitEndsAtTheDeadline) {
    // Nobody connects.
    {
        const auto start = Clock::now();
        Recorder recorder;
        BackgroundServer server(UniqueName(L"alone"), recorder, 300);
        EXPECT_EQ(server.Join(), PipeServerOutcome::TimedOut);
        EXPECT_LT(MsSince(start), 3000);
    }
    // A client connects and never writes; another writes half a message and never closes.
    for (const wchar_t* what : {L"mute", L"half"}) {
        const std::wstring name = UniqueName(what);
        Recorder recorder;
        const auto start = Clock::now();
        BackgroundServer server(name, recorder, 500);
        PipeClient client;
        ASSERT_TRUE(ConnectWithRetry(client, name));
        if (std::wstring(what) == L"half")
            client.Write(L"pipe..waiting|for the rest", Deadline::After(2000));
        EXPECT_EQ(server.Join(), PipeServerOutcome::TimedOut);
        EXPECT_LT(MsSince(start), 3000);
    }
}

TEST_F(PipeServerLoop, ClientsGiveUpInTime) {
    const std::wstring name = UniqueName(L"deaf");
    // A missing pipe fails at once.
    PipeClient missing;
    auto start = Clock::now();
    EXPECT_FALSE(missing.Connect(name));
    EXPECT_LT(MsSince(start), 1000);

    // A server that accepts the client and never reads: the write's flush is abandoned at its deadline.
    PipeServerEnd deaf;
    ASSERT_TRUE(deaf.Create(std::wstring(kPipePathPrefix) + name, kPipeBufferSize));
    PipeClient client;
    ASSERT_TRUE(client.Connect(name));
    EXPECT_EQ(deaf.WaitForClient(Deadline::After(2000)), PipeIo::Done);
    start = Clock::now();
    client.Write(L"[$-cmd-$]status", Deadline::After(300));
    EXPECT_GE(MsSince(start), 250);
    EXPECT_LT(MsSince(start), 3000);
    // The bound holds however early it comes: before the write has even begun.
    start = Clock::now();
    client.Write(L"[$-cmd-$]status", Deadline::After(0));
    EXPECT_LT(MsSince(start), 3000);

    // A second server cannot take a name in use.
    PipeServerEnd second;
    EXPECT_FALSE(second.Create(std::wstring(kPipePathPrefix) + name, kPipeBufferSize));

    // Answers never go to a reply pipe named with a path.
    start = Clock::now();
    EXPECT_FALSE(SendPipeAnswers(L"..\\..\\C:\\evil", nullptr, PipeReplyOptions(), Deadline::After(5000)));
    EXPECT_FALSE(SendPipeAnswers(L"../evil", nullptr, PipeReplyOptions(), Deadline::After(5000)));
    EXPECT_LT(MsSince(start), 500);
}

#ifndef _WIN32
// A pipe folder that other users can write to could hold a neighbour's socket in the product's name: it is not
// used. The sockets this tool serves are its user's alone.
TEST_F(PipeServerLoop, OnlyAPrivateFolderHoldsThePipes) {
    const std::string folder = WStringToUtf8(folder_.Path());
    ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
    {
        PipeServerEnd end;
        EXPECT_FALSE(end.Create(std::wstring(kPipePathPrefix) + L"shared", 4096));
        PipeClient client;
        EXPECT_FALSE(client.Connect(L"shared"));
    }
    ASSERT_EQ(chmod(folder.c_str(), 0700), 0);
    PipeServerEnd end;
    ASSERT_TRUE(end.Create(std::wstring(kPipePathPrefix) + L"private", 4096));
    struct stat data {};
    ASSERT_EQ(stat((folder + "/private").c_str(), &data), 0);
    EXPECT_TRUE(S_ISSOCK(data.st_mode));
    EXPECT_EQ(data.st_mode & 077, 0u);
}
#endif

// A client that writes without end, with or without markers, is dropped at the ceiling: the run ends well before its
// deadline, nothing cut is handed on, and memory stays bounded by the ceiling rather than by what was sent.
TEST_F(PipeServerLoop, AWriterThatNeverStopsIsDroppedAtTheCeiling) {
    struct Case {
        const wchar_t* what;
        std::wstring chunk;
        size_t maxMessageBytes;
        size_t maxRunBytes;
        size_t handledAtMost;
    };
    const std::vector<Case> cases = {
        {L"one endless message", std::wstring(16384, L'x'), 1u << 20, kMaxPipeRunBytes, 0},
        {L"endless whole messages", L"[$-cmd-$]" + std::wstring(4096, L'x'), kMaxPipeMessageBytes, 256u << 10, 64},
        {L"the shipped ceilings", std::wstring(16384, L'x'), kMaxPipeMessageBytes, kMaxPipeRunBytes, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WStringToUtf8(c.what));
        Recorder recorder;
        const std::wstring name = UniqueName(L"flood");
        PipeServerOptions options;
        options.name = name;
        options.deadline = Deadline::After(20000);
        options.maxMessageBytes = c.maxMessageBytes;
        options.maxRunBytes = c.maxRunBytes;
        std::atomic<bool> stop{false};
        size_t sent = 0;
        std::thread writer([&]() {
            PipeClient client;
            const Deadline until = Deadline::After(15000);
            while (!stop && !until.Expired() && !client.Connect(name))
                SleepMs(5);
            while (!stop && !until.Expired() && client.Write(c.chunk, Deadline::After(2000)) == WireByteCount(c.chunk))
                sent += WireByteCount(c.chunk);
        });
        bool stopRequested = false;
        const auto started = Clock::now();
        const PipeServerOutcome outcome = RunPipeServer(options, recorder.Handler(), nullptr, stopRequested);
        stop = true;
        writer.join();
        EXPECT_EQ(outcome, PipeServerOutcome::TooLong);
        EXPECT_LT(MsSince(started), 15000);
        EXPECT_GT(sent, std::min(c.maxMessageBytes, c.maxRunBytes) / 2);
        EXPECT_LE(recorder.Handled().size(), c.handledAtMost);
    }
}

// A reply pipe admits this user and the system alone; the product's pipe, every local program.
TEST_F(PipeServerLoop, AReplyPipeIsThisUsersAlone) {
    const std::wstring replyName = UniqueName(L"reply-access");
    PipeServerEnd reply;
    ASSERT_TRUE(reply.Create(std::wstring(kPipePathPrefix) + replyName, kPipeBufferSize, PipeAccess::CurrentUserOnly));
    std::vector<std::string> holders = PipeAccessHolders(replyName);
    std::sort(holders.begin(), holders.end());
    const std::string user = CurrentUserAccessHolder();
    const bool windows = user != "owner";
    std::vector<std::string> expected =
        windows ? std::vector<std::string>{"S-1-5-18", user} : std::vector<std::string>{"owner"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(holders, expected);
    // A second pipe of that name, made by anyone, is refused: the first one is the requester's.
    PipeServerEnd second;
    EXPECT_FALSE(second.Create(std::wstring(kPipePathPrefix) + replyName, kPipeBufferSize, PipeAccess::Everyone));
    if (windows) {
        const std::wstring productName = UniqueName(L"product-access");
        PipeServerEnd product;
        ASSERT_TRUE(product.Create(std::wstring(kPipePathPrefix) + productName, kPipeBufferSize));
        EXPECT_EQ(PipeAccessHolders(productName), std::vector<std::string>{"everyone"});
    }
}
