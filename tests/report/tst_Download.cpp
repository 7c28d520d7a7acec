// The downloader and the download-and-install dialog against the stand-in web site over TLS on loopback (run by
// tests/e2e/download_site.sh in the site's modes), and the signed-installer gate over signed and broken PE files.
#include "report/InstallerGate.h"
#include "report/QtFileDownloader.h"
#include "report/SiteAddress.h"
#include "report/UIDialogDownloadAndInstallUpdate.h"
#include "report/UIWidgetDownloadItem.h"
#include "ui_UIDialogDownloadAndInstallUpdate.h"
#include "ui_UIWidgetDownloadItem.h"

#include "library_Orv/Files/File.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

using Orv::QtFileDownloader;
using Orv::QtFileDownloaderInfo;

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
        QVERIFY(downloader.LastPercentage() < 0); // an unknown total is passed on
    }

    void dialogProgressAndInstall() {
        Orv::UIDialogDownloadAndInstallUpdate dialog;
        QtFileDownloader downloader;
        QString launched;
        QStringList arguments;
        QStringList boxes;
        dialog.SetLauncher([&](const QString& program, const QStringList& args) {
            launched = program;
            arguments = args;
            return true;
        });
        dialog.SetBox([&](QWidget*, const QString&, const QString& text) { boxes << text; });
        dialog.job = &downloader.Infos();
        connect(&downloader.Infos(), &QtFileDownloaderInfo::sSetProgress, &dialog,
                [&dialog](float percentage, double curtime) {
                    QMetaObject::invokeMethod(&dialog, "on_progressbar", Q_ARG(float, percentage),
                                              Q_ARG(double, curtime));
                });
        dialog.Form()->pushButtonInstall->hide();
        dialog.show();
        emit downloader.Infos().sSetProgress(99.9f, 0.0);
        QCOMPARE(dialog.Form()->progressBar->value(), 99);
        QVERIFY(dialog.Form()->pushButtonInstall->isHidden());
        QVERIFY(dialog.grab().save(QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath("download-running.png")));
        const QString destination = Destination(QStringLiteral("dialog.exe"));
        // A file already at the destination is not this job's: Install refuses it, however it got there.
        QVERIFY(QFile::copy(Served(), destination));
        emit downloader.Infos().sSetProgress(100.0f, 0.0);
        QVERIFY(dialog.Form()->pushButtonInstall->isVisible());
        downloader.Infos().destination = destination.toStdString();
        QTest::mouseClick(dialog.Form()->pushButtonInstall, Qt::LeftButton);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.first().startsWith(QStringLiteral("Update file doesn't exist anymore")));
        QVERIFY(downloader.Infos().cancel);
        QVERIFY(launched.isEmpty());
        QVERIFY(dialog.isVisible());
        // Downloaded by this job: it runs, silently.
        QFile::remove(destination);
        downloader.Infos().cancel = false;
        QVERIFY(Download(downloader, Address(), destination));
        QVERIFY(dialog.grab().save(QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath("download-ready.png")));
        QTest::mouseClick(dialog.Form()->pushButtonInstall, Qt::LeftButton);
        QCOMPARE(launched, destination);
        QCOMPARE(arguments, QStringList{QStringLiteral("/S")});
        QVERIFY(dialog.isHidden());
        // Removed afterwards (an antivirus): the box, the cancel flag, nothing run.
        launched.clear();
        QFile::remove(destination);
        dialog.show();
        QTest::mouseClick(dialog.Form()->pushButtonInstall, Qt::LeftButton);
        QCOMPARE(boxes.size(), 2);
        QVERIFY(launched.isEmpty());
        QVERIFY(downloader.Infos().cancel);
    }

    void downloadItemRow() {
        UIWidgetDownloadItem item;
        item.show();
        item.SetProgress(42.7f, 0);
        QCOMPARE(item.Form()->progressBar->value(), 42);
        QVERIFY(item.Form()->progressBar->isVisible());
        item.SetProgress(100.0f, 0);
        QVERIFY(item.Form()->progressBar->isHidden());
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
        QCOMPARE(CheckInstaller(Served()).kind, InstallerVerdict::Skipped); // an ELF program
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
            QtFileDownloader downloader;
            dialog.job = &downloader.Infos();
            const QString name = signedInstaller ? QStringLiteral("Skorvane.exe") : QStringLiteral("Unsigned.exe");
            QVERIFY(
                Download(downloader, Orv::SiteUrl(QStringLiteral("/software-download/") + name), Destination(name)));
            dialog.show();
            QMetaObject::invokeMethod(&dialog, "on_progressbar", Q_ARG(float, 100.0f), Q_ARG(double, 0.0));
            QTest::mouseClick(dialog.Form()->pushButtonInstall, Qt::LeftButton);
            if (signedInstaller) {
                QVERIFY(boxes.isEmpty());
                QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
                QFile recorded(record);
                QVERIFY(recorded.open(QIODevice::ReadOnly));
                QCOMPARE(recorded.readAll().trimmed(), QByteArray("/S"));
            } else {
                QCOMPARE(boxes.size(), 1);
                QVERIFY(boxes.first().contains(QStringLiteral("not signed")));
                QVERIFY(!QFile::exists(record));
                QVERIFY(!QFile::exists(Destination(name))); // the refused file is deleted
                QMessageBox refusal(QMessageBox::Critical, QStringLiteral("Installer refused"), boxes.first());
                refusal.show();
                QVERIFY(refusal.grab().save(
                    QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath("download-refused.png")));
            }
        }
    }

    // Only over HTTPS: an address of the site that is plain http:// (or has no scheme) is refused before anything is
    // sent, by the downloader and by the check every sending button makes first.
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

    // --- the site answers with a redirect ---

    void redirectSavesNothing() {
        QtFileDownloader downloader;
        const QString destination = Destination(QStringLiteral("redirected.exe"));
        QFile::remove(destination);
        QVERIFY(!Download(downloader, Address(), destination));
        QVERIFY(!QFile::exists(destination));
    }

    // --- a certificate the tool does not trust ---

    void untrustedCertificateFails() {
        QtFileDownloader downloader;
        QSignalSpy finished(&downloader, &QtFileDownloader::sDownloadFinished);
        const QString destination = Destination(QStringLiteral("untrusted.exe"));
        QVERIFY(!Download(downloader, Address(), destination));
        QVERIFY(finished.count() >= 2); // the SSL handler, then the end again
        QVERIFY(!QFile::exists(destination));
    }

    // --- a slow site: cancelling stops the transfer ---

    void cancelBeforeAnyProgress() {
        Orv::UIDialogDownloadAndInstallUpdate dialog;
        auto downloader = std::make_unique<QtFileDownloader>();
        QSignalSpy finished(downloader.get(), &QtFileDownloader::sDownloadFinished);
        downloader->Infos().SetUrl(Address().toStdString());
        downloader->Infos().destination = Destination(QStringLiteral("cancelled.exe")).toStdString();
        dialog.job = &downloader->Infos();
        dialog.show();
        downloader->StartDownload();
        QTest::mouseClick(dialog.Form()->pushButtonCancel, Qt::LeftButton);
        QVERIFY(downloader->Infos().cancel);
        QVERIFY(dialog.isHidden());
        downloader.reset(); // as the window does once the dialog's run is over: the transfer stops
        QTest::qWait(4000); // past the site's delay
        QCOMPARE(finished.count(), 0);
        QVERIFY(!QFile::exists(Destination(QStringLiteral("cancelled.exe"))));
    }
};

QTEST_MAIN(TestDownload)
#include "tst_Download.moc"
