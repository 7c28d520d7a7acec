#pragma once

#include "PipeMessage.h"
#include "PipeTransport.h"

#include <functional>
#include <string>

// The server's loop over one pipe, without Qt: wait for a client, read its messages, hand each to the handler,
// answer requests with reply, announce each message, and go on with the next client until the bare end of
// answers has been read, the pipe cannot be created, or the deadline has come.
namespace Orv {

// Connects to a reply pipe and sends the answers of a request with reply, then the end of answers.
struct PipeReplyOptions {
    int connectAttempts = 200;
    int64_t connectIntervalMs = 500;
};

// Tells listeners about one handled message: its text (after the reply split and the handler) and the answer.
using PipeMessageListener = std::function<void(const std::wstring& message, IPipeExtraInfosContainer container)>;
// Answers one request with reply; the default sends the handler's answers with SendPipeAnswers.
using PipeReplier =
    std::function<void(const std::wstring& replyPipeName, IPipeExtraInfos* answers, const Deadline& deadline)>;

// What one message may hold, and what one run may read in all; past either the run ends (TooLong). The product's
// answers are a few hundred bytes: these keep a program that writes without end from taking the memory.
constexpr size_t kMaxPipeMessageBytes = 4u << 20;
constexpr size_t kMaxPipeRunBytes = 16u << 20;

struct PipeServerOptions {
    std::wstring name;
    uint32_t bufferSize = kPipeBufferSize;
    PipeAccess access = PipeAccess::Everyone; // when the loop creates the pipe
    size_t maxMessageBytes = kMaxPipeMessageBytes;
    size_t maxRunBytes = kMaxPipeRunBytes;
    Deadline deadline = Deadline::Never();
    PipeReplyOptions reply;
    PipeReplier replier; // empty: SendPipeAnswers with the options above
    // A pipe end the caller has created under the name already: served, then closed. Null: the loop creates it.
    PipeServerEnd* created = nullptr;
};

enum class PipeServerOutcome {
    Stopped,  // the bare end of answers was read
    NoPipe,   // the pipe could not be created
    TimedOut, // the deadline came first
    TooLong,  // a message, or all of them, went past the ceiling: the client was dropped and the run ended
};

// Runs the loop on the calling thread. stopRequested is set by the end of answers (and may be set beforehand).
PipeServerOutcome RunPipeServer(const PipeServerOptions& options, const PipeMessageHandler& handler,
                                const PipeMessageListener& listener, bool& stopRequested);

// Tries to connect to the pipe named name until it succeeds: at most options.connectAttempts times,
// options.connectIntervalMs apart, and never past the deadline.
bool ConnectWithRetries(PipeClient& client, const std::wstring& name, const PipeReplyOptions& options,
                        const Deadline& deadline);

// Tries to connect to the reply pipe (attempts, interval, and never past the deadline); once connected sends
// every answer as its own message and then the end of answers. False when no connection could be made. A reply
// pipe name that holds a path separator is refused: it could lead the answers out of the pipe namespace.
bool SendPipeAnswers(const std::wstring& replyPipeName, const IPipeExtraInfos* answers, const PipeReplyOptions& options,
                     const Deadline& deadline);

} // namespace Orv
