#include "SingleInstance.h"

#include "library_Orv/InstanceLock.h"
#include "library_Orv/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>

#ifdef Q_OS_WIN
#include <QtGlobal>
#else
#include "library_Orv/PosixWorld.h"
#endif

namespace {
constexpr int kAnswerWaitMs = 2000;
// How long a start looks for the holder of the lock before it runs itself, and how often.
constexpr int kFindHolderMs = 3000;
constexpr int kRetryMs = 50;
constexpr char kShowRequest[] = "show\n";

QString UserServerName(const QString& name) {
#ifdef Q_OS_WIN
    // The lock is the session's (a "Local\" mutex): so is the socket, or the same user signed in twice would raise the
    // other session's window.
    return name + QLatin1Char('-') + qEnvironmentVariable("USERNAME") + QLatin1Char('-') +
           QString::number(Orv::CurrentSessionId());
#else
    // Never a bare name, which Qt would put in the shared /tmp where anyone could take it first.
    const std::string folder = Orv::SessionFolder();
    return folder.empty() ? QString() : QDir(QString::fromStdString(folder)).filePath(name + QStringLiteral(".socket"));
#endif
}

enum class Asked { Answered, Busy, Gone };

// Asks the listener to show its window: Answered when it said so, Busy when it took the request but did not answer
// in time (its first pass runs: it answers when the pass is over), Gone when nobody listens or the listener went.
Asked AskToShow(const QString& serverName) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kRetryMs))
        return Asked::Gone;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kAnswerWaitMs);
    QElapsedTimer waited;
    waited.start();
    QByteArray answer;
    while (!answer.contains('\n') && waited.elapsed() < kAnswerWaitMs) {
        if (socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0)
            return Asked::Gone;
        socket.waitForReadyRead(kRetryMs);
        answer += socket.readAll();
    }
    return answer.startsWith("ok") ? Asked::Answered : Asked::Busy;
}
} // namespace

SingleInstance::SingleInstance(const QString& name)
    : name_(name), lock_(std::make_unique<Orv::InstanceLock>(name.toStdWString())), serverName_(UserServerName(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::AskRunningToShow() {
    QElapsedTimer looking;
    looking.start();
    while (lock_ && !lock_->Held() && !serverName_.isEmpty()) {
        if (AskToShow(serverName_) != Asked::Gone)
            return true;
        if (looking.elapsed() >= kFindHolderMs)
            return false; // the lock is held, but nobody answers: this start runs
        QThread::msleep(kRetryMs);
        // The holder may have let go: it is closing, or it ended.
        lock_ = std::make_unique<Orv::InstanceLock>(name_.toStdWString());
    }
    return false;
}

void SingleInstance::Listen(std::function<void()> show) {
    if (!lock_ || !lock_->Held() || serverName_.isEmpty())
        return; // another start listens, or none can
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(serverName_); // left by a start that ended without cleaning up (we hold the lock)
    server_.listen(serverName_);
    connect(&server_, &QLocalServer::newConnection, this, [this, show]() {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [socket, show]() {
                if (!socket->readAll().startsWith("show"))
                    return;
                socket->write("ok\n");
                socket->flush();
                show();
            });
        }
    });
}

void SingleInstance::StopListening() {
    // Requests already taken are dropped unanswered: their starts see the listener go and run themselves.
    for (QLocalSocket* socket : server_.findChildren<QLocalSocket*>())
        socket->abort();
    server_.close();
    lock_.reset();
}
