// The downloader and the download-and-install dialog against the stand-in web site over TLS on loopback (run by
// tests/e2e/download_site.sh in the site's modes), and the signed-installer gate over signed and broken PE files.
#include "download/InstallerGate.h"
#include "download/QtFileDownloader.h"
#include "network/HttpsExchange.h"
#include "network/ProxyAuthentication.h"
#include "network/HttpsTrust.h"
#include "network/SiteAddress.h"
#include "download/UIDialogDownloadAndInstallUpdate.h"
#include "download/UIWidgetDownloadItem.h"

#include "library_Orv/Error.h"
#include "library_Orv/Files/File.h"
#include "FormChild.h"

#include <QtWidgets>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QSignalSpy>
#include <QScopeGuard>
#include <QtTest>

#include <cstdio>

using Orv::QtFileDownloader;
using Orv::QtFileDownloaderInfo;

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
// The process's peak resident memory in bytes (Linux); 0 where it cannot be read.
qint64 PeakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}
} // namespace

class TestDownload : public QObject {
    Q_OBJECT

private:
    QString Served() { return qEnvironmentVariable("SKV_SITE_DOWNLOADS") + QStringLiteral("/Skorvane.exe"); }
    QString Destination(const QString& name) {
        return QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath(QStringLiteral("sub/folder/") + name);
    }
    // Runs one download to its last sDownloadFinished (the final one: a short quiet time after the first).
    bool Download(QtFileDownloader& downloader, const QString& url, const QString& destination,
                  QList<float>* progress = nullptr) {
        downloader.Infos().SetUrl(url.toStdString());
        downloader.Infos().destination = destination.toStdString();
        if (progress)
            connect(&downloader.Infos(), &QtFileDownloaderInfo::sSetProgress,
                    [progress](float percentage, double) { progress->append(percentage); });
        QSignalSpy finished(&downloader, &QtFileDownloader::sDownloadFinished);
        downloader.StartDownload();
        if (!finished.wait(15000))
            return false;
        while (finished.wait(300)) {
        }
        return downloader.Infos().success;
    }
    QString Address() { return Orv::SiteUrl(QStringLiteral("/software-download/Skorvane.exe")); }

private slots:
    void initTestCase() {
        // A box would wait for a click (this test has no product identity, so no configuration files to read the
        // download's bounds from: the defaults serve, and the missing file is reported): reports go to the log.
        Orv::Error::SetMessageBoxPresenter([](const std::string& text, const std::string&, unsigned) {
            std::fprintf(stderr, "box: %s\n", text.c_str());
        });
        QVERIFY2(!qEnvironmentVariableIsEmpty("SKV_SITE_URL"), "run by tests/e2e/download_site.sh");
        QVERIFY(Orv::TrustConfiguredRoots() >= 1);
    }

    // --- the site serves the installer ---

    void downloadReachesOneHundredAndSaves() {
        QtFileDownloader downloader;
        QList<float> progress;
        const QString destination = Destination(QStringLiteral("Skorvane.exe"));
        QVERIFY(Download(downloader, Address(), destination, &progress));
        QCOMPARE(progress.last(), 100.0f);
        QFile saved(destination);
        QFile served(Served());
        QVERIFY(saved.open(QIODevice::ReadOnly) && served.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), served.readAll());
        QVERIFY(!downloader.Infos().error);
    }

    void digestChecks() {
        QFile served(Served());
        QVERIFY(served.open(QIODevice::ReadOnly));
        const QByteArray md5 = QCryptographicHash::hash(served.readAll(), QCryptographicHash::Md5).toHex();
        const QList<QPair<QByteArray, bool>> cases = {
            {md5, true}, {md5.toUpper(), false}, {QByteArray(32, '0'), false}, {QByteArray(), true}};
        for (const auto& [digest, expected] : cases) {
            QtFileDownloader downloader;
            downloader.Infos().expectedMd5 = digest.toStdString();
            QCOMPARE(Download(downloader, Address(), Destination(QStringLiteral("digest.exe"))), expected);
            QVERIFY(QFile::exists(Destination(QStringLiteral("digest.exe")))); // a mismatching file stays
        }
    }

    void jsonEscapedSlashes() {
        Orv::FileDownloaderInfos infos;
        infos.SetUrl("https:\\/\\/host\\/a\\\\b");
        QCOMPARE(QString::fromStdString(infos.Url()), QStringLiteral("https://host/a\\\\b"));
        QtFileDownloader downloader;
        QString escaped = Address();
        escaped.replace(QLatin1Char('/'), QLatin1String("\\/"));
        QVERIFY(Download(downloader, escaped, Destination(QStringLiteral("escaped.exe"))));
    }

    void cancelFlagActsOnceAtTheNextProgress() {
        QtFileDownloader downloader;
        QSignalSpy cancel(&downloader, &QtFileDownloader::sCancelDownload);
        downloader.Infos().cancel = true;
        QCOMPARE(cancel.count(), 0); // not before a progress report
        downloader.downloadProgress(10, 100);
        downloader.downloadProgress(20, 100);
        QCOMPARE(cancel.count(), 1);
        QCOMPARE(downloader.LastPercentage(), 20.0f);
        downloader.Infos().cancel = false;
        downloader.downloadProgress(5, 0);
        QCOMPARE(downloader.LastPercentage(), 0.0f); // a total of 0
        downloader.downloadProgress(5, -1);
        QVERIFY(downloader.LastPercentage() < 0);                      // an unknown total: no percentage
        downloader.downloadProgress(qint64(3) << 30, qint64(4) << 30); // no overflow on the way
        QCOMPARE(downloader.LastPercentage(), 75.0f);
    }

    // The dialog over a real download: the bar, then Install, which checks the file and starts it with "/S"; a
    // launch that fails is told in a box and the dialog stays for another try.
    void dialogProgressAndInstall() {
        Orv::UIDialogDownloadAndInstallUpdate dialog;
        QStringList launched;
        QStringList boxes;
        Orv::ShellLaunchResult outcome;
        dialog.SetLauncher([&](const QString& program, const QStringList& args) {
            launched << program << args;
            return outcome;
        });
        dialog.SetBox([&](QWidget*, const QString&, const QString& text) { boxes << text; });
        dialog.show();
        const QString destination = Destination(QStringLiteral("dialog.exe"));
        dialog.StartDownload(Address(), destination);
        QVERIFY(Child<QPushButton>(&dialog, "pushButtonInstall")->isHidden());
        QCOMPARE(Child<QLabel>(&dialog, "label")->text(), QStringLiteral("Downloading..."));
        QVERIFY(dialog.grab().save(QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath("download-running.png")));
        QTRY_VERIFY_WITH_TIMEOUT(Child<QPushButton>(&dialog, "pushButtonInstall")->isVisible(), 15000);
        QCOMPARE(Child<QProgressBar>(&dialog, "progressBar")->value(), 100);
        QVERIFY(Child<QPushButton>(&dialog, "pushButtonRetry")->isHidden());
        QVERIFY(dialog.grab().save(QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath("download-ready.png")));
        // The installer did not start (the user said no to the elevation prompt): a box, the dialog stays.
        outcome.outcome = Orv::ShellLaunchOutcome::Refused;
        outcome.code = 1223;
        QTest::mouseClick(Child<QPushButton>(&dialog, "pushButtonInstall"), Qt::LeftButton);
        QCOMPARE(launched, (QStringList{destination, QStringLiteral("/S")}));
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.first().contains(QStringLiteral("permission")));
        QVERIFY(dialog.isVisible() && !dialog.InstallerStarted());
        // Started: the dialog goes.
        outcome.outcome = Orv::ShellLaunchOutcome::Started;
        QTest::mouseClick(Child<QPushButton>(&dialog, "pushButtonInstall"), Qt::LeftButton);
        QVERIFY(dialog.isHidden() && dialog.InstallerStarted());
        QCOMPARE(boxes.size(), 1);
        // Removed afterwards (an antivirus): the box, the cancel flag, nothing run.
        launched.clear();
        QFile::remove(destination);
        dialog.show();
        QTest::mouseClick(Child<QPushButton>(&dialog, "pushButtonInstall"), Qt::LeftButton);
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes.last().startsWith(QStringLiteral("Update file doesn't exist anymore")));
        QVERIFY(launched.isEmpty());
        QVERIFY(dialog.job->cancel);
    }

    // The real launch, without the gate: what cannot start is told in plain words, and nothing is said for what
    // starts.
    void launchFailuresAreExplained() {
        const QString missing = Destination(QStringLiteral("missing.exe"));
        const Orv::ShellLaunchResult notFound = Orv::LaunchThroughShell(missing.toStdWString(), {L"/S"});
        QCOMPARE(int(notFound.outcome), int(Orv::ShellLaunchOutcome::NotFound));
        QVERIFY(Orv::UIDialogDownloadAndInstallUpdate::LaunchFailureText(notFound, missing)
                    .contains(QDir::toNativeSeparators(missing)));
        const QString text = Destination(QStringLiteral("text.exe"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
        file.close();
        QFile::setPermissions(text, QFile::permissions(text) | QFileDevice::ExeOwner);
        const Orv::ShellLaunchResult notAProgram =
            Orv::LaunchThroughShell(QDir::toNativeSeparators(text).toStdWString(), {L"/S"});
        QVERIFY(!notAProgram.Started());
        QVERIFY(!Orv::UIDialogDownloadAndInstallUpdate::LaunchFailureText(notAProgram, text).isEmpty());
        QVERIFY(Orv::UIDialogDownloadAndInstallUpdate::LaunchFailureText({Orv::ShellLaunchOutcome::Started, 0}, text)
                    .isEmpty());
    }

    // --- the site fails (one mode per run; SKV_EXPECT names what the dialog must say) ---

    // The dialog tells why, offers Retry and never Install, and no file is left; Retry tries again.
    void failedDownloadIsToldAndLeavesNothing() {
        Orv::UIDialogDownloadAndInstallUpdate dialog;
        dialog.SetLimits(4 * 1024 * 1024, 2000); // the endless body and the silent site end sooner
        dialog.show();
        const QString destination = Destination(QStringLiteral("failed.exe"));
        QElapsedTimer clock;
        clock.start();
        const qint64 memoryBefore = PeakMemory();
        dialog.StartDownload(Address(), destination);
        QTRY_VERIFY_WITH_TIMEOUT(Child<QPushButton>(&dialog, "pushButtonRetry")->isVisible(), 15000);
        QVERIFY2(clock.elapsed() < 12000, "a failure is told without waiting for the site's own time-outs");
        // Nothing the site sends before or instead of a file is kept without a bound (a flood of header lines).
        if (!kSanitized && memoryBefore > 0)
            QVERIFY2(PeakMemory() - memoryBefore < 64 * 1024 * 1024, qPrintable(QString::number(PeakMemory())));
        const QString said = Child<QLabel>(&dialog, "label")->text();
        QVERIFY2(said.contains(qEnvironmentVariable("SKV_EXPECT")), qPrintable(said));
        QVERIFY(Child<QPushButton>(&dialog, "pushButtonInstall")->isHidden());
        QVERIFY(!dialog.job->success);
        QVERIFY(!QFile::exists(destination));
        QVERIFY(dialog.grab().save(QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath("download-failed.png")));
        QTest::mouseClick(Child<QPushButton>(&dialog, "pushButtonRetry"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(&dialog, "label")->text(), QStringLiteral("Downloading..."));
        QVERIFY(Child<QPushButton>(&dialog, "pushButtonRetry")->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(Child<QPushButton>(&dialog, "pushButtonRetry")->isVisible(), 15000);
        QVERIFY(Child<QPushButton>(&dialog, "pushButtonInstall")->isHidden());
        QVERIFY(!QFile::exists(destination));
    }

    // An endless body goes to the file as it comes: memory stays flat, and cancelling removes the partial file.
    // Cancelled by its button or by Esc, the transfer stops there and then (not only the dialog hides).
    void endlessBodyStreamsAndCancelRemovesIt_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Esc") << true;
    }

    void endlessBodyStreamsAndCancelRemovesIt() {
        QFETCH(bool, escape);
        const QString destination = Destination(QStringLiteral("endless.exe"));
        {
            Orv::UIDialogDownloadAndInstallUpdate dialog;
            dialog.SetLimits(qint64(1) << 40, 60000);
            dialog.show();
            const qint64 before = PeakMemory();
            dialog.StartDownload(Address(), destination);
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(destination).size() > 64 * 1024 * 1024, 30000);
            QCOMPARE(Child<QProgressBar>(&dialog, "progressBar")->maximum(),
                     0); // no size announced: the bar moves without one
            qInfo("peak memory grew by %lld KiB over a 64 MiB download", (PeakMemory() - before) / 1024);
            // AddressSanitizer keeps freed memory in quarantine: the peak says nothing there.
            if (before > 0 && !kSanitized)
                QVERIFY2(PeakMemory() - before < 16 * 1024 * 1024, "the body is not held in memory");
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(Child<QPushButton>(&dialog, "pushButtonCancel"), Qt::LeftButton);
            QVERIFY(dialog.isHidden());
            QTest::qWait(200); // the cancel acts at the next piece that arrives
            const qint64 atCancel = QFileInfo(destination).size();
            QTest::qWait(500);
            QVERIFY(!QFileInfo::exists(destination) || QFileInfo(destination).size() == atCancel);
        }
        QVERIFY(!QFile::exists(destination));
    }

    void downloadItemRow() {
        UIWidgetDownloadItem item;
        item.show();
        item.SetProgress(42.7f, 0);
        QCOMPARE(Child<QProgressBar>(&item, "progressBar")->value(), 42);
        QVERIFY(Child<QProgressBar>(&item, "progressBar")->isVisible());
        item.SetProgress(100.0f, 0);
        QVERIFY(Child<QProgressBar>(&item, "progressBar")->isHidden());
    }

    // The gate over the signing script's files: signed by QUELLANOR, unsigned, changed after signing, other signer.
    void gateRunsOnlyTheMakersSignedInstaller() {
        const QString signing =
            QFileInfo(qEnvironmentVariable("SKV_TRUSTED_ROOTS")).dir().filePath(QStringLiteral(".."));
        const auto verdict = [&](const char* file) { return CheckInstaller(QDir(signing).filePath(file)); };
        QCOMPARE(int(verdict("signed.dll").kind), int(InstallerVerdict::Signed));
        QCOMPARE(int(verdict("unsigned.dll").kind), int(InstallerVerdict::NotSigned));
        QCOMPARE(int(verdict("tampered.dll").kind), int(InstallerVerdict::SignatureBroken));
        const InstallerVerdict other = verdict("other.dll");
        QCOMPARE(int(other.kind), int(InstallerVerdict::OtherSigner));
        QVERIFY(other.Explanation().contains(QStringLiteral("\"OTHERSIGNER\"")));
        QVERIFY(!other.MayRun() && verdict("signed.dll").MayRun());
#ifndef Q_OS_WIN
        // An ELF program runs only in the stand-in world that asks for it; anywhere else it is refused as unsigned.
        QCOMPARE(CheckInstaller(Served()).kind, InstallerVerdict::Skipped);
        const QByteArray standin = qgetenv("SKV_STANDIN_INSTALLER");
        qunsetenv("SKV_STANDIN_INSTALLER");
        const auto restore = qScopeGuard([&]() { qputenv("SKV_STANDIN_INSTALLER", standin); });
        QCOMPARE(CheckInstaller(Served()).kind, InstallerVerdict::NotSigned);
#endif
    }

    // The whole way on Windows: the maker's signed installer is downloaded and started with "/S"; an unsigned one is
    // refused with a box that says why.
    void installsOnlyTheMakersInstaller() {
#ifndef Q_OS_WIN
        QSKIP("the signed installer is a Windows program (see download_site_wine.sh)");
#endif
        const QString record = qEnvironmentVariable("SKV_INSTALLER_RECORD");
        QFile::remove(record);
        for (const bool signedInstaller : {false, true}) {
            Orv::UIDialogDownloadAndInstallUpdate dialog;
            QStringList boxes;
            dialog.SetBox([&](QWidget*, const QString&, const QString& text) { boxes << text; });
            const QString name = signedInstaller ? QStringLiteral("Skorvane.exe") : QStringLiteral("Unsigned.exe");
            dialog.show();
            dialog.StartDownload(Orv::SiteUrl(QStringLiteral("/software-download/") + name), Destination(name));
            QTRY_VERIFY_WITH_TIMEOUT(Child<QPushButton>(&dialog, "pushButtonInstall")->isVisible(), 15000);
            QTest::mouseClick(Child<QPushButton>(&dialog, "pushButtonInstall"), Qt::LeftButton);
            if (signedInstaller) {
                // Started through the shell: its command line is its quoted path, then "/S".
                QVERIFY(boxes.isEmpty());
                QVERIFY(dialog.InstallerStarted());
                QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
                QFile recorded(record);
                QVERIFY(recorded.open(QIODevice::ReadOnly));
                const QList<QByteArray> lines = recorded.readAll().trimmed().split('\n');
                QVERIFY(lines.first().trimmed().endsWith(" /S"));
                // Its manifest requires administrator rights: started, it runs elevated.
                QCOMPARE(lines.value(1).trimmed(), QByteArray("elevated"));
            } else {
                QCOMPARE(boxes.size(), 1);
                QVERIFY(boxes.first().contains(QStringLiteral("not signed")));
                QVERIFY(!QFile::exists(record));
                QVERIFY(!QFile::exists(Destination(name))); // the refused file is deleted
                // What is gone is not offered for installing: Retry and Cancel, with the reason in the dialog.
                QVERIFY(Child<QPushButton>(&dialog, "pushButtonInstall")->isHidden());
                QVERIFY(Child<QPushButton>(&dialog, "pushButtonRetry")->isVisible());
                QVERIFY(Child<QLabel>(&dialog, "label")->text().contains(QStringLiteral("not signed")));
                QMessageBox refusal(QMessageBox::Critical, QStringLiteral("Installer refused"), boxes.first());
                refusal.show();
                QVERIFY(refusal.grab().save(
                    QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath("download-refused.png")));
            }
        }
    }

    // Only over HTTPS: an address of the site that is plain http:// (or has no scheme) is refused before anything is
    // sent, by the downloader and by the check every sending button makes first.
    // A proxy that wants a user name and password (run through the stand-in proxy in auth-basic mode): declined,
    // the transfer fails with that reason; wrong ones fail it without asking again; right ones are asked once per run
    // and kept in memory for the next transfer.
    void proxyCredentialsAreAskedOnce() {
        int asked = 0;
        QString password;
        Orv::HttpsExchange::SetProxyCredentialsAsker([&](const QString& proxy, QString* user, QString* secret) {
            ++asked;
            [&]() { QVERIFY(proxy.startsWith(QStringLiteral("127.0.0.1:"))); }();
            *user = QStringLiteral("skv");
            *secret = password;
            return !password.isEmpty();
        });
        const auto guard = qScopeGuard([]() { Orv::HttpsExchange::SetProxyCredentialsAsker(nullptr); });
        const QString destination = Destination(QStringLiteral("through-proxy.exe"));
        for (const QString& given : {QString(), QStringLiteral("wrong")}) {
            password = given;
            QtFileDownloader downloader;
            asked = 0;
            QVERIFY(!Download(downloader, Address(), destination));
            QVERIFY2(downloader.Infos().failure.contains(QStringLiteral("asked for a user name and password")),
                     qPrintable(downloader.Infos().failure));
            QCOMPARE(asked, 1);
        }
        password = QStringLiteral("proxy-secret");
        asked = 0;
        for (int run = 0; run < 2; ++run) {
            QtFileDownloader downloader;
            QVERIFY2(Download(downloader, Address(), destination), qPrintable(downloader.Infos().failure));
        }
        QCOMPARE(asked, 1);
    }

    // The user takes longer over the proxy's password than the stall time: the transfer has ended meanwhile (its
    // connection gone), and the answer given afterwards touches nothing of it.
    void slowPasswordAfterTheStallEndsCleanly() {
        Orv::ProxyAuthentication::ForgetCredentials(); // asked anew, whatever ran before
        Orv::HttpsExchange::SetProxyCredentialsAsker([](const QString&, QString* user, QString* secret) {
            QTest::qWait(1500); // the dialog's own event loop, past the 1 s stall time
            *user = QStringLiteral("skv");
            *secret = QStringLiteral("proxy-secret");
            return true;
        });
        const auto guard = qScopeGuard([]() { Orv::HttpsExchange::SetProxyCredentialsAsker(nullptr); });
        QtFileDownloader downloader;
        downloader.Infos().stallMs = 1000;
        QVERIFY(!Download(downloader, Address(), Destination(QStringLiteral("slow-password.exe"))));
        QVERIFY2(downloader.Infos().failure.contains(QStringLiteral("did not answer for 1 s")),
                 qPrintable(downloader.Infos().failure));
        QTest::qWait(500); // whatever the late answer would have done, it would have done by now
    }

    void plainHttpIsRefused() {
        QtFileDownloader downloader;
        QSignalSpy finished(&downloader, &QtFileDownloader::sDownloadFinished);
        const QString destination = Destination(QStringLiteral("plain.exe"));
        downloader.Infos().SetUrl(QString(Address()).replace(0, 5, QStringLiteral("http")).toStdString());
        downloader.Infos().destination = destination.toStdString();
        downloader.StartDownload();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!downloader.Infos().success);
        QVERIFY(!QFile::exists(destination));
        QVERIFY(Orv::SiteAddressProblem(QStringLiteral("https://brindlecote.example")).isEmpty());
        QVERIFY(Orv::SiteAddressProblem(QStringLiteral("HTTPS://Brindlecote.example:8443/")).isEmpty());
        for (const char* refused : {"http://brindlecote.example", "brindlecote.example", "ftp://brindlecote.example",
                                    "https://", "https:brindlecote.example", ""})
            QVERIFY2(!Orv::SiteAddressProblem(QString::fromLatin1(refused)).isEmpty(), refused);
    }
};

QTEST_MAIN(TestDownload)
#include "tst_Download.moc"
