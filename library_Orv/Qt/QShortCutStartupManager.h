#pragma once

#include <QObject>
#include <QString>

namespace Orv {

// The product's shortcut in the start-up folders. Scope 0: all users, 1: the current user, 2: either (all users
// first).
class QShortCutStartupManager : public QObject {
    Q_OBJECT

public:
    enum Scope { AllUsers = 0, CurrentUser = 1, Either = 2 };

    static QShortCutStartupManager& Instance();

    void SetShortcutName(const QString& name) { name_ = name; }
    const QString& ShortcutName() const { return name_; }
    // The start-up folder of the scope followed by the shortcut name and ".lnk".
    QString ShortcutPath(int scope) const;
    bool Exists(int scope) const;
    // The target stored in the shortcut, in canonical form (as it is written, without an extended-length prefix);
    // empty when there is none.
    QString Target(int scope) const;
    // Makes the shortcut (an empty target stands for this program); false when it exists already or cannot be
    // made. Scope 2 tries all users, then the current user.
    bool Create(int scope, const QString& target);

signals:
    void sShortcutChanged();

private:
    QString name_;
};

} // namespace Orv
