#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

// What one row of the pass found.
// Skipped: the row was not checked (the runner was told only to look, or nobody is signed in); the facts say why.
enum class CheckResult { Passed, Failed, Unknown, Skipped };
Q_DECLARE_METATYPE(CheckResult)

// One member of the report document: its name (the window's label for the row), the title people read, and whether
// it carries a result ("Windows" and the log are texts kept beside the checks).
struct CheckRow {
    const char* member;
    const char* title;
    bool check;
};

// The rows of the pass in the window's order: the one table the pass, the explanations, the window, the console
// runner and the saved page read. Adding a row is a line here, a step of the pass that sets it, and the writer that
// explains it.
class CheckRows {
    Q_DECLARE_TR_FUNCTIONS(CheckRows)

public:
    static const QVector<CheckRow>& All();
    // The members that carry a result, in the window's order.
    static const QStringList& Checks();
    static bool IsCheck(const QString& member);
    // The title the window shows for a member (the member's own name for one it does not know).
    static QString Title(const QString& member);

    // A result as the report document records it: "true", "false", "unknown" or "skipped".
    static QString ReportValue(CheckResult result);
    // A report value read back; false for a value that is not a result (a text member).
    static bool FromReportValue(const QString& value, CheckResult* result);
    // The result's word in English, as the runner prints it and the saved page shows it: "passed", "failed",
    // "unknown", "skipped".
    static QString Word(CheckResult result);
    // The same word in the user's language, for the window (a screen reader reads it for the row's icon).
    static QString TranslatedWord(CheckResult result);
};
