#pragma once

#include "CheckRows.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// What one check pass found out on the way to its rows: the paths, keys and values behind each result, so that a
// row that failed can say why in this machine's own terms. Filled by the pass's steps, read once it is over.
struct CheckFacts {
    // The rows that were not checked, and why ("not checked: --observe").
    QMap<QString, QString> skipped;
    // The machine.
    QString cpuArchitecture;
    bool windows32 = false;
    // The installation: the executable as the installation names it (empty: no absolute path found) and whether it
    // is there.
    QString productPath;
    bool productInstalled = false;
    QString uninstallKey;                // under HKEY_LOCAL_MACHINE: its value "DisplayIcon" names the executable
    bool uninstallKeyUnreadable = false; // the entry is there, but could not be read
    QString md5Path;
    bool md5FileRead = false;
    int md5FileState = 0; // Checks::Md5Comparison::FileState
    qint64 md5FileSize = 0;
    QString md5Expected;
    QString md5Actual;
    QString shellDllPath;
    bool shellDllInstalled = false;
    QString exeSigner;
    QString dllSigner;
    bool exeReadable = true; // the signature's look could open the file
    bool dllReadable = true;
    QString expectedSigner;
    struct Registration {
        QString key; // under HKEY_CLASSES_ROOT
        bool present = false;
        bool unreadable = false;
        QString server;
        QString threadingModel;
        bool expected = false;
    };
    QVector<Registration> registrations;
    struct Shortcut {
        QString path;
        bool exists = false;
        QString target;
    };
    Shortcut allUsersShortcut;
    Shortcut currentUserShortcut;
    QString approvalKey;   // with its root: "HKEY_CURRENT_USER\\..." or "HKEY_LOCAL_MACHINE\\..."
    QString approvalValue; // the bytes, in hexadecimal
    // The product at work.
    bool launchedByPass = false; // the pass started the product after the running row was checked
    int commandLineExitCode = 0;
    bool commandLineRun = false;
    int commandLineTimeoutMs = 0;
    QString copyFolder;        // the copy tests' folder, or the temporary folder it could not be made in
    int copyFolderProblem = 0; // Checks::CopyTestFolder::Problem, or kCopySourcesNotWritten
    static constexpr int kCopySourcesNotWritten = 100;
    QStringList commandLineMissingCopies;
    int simulationRequest = 0; // Orv::PipeRequestResult
    qint64 simulationMs = 0;
    QStringList simulationMissingCopies;
    int dragAndDropStatus = -1;
    int dragAndDropRequest = 0; // Orv::PipeRequestResult
    qint64 dragAndDropMs = 0;
};

// Why a row failed, and what to do about it. button names the tool's own button that repairs it, when one does.
struct CheckExplanation {
    enum class Button { None, FixAndCheck, DownloadAndInstall, Activate };
    QString row;
    QString title;
    QString meaning;
    QString cause;
    QString fix;
    Button button = Button::None;

    bool operator==(const CheckExplanation& other) const {
        return row == other.row && cause == other.cause && fix == other.fix && meaning == other.meaning;
    }
};

// The explanations of one pass's failed and unknown rows, made from its facts and results, in the window's order of
// rows; passing rows have none.
class CheckExplanations {
    Q_DECLARE_TR_FUNCTIONS(CheckExplanations)

public:
    static QVector<CheckExplanation> Explain(const CheckFacts& facts, const QMap<QString, CheckResult>& results);
    // Whether a row has a writer of its explanation (every check has one).
    static bool Explains(const QString& member);
};
