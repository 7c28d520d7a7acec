#include "CheckRows.h"

const QVector<CheckRow>& CheckRows::All() {
    static const QVector<CheckRow> rows = {
        {"labelWindows64BitsIcon", QT_TR_NOOP("Window 64 bits (x64 Mandatory)"), true},
        {"Windows", QT_TR_NOOP("Windows"), false},
        {"labelWindowsNameIcon", QT_TR_NOOP("Windows version"), true},
        {"labelInstallIntegrityExeIcon", QT_TR_NOOP("Integrity of software exe"), true},
        {"labelCheckExeSignedIcon", QT_TR_NOOP("Check exe is signed"), true},
        {"labelCheckExeSignedNameIcon", QT_TR_NOOP("Check exe is signed with good certificate name"), true},
        {"labelShortcutInstalledGlobal", QT_TR_NOOP("Shortcut installed for all users"), true},
        {"labelPointToInstalledDirCurrentAllUsers", QT_TR_NOOP("Shortcut point to the uninstall dir ? (all users)"),
         true},
        {"labelShortcutInstalledCurrentUser", QT_TR_NOOP("Shortcut installed for current user"), true},
        {"labelPointToInstalledDirCurrentUser", QT_TR_NOOP("Shortcut point to the uninstall dir ? (current user)"),
         true},
        {"labelShortcutAllowedToRunIcon", QT_TR_NOOP("Shortcut allowed to run"), true},
        {"labelCheckInstallExplorerPluginIcon", QT_TR_NOOP("Check install Explorer plugin registered"), true},
        {"labelCheckPluginSignedIcon", QT_TR_NOOP("Check plugin is signed"), true},
        {"labelCheckPluginSignedNameIcon", QT_TR_NOOP("Check plugin is signed with good certificate name"), true},
        {"labelDragAndDropActivated", QT_TR_NOOP("Explorer Drag and Drop activated"), true},
        {"labelAutomaticCommandLineCopyIcon", QT_TR_NOOP("Command line copy"), true},
        {"labelIsRunning", QT_TR_NOOP("is Skorvane is running"), true},
        {"plainTextEdit", QT_TR_NOOP("Interact with Skorvane (log)"), false},
        {"labelSimulatePluginIcon", QT_TR_NOOP("Simulate communication from plugin"), true},
    };
    return rows;
}

const QStringList& CheckRows::Checks() {
    static const QStringList checks = []() {
        QStringList members;
        for (const CheckRow& row : All())
            if (row.check)
                members << QLatin1String(row.member);
        return members;
    }();
    return checks;
}

bool CheckRows::IsCheck(const QString& member) {
    return Checks().contains(member);
}

QString CheckRows::Title(const QString& member) {
    for (const CheckRow& row : All())
        if (member == QLatin1String(row.member))
            return tr(row.title);
    return member;
}

QString CheckRows::ReportValue(CheckResult result) {
    switch (result) {
    case CheckResult::Passed:
        return QStringLiteral("true");
    case CheckResult::Failed:
        return QStringLiteral("false");
    case CheckResult::Skipped:
        return QStringLiteral("skipped");
    case CheckResult::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

bool CheckRows::FromReportValue(const QString& value, CheckResult* result) {
    for (const CheckResult one : {CheckResult::Passed, CheckResult::Failed, CheckResult::Unknown, CheckResult::Skipped})
        if (value == ReportValue(one)) {
            *result = one;
            return true;
        }
    return false;
}

namespace {
const char* WordText(CheckResult result) {
    switch (result) {
    case CheckResult::Passed:
        return QT_TRANSLATE_NOOP("CheckRows", "passed");
    case CheckResult::Failed:
        return QT_TRANSLATE_NOOP("CheckRows", "failed");
    case CheckResult::Skipped:
        return QT_TRANSLATE_NOOP("CheckRows", "skipped");
    case CheckResult::Unknown:
        break;
    }
    return QT_TRANSLATE_NOOP("CheckRows", "unknown");
}
} // namespace

QString CheckRows::Word(CheckResult result) {
    return QString::fromLatin1(WordText(result));
}

QString CheckRows::TranslatedWord(CheckResult result) {
    return tr(WordText(result));
}
