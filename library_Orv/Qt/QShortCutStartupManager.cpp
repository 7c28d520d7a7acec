#include "QShortCutStartupManager.h"

#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>

namespace Orv {

namespace {
const wchar_t* const kStartupPart = L"Microsoft\\Windows\\Start Menu\\Programs\\Startup";
}

QShortCutStartupManager& QShortCutStartupManager::Instance() {
    static QShortCutStartupManager manager;
    return manager;
}

QString QShortCutStartupManager::ShortcutPath(int scope) const {
    // Only named here: looking for a shortcut must not make the folder it would be in (Create makes it).
    std::wstring root;
    if (!GetKnownFolder(scope == AllUsers ? KnownFolder::ProgramData : KnownFolder::RoamingAppData, root))
        return QString::fromStdWString(scope == AllUsers ? GetProgramDataFolder(L"", kStartupPart)
                                                         : GetRoamingDataFolder(L"", kStartupPart, true)) +
               name_ + ".lnk";
    return QString::fromStdWString(NormalizePath(PathJoin(NormalizePath(root, true), kStartupPart), true)) + name_ +
           ".lnk";
}

bool QShortCutStartupManager::Exists(int scope) const {
    if (scope == Either)
        return Exists(CurrentUser) || Exists(AllUsers);
    // The shortcut file itself, wherever it points (a folder, or a target that went): QFileInfo follows a Windows
    // shortcut to its target (and its isSymLink() holds for any name ending in ".lnk"), so the file is asked of the
    // core, which does not; a POSIX symbolic link is one whatever it points at. A folder of that name is none.
    const QString path = ShortcutPath(scope);
    const std::wstring file = path.toStdWString();
    return QFileInfo(path).isSymbolicLink() || (FileExists(file) && !IsDirectoryNative(file));
}

QString QShortCutStartupManager::Target(int scope) const {
    if (!Exists(scope))
        return QString();
    const QString target = QFileInfo(ShortcutPath(scope)).symLinkTarget();
    if (target.isEmpty())
        return QString();
    return QString::fromStdWString(CanonicalPath(target.toStdWString()));
}

bool QShortCutStartupManager::Create(int scope, const QString& target) {
    if (scope == Either) {
        if (Create(AllUsers, target) || Create(CurrentUser, target))
            return true;
        emit sShortcutChanged();
        return false;
    }
    if (Exists(scope))
        return false;
    const QString source = target.isEmpty() ? QCoreApplication::applicationFilePath() : target;
    QDir().mkpath(QFileInfo(ShortcutPath(scope)).path());
    QFile::link(source, ShortcutPath(scope));
    if (!Exists(scope))
        return false;
    emit sShortcutChanged();
    return true;
}

} // namespace Orv
