#pragma once

#include "PipeMessage.h"
#include "PipeTransport.h"

#include <QMetaType>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

Q_DECLARE_METATYPE(Orv::IPipeExtraInfosContainer)

namespace Orv {

// Does the pipe work of a PipeServer: its loop runs on the thread that starts the server.
class PipeServerWorker : public QObject {
    Q_OBJECT

public:
    PipeServerWorker() = default;

    bool stopRequested = false;
    std::wstring name;
    std::wstring pipePath;
    uint32_t bufferSize = 0;
    PipeMessageHandler handler;
    int timeoutMs = 0;
    bool timedOut = false;
    bool tooLong = false;
    PipeServerEnd* created = nullptr; // the pipe, when created before the run

public slots:
    void Run();

signals:
    void eReceiveDataFromThread(QString data, IPipeExtraInfosContainer iPipeExtraInfosContainer);
};

// Serves one reply pipe (this user's alone) until a client sends the bare end of answers. A requester creates one on
// the reply pipe it named in its request, sets the handler and starts it; StartServer returns once the answers are in,
// and at the latest after the time-out, which the requester reads as no answer.
class PipeServer : public QObject {
    Q_OBJECT

public:
    // Covers the wait for the product, its messages and any reply this side sends.
    static constexpr int kStartServerTimeoutMs = 10000;

    PipeServer();
    ~PipeServer() override;

    PipeServerWorker* worker = nullptr;
    PipeMessageHandler handler;

    // Creates the pipe ahead of StartServer with the same name, so that a client looking for it finds it at once
    // (a requester makes its reply pipe before sending the request). False when it cannot be created; StartServer
    // then tries again itself.
    bool CreatePipe(const std::wstring& name);
    bool StartServer(const std::wstring& name);
    void StopServer();
    void SetTimeoutMs(int timeoutMs) { timeoutMs_ = timeoutMs; }
    // The last run ended at the time-out rather than with the end of answers.
    bool TimedOut() const { return timedOut_; }
    // The last run ended because the client wrote more than a reply may hold.
    bool TooLong() const { return tooLong_; }

public slots:
    void ReceiveDataFromThread(QString data, IPipeExtraInfosContainer iPipeExtraInfosContainer);

signals:
    void eReceiveData(QString data, IPipeExtraInfosContainer iPipeExtraInfosContainer);
    void Start();

private:
    int timeoutMs_ = kStartServerTimeoutMs;
    bool timedOut_ = false;
    bool tooLong_ = false;
    std::unique_ptr<PipeServerEnd> created_;
    std::wstring createdName_;
};

} // namespace Orv
