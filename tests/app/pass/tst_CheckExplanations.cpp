// The explanations as a function: facts in, cause and fix out, for every row of the table; then the failures whose
// cause used to be told wrongly (a file that could not be read told as unsigned or missing, a temporary folder told
// as a full drive).
#include "app/pass/CheckExplanations.h"
#include "app/pass/DetailsJson.h"
#include "app/checks/CopyTests.h"
#include "app/checks/InstallationChecks.h"
#include "pipe/PipeRequest.h"

#include <QtTest>

Q_DECLARE_METATYPE(CheckFacts)

class TestCheckExplanations : public QObject {
    Q_OBJECT

private:
    static CheckFacts Installed() {
        CheckFacts facts;
        facts.productPath = QStringLiteral("C:\\Skorvane\\Skorvane.exe");
        facts.productInstalled = true;
        facts.shellDllPath = QStringLiteral("C:\\Skorvane\\SkorvaneShellDLL.dll");
        facts.shellDllInstalled = true;
        facts.uninstallKey = QStringLiteral("SOFTWARE\\Uninstall\\Skorvane");
        facts.md5Path = facts.productPath + QStringLiteral(".md5");
        facts.md5FileRead = true;
        facts.expectedSigner = QStringLiteral("QUELLANOR");
        facts.copyFolder = QStringLiteral("C:\\Temp\\SKV-1\\");
        facts.commandLineRun = true;
        return facts;
    }

private slots:
    void causeAndFix_data() {
        QTest::addColumn<CheckFacts>("facts");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("fix");

        // Every row of the table, in its plainest failure on an installed product.
        CheckFacts facts = Installed();
        facts.cpuArchitecture = QStringLiteral("arm64");
        QTest::newRow("architecture") << facts << "labelWindows64BitsIcon"
                                      << "The processor is \"arm64\", not x64"
                                      << "x64 processor";
        facts.windows32 = true;
        facts.cpuArchitecture = QStringLiteral("i386");
        QTest::newRow("32-bit Windows") << facts << "labelWindows64BitsIcon"
                                        << "This is 32-bit Windows"
                                        << "Install 64-bit Windows";
        QTest::newRow("Windows name") << Installed() << "labelWindowsNameIcon"
                                      << "Windows did not give its name"
                                      << "Windows Management Instrumentation";
        facts = Installed();
        facts.md5FileState = static_cast<int>(Checks::Md5Comparison::FileState::Read);
        facts.md5Actual = QStringLiteral("aa");
        facts.md5Expected = QStringLiteral("bb\n");
        QTest::newRow("digest differs") << facts << "labelInstallIntegrityExeIcon"
                                        << "is aa, but \"C:\\Skorvane\\Skorvane.exe.md5\" holds \"bb\\n\""
                                        << "Download and install";
        QTest::newRow("exe unsigned") << Installed() << "labelCheckExeSignedIcon"
                                      << "Skorvane.exe\" has no digital signature."
                                      << "Download and install";
        facts = Installed();
        facts.exeSigner = QStringLiteral("OTHER");
        QTest::newRow("exe other signer") << facts << "labelCheckExeSignedNameIcon"
                                          << "is signed by \"OTHER\", not by \"QUELLANOR\""
                                          << "Download and install";
        QTest::newRow("dll unsigned") << Installed() << "labelCheckPluginSignedIcon"
                                      << "SkorvaneShellDLL.dll\" has no digital signature"
                                      << "Download and install";
        facts = Installed();
        facts.allUsersShortcut.path = QStringLiteral("C:\\ProgramData\\StartUp\\Skorvane.lnk");
        facts.currentUserShortcut.path = QStringLiteral("C:\\Users\\j\\StartUp\\Skorvane.lnk");
        QTest::newRow("no shortcut for all users") << facts << "labelShortcutInstalledGlobal"
                                                   << "There is no shortcut \"C:\\ProgramData"
                                                   << "Fix and check again";
        QTest::newRow("no shortcut for the user") << facts << "labelShortcutInstalledCurrentUser"
                                                  << "There is no shortcut \"C:\\Users"
                                                  << "Fix and check again";
        facts.allUsersShortcut.exists = true;
        facts.allUsersShortcut.target = QStringLiteral("C:\\Old\\Skorvane.exe");
        QTest::newRow("shortcut elsewhere") << facts << "labelPointToInstalledDirCurrentAllUsers"
                                            << "starts \"C:\\Old\\Skorvane.exe\", not"
                                            << "Delete the shortcut";
        facts.currentUserShortcut.exists = true;
        QTest::newRow("user's shortcut starts nothing") << facts << "labelPointToInstalledDirCurrentUser"
                                                        << "does not start any program"
                                                        << "Delete the shortcut";
        facts = Installed();
        facts.approvalKey = QStringLiteral("HKEY_CURRENT_USER\\StartupApproved");
        facts.approvalValue = QStringLiteral("03 00");
        QTest::newRow("approval disabled") << facts << "labelShortcutAllowedToRunIcon"
                                           << "is disabled"
                                           << "Enable";
        facts = Installed();
        CheckFacts::Registration apartment;
        apartment.key = QStringLiteral("CLSID\\{A}\\InprocServer32");
        apartment.present = true;
        apartment.server = facts.shellDllPath;
        apartment.threadingModel = QStringLiteral("Free");
        facts.registrations << apartment;
        QTest::newRow("threading model") << facts << "labelCheckInstallExplorerPluginIcon"
                                         << "the threading model is \"Free\", not \"Apartment\""
                                         << "Download and install";
        facts = Installed();
        facts.dragAndDropStatus = 0;
        QTest::newRow("drag and drop off") << facts << "labelDragAndDropActivated"
                                           << "drag and drop is off"
                                           << "Activate";
        facts = Installed();
        facts.commandLineMissingCopies << QStringLiteral("b.txt");
        QTest::newRow("copy missing") << facts << "labelAutomaticCommandLineCopyIcon"
                                      << "Not copied: b.txt"
                                      << "";
        QTest::newRow("not running") << Installed() << "labelIsRunning"
                                     << "No process runs"
                                     << "Start Skorvane";
        facts = Installed();
        facts.simulationRequest = static_cast<int>(Orv::PipeRequestResult::TimedOut);
        facts.simulationMs = 10000;
        QTest::newRow("simulation unanswered") << facts << "labelSimulatePluginIcon"
                                               << "did not finish its answer"
                                               << "start it again";

        using FileState = Checks::Md5Comparison::FileState;
        facts = Installed();
        facts.md5FileState = static_cast<int>(FileState::Unreadable);
        QTest::newRow("md5 file locked") << facts << "labelInstallIntegrityExeIcon"
                                         << "Skorvane.exe.md5\" could not be read"
                                         << "Download and install";
        facts.md5FileState = static_cast<int>(FileState::TooLarge);
        facts.md5FileSize = 5120;
        QTest::newRow("md5 file of 5 KB") << facts << "labelInstallIntegrityExeIcon"
                                          << "is 5120 bytes long"
                                          << "Download and install";
        facts = Installed();
        facts.exeReadable = false;
        QTest::newRow("executable locked") << facts << "labelCheckExeSignedIcon"
                                           << "Skorvane.exe\" could not be read"
                                           << "Close the programs";
        facts = Installed();
        facts.dllReadable = false;
        QTest::newRow("extension locked") << facts << "labelCheckPluginSignedIcon"
                                          << "SkorvaneShellDLL.dll\" could not be read"
                                          << "Close the programs";
        facts = Installed();
        CheckFacts::Registration registration;
        registration.key = QStringLiteral("CLSID\\{X}\\InprocServer32");
        registration.unreadable = true;
        facts.registrations << registration;
        QTest::newRow("class key unreadable") << facts << "labelCheckInstallExplorerPluginIcon"
                                              << "{X}\\InprocServer32: it could not be read"
                                              << "Download and install";
        facts = Installed();
        facts.productInstalled = false;
        facts.productPath.clear();
        facts.uninstallKeyUnreadable = true;
        QTest::newRow("uninstall key unreadable") << facts << "labelInstallIntegrityExeIcon"
                                                  << "Skorvane could not be read (this user may not read the key)"
                                                  << "administrator";
        using Problem = Checks::CopyTestFolder::Problem;
        const struct {
            const char* name;
            int problem;
            const char* cause;
        } folders[] = {
            {"TEMP relative", static_cast<int>(Problem::TempNotAbsolute), "(TEMP) is not a full path"},
            {"TEMP missing", static_cast<int>(Problem::TempMissing), "(TEMP) does not exist"},
            {"TEMP read-only", static_cast<int>(Problem::TempNotWritable), "(TEMP): it cannot be written"},
        };
        for (const auto& folder : folders)
            for (const char* row : {"labelAutomaticCommandLineCopyIcon", "labelSimulatePluginIcon"}) {
                facts = Installed();
                facts.copyFolder = QStringLiteral("C:\\Temp\\");
                facts.copyFolderProblem = folder.problem;
                facts.commandLineRun = false;
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(folder.name, row)))
                    << facts << row << QStringLiteral("\"C:\\Temp\\\" ") + folder.cause
                    << "Set the environment variable TEMP";
            }
        facts = Installed();
        facts.dragAndDropRequest = static_cast<int>(Orv::PipeRequestResult::TooLong);
        facts.dragAndDropMs = 1200;
        QTest::newRow("answer flood") << facts << "labelDragAndDropActivated"
                                      << "went past 4 MiB"
                                      << "start it again";
    }

    void causeAndFix() {
        QFETCH(CheckFacts, facts);
        QFETCH(QString, row);
        QFETCH(QString, cause);
        QFETCH(QString, fix);
        QMap<QString, CheckResult> results;
        results[row] = CheckResult::Failed;
        const QVector<CheckExplanation> explanations = CheckExplanations::Explain(facts, results);
        QCOMPARE(explanations.size(), 1);
        QCOMPARE(explanations.front().row, row);
        QVERIFY2(explanations.front().cause.contains(cause), qPrintable(explanations.front().cause));
        QVERIFY2(explanations.front().fix.contains(fix), qPrintable(explanations.front().fix));
        // What is said of a cause that is not Skorvane's never blames a full drive or a product that is missing.
        QVERIFY(!explanations.front().cause.contains(QStringLiteral("\"\"")));
    }

    // Every check of the table has a writer, the texts kept beside the checks have none, a passing row is not
    // explained, and the explanations come in the table's order whatever the order of the results.
    void everyCheckIsExplainedInTheTablesOrder() {
        QMap<QString, CheckResult> results;
        for (const CheckRow& row : CheckRows::All()) {
            QCOMPARE(CheckExplanations::Explains(QLatin1String(row.member)), row.check);
            results[QLatin1String(row.member)] = CheckResult::Unknown;
        }
        results[QStringLiteral("labelIsRunning")] = CheckResult::Passed;
        QStringList explained;
        for (const CheckExplanation& explanation : CheckExplanations::Explain(Installed(), results)) {
            QVERIFY2(!explanation.cause.isEmpty() && !explanation.title.isEmpty(), qPrintable(explanation.row));
            explained << explanation.row;
        }
        QStringList expected = CheckRows::Checks();
        expected.removeAll(QStringLiteral("labelIsRunning"));
        QCOMPARE(explained, expected);
    }

    // A skipped row says why it was not checked and is never blamed; for the exit code it counts as passed, an
    // unknown or missing row does not.
    void skippedRowsSayWhyAndDoNotFail() {
        QMap<QString, CheckResult> results;
        for (const QString& row : CheckRows::Checks())
            results[row] = CheckResult::Passed;
        QCOMPARE(PassExitCode(results), 0);
        CheckFacts facts = Installed();
        facts.skipped[QStringLiteral("labelSimulatePluginIcon")] = QStringLiteral("not checked: --observe");
        results[QStringLiteral("labelSimulatePluginIcon")] = CheckResult::Skipped;
        QCOMPARE(PassExitCode(results), 0);
        const QVector<CheckExplanation> explanations = CheckExplanations::Explain(facts, results);
        QCOMPARE(explanations.size(), 1);
        QCOMPARE(explanations.front().cause, QStringLiteral("not checked: --observe"));
        QCOMPARE(CheckRows::ReportValue(CheckResult::Skipped), QStringLiteral("skipped"));
        CheckResult read = CheckResult::Passed;
        QVERIFY(CheckRows::FromReportValue(QStringLiteral("skipped"), &read) && read == CheckResult::Skipped);
        results[QStringLiteral("labelIsRunning")] = CheckResult::Unknown;
        QCOMPARE(PassExitCode(results), 1);
        results.remove(QStringLiteral("labelIsRunning"));
        QCOMPARE(PassExitCode(results), 1);
    }
};

QTEST_GUILESS_MAIN(TestCheckExplanations)
#include "tst_CheckExplanations.moc"
