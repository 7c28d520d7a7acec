#include "PipeServerLoop.h"

#include <algorithm>
#include <memory>

namespace Orv {

namespace {
// The marker's UTF-16LE bytes: a chunk that begins with them completes a message at once.
bool BeginsWithMarker(const char* bytes, size_t size) {
    static const std::string marker = MessageToWire(kPipeCommandMarker);
    return size >= marker.size() && std::equal(marker.begin(), marker.end(), bytes);
}
} // namespace

bool ConnectWithRetries(PipeClient& client, const std::wstring& name, const PipeReplyOptions& options,
                        const Deadline& deadline) {
    for (int attempt = 0; attempt < options.connectAttempts; ++attempt) {
        if (client.Connect(name))
            return true;
        if (deadline.Expired())
            return false;
        const int64_t left = deadline.RemainingMs();
        SleepMs(left < 0 ? options.connectIntervalMs : std::min(options.connectIntervalMs, left));
    }
    return false;
}

bool SendPipeAnswers(const std::wstring& replyPipeName, const IPipeExtraInfos* answers, const PipeReplyOptions& options,
                     const Deadline& deadline) {
    if (replyPipeName.find_first_of(L"\\/") != std::wstring::npos)
        return false;
    PipeClient client;
    if (!ConnectWithRetries(client, replyPipeName, options, deadline))
        return false;
    const Deadline writeDeadline = Deadline::After(kPipeWriteTimeoutMs).Min(deadline);
    if (answers)
        for (const std::wstring& answer : answers->Answers())
            client.Write(AnswerMessage(answer), writeDeadline);
    client.Write(EndOfAnswersMessage(), writeDeadline);
    client.Close();
    return true;
}

PipeServerOutcome RunPipeServer(const PipeServerOptions& options, const PipeMessageHandler& handler,
                                const PipeMessageListener& listener, bool& stopRequested) {
    const Deadline& deadline = options.deadline;
    // bufferSize characters; a read takes at most all of it but the last character. Left uninitialised: a reply
    // pipe's few short messages touch a page of it, and zeroing all of it costs milliseconds per exchange.
    const size_t bufferBytes = static_cast<size_t>(options.bufferSize) * 2;
    const std::unique_ptr<char[]> storage(new char[bufferBytes == 0 ? 1 : bufferBytes]);
    char* const data = storage.get();
    const size_t maxBytes = bufferBytes >= 2 ? bufferBytes - 2 : 0;
    PipeServerEnd ownPipe;
    PipeServerEnd& pipe = options.created ? *options.created : ownPipe;
    if (!options.created &&
        !pipe.Create(std::wstring(kPipePathPrefix) + options.name, options.bufferSize, options.access))
        return PipeServerOutcome::NoPipe;
    size_t runBytes = 0;
    bool tooLong = false;

    const auto handle = [&](const std::string& bytes) {
        const ReceivedMessage received = InterpretReceivedMessage(MessageFromWire(bytes));
        if (received.stopsServer)
            stopRequested = true;
        std::wstring text = received.text;
        IPipeExtraInfos* answers = handler ? handler(text) : nullptr;
        if (received.wantsReply) {
            if (options.replier)
                options.replier(received.replyPipeName, answers, deadline);
            else
                SendPipeAnswers(received.replyPipeName, answers, options.reply, deadline);
        }
        if (listener)
            listener(text, IPipeExtraInfosContainer{answers});
    };

    while (pipe.IsValid() && !stopRequested && !tooLong && !deadline.Expired()) {
        if (pipe.WaitForClient(deadline) != PipeIo::Done) {
            pipe.Disconnect();
            continue;
        }
        size_t count = 0;
        const auto read = [&]() {
            if (pipe.Read(data, maxBytes, count, deadline) != PipeIo::Done)
                return false;
            runBytes += count;
            tooLong = tooLong || runBytes > options.maxRunBytes;
            return !tooLong;
        };
        bool reading = read();
        while (reading && !stopRequested) {
            // A chunk that does not begin with the marker is extended by the following chunks until one does, or
            // until the writer closes its end.
            std::string message(data, count);
            bool chunkHasMarker = BeginsWithMarker(data, count);
            while (!chunkHasMarker && !tooLong) {
                if (!read())
                    break;
                tooLong = message.size() + count > options.maxMessageBytes;
                if (!tooLong)
                    message.append(data, count);
                chunkHasMarker = BeginsWithMarker(data, count);
            }
            // What went past the ceiling is dropped whole, never handed on cut.
            if (tooLong)
                break;
            handle(message);
            reading = read();
        }
        pipe.Disconnect();
    }
    pipe.Close();
    if (tooLong)
        return PipeServerOutcome::TooLong;
    if (stopRequested)
        return PipeServerOutcome::Stopped;
    return deadline.Expired() ? PipeServerOutcome::TimedOut : PipeServerOutcome::NoPipe;
}

} // namespace Orv
