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
    if (client.Write(request) != WireByteCount(request))
        return PipeRequestResult::NotSent;
    client.Close();
    PipeServer server;
    server.handler = handler;
    server.StartServer(replyPipeName);
    server.StopServer();
    return server.TimedOut() ? PipeRequestResult::TimedOut : PipeRequestResult::Answered;
}

} // namespace Orv
