// One window per session, in one process: the holder of the lock is found even when it listens a moment late, and
// a start while the holder closes runs itself instead of asking a window on its way out.
#include "app/SingleInstance.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    QTemporaryDir session_;
    int round_ = 0;
    QString Name() { return QStringLiteral("SkvSingle%1-%2").arg(QCoreApplication::applicationPid()).arg(++round_); }

    // A start asks while this thread's event loop turns, as the holder's own would: whether it found the holder.
    static bool AskedFromAnotherThread(SingleInstance& start) {
        std::atomic<bool> found{false}, done{false};
        std::thread asker([&]() {
            found = start.AskRunningToShow();
            done = true;
        });
        QElapsedTimer waited;
        waited.start();
        while (!done && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        asker.join();
        return found;
    }

private slots:
    void initTestCase() {
        QVERIFY(session_.isValid());
        qputenv("SKV_PIPE_FOLDER", session_.path().toUtf8());
    }

    void theFirstStartRunsAlone() {
        SingleInstance first(Name());
        QVERIFY(!first.AskRunningToShow());
    }

    // The holder took the lock but listens only 200 ms later: the second start keeps asking and finds it.
    void aHolderThatListensLateIsFound() {
        const QString name = Name();
        SingleInstance first(name);
        QVERIFY(!first.AskRunningToShow());
        QTimer::singleShot(200, this, [&first]() { first.Listen([]() {}); });
        SingleInstance second(name);
        QVERIFY(AskedFromAnotherThread(second));
    }

    // The holder closes: it stops listening and lets go of the lock, and a start from then on runs.
    void aStartWhileTheHolderClosesRuns() {
        const QString name = Name();
        SingleInstance first(name);
        QVERIFY(!first.AskRunningToShow());
        first.Listen([]() {});
        first.StopListening();
        QElapsedTimer time;
        time.start();
        SingleInstance second(name);
        QVERIFY(!second.AskRunningToShow());
        QVERIFY(time.elapsed() < 3000);
        // And it is the one a third start finds.
        second.Listen([]() {});
        SingleInstance third(name);
        QVERIFY(AskedFromAnotherThread(third));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
