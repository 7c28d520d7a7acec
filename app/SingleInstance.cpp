#include "SingleInstance.h"

#include "library_Orv/InstanceLock.h"

#include <QDir>
#include <QLocalSocket>

#ifdef Q_OS_WIN
#include <QtGlobal>
#else
#include "library_Orv/PosixWorld.h"
#endif

namespace {
constexpr int kAnswerWaitMs = 2000;
constexpr char kShowRequest[] = "show\n";

QString UserServerName(const QString& name) {
#ifdef Q_OS_WIN
    return name + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#else
    return QDir(QString::fromStdString(Orv::SessionFolder())).filePath(name + QStringLiteral(".socket"));
#endif
}
} // namespace

SingleInstance::SingleInstance(const QString& name)
    : lock_(std::make_unique<Orv::InstanceLock>(name.toStdWString())), serverName_(UserServerName(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::AskRunningToShow() {
    if (lock_->Held())
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kAnswerWaitMs))
        return false;
    // Someone listens: an instance runs. It answers once its event loop turns (its first pass may still be under
    // way); the request waits for it there.
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kAnswerWaitMs);
    return true;
}

void SingleInstance::Listen(std::function<void()> show) {
    if (!lock_->Held())
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
