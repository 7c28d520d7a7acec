// The window against the stand-in product of a sandbox installation (run by tests/e2e/sandbox_window.sh): the
// drag-and-drop row and "Activate", the launch and its log lines, and whole passes.
#include "app/MainWindow.h"

#include "StallMeter.h"

#include "library_Orv/Processes.h"
#include "library_Orv/WinUtils.h"
#include "pipe/PipeTransport.h"
#include "FormChild.h"

#include <QtWidgets>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

class TestProductExchange : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;
    QProcess product;
    QImage checkImage;
    QImage crossImage;

    QString Recorded(const char* key) {
        return QString::fromStdString(window->ReportDocument().Member(key).ValueText());
    }
    QImage IconOf(QLabel* label) { return label->pixmap(Qt::ReturnByValue).toImage(); }
    QString ProductPath() { return QString::fromStdWString(Orv::GetProductExePath()); }
    QString PipeFile() { return qEnvironmentVariable("SKV_PIPE_FOLDER") + QStringLiteral("/Skorvane"); }

    // Starts the sandbox's product with the failure modes given; true once its pipe is there.
    bool StartProduct(const QString& modes) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SKV_STANDIN_MODE"), modes);
        product.setProcessEnvironment(environment);
        QFile::remove(PipeFile());
        product.start(ProductPath(), QStringList());
        if (!product.waitForStarted(5000))
            return false;
        for (int attempt = 0; attempt < 250 && !QFile::exists(PipeFile()); ++attempt)
            QThread::msleep(20);
        return QFile::exists(PipeFile());
    }
    void StopProduct() {
        product.kill();
        product.waitForFinished(5000);
    }
    QList<qint64> RecordedIds() {
        QList<qint64> ids;
        QFile file(qEnvironmentVariable("SKV_STANDIN_PID_FILE"));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                if (line.trimmed().toLongLong() > 0)
                    ids.append(line.trimmed().toLongLong());
        return ids;
    }
    bool IsProduct(qint64 id) {
        const auto processes = Orv::GetProcessList();
        const auto found = processes.find(static_cast<uint32_t>(id));
        return found != processes.end() && found->second == L"Skorvane.exe";
    }
    // Ends every product process that ran in the sandbox, the one the window launched included: each recorded its
    // id in the sandbox's file (an id no longer naming a product is left alone).
    void EndAllProducts() {
        StopProduct();
        for (const qint64 id : RecordedIds())
            if (IsProduct(id))
                Orv::TerminateProcessById(static_cast<uint32_t>(id));
        for (int attempt = 0; attempt < 50 && Orv::OpenProcessByName(L"skorvane.exe").ProcessId() != 0; ++attempt)
            QThread::msleep(50);
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(ProductPath()), "run this test in a sandbox (tests/e2e/sandbox_window.sh)");
        window = std::make_unique<MainWindow>(MainWindow::FirstPass::Skip);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The icons as the window draws them.
        QLabel* row = Child<QLabel>(window, "labelDragAndDropActivated");
        window->SetCheckResult(row, true);
        checkImage = IconOf(row);
        window->SetCheckResult(row, false);
        crossImage = IconOf(row);
        QVERIFY(checkImage != crossImage);
    }

    void cleanupTestCase() {
        EndAllProducts();
        window.reset();
    }

    void withoutProductTheStateIsUnknown() {
        QLabel* row = Child<QLabel>(window, "labelDragAndDropActivated");
        QPushButton* activate = Child<QPushButton>(window, "pushButtonActivateDragAndDrop");
        activate->show();
        QElapsedTimer time;
        time.start();
        window->Pass().QueryDragAndDropState();
        QVERIFY(time.elapsed() < 1000); // no pipe, no waiting
        QCOMPARE(Recorded("labelDragAndDropActivated"), QStringLiteral("unknown"));
        QVERIFY(activate->isHidden());
        QVERIFY(IconOf(row) != checkImage && IconOf(row) != crossImage);
    }

    void activateSwitchesDragAndDropOn() {
        QVERIFY(StartProduct(QStringLiteral("dad0")));
        QLabel* row = Child<QLabel>(window, "labelDragAndDropActivated");
        QPushButton* activate = Child<QPushButton>(window, "pushButtonActivateDragAndDrop");
        window->Pass().QueryDragAndDropState();
        QCOMPARE(Recorded("labelDragAndDropActivated"), QStringLiteral("false"));
        QCOMPARE(IconOf(row), crossImage);
        QVERIFY(activate->isVisible());
        // The row says so, and names the button that repairs it.
        const auto explanation = [this]() {
            for (const CheckExplanation& e : window->Pass().Explanations())
                if (e.row == QLatin1String("labelDragAndDropActivated"))
                    return e;
            return CheckExplanation();
        };
        QCOMPARE(explanation().button, CheckExplanation::Button::Activate);
        QVERIFY2(
            explanation().cause.contains(QStringLiteral("pipe \"\\\\.\\pipe\\Skorvane\" that drag and drop is off")),
            qPrintable(explanation().cause));
        QTRY_VERIFY(row->toolTip().contains(QStringLiteral("Press &quot;Activate&quot;")));

        QElapsedTimer time;
        time.start();
        QTest::mouseClick(activate, Qt::LeftButton);
        // The set command, one second, then the query with its second.
        QVERIFY(time.elapsed() >= 2000);
        QCOMPARE(Recorded("labelDragAndDropActivated"), QStringLiteral("true"));
        QCOMPARE(IconOf(row), checkImage);
        QVERIFY(activate->isHidden());
        QVERIFY(explanation().row.isEmpty());
        QVERIFY(row->toolTip().isEmpty());
        StopProduct();
    }

    void passWithTheProductRunning() {
        QVERIFY(StartProduct(QString()));
        window->RunChecks(false);
        QCOMPARE(Child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText(), QStringLiteral("Is already running"));
        QCOMPARE(Recorded("plainTextEdit"), QStringLiteral("Is already running"));
        // An ELF executable carries no Authenticode signature: its two rows cannot pass on Linux.
        const QStringList impossibleHere = {QStringLiteral("labelCheckExeSignedIcon"),
                                            QStringLiteral("labelCheckExeSignedNameIcon")};
        for (Orv::JsonNode* member : window->ReportDocument().Children()) {
            const QString name = QString::fromStdString(member->Name());
            if (name == QLatin1String("Windows") || name == QLatin1String("plainTextEdit") ||
                impossibleHere.contains(name))
                continue;
            QVERIFY2(member->ValueText() == "true", qPrintable(name));
        }
        QVERIFY(Child<QPushButton>(window, "pushButtonActivateDragAndDrop")->isHidden());
        StopProduct();
    }

    // The output goes in as it comes: a line read in two pieces stays one line, and a line end adds no blank line.
    void launchedChildWritesToTheLog() {
        QTemporaryDir folder;
        const QString script = folder.filePath(QStringLiteral("child.sh"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf 'a line '\nsleep 0.3\nprintf 'from the child\\nsecond line\\n'\nexit 3\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Child<QPlainTextEdit>(window, "plainTextEdit")->clear();
        window->Pass().LaunchProduct(script, folder.path());
        QTRY_VERIFY_WITH_TIMEOUT(
            Child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText().contains(QLatin1String("NormalExit")), 5000);
        QCOMPARE(Child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText(),
                 QStringLiteral("a line from the child\nsecond line\nExit\nreturn: 3\nNormalExit"));
    }

    // The first pass of a window that finds no product running launches it; no later pass of that window does.
    void onlyTheFirstPassLaunches() {
        EndAllProducts();
        window->RunChecks(false);
        QCOMPARE(Recorded("labelIsRunning"), QStringLiteral("false"));
        QCOMPARE(Recorded("plainTextEdit"), QString()); // its output is read once the pass is over
        QTRY_VERIFY_WITH_TIMEOUT(
            Child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText().contains(QLatin1String("Skorvane started")),
            5000);
        QCOMPARE(Recorded("labelDragAndDropActivated"), QStringLiteral("true"));
        QCOMPARE(Recorded("labelSimulatePluginIcon"), QStringLiteral("true"));

        EndAllProducts();
        window->RunChecks(false);
        QCOMPARE(Recorded("labelIsRunning"), QStringLiteral("false"));
        QCOMPARE(Recorded("plainTextEdit"), QStringLiteral("Is already running"));
        QCOMPARE(Recorded("labelDragAndDropActivated"), QStringLiteral("unknown"));
        QCOMPARE(Recorded("labelSimulatePluginIcon"), QStringLiteral("false"));
    }

    // The pass runs beside the window: with a product that never answers on its pipe, the window keeps answering
    // (no stall over a second; the goal, measured by bench/bench-gui-stall.sh, is 50 ms), shows the step under way,
    // and closing it in the middle of the silent exchange hides it at once and does not wait for the exchange.
    void silentProductNeitherFreezesTheWindowNorHoldsItsClosing() {
        EndAllProducts();
        QVERIFY(StartProduct(QStringLiteral("never-answer")));
        MainWindow fresh(MainWindow::FirstPass::Skip);
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        // What the window shows once each step's news has reached it (the window's own handler comes first).
        QStringList stepsShown;
        connect(&fresh.Pass(), &CheckPass::stepStarted, &fresh,
                [&]() { stepsShown << Child<QLabel>(&fresh, "labelPassStep")->text(); });
        const StallMeter meter;
        qint64 stallBeforeClose = -1;
        qint64 closeTook = -1;
        bool hiddenAtOnce = false;
        QStringList leftBefore, leftAfter;
        connect(&fresh.Pass(), &CheckPass::stepStarted, &fresh, [&](int step, int, const QString&) {
            if (step != CheckPass::kSteps)
                return;
            QTimer::singleShot(1500, &fresh, [&]() { // inside the exchange the product never answers
                stallBeforeClose = meter.LongestStallMs();
                QElapsedTimer closing;
                closing.start();
                fresh.close();
                closeTook = closing.elapsed();
                hiddenAtOnce = !fresh.isVisible();
                // What the program does on its quick way out: the pass's copy folder and reply pipe go.
                const auto left = [](const QString& folder, const QString& pattern) {
                    return QDir(folder).entryList({pattern}, QDir::AllEntries | QDir::System | QDir::Hidden);
                };
                leftBefore = left(qEnvironmentVariable("TEMP"), QStringLiteral("SKV-*")) +
                             left(qEnvironmentVariable("SKV_PIPE_FOLDER"), QStringLiteral("pipe..*"));
                fresh.Pass().RemoveLeftovers();
                Orv::RemoveOwnPipeFiles();
                leftAfter = left(qEnvironmentVariable("TEMP"), QStringLiteral("SKV-*")) +
                            left(qEnvironmentVariable("SKV_PIPE_FOLDER"), QStringLiteral("pipe..*"));
            });
        });
        fresh.RunChecks(false);         // returns once the abandoned exchange has timed out on its own
        QCOMPARE(leftBefore.size(), 2); // the copy folder, the reply pipe of the exchange under way
        QVERIFY2(leftAfter.isEmpty(), qPrintable(leftAfter.join(' ')));
        QVERIFY(stallBeforeClose >= 0);
        QVERIFY2(stallBeforeClose < 1000, qPrintable(QString::number(stallBeforeClose)));
        QVERIFY2(stepsShown.contains(QStringLiteral("Signatures - 6 of 15")), qPrintable(stepsShown.join('|')));
        QVERIFY(hiddenAtOnce);
        QVERIFY(fresh.PassAbandoned());
        // At most a second for the pass to stop, then what "Quit" does (its one-second wait, the product running).
        QVERIFY2(closeTook < 2600, qPrintable(QString::number(closeTook)));
        QVERIFY(Child<QLabel>(&fresh, "labelPassStep")->text().isEmpty());
        StopProduct();
    }

    // Closed during the last step (the copy exchange, then a two-second wait), the pass stops within the second that
    // closing allows it: the wait ends at once, and the pass is not left behind.
    void closingDuringAWaitStopsThePass() {
        EndAllProducts();
        QVERIFY(StartProduct(QString()));
        MainWindow fresh(MainWindow::FirstPass::Skip);
        fresh.show();
        bool closed = false;
        connect(&fresh.Pass(), &CheckPass::stepStarted, &fresh, [&](int step, int, const QString&) {
            if (step == CheckPass::kSteps) {
                closed = true;
                fresh.close();
            }
        });
        fresh.RunChecks(false);
        QVERIFY(closed);
        QVERIFY(!fresh.isVisible());
        QVERIFY(!fresh.PassAbandoned());
        StopProduct();
    }

    // Closed while the product's "--copy" run hangs: the run is ended with the pass (not left holding anything), is
    // never taken for the running product, and the product is started on its own as the window goes.
    void closingDuringTheCopyTestEndsTheRunAndStartsTheProduct() {
        EndAllProducts();
        QVERIFY(!QFile::exists(PipeFile()) || QFile::remove(PipeFile()));
        qputenv("SKV_STANDIN_MODE", "hang-copy"); // what the pass starts inherits it
        MainWindow fresh(MainWindow::FirstPass::Skip);
        fresh.show();
        connect(&fresh.Pass(), &CheckPass::stepStarted, &fresh, [&fresh](int, int, const QString& name) {
            if (name == QLatin1String("Command line copy"))
                QTimer::singleShot(500, &fresh, [&fresh]() { fresh.close(); });
        });
        QElapsedTimer time;
        time.start();
        fresh.RunChecks(false);
        qunsetenv("SKV_STANDIN_MODE");
        QVERIFY(!fresh.PassAbandoned());
        QVERIFY2(time.elapsed() < 8000, qPrintable(QString::number(time.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(PipeFile()), 10000); // the product runs, started as the window went
        EndAllProducts();
    }

    // "Activate" waits a second after its command and after its query: closing the window stops those waits at
    // once, as it stops a pass's, rather than leaving the activation behind.
    void closingDuringActivateStopsIt() {
        EndAllProducts();
        QVERIFY(StartProduct(QStringLiteral("dad0")));
        MainWindow fresh(MainWindow::FirstPass::Skip);
        fresh.show();
        fresh.Pass().QueryDragAndDropState();
        QPushButton* activate = Child<QPushButton>(&fresh, "pushButtonActivateDragAndDrop");
        QVERIFY(activate->isVisible());
        QElapsedTimer time;
        time.start();
        QTimer::singleShot(300, &fresh, [&fresh]() { fresh.close(); });
        QTest::mouseClick(activate, Qt::LeftButton);
        QVERIFY(!fresh.isVisible());
        QVERIFY(!fresh.PassAbandoned());
        QVERIFY2(time.elapsed() < 1500, qPrintable(QString::number(time.elapsed())));
        StopProduct();
    }

    // Closing the window ends the instance its pass launched, then starts the product again on its own, so that it
    // runs on after the tool.
    void closingEndsTheLaunchedInstanceAndStartsOneDetached() {
        EndAllProducts();
        MainWindow fresh(MainWindow::FirstPass::Skip);
        fresh.show();
        fresh.RunChecks(false); // another window's pass launched before: this one launches too
        const qint64 launched = fresh.Pass().Product().ProcessId();
        QVERIFY(launched > 0);
        QVERIFY(IsProduct(launched));
        fresh.close();
        QVERIFY(!IsProduct(launched));
        QTRY_VERIFY_WITH_TIMEOUT(
            RecordedIds().size() >= 2 && RecordedIds().last() != launched && IsProduct(RecordedIds().last()), 5000);
        // Not a child of this process: it outlives the window's pass object.
        const qint64 detached = RecordedIds().last();
        QCOMPARE(fresh.Pass().Product().ProcessId(), 0);
        QVERIFY(IsProduct(detached));
    }
};

QTEST_MAIN(TestProductExchange)
#include "tst_ProductExchange.moc"
