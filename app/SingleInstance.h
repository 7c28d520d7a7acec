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
// user's own; a later start finds the lock taken, asks the running one to come to the front, and ends. When the lock
// is taken but nobody answers (a start still on its way, or a lock that could not be made), this start runs.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& name);
    ~SingleInstance() override;

    // True when another instance runs and was asked to come to the front: this one ends.
    bool AskRunningToShow();
    // Listens for later starts: show is called for each.
    void Listen(std::function<void()> show);
    // The local socket's name: the user's own (a path in the session folder on POSIX, the user's name in the pipe's
    // name on Windows).
    const QString& ServerName() const { return serverName_; }

private:
    std::unique_ptr<Orv::InstanceLock> lock_;
    QString serverName_;
    QLocalServer server_;
};
