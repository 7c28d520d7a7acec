#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace Orv {
class InstanceLock;
}

// One window per user session. The first start holds the session's lock and listens on a local socket of the
// user's own; a later start finds the lock taken, asks the running one to come to the front, and ends. A start that
// finds the lock taken keeps asking for a while: the holder may not listen yet (it started a moment before), or
// may be closing (it lets go of the lock and stops listening before it closes), in which case this start takes the
// lock and runs. When nobody answers within that while, this start runs.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& name);
    ~SingleInstance() override;

    // True when another instance runs and was asked to come to the front: this one ends.
    bool AskRunningToShow();
    // Listens for later starts: show is called for each.
    void Listen(std::function<void()> show);
    // Stops listening and lets go of the lock, so that a start from now on runs itself: called as the window
    // begins to close.
    void StopListening();
    // The local socket's name: the user's own (a path in the session folder on POSIX, the user's name in the pipe's
    // name on Windows).
    const QString& ServerName() const { return serverName_; }

private:
    QString name_;
    std::unique_ptr<Orv::InstanceLock> lock_;
    QString serverName_;
    QLocalServer server_;
};
