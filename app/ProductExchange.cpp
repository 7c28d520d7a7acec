// The pass's exchanges with the running product over its pipe.
#include "QCheckPass.h"

#include "pipe/PipeMessage.h"
#include "pipe/PipeRequest.h"
#include "pipe/PipeTransport.h"

#include <QThread>

namespace {
constexpr unsigned long kAfterStatusQueryMs = 1000;
constexpr unsigned long kAfterSetCommandMs = 1000;
} // namespace

void QCheckPass::QueryDragAndDropState() {
    const QString row = QStringLiteral("labelDragAndDropActivated");
    int status = -1;
    const Orv::PipeRequestResult result = Orv::SendRequestWithReply(
        Orv::kProductPipeName, [](const std::wstring& replyPipeName) { return Orv::StatusQueryMessage(replyPipeName); },
        Orv::MakeStatusReplyHandler(status));
    if (result != Orv::PipeRequestResult::NotSent)
        QThread::msleep(kAfterStatusQueryMs);
    // Answers cut short by the time-out count as none.
    if (result == Orv::PipeRequestResult::TimedOut)
        status = -1;
    if (status < 0) {
        emit activateOffered(false);
        SetUnknownResult(row);
    } else {
        emit activateOffered(status == 0);
        SetCheckResult(row, status == 1);
    }
}

void QCheckPass::SendSetCommand(const std::wstring& value) {
    Orv::PipeClient client;
    if (!client.Connect(Orv::kProductPipeName))
        return;
    client.Write(Orv::SetCommandMessage(value));
    client.Close();
}

void QCheckPass::ActivateDragAndDrop() {
    SendSetCommand(L"{DAD:1}");
    QThread::msleep(kAfterSetCommandMs);
    QueryDragAndDropState();
}
