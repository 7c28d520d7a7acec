// The outbox on disk: a report written and read back whole, the bounds dropping the oldest, and whatever else lies
// in the folder (cut short, garbage, a folder, a link, a pipe, a huge file) set aside without being read or sent.
#include "report/ReportOutbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#if !defined(Q_OS_WIN)
#include <sys/stat.h>
#endif

namespace {
// The defaults, not the configuration's: a test has no configuration files.
const ReportOutbox::Bounds kBounds;

WaitingReport Report(const QDateTime& created, qint64 size = 100) {
    WaitingReport report;
    report.id = NewReportId();
    report.created = created;
    report.endpoint = QStringLiteral("https://brindlecote.example/user-requests/diagnostics.php");
    report.contentType = "multipart/form-data; boundary=x";
    report.body = QByteArray(static_cast<int>(size), 'r');
    return report;
}
} // namespace

class TestReportOutbox : public QObject {
    Q_OBJECT

private slots:
    void keptReportsReadBackOldestFirst() {
        QTemporaryDir dir;
        ReportOutbox outbox(dir.filePath(QStringLiteral("Outbox")), kBounds);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        WaitingReport newer = Report(now);
        WaitingReport older = Report(now.addSecs(-60));
        older.body = QByteArray("--x\r\n\0binary\nbody\n\n", 20);
        QString error;
        QVERIFY(outbox.Keep(&newer, &error));
        QVERIFY(outbox.Keep(&older, &error));
        older.notBefore = now.addSecs(3600);
        outbox.Postpone(&older, older.notBefore);
        QStringList notes;
        const QList<WaitingReport> waiting = outbox.Waiting(&notes);
        QCOMPARE(notes, QStringList());
        QCOMPARE(waiting.size(), 2);
        QCOMPARE(waiting[0].id, older.id);
        QCOMPARE(waiting[0].body, older.body);
        QCOMPARE(waiting[0].notBefore, older.notBefore.addMSecs(-older.notBefore.time().msec()));
        QCOMPARE(waiting[1].contentType, newer.contentType);
        QCOMPARE(waiting[1].endpoint, newer.endpoint);
        QVERIFY(QDir(outbox.Folder()).entryList(QDir::Files).filter(QStringLiteral(".report")).size() == 2);
        outbox.Refuse(waiting[0]);
        outbox.Remove(waiting[1]);
        QCOMPARE(outbox.Count(), 0);
        QCOMPARE(QDir(outbox.Folder()).entryList({QStringLiteral("*.report")}, QDir::Files).size(), 0);
        QCOMPARE(QDir(outbox.Folder() + QStringLiteral("/Refused")).entryList(QDir::Files).size(), 1);
        QCOMPARE(ReportNumber(QStringLiteral("7f3a91c2-0000-4000-8000-000000000000")), QStringLiteral("7F3A-91C2"));
    }

    // Past 30 reports, 50 MiB or 30 days the oldest go, each with a line; what is within the bounds stays.
    void boundsDropTheOldest() {
        QTemporaryDir dir;
        ReportOutbox outbox(dir.path(), kBounds);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QString error;
        WaitingReport stale = Report(now.addDays(-31));
        QVERIFY(outbox.Keep(&stale, &error));
        for (int i = 0; i < 31; ++i) {
            WaitingReport report = Report(now.addSecs(-1000 + i));
            QVERIFY(outbox.Keep(&report, &error));
        }
        QStringList notes;
        QList<WaitingReport> waiting = outbox.Waiting(&notes);
        QCOMPARE(waiting.size(), 30);
        QCOMPARE(notes.size(), 2);
        QVERIFY2(notes[0].contains(QStringLiteral("older than 30 days")), qPrintable(notes[0]));
        QVERIFY2(notes[1].contains(QStringLiteral("more than 30 reports")), qPrintable(notes[1]));
        QCOMPARE(outbox.Count(), 30);

        QTemporaryDir big;
        ReportOutbox sized(big.path(), kBounds);
        for (int i = 0; i < 3; ++i) {
            WaitingReport report = Report(now.addSecs(i), 17 * 1024 * 1024); // 51 MiB in all
            QVERIFY(sized.Keep(&report, &error));
        }
        notes.clear();
        waiting = sized.Waiting(&notes);
        QCOMPARE(waiting.size(), 2);
        QVERIFY2(notes.value(0).contains(QStringLiteral("pass 50 MiB")), qPrintable(notes.join('|')));
        QCOMPARE(waiting[0].created, now.addSecs(1).addMSecs(-now.time().msec()));
    }

    // Nothing in the folder but the program's own reports is ever read as one, sent or allowed to stop the start.
    void strangeEntriesAreSetAside() {
        QTemporaryDir dir;
        QTemporaryDir outside;
        ReportOutbox outbox(dir.path(), kBounds);
        WaitingReport good = Report(QDateTime::currentDateTimeUtc());
        QString error;
        QVERIFY(outbox.Keep(&good, &error));
        const QByteArray whole = [&]() {
            QFile file(good.path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(QStringLiteral("cut.report"), whole.left(whole.size() - 10));
        write(QStringLiteral("longer.report"), whole + "x");
        write(QStringLiteral("garbage.report"), QByteArray(5000, '\xff'));
        write(QStringLiteral("half-written.report.Ab12Cd"), whole);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.report")));
        QFile huge(dir.filePath(QStringLiteral("huge.report")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(1024LL * 1024 * 1024)); // 1 GB, sparse
        huge.close();
        int strange = 6;
#if !defined(Q_OS_WIN)
        QFile secret(outside.filePath(QStringLiteral("secret")));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write(whole); // a whole report, but not in the outbox: a link to it is not followed
        secret.close();
        QVERIFY(QFile::link(secret.fileName(), dir.filePath(QStringLiteral("link.report"))));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.report"))).constData(), 0600), 0);
        strange += 2;
#endif
        QElapsedTimer time;
        time.start();
        QStringList notes;
        const QList<WaitingReport> waiting = outbox.Waiting(&notes);
        QVERIFY2(time.elapsed() < 5000, qPrintable(QString::number(time.elapsed()))); // the huge file is not read
        QCOMPARE(waiting.size(), 1);
        QCOMPARE(waiting[0].id, good.id);
        QCOMPARE(notes.size(), strange);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("Set aside")))
                     .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                     .size(),
                 strange);
#if !defined(Q_OS_WIN)
        QVERIFY(QFile::exists(outside.filePath(QStringLiteral("secret")))); // what a link pointed at is untouched
#endif
        notes.clear();
        QCOMPARE(outbox.Waiting(&notes).size(), 1);
        QCOMPARE(notes, QStringList()); // set aside once, told once
    }
};

QTEST_GUILESS_MAIN(TestReportOutbox)
#include "tst_ReportOutbox.moc"
