// The pipe server as QObjects: its worker runs on the calling thread, and every handled message is announced.
#include "pipe/PipeRequest.h"
#include "pipe/PipeServer.h"
#include "PipeTestSupport.h"

#include "library_Orv/WinUtils.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <thread>

using namespace Orv;

namespace {
// Plays the product: connects as soon as the server is there and writes the messages, one flushed write each.
std::thread Product(const std::wstring& name, std::vector<std::wstring> messages) {
    return std::thread([name, messages]() {
        PipeClient client;
        ConnectWithRetry(client, name);
        for (const std::wstring& message : messages)
            client.Write(message);
    });
}
// Plays the product's side of a request: takes the next client and reads its request.
bool ReadRequest(PipeServerEnd& pipe, const Deadline& deadline, ReceivedMessage& request) {
    std::string buffer(4096, '\0');
    size_t count = 0;
    if (pipe.WaitForClient(deadline) != PipeIo::Done ||
        pipe.Read(&buffer[0], buffer.size(), count, deadline) != PipeIo::Done)
        return false;
    request = InterpretReceivedMessage(MessageFromWire(buffer.substr(0, count)));
    return true;
}
} // namespace

class TestPipeServer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir pipes;

private slots:
    void initTestCase() {
        QVERIFY(pipes.isValid());
        qputenv("SKV_PIPE_FOLDER", pipes.path().toUtf8());
    }

    void answersAreAnnouncedAndTheServerEndsWithThem() {
        const std::wstring name = UniqueName(L"status");
        int status = -1;
        QThread* handlerThread = nullptr;
        const PipeMessageHandler statusHandler = MakeStatusReplyHandler(status);
        PipeServer server;
        server.handler = [&](std::wstring& message) {
            handlerThread = QThread::currentThread();
            return statusHandler(message);
        };
        QSignalSpy announced(&server, &PipeServer::eReceiveData);
        std::thread product = Product(name, {L"[$-cmd-$]{DAD:1}", L"[$-cmd-$]exit"});
        QVERIFY(server.StartServer(name));
        product.join();
        QCOMPARE(status, 1);
        QCOMPARE(handlerThread, QThread::currentThread()); // no thread of its own
        QVERIFY(!server.TimedOut());
        QCOMPARE(announced.count(), 2);
        QCOMPARE(announced.at(0).at(0).toString(), QStringLiteral("[$-cmd-$]{DAD:1}"));
        QCOMPARE(announced.at(1).at(0).toString(), QStringLiteral("[$-cmd-$]exit"));
        QVERIFY(announced.at(1).at(1).value<IPipeExtraInfosContainer>().extraInfos == nullptr);
        QVERIFY(server.worker != nullptr); // finished, until stopped
        server.StopServer();
        QVERIFY(server.worker == nullptr);
    }

    void theHandlersAnswerTravelsWithTheSignal() {
        const std::wstring name = UniqueName(L"answer");
        PipeAnswerList answers({L"unused"});
        PipeServer server;
        server.handler = [&answers](std::wstring& message) -> IPipeExtraInfos* {
            return message == L"[$-cmd-$]hello" ? &answers : nullptr;
        };
        QSignalSpy announced(&server, &PipeServer::eReceiveData);
        std::thread product = Product(name, {L"[$-cmd-$]hello", L"[$-cmd-$]exit"});
        server.StartServer(name);
        product.join();
        QCOMPARE(announced.count(), 2);
        QVERIFY(announced.at(0).at(1).value<IPipeExtraInfosContainer>().extraInfos == &answers);
    }

    void startServerIsBounded() {
        // Nobody ever comes.
        PipeServer lonely;
        lonely.SetTimeoutMs(300);
        QElapsedTimer time;
        time.start();
        lonely.StartServer(UniqueName(L"lonely"));
        QVERIFY(time.elapsed() < 3000);
        QVERIFY(lonely.TimedOut());

        // The name is taken: the server gives up at once, without a message.
        const std::wstring name = UniqueName(L"taken");
        PipeServerEnd holder;
        QVERIFY(holder.Create(std::wstring(kPipePathPrefix) + name, kPipeBufferSize));
        PipeServer second;
        QSignalSpy announced(&second, &PipeServer::eReceiveData);
        time.restart();
        second.StartServer(name);
        QVERIFY(time.elapsed() < 1000);
        QVERIFY(!second.TimedOut());
        QCOMPARE(announced.count(), 0);
    }

    // The product looks for the reply pipe as soon as it has read the request, while the requester is still
    // waiting for that read: the pipe is there at the first attempt.
    void theReplyPipeIsThereWhenTheRequestIsRead() {
        const std::wstring name = UniqueName(L"early");
        PipeServerEnd productPipe;
        QVERIFY(productPipe.Create(std::wstring(kPipePathPrefix) + name, kPipeBufferSize));
        bool foundAtOnce = false;
        std::thread product([&]() {
            const Deadline deadline = Deadline::After(10000);
            ReceivedMessage request;
            if (!ReadRequest(productPipe, deadline, request))
                return;
            PipeClient once;
            foundAtOnce = once.Connect(request.replyPipeName);
            if (foundAtOnce)
                once.Write(EndOfAnswersMessage());
            else // answered all the same, so that the requester does not wait for its time-out
                SendPipeAnswers(request.replyPipeName, nullptr, PipeReplyOptions{500, 10}, deadline);
        });
        const PipeRequestResult result = SendRequestWithReply(
            name, [](const std::wstring& replyPipeName) { return StatusQueryMessage(replyPipeName); }, nullptr);
        product.join();
        QCOMPARE(result, PipeRequestResult::Answered);
        QVERIFY(foundAtOnce);
    }

    // A program holding the product's pipe name answers on the reply pipe without end: the request ends as too long,
    // the handler never sees a cut answer, and the requester's memory is not what the program decides.
    void aReplyThatNeverEndsIsDropped() {
        const std::wstring name = UniqueName(L"squatter");
        PipeServerEnd productPipe;
        QVERIFY(productPipe.Create(std::wstring(kPipePathPrefix) + name, kPipeBufferSize));
        std::thread squatter([&]() {
            const Deadline deadline = Deadline::After(15000);
            ReceivedMessage request;
            if (!ReadRequest(productPipe, deadline, request))
                return;
            PipeClient flood;
            while (!deadline.Expired() && !flood.Connect(request.replyPipeName))
                SleepMs(5);
            const std::wstring chunk(32768, L'x');
            while (!deadline.Expired() && flood.Write(chunk, Deadline::After(2000)) == WireByteCount(chunk)) {
            }
        });
        int handled = 0;
        QElapsedTimer time;
        time.start();
        const PipeRequestResult result = SendRequestWithReply(
            name, [](const std::wstring& replyPipeName) { return StatusQueryMessage(replyPipeName); },
            [&](std::wstring&) -> IPipeExtraInfos* {
                ++handled;
                return nullptr;
            });
        squatter.join();
        QCOMPARE(result, PipeRequestResult::TooLong);
        QCOMPARE(handled, 0);
        QVERIFY(time.elapsed() < PipeServer::kStartServerTimeoutMs);
    }
};

QTEST_GUILESS_MAIN(TestPipeServer)
#include "tst_PipeServer.moc"
