#include "TempFolder.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Qt/QtWinUtils.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace Orv;

// RunProcessAndWait against the test child program.
class TestQtWinUtils : public QObject {
    Q_OBJECT

private:
    const std::wstring child = Utf8ToWString(SKV_TEST_CHILD);

private slots:
    void exitCodesAndStartFailures() {
        QCOMPARE(RunProcessAndWait(child, {L"--exit", L"3"}), 3);
        QCOMPARE(RunProcessAndWait(child, {}), 0);
        QCOMPARE(RunProcessAndWait(L"/no/such/program", {}), -2);
    }

    void quotesAroundAnArgumentAreRemoved() {
        TempFolder temp;
        const std::wstring out = temp / L"args.txt";
        QCOMPARE(RunProcessAndWait(child, {L"--args", out, L"\"\"", L"\"", L"\"a b\"", L"x\"y"}), 0);
        const std::vector<uint8_t> bytes = ReadFileBytes(out);
        QCOMPARE(QString::fromStdString(std::string(bytes.begin(), bytes.end())),
                 QStringLiteral("[]\n[\"]\n[a b]\n[x\"y]\n"));
    }

    void aProgramThatNeverEndsIsEnded() {
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(RunProcessAndWait(child, {L"--sleep", L"60000"}, 500), kRunProcessTimedOut);
        QVERIFY(elapsed.elapsed() < 5000);
    }

    // A caller asked to stop ends the run at once, and is told the running program's id while it runs (and 0 once it
    // is over): the program is never left behind, and never taken for another run of the same executable.
    void aRunIsEndedWhenItsCallerStops() {
        QElapsedTimer elapsed;
        elapsed.start();
        std::vector<uint32_t> told;
        RunProcessWatch watch;
        watch.started = [&told](uint32_t id) { told.push_back(id); };
        watch.stop = [&elapsed]() { return elapsed.elapsed() > 300; };
        QCOMPARE(RunProcessAndWait(child, {L"--sleep", L"60000"}, 30000, watch), kRunProcessStopped);
        QVERIFY(elapsed.elapsed() < 3000);
        QCOMPARE(told.size(), size_t(2));
        QVERIFY(told.front() != 0);
        QCOMPARE(told.back(), 0u);
    }

    void versionStringOfAFileWithoutOne() {
        TempFolder temp;
        WriteTextFile(temp / L"x.txt", "text");
        QCOMPARE(GetFileVersionString(QString::fromStdWString(temp / L"x.txt")), QStringLiteral("Dev"));
        QVERIFY(!GetOSCaption().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestQtWinUtils)
#include "tst_QtWinUtils.moc"
