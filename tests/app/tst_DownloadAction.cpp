// "Download and install Skorvane" from the window, against the stand-in web site and its installer (run by
// tests/e2e/download_window.sh in a sandbox laid out with --no-install --site, or healthy with --site).
#include "app/MainWindow.h"
#include "app/ProductInformations.h"
#include "report/ReportForm.h"
#include "report/ReportOutbox.h"

#include "download/UIDialogDownloadAndInstallUpdate.h"
#include "network/HttpsTrust.h"
#include "network/SiteAddress.h"
#include "ui/UIDialogQuestion.h"

#include "app/checks/InstallationChecks.h"
#include "library_Orv/Processes.h"
#include "library_Orv/WinUtils.h"
#include "FormChild.h"

#include <QtWidgets>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
template <typename T> T* VisibleDialog() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<T*>(top); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

QPushButton* ButtonOfType(UIDialogQuestion* question, int type) {
    for (QPushButton* button : question->findChildren<QPushButton*>())
        if (button->property("buttonType").toInt() == type)
            return button;
    return nullptr;
}

bool ProductRuns() {
    uint32_t id = 0;
    return Checks::FindProductProcess(Orv::GetProcessList(), Orv::GetProductExePath(), id);
}

QString Out(const QString& name) {
    return QDir(qEnvironmentVariable("SKV_DOWNLOAD_OUT")).filePath(name);
}
} // namespace

class TestDownloadAction : public QObject {
    Q_OBJECT

private:
    QTimer driver_;
    QString asked_;
    int answer_ = UIDialogQuestion::Yes;
    bool install_ = true;
    bool productRanAtDownload_ = false;
    bool downloadWasModal_ = false;
    QString failureShown_;
    uint32_t productId_ = 0;

    // Answers the question, then clicks Install once the download is complete (or Cancel), as a user would.
    void Drive() {
        if (auto* question = VisibleDialog<UIDialogQuestion>()) {
            asked_ = question->windowTitle();
            question->grab().save(Out(QStringLiteral("download-question.png")));
            QTest::mouseClick(ButtonOfType(question, answer_), Qt::LeftButton);
            return;
        }
        auto* download = VisibleDialog<Orv::UIDialogDownloadAndInstallUpdate>();
        if (!download)
            return;
        // While the dialog is up, the window's buttons are out of reach.
        downloadWasModal_ = QApplication::activeModalWidget() == download;
        if (productId_ != 0) {
            const auto processes = Orv::GetProcessList();
            productRanAtDownload_ = processes.count(productId_) != 0;
        }
        if (Child<QPushButton>(download, "pushButtonRetry")->isVisible()) {
            failureShown_ = Child<QLabel>(download, "label")->text();
            download->grab().save(Out(QStringLiteral("download-window-failed.png")));
            QTest::mouseClick(Child<QPushButton>(download, "pushButtonCancel"), Qt::LeftButton);
        } else if (!install_) {
            QTest::mouseClick(Child<QPushButton>(download, "pushButtonCancel"), Qt::LeftButton);
        } else if (Child<QPushButton>(download, "pushButtonInstall")->isVisible()) {
            download->grab().save(Out(QStringLiteral("download-install.png")));
            QTest::mouseClick(Child<QPushButton>(download, "pushButtonInstall"), Qt::LeftButton);
        }
    }

    QString Recorded(MainWindow& window, const char* key) {
        return QString::fromStdString(window.ReportDocument().Member(key).ValueText());
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("SKV_SITE_URL"), "run by tests/e2e/download_window.sh");
        Orv::TrustConfiguredRoots();
        connect(&driver_, &QTimer::timeout, this, &TestDownloadAction::Drive);
        driver_.start(50);
    }

    void addressAndDestination() {
        QCOMPARE(DownloadAction::Address(),
                 qEnvironmentVariable("SKV_SITE_URL") +
                     QStringLiteral("/software-download/?software-arch=x64&os-name=windows&os-version=7"
                                    "&software-name=Skorvane&sub-domain-id=5"));
        QVERIFY(DownloadAction::Destination().startsWith(qEnvironmentVariable("TEMP")));
        QVERIFY(DownloadAction::Destination().endsWith(QStringLiteral("/SkorvaneDiagnostics/Skorvane.exe")));
    }

    // A --no-install sandbox: the installer is downloaded, checked, run with "/S"; "Fix and check again" then finds
    // the product installed.
    void downloadInstallThenCheckAgain() {
        if (qEnvironmentVariable("SKV_CASE") != QLatin1String("repair"))
            QSKIP("the repair case");
        MainWindow window(MainWindow::FirstPass::Skip);
        window.show();
        window.RunChecks(false);
        QCOMPARE(Recorded(window, "labelInstallIntegrityExeIcon"), QStringLiteral("false"));
        QCOMPARE(Recorded(window, "labelCheckInstallExplorerPluginIcon"), QStringLiteral("false"));
        // The rows whose fix is this button, as the window tells them.
        QStringList repairedByInstalling;
        for (const CheckExplanation& explanation : window.Pass().Explanations())
            if (explanation.button == CheckExplanation::Button::DownloadAndInstall)
                repairedByInstalling << explanation.row;
        QVERIFY(repairedByInstalling.contains(QStringLiteral("labelInstallIntegrityExeIcon")));
        QVERIFY(Child<QLabel>(&window, "labelInstallIntegrityExeIcon")
                    ->toolTip()
                    .contains(QStringLiteral("Press &quot;Download and install Skorvane&quot;")));
        // A file left at the destination by someone else is gone before the download.
        QFile stale(DownloadAction::Destination());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("#!/bin/sh\ntouch \"$SKV_DOWNLOAD_OUT/stale-ran\"\n");
        stale.close();
        answer_ = UIDialogQuestion::Yes;
        install_ = true;
        QTest::mouseClick(Child<QPushButton>(&window, "pushButtonDownloadAndInstall"), Qt::LeftButton);
        QCOMPARE(asked_, QStringLiteral("SkorvaneDiagnostics"));
        QVERIFY(downloadWasModal_);
        QVERIFY(!window.Download().Dialog()); // forgotten once its run is over
        const QString arguments = qEnvironmentVariable("SKV_INSTALLER_PAYLOAD") + QStringLiteral("/installer-args.txt");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(arguments), 10000);
        QFile record(arguments);
        QVERIFY(record.open(QIODevice::ReadOnly));
        QVERIFY(record.readAll().endsWith(" /S\n")); // its own path, then "/S"
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdWString(Orv::GetProductExePath())), 10000);
        QVERIFY(!QFile::exists(Out(QStringLiteral("stale-ran"))));
        QTest::qWait(500); // the installer's last copies
        QTest::mouseClick(Child<QPushButton>(&window, "pushButtonFixAndCheck"), Qt::LeftButton);
        for (const char* row :
             {"labelInstallIntegrityExeIcon", "labelCheckPluginSignedIcon", "labelCheckPluginSignedNameIcon",
              "labelCheckInstallExplorerPluginIcon", "labelShortcutInstalledGlobal",
              "labelPointToInstalledDirCurrentAllUsers", "labelShortcutInstalledCurrentUser",
              "labelPointToInstalledDirCurrentUser", "labelShortcutAllowedToRunIcon"})
            QVERIFY2(Recorded(window, row) == QLatin1String("true"), row);
        // Installing repaired every row that said it would, but for what a sandbox cannot give: the stand-in
        // executable is an ELF program, which carries no signature, and the running row is checked before this pass
        // launches the product.
        for (const QString& row : repairedByInstalling)
            if (row != QLatin1String("labelCheckExeSignedIcon") &&
                row != QLatin1String("labelCheckExeSignedNameIcon") && row != QLatin1String("labelIsRunning"))
                QVERIFY2(Recorded(window, row.toUtf8().constData()) == QLatin1String("true"), qPrintable(row));
        window.close();
    }

    // A healthy sandbox with the product running: No ends nothing; Yes ends the product before the download.
    void productEndsOnlyAfterYes() {
        if (qEnvironmentVariable("SKV_CASE") != QLatin1String("running"))
            QSKIP("the running case");
        QProcess product;
        product.start(QString::fromStdWString(Orv::GetProductExePath()), QStringList());
        QVERIFY(product.waitForStarted(5000));
        productId_ = static_cast<uint32_t>(product.processId());
        MainWindow window(MainWindow::FirstPass::Skip);
        answer_ = UIDialogQuestion::No;
        QTest::mouseClick(Child<QPushButton>(&window, "pushButtonDownloadAndInstall"), Qt::LeftButton);
        QVERIFY(product.state() == QProcess::Running);
        QVERIFY(!window.Download().Dialog());
        answer_ = UIDialogQuestion::Yes;
        install_ = false; // cancelled: nothing is installed
        QTest::mouseClick(Child<QPushButton>(&window, "pushButtonDownloadAndInstall"), Qt::LeftButton);
        QVERIFY(!productRanAtDownload_);
        QTRY_COMPARE_WITH_TIMEOUT(product.state(), QProcess::NotRunning, 5000);
        productId_ = 0;
        // Nothing was installed: the product it ended runs again.
        QTRY_VERIFY_WITH_TIMEOUT(ProductRuns(), 5000);
    }

    // The site has no installer: the dialog says so and offers no Install; the ended product comes back.
    void failedDownloadTellsAndRestoresTheProduct() {
        if (qEnvironmentVariable("SKV_CASE") != QLatin1String("failed"))
            QSKIP("the failed case");
        MainWindow window(MainWindow::FirstPass::Skip);
        QProcess product;
        product.start(QString::fromStdWString(Orv::GetProductExePath()), QStringList());
        QVERIFY(product.waitForStarted(5000));
        answer_ = UIDialogQuestion::Yes;
        install_ = true;
        QTest::mouseClick(Child<QPushButton>(&window, "pushButtonDownloadAndInstall"), Qt::LeftButton);
        QVERIFY2(failureShown_.contains(QStringLiteral("404")), qPrintable(failureShown_));
        QVERIFY(!window.Download().Dialog());
        QVERIFY(!QFile::exists(DownloadAction::Destination()));
        QTRY_COMPARE_WITH_TIMEOUT(product.state(), QProcess::NotRunning, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(ProductRuns(), 5000);
    }

    // A report left waiting by an earlier run goes once the window is up, in the background, with one line saying
    // how it went; the site gets it under its identifier and the outbox is empty afterwards.
    void waitingReportsGoOnceTheWindowIsUp() {
        if (qEnvironmentVariable("SKV_CASE") != QLatin1String("outbox"))
            QSKIP("the outbox case");
        ProductInformations product;
        Orv::SetProductInformations(&product);
        const auto restore = qScopeGuard([]() { Orv::SetProductInformations(nullptr); });
        ReportOutbox outbox(ReportOutbox::DefaultFolder(), ReportOutbox::Bounds());
        WaitingReport report;
        report.id = NewReportId();
        report.created = QDateTime::currentDateTimeUtc();
        report.endpoint = ReportEndpoint(true);
        report.contentType = "multipart/form-data; boundary=b";
        report.body = "--b\r\nContent-Disposition: form-data; name=\"report\"\r\n\r\n{}\r\n--b--\r\n";
        QString error;
        QVERIFY2(outbox.Keep(&report, &error), qPrintable(error));

        MainWindow window(MainWindow::FirstPass::Skip);
        window.show();
        QLabel* line = Child<QLabel>(&window, "labelPassStep");
        QTRY_COMPARE_WITH_TIMEOUT(line->text(), QStringLiteral("1 waiting report sent."), 15000);
        QVERIFY(window.grab().save(Out(QStringLiteral("window-outbox-sent.png"))));
        QCOMPARE(outbox.Count(), 0);
        QFile ledger(QDir(qEnvironmentVariable("SKV_SITE_REQUESTS")).filePath(QStringLiteral("report-ids")));
        QVERIFY(ledger.open(QIODevice::ReadOnly));
        QCOMPARE(ledger.readAll(), "taken " + report.id.toLatin1() + '\n');
    }
};

QTEST_MAIN(TestDownloadAction)
#include "tst_DownloadAction.moc"
