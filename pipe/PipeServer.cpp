#include "PipeServer.h"

#include "PipeServerLoop.h"

namespace Orv {

void PipeServerWorker::Run() {
    PipeServerOptions options;
    options.name = name;
    options.bufferSize = bufferSize;
    options.deadline = Deadline::After(timeoutMs);
    options.created = created;
    options.access = PipeAccess::CurrentUserOnly;
    const PipeServerOutcome outcome = RunPipeServer(
        options, handler,
        [this](const std::wstring& message, IPipeExtraInfosContainer container) {
            emit eReceiveDataFromThread(QString::fromStdWString(message), container);
        },
        stopRequested);
    timedOut = outcome == PipeServerOutcome::TimedOut;
    tooLong = outcome == PipeServerOutcome::TooLong;
}

PipeServer::PipeServer() : QObject(nullptr) {
    qRegisterMetaType<IPipeExtraInfosContainer>("IPipeExtraInfosContainer");
}

PipeServer::~PipeServer() {
    StopServer();
    handler = nullptr;
}

bool PipeServer::CreatePipe(const std::wstring& pipeName) {
    created_ = std::make_unique<PipeServerEnd>();
    createdName_ = pipeName;
    if (created_->Create(std::wstring(kPipePathPrefix) + pipeName, kPipeBufferSize, PipeAccess::CurrentUserOnly))
        return true;
    created_.reset();
    return false;
}

bool PipeServer::StartServer(const std::wstring& pipeName) {
    std::unique_ptr<PipeServerEnd> created = std::move(created_);
    if (created && createdName_ != pipeName) // made ahead for another name: not this run's pipe
        created.reset();
    worker = new PipeServerWorker();
    worker->created = created.get();
    worker->handler = handler;
    worker->name = pipeName;
    worker->pipePath = std::wstring(kPipePathPrefix) + pipeName;
    worker->bufferSize = kPipeBufferSize;
    worker->timeoutMs = timeoutMs_;
    connect(worker, &QObject::destroyed, this, [this]() { worker = nullptr; });
    // The worker lives in this thread: both connections act as direct calls, and Run ends before emit returns.
    connect(this, &PipeServer::Start, worker, &PipeServerWorker::Run, Qt::AutoConnection);
    connect(worker, &PipeServerWorker::eReceiveDataFromThread, this, &PipeServer::ReceiveDataFromThread,
            Qt::AutoConnection);
    emit Start();
    timedOut_ = worker && worker->timedOut;
    tooLong_ = worker && worker->tooLong;
    return true;
}

void PipeServer::StopServer() {
    if (!worker)
        return;
    delete worker; // its destroyed signal clears the pointer as well
    worker = nullptr;
}

void PipeServer::ReceiveDataFromThread(QString data, IPipeExtraInfosContainer iPipeExtraInfosContainer) {
    emit eReceiveData(data, iPipeExtraInfosContainer);
}

} // namespace Orv
