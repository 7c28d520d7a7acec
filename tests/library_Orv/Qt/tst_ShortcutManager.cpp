// The start-up shortcut manager against real start-up folders: symbolic links on POSIX (in this test's own XDG
// folders), shell links on Windows (in the Wine prefix's folders).
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Qt/QShortCutStartupManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace Orv;
using Manager = QShortCutStartupManager;

class TestShortcutManager : public QObject {
    Q_OBJECT

private:
    TempFolder world_;
    // Before any folder is looked up (the folders are kept once known), and back as they were at the end.
    const ScopedTestEnvironment roaming_{"XDG_CONFIG_HOME", WStringToUtf8(world_ / L"roaming")};
    const ScopedTestEnvironment programData_{"XDG_DATA_DIRS", WStringToUtf8(world_ / L"programdata")};
    Manager& shortcuts_ = Manager::Instance();
    std::wstring target_;

private slots:
    void initTestCase() {
        shortcuts_.SetShortcutName(QStringLiteral("SkvTest%1").arg(QCoreApplication::applicationPid()));
        target_ = world_ / L"Product.exe";
        QVERIFY(WriteTextFile(target_, "program"));
    }

    void cleanup() {
        QFile::remove(shortcuts_.ShortcutPath(Manager::AllUsers));
        QFile::remove(shortcuts_.ShortcutPath(Manager::CurrentUser));
    }

    void aMissingShortcutIsMissing() {
        for (int scope : {Manager::AllUsers, Manager::CurrentUser, Manager::Either})
            QVERIFY2(!shortcuts_.Exists(scope), qPrintable(QString::number(scope)));
        QVERIFY(shortcuts_.ShortcutPath(Manager::CurrentUser).endsWith(shortcuts_.ShortcutName() + ".lnk"));
        QVERIFY(shortcuts_.Target(Manager::CurrentUser).isEmpty());
    }

    void aMadeShortcutPointsAtItsTarget() {
        QSignalSpy changed(&shortcuts_, &Manager::sShortcutChanged);
        QVERIFY(shortcuts_.Create(Manager::CurrentUser, QString::fromStdWString(target_)));
        QVERIFY(shortcuts_.Exists(Manager::CurrentUser));
        QVERIFY(shortcuts_.Exists(Manager::Either));
        QVERIFY(!shortcuts_.Exists(Manager::AllUsers));
        // As the shortcut holds it: no extended-length prefix that the file does not carry.
        QCOMPARE(shortcuts_.Target(Manager::CurrentUser), QString::fromStdWString(CanonicalPath(target_)));
        QVERIFY(!shortcuts_.Target(Manager::CurrentUser).startsWith(QStringLiteral("\\\\?\\")));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!shortcuts_.Create(Manager::CurrentUser, QString::fromStdWString(target_))); // it exists already
        QCOMPARE(changed.count(), 1);
    }

    void eitherScopeMakesTheAllUsersShortcutFirst() {
        QVERIFY(shortcuts_.Create(Manager::Either, QString::fromStdWString(target_)));
        QVERIFY(shortcuts_.Exists(Manager::AllUsers));
        QVERIFY(!shortcuts_.Exists(Manager::CurrentUser));
    }

    // Removing the target leaves the shortcut in place: it is still there, pointing nowhere.
    void aShortcutWhoseTargetWentStillExists() {
        const std::wstring gone = world_ / L"Gone.exe";
        QVERIFY(WriteTextFile(gone, "program"));
        QVERIFY(shortcuts_.Create(Manager::CurrentUser, QString::fromStdWString(gone)));
        QVERIFY(QFile::remove(QString::fromStdWString(gone)));
        QVERIFY(shortcuts_.Exists(Manager::CurrentUser));
    }

    // A shortcut that points at a folder is a shortcut all the same, pointing elsewhere; a folder under the
    // shortcut's name is none.
    void aShortcutToAFolderExists() {
        const std::wstring folder = world_ / L"Folder";
        QVERIFY(CreateDirectories(folder));
        QVERIFY(shortcuts_.Create(Manager::CurrentUser, QString::fromStdWString(folder)));
        QVERIFY(shortcuts_.Exists(Manager::CurrentUser));
        QVERIFY(SameFileName(shortcuts_.Target(Manager::CurrentUser).toStdWString(), folder));
        QVERIFY(QFile::remove(shortcuts_.ShortcutPath(Manager::CurrentUser)));
        QVERIFY(CreateDirectories(shortcuts_.ShortcutPath(Manager::CurrentUser).toStdWString()));
        QVERIFY(!shortcuts_.Exists(Manager::CurrentUser));
        QVERIFY(RemoveFolder(shortcuts_.ShortcutPath(Manager::CurrentUser).toStdWString()));
    }
};

QTEST_GUILESS_MAIN(TestShortcutManager)
#include "tst_ShortcutManager.moc"
