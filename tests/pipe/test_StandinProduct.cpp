// The stand-in product on its pipe, driven the way the diagnostics drive the product: under Wine both sides are
// mingw programs talking over real named pipes.
#include "PipeTestSupport.h"

#include "TempFolder.h"
#include "TestEnvironment.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Processes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>

using namespace Orv;

namespace {
std::wstring StandinPath() {
    const std::wstring own = OwnExecutablePath();
    return own.substr(0, own.find_last_of(L"\\/") + 1) + L"Skorvane.exe";
}

class StandinProduct : public ::testing::Test {
protected:
    void TearDown() override { Stop(); }

    // Starts the product with the given failure modes; true once its pipe takes clients.
    bool Start(const std::string& modes) {
        if (!Launch(modes))
            return false;
        PipeClient probe;
        return ConnectWithRetry(probe, kProductPipeName);
    }
    bool Launch(const std::string& modes) {
        const std::wstring pidFile = folder_ / L"product.pid";
        DeleteOneFile(pidFile);
        mode_.emplace("SKV_STANDIN_MODE", modes);
        pidFileVariable_.emplace("SKV_STANDIN_PID_FILE", WStringToUtf8(pidFile));
        if (!LaunchProcess(StandinPath(), {}, folder_.Path()))
            return false;
        launched_ = true;
        for (int attempt = 0; attempt < 500 && productId_ == 0; ++attempt) {
            const std::vector<uint8_t> text = ReadFileBytes(pidFile);
            productId_ =
                static_cast<uint32_t>(std::strtoul(std::string(text.begin(), text.end()).c_str(), nullptr, 10));
            if (productId_ == 0)
                SleepMs(10);
        }
        return productId_ != 0;
    }
    // The bare end of answers ends a product that still serves its pipe; any other is ended by force.
    void Stop() {
        if (productId_ == 0) {
            // A product whose id never reached the pid file is found by its executable, so that it does not run on.
            if (launched_)
                for (const auto& process : GetProcessList())
                    if (ProcessRunsExecutable(process.first, StandinPath()))
                        TerminateProcessById(process.first);
            launched_ = false;
            return;
        }
        launched_ = false;
        {
            PipeClient client;
            if (client.Connect(kProductPipeName))
                client.Write(EndOfAnswersMessage(), Deadline::After(1000));
        }
        TerminateProcessById(productId_);
        productId_ = 0;
        for (int attempt = 0; attempt < 500; ++attempt) {
            PipeClient probe;
            if (!probe.Connect(kProductPipeName))
                return;
            SleepMs(10);
        }
    }

    // As the tool does: makes the reply pipe, sends a request with reply, closes, and serves the reply pipe until
    // the end of answers.
    bool Exchange(const std::wstring& replyName, const std::wstring& message, const PipeMessageHandler& handler,
                  int64_t timeoutMs = 10000) {
        PipeClient client;
        if (!client.Connect(kProductPipeName))
            return false;
        PipeServerEnd reply;
        if (!reply.Create(std::wstring(kPipePathPrefix) + replyName, kPipeBufferSize))
            return false;
        if (client.Write(message) != WireByteCount(message))
            return false;
        client.Close();
        PipeServerOptions options;
        options.created = &reply;
        options.name = replyName;
        options.deadline = Deadline::After(timeoutMs);
        bool stop = false;
        return RunPipeServer(options, handler, nullptr, stop) == PipeServerOutcome::Stopped;
    }
    int QueryStatus(int64_t timeoutMs = 10000) {
        int result = -1;
        const std::wstring replyName = MakeReplyPipeName();
        Exchange(replyName, StatusQueryMessage(replyName), MakeStatusReplyHandler(result), timeoutMs);
        return result;
    }
    void SendSet() {
        PipeClient client;
        ASSERT_TRUE(client.Connect(kProductPipeName));
        client.Write(SetCommandMessage(L"{DAD:1}"));
    }

    TempFolder folder_;
    // Every variable the test sets comes back as it was when the test ends.
    const ScopedTestEnvironment pipes_{"SKV_PIPE_FOLDER", WStringToUtf8(folder_ / L"pipes")}; // POSIX only reads it
    std::optional<ScopedTestEnvironment> mode_;
    std::optional<ScopedTestEnvironment> pidFileVariable_;
    uint32_t productId_ = 0;
    bool launched_ = false;
};
} // namespace

TEST_F(StandinProduct, AnswersTheStatusAndHonoursTheSetCommand) {
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(QueryStatus(), 1);
    Stop();

    ASSERT_TRUE(Start("dad0"));
    EXPECT_EQ(QueryStatus(), 0);
    SendSet();
    EXPECT_EQ(QueryStatus(), 1);
    Stop();

    // An answer that is not JSON reads as drag and drop switched off.
    ASSERT_TRUE(Start("not-json"));
    EXPECT_EQ(QueryStatus(), 0);
}

TEST_F(StandinProduct, CopiesOnRequestAndEndsTheAnswers) {
    const std::wstring target = folder_ / L"Target/";
    const std::vector<std::wstring> sources = {folder_ / L"tmp1.txt", folder_ / L"tmp2.txt"};
    for (const std::wstring& source : sources)
        ASSERT_TRUE(WriteBinaryFile(source, std::vector<uint8_t>(500, 0)));

    for (const char* modes : {"", "copy-first-only"}) {
        RemoveFolder(target);
        ASSERT_TRUE(Start(modes));
        const std::wstring replyName = MakeReplyPipeName();
        std::vector<std::wstring> answers;
        EXPECT_TRUE(Exchange(replyName, CopyRequestMessage(replyName, target, sources),
                             [&answers](std::wstring& message) -> IPipeExtraInfos* {
                                 answers.push_back(message);
                                 return nullptr;
                             }));
        EXPECT_EQ(answers, std::vector<std::wstring>{L"[$-cmd-$]exit"});
        EXPECT_TRUE(FileExists(target + L"tmp1.txt"));
        EXPECT_EQ(FileExists(target + L"tmp2.txt"), std::string(modes).empty()) << modes;
        Stop();
    }
}

TEST_F(StandinProduct, FailureModesLeaveTheToolWithoutAnAnswer) {
    using Clock = std::chrono::steady_clock;
    for (const char* modes : {"never-answer", "silent-reply"}) {
        ASSERT_TRUE(Start(modes));
        const auto start = Clock::now();
        EXPECT_EQ(QueryStatus(1000), -1) << modes;
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(4)) << modes;
        Stop();
    }
    // Without its pipe the product cannot be reached at all.
    ASSERT_TRUE(Launch("no-pipe"));
    PipeClient client;
    EXPECT_FALSE(client.Connect(kProductPipeName));
}

// As a single-instance program: a second instance finds the pipe served and exits at once, leaving the first one
// to answer (the tool starts the product again on "Quit" whether or not it runs).
TEST_F(StandinProduct, ASecondInstanceEndsAtOnce) {
    ASSERT_TRUE(Start(""));
    const std::wstring pidFile = folder_ / L"product.pid";
    ASSERT_TRUE(LaunchProcess(StandinPath(), {}, folder_.Path()));
    uint32_t second = 0;
    for (int attempt = 0; attempt < 500 && second == 0; ++attempt) {
        const std::vector<uint8_t> bytes = ReadFileBytes(pidFile);
        const std::string text(bytes.begin(), bytes.end());
        const size_t lineEnd = text.find('\n');
        if (lineEnd != std::string::npos && lineEnd + 1 < text.size())
            second = static_cast<uint32_t>(std::strtoul(text.c_str() + lineEnd + 1, nullptr, 10));
        if (second == 0)
            SleepMs(10);
    }
    ASSERT_NE(second, 0u);
    bool ended = false;
    for (int attempt = 0; attempt < 300 && !ended; ++attempt) {
        ended = GetProcessList().count(second) == 0;
        if (!ended)
            SleepMs(10);
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(GetProcessList().count(productId_), 1u);
    EXPECT_EQ(QueryStatus(), 1);
}
