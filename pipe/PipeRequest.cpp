#include "PipeRequest.h"

#include "PipeServer.h"
#include "PipeTransport.h"

namespace Orv {

PipeRequestResult SendRequestWithReply(const std::wstring& pipeName,
                                       const std::function<std::wstring(const std::wstring&)>& composeRequest,
                                       const PipeMessageHandler& handler) {
    PipeClient client;
    if (!client.Connect(pipeName))
        return PipeRequestResult::NotSent;
    const std::wstring replyPipeName = MakeReplyPipeName();
    const std::wstring request = composeRequest(replyPipeName);
    // The reply pipe is there before the request is: a product that looks for it once it has read the request
    // finds it at its first attempt, instead of waiting its retry interval (500 ms) for a pipe made a moment late.
    PipeServer server;
    server.handler = handler;
    server.CreatePipe(replyPipeName);
    if (client.Write(request) != WireByteCount(request))
        return PipeRequestResult::NotSent;
    client.Close();
    server.StartServer(replyPipeName);
    server.StopServer();
    if (server.TooLong())
        return PipeRequestResult::TooLong;
    return server.TimedOut() ? PipeRequestResult::TimedOut : PipeRequestResult::Answered;
}

} // namespace Orv
