#include "ProductPipe.h"

#include "pipe/PipeMessage.h"
#include "pipe/PipeRequest.h"
#include "pipe/PipeTransport.h"

#include <QElapsedTimer>

namespace {
constexpr unsigned long kAfterStatusQueryMs = 1000;
constexpr unsigned long kAfterSetCommandMs = 1000;
} // namespace

namespace ProductPipe {

StatusAnswer QueryDragAndDrop(const Pause& pause) {
    StatusAnswer answer;
    int status = -1;
    QElapsedTimer exchange;
    exchange.start();
    answer.request = Orv::SendRequestWithReply(
        Orv::kProductPipeName, [](const std::wstring& replyPipeName) { return Orv::StatusQueryMessage(replyPipeName); },
        Orv::MakeStatusReplyHandler(status));
    answer.exchangeMs = exchange.elapsed();
    if (answer.request != Orv::PipeRequestResult::NotSent)
        pause(kAfterStatusQueryMs);
    // Answers cut short by the time-out, or dropped for being far longer than any answer, count as none.
    const bool incomplete =
        answer.request == Orv::PipeRequestResult::TimedOut || answer.request == Orv::PipeRequestResult::TooLong;
    answer.status = incomplete ? -1 : status;
    return answer;
}

void SendSetCommand(const std::wstring& value) {
    Orv::PipeClient client;
    if (!client.Connect(Orv::kProductPipeName))
        return;
    client.Write(Orv::SetCommandMessage(value));
    client.Close();
}

void SendSetCommandAndWait(const std::wstring& value, const Pause& pause) {
    SendSetCommand(value);
    pause(kAfterSetCommandMs);
}

} // namespace ProductPipe
