// The explanations as a function: facts in, cause and fix out. Each case is a failure whose cause used to be told
// wrongly (a file that could not be read told as unsigned or missing, a temporary folder told as a full drive).
#include "app/CheckExplanations.h"
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

        using FileState = Checks::Md5Comparison::FileState;
        CheckFacts facts = Installed();
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
        QTest::newRow("executable locked, signer") << facts << "labelCheckExeSignedNameIcon"
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
        QMap<QString, CheckExplanations::Result> results;
        results[row] = CheckExplanations::Result::Failed;
        const QVector<CheckExplanation> explanations = CheckExplanations::Explain(facts, results);
        QCOMPARE(explanations.size(), 1);
        QCOMPARE(explanations.front().row, row);
        QVERIFY2(explanations.front().cause.contains(cause), qPrintable(explanations.front().cause));
        QVERIFY2(explanations.front().fix.contains(fix), qPrintable(explanations.front().fix));
        // What is said of a cause that is not Skorvane's never blames a full drive or a product that is missing.
        QVERIFY(!explanations.front().cause.contains(QStringLiteral("\"\"")));
    }
};

QTEST_GUILESS_MAIN(TestCheckExplanations)
#include "tst_CheckExplanations.moc"
