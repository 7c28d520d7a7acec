// The report panel against the stand-in web site over real TLS on loopback (run by tests/e2e/report_site.sh, which
// starts the site in the mode each test function expects and then parses what the site stored with Python's own
// email parser). Every upload the site should have stored is described in $SKV_REPORT_OUT/expected.json.
#include "app/Language.h"
#include "report/OpenReportDialog.h"
#include "report/ReportHtml.h"
#include "report/ReportOutbox.h"
#include "network/HttpsTrust.h"
#include "network/SiteAddress.h"
#include "report/UIDialogDumpSend.h"
#include "report/UIDialogReportDetails.h"
#include "report/UIPanelDumpSend.h"
#include "report/UIPanelFailedOrSucceed.h"

#include "library_Orv/Error.h"
#include "library_Orv/Qt/SkinManager.h"
#include "FormChild.h"

#include <QtWidgets>
#include <QDir>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QGraphicsView>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "ui/QGraphicsItemModernWait.h"

namespace {
const QString kReport = QStringLiteral(
    "{\"labelWindows64BitsIcon\": \"true\",\"Windows\": \"Debian GNU/Linux 12 - 6.1\",\"labelIsRunning\": "
    "\"false\",\"plainTextEdit\": \"Is already running\"}");

// The folder of what the test leaves for the end-to-end script to check; run alone (without SKV_REPORT_OUT), a
// folder of its own that goes when the test ends, never the working folder.
QString Out(const QString& name) {
    static QTemporaryDir own;
    const QString given = qEnvironmentVariable("SKV_REPORT_OUT");
    return QDir(given.isEmpty() ? own.path() : given).filePath(name);
}

// Where the dialogs keep their reports: the one the end-to-end script names (the console runner's), else one here.
QString Outbox() {
    const QString given = qEnvironmentVariable("SKV_TEST_OUTBOX");
    return given.isEmpty() ? Out(QStringLiteral("outbox")) : given;
}
int Waiting(const QString& subfolder = QString()) {
    return QDir(QDir(Outbox()).filePath(subfolder)).entryList({QStringLiteral("*.report")}, QDir::Files).size();
}
// The identifiers of the reports the site took, in order ("taken ID" lines of its ledger).
QStringList TakenIds() {
    QFile ledger(QDir(qEnvironmentVariable("SKV_SITE_REQUESTS")).filePath(QStringLiteral("report-ids")));
    QStringList ids;
    if (ledger.open(QIODevice::ReadOnly))
        for (const QByteArray& line : ledger.readAll().split('\n'))
            if (line.startsWith("taken "))
                ids << QString::fromLatin1(line.mid(6));
    return ids;
}
const QString kKept =
    QStringLiteral("Your report is kept on this computer and will be sent when the site can be reached.");

std::vector<std::string> gBoxes;
void RecordBox(const std::string& text, const std::string&, unsigned) {
    gBoxes.push_back(text);
}
} // namespace

class TestReportUpload : public QObject {
    Q_OBJECT

private:
    QJsonArray expected_;
    int questions_ = 0;

    QLabel window_{QStringLiteral("The diagnostics window")};
    int opened_ = 0;
    QString screenshot_; // what the last opened dialog's upload carries

    // A report dialog as "Send report" opens it over a window, with the panel's fields filled in.
    struct Opened {
        QPointer<UIDialogDumpSend> dialog;
        UIPanelDumpSend* panel = nullptr;
        ~Opened() { delete dialog.data(); }
    };
    std::unique_ptr<Opened> Open(const QString& email, const QString& explanation, bool answerYes = true) {
        auto opened = std::make_unique<Opened>();
        opened->dialog = OpenReportDialog(&window_, kReport, QStringLiteral("2.4.1"));
        opened->panel = opened->dialog->findChild<UIPanelDumpSend*>();
        opened->panel->outboxFolder = Outbox();
        // The screenshot is made again by every opening: the bytes of this one are kept for the check.
        screenshot_ = Out(QStringLiteral("screenshot-%1.webp").arg(++opened_));
        QFile::copy(opened->panel->screenshotPath, screenshot_);
        UIPanelDumpSend* panel = opened->panel;
        Child<QLineEdit>(panel, "lineEditEmail")->setText(email);
        Child<QTextEdit>(panel, "textEditReport")->setPlainText(explanation);
        panel->SetAnonymousQuestion([this, answerYes](QWidget*, const QString& title, const QString& text) {
            ++questions_;
            [&]() {
                QCOMPARE(title, QStringLiteral("SkorvaneDiagnostics (Orv) - Anonymous report"));
                QVERIFY(text.contains(QStringLiteral("we won\u2019t be able")));
            }();
            return answerYes;
        });
        return opened;
    }

    void Expect(const QString& endpoint, const QStringList& parts, const QString& email, const QString& explanation,
                const QJsonObject& extra = {}) {
        QJsonObject upload = extra;
        upload[QStringLiteral("endpoint")] = endpoint;
        upload[QStringLiteral("parts")] = QJsonArray::fromStringList(parts);
        upload[QStringLiteral("email")] = email;
        upload[QStringLiteral("explanation")] = explanation;
        if (upload.contains(QStringLiteral("report")))
            upload[QStringLiteral("screenshot")] = screenshot_;
        expected_.append(upload);
    }

    // Clicks the send button and waits for the outcome; true for success.
    bool SendAndWait(UIPanelDumpSend& panel, QPushButton* button) {
        QSignalSpy shown(&panel, &UIPanelDumpSend::sAnswerShown);
        QTest::mouseClick(button, Qt::LeftButton);
        if (!shown.wait(15000))
            return false;
        return shown.first().first().toBool();
    }

    int StoredRequests() {
        return QDir(qEnvironmentVariable("SKV_SITE_REQUESTS")).entryList({QStringLiteral("*.http")}).size();
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("SKV_SITE_URL"), "run by tests/e2e/report_site.sh");
        QVERIFY(Orv::TrustConfiguredRoots() >= 1);
        // First: a box would wait for a click (a test has no local configuration to remember the skin in).
        Orv::Error::SetMessageBoxPresenter(RecordBox);
        // The same report goes to the site in every language (report_site.sh runs a send in French and German).
        if (const QString language = qEnvironmentVariable("SKV_TEST_LANGUAGE"); !language.isEmpty())
            QVERIFY(InstallTranslations(language));
        Orv::GetSkinManager(L"light");
        window_.resize(321, 123);
        window_.show();
    }

    void cleanupTestCase() {
        QFile file(Out(QStringLiteral("expected.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(expected_).toJson());
    }

    // --- the site answers 200 ---

    // "Send report": the screenshot, the dialog and its panel as the window opens them.
    void sendReportOpensTheDialog() {
        auto opened = Open(QString(), QString());
        UIDialogDumpSend* dialog = opened->dialog;
        UIPanelDumpSend* panel = opened->panel;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("SkorvaneDiagnostics (Orv)"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->mainFrame()->layout()->itemAt(1)->widget(), panel);
        // The picture is in the temporary folder, in a file of this dialog's own that goes with it.
        const QString screenshot = panel->screenshotPath;
        QCOMPARE(QFileInfo(screenshot).absolutePath(),
                 QFileInfo(QDir::fromNativeSeparators(qEnvironmentVariable("TEMP"))).absoluteFilePath());
        const QImage picture(screenshot, "WEBP");
        QCOMPARE(picture.size(), window_.grab().size());
        {
            auto second = Open(QString(), QString());
            QVERIFY(second->panel->screenshotPath != screenshot);
            const QString secondPath = second->panel->screenshotPath;
            QVERIFY(QFile::exists(secondPath));
            second.reset();
            QVERIFY(!QFile::exists(secondPath));
        }
        QVERIFY(panel->diagnosticsMode);
        QCOMPARE(panel->reportText, kReport);
        QCOMPARE(panel->productName, QStringLiteral("Skorvane"));
        QCOMPARE(panel->productVersion, QStringLiteral("2.4.1"));
        QCOMPARE(Child<QLabel>(panel, "PanelDumpLabelTitle")->text(), QStringLiteral("Diagnotic report"));
        QCOMPARE(Child<QGroupBox>(panel, "groupBoxExplain")->title(),
                 QStringLiteral("Explain your problem (Optional)"));
        QVERIFY(Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")->isVisible());
        QVERIFY(Child<QPushButton>(panel, "pushButtonSubmitBug")->isHidden() &&
                Child<QPushButton>(panel, "pushButtonSkipSubmit")->isHidden());
        QVERIFY(Child<QCheckBox>(panel, "checkBoxParameters")->isHidden());
        QTest::keyClicks(Child<QTextEdit>(panel, "textEditReport"), QStringLiteral("The copy stops at 40 %."));
        QTest::keyClicks(Child<QLineEdit>(panel, "lineEditEmail"), QStringLiteral("jane@example.org"));
        QVERIFY(dialog->grab().save(Out(QStringLiteral("report-editing.png"))));
        // The form fits in the window.
        QVERIFY(Child<QWidget>(panel, "widgetParentGraphicView")->width() <= dialog->width());
        // Resizing the dialog resizes the wait item and the result panel with the view.
        dialog->resize(800, 600);
        QTRY_COMPARE(panel->WaitItem()->rect().width(), panel->ResultProxy()->geometry().width());
        QVERIFY(panel->WaitItem()->rect().width() > 700);
    }

    void uploadWithAnEmailClosesTheDialog() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("It crashed at once."));
        UIPanelDumpSend* panel = opened->panel;
        // Shown to people beside the report, never sent: the parts below are the same with or without them.
        panel->rowTexts[QStringLiteral("labelIsRunning")] = {QStringLiteral("is Skorvane is running"),
                                                             QStringLiteral("No process runs it"),
                                                             QStringLiteral("Start Skorvane")};
        QSignalSpy close(panel, &UIPanelDumpSend::sCloseDumpDialog);
        QElapsedTimer time;
        time.start();
        const int waiting = Waiting();
        QSignalSpy taken(panel, &UIPanelDumpSend::sReportTaken);
        QVERIFY(SendAndWait(*panel, Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")));
        QCOMPARE(questions_, 0);
        // The receipt is the identifier the site got, and the report no longer waits.
        const QString id = TakenIds().value(TakenIds().size() - 1);
        QCOMPARE(Child<QLabel>(panel->ResultPanel(), "labelSucceed")->text(),
                 QCoreApplication::translate("UIPanelDumpSend", "Thank you for sending your diagnostic report.") +
                     QLatin1Char('\n') +
                     QCoreApplication::translate("UIPanelDumpSend", "Report number %1: quote it to support.")
                         .arg(ReportNumber(id)));
        QCOMPARE(panel->Fields().reportId, id);
        QCOMPARE(taken.size(), 1);
        QCOMPARE(taken.first().first().toString(), ReportNumber(id));
        // The details and the saved page give the same number; text typed with "%1" in it stays as typed.
        ReportFields fields = panel->Fields();
        UIDialogReportDetails details(fields);
        QCOMPARE(details.findChild<QLabel*>(QStringLiteral("labelReportNumber"))->text(), ReportNumber(id));
        fields.explanation = QStringLiteral("100%1 sure %8");
        const QString page = ReportHtml(fields, QByteArray());
        QVERIFY(page.contains(QStringLiteral("<p id=\"report-number\">%1</p>").arg(ReportNumber(id))));
        QVERIFY(page.contains(QStringLiteral("100%1 sure %8")));
        QCOMPARE(Waiting(), waiting);
        QVERIFY(Child<QWidget>(panel->ResultPanel(), "widgetFailed")->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(panel->ResultProxy()->opacity(), 1.0, 3000);
        QVERIFY(opened->dialog->grab().save(Out(QStringLiteral("report-succeeded.png"))));
        QVERIFY(close.wait(5000));
        QTRY_VERIFY(opened->dialog.isNull());                                          // closed, and gone
        QVERIFY2(time.elapsed() >= 3400, qPrintable(QString::number(time.elapsed()))); // 1000 ms, then 2500 ms
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("jane@example.org"), QStringLiteral("It crashed at once."), {{"report", kReport}});
    }

    void blanksCountAsAnAddress() {
        auto opened = Open(QStringLiteral("   "), QString());
        QVERIFY(SendAndWait(*opened->panel, Child<QPushButton>(opened->panel, "pushButtonSubmitDiagnostics")));
        QCOMPARE(questions_, 0);
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("   "), QString());
    }

    void anonymousAfterYesAndNothingAfterNo() {
        const int before = StoredRequests();
        const int asked = questions_;
        auto refused = Open(QString(), QStringLiteral("kept"), false);
        QTest::mouseClick(Child<QPushButton>(refused->panel, "pushButtonSubmitDiagnostics"), Qt::LeftButton);
        QCOMPARE(questions_, asked + 1);
        QVERIFY(refused->panel->isEnabled());
        QCOMPARE(refused->panel->Animation().state(), QAbstractAnimation::Stopped);
        QTest::qWait(300);
        QCOMPARE(StoredRequests(), before);

        auto opened = Open(QString(), QStringLiteral("Anonymous."));
        QVERIFY(SendAndWait(*opened->panel, Child<QPushButton>(opened->panel, "pushButtonSubmitDiagnostics")));
        QCOMPARE(questions_, asked + 2);
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "extra-information", "screenshot", "report"}, QString(),
               QStringLiteral("Anonymous."));
    }

    void crashReportsCarryTheDumpAndDeleteIt() {
        const QString dump = QString::fromStdString(DumpFilePath());
        const QString params = QString::fromStdString(ParametersFilePath());
        QVERIFY(dump.startsWith(QDir::fromNativeSeparators(qEnvironmentVariable("TEMP"))));
        QVERIFY(dump.endsWith(QLatin1String(".dmp")));
        for (const bool withParameters : {true, false}) {
            QFile(dump).remove();
            QFile dumpFile(dump);
            QVERIFY(dumpFile.open(QIODevice::WriteOnly));
            dumpFile.write(QByteArray("MDMP") + QByteArray(2000, withParameters ? '\x7f' : '\x01'));
            dumpFile.close();
            // What the site must receive, kept: the dump itself goes once the report is handled.
            const QString sent = Out(QStringLiteral("dump-%1.bin").arg(withParameters));
            QFile::remove(sent);
            QVERIFY(QFile::copy(dump, sent));
            QFile paramsFile(params);
            QVERIFY(paramsFile.open(QIODevice::WriteOnly));
            paramsFile.write("--copy C:\\a C:\\b");
            paramsFile.close();
            UIPanelDumpSend panel; // crash-report mode by default
            panel.outboxFolder = Outbox();
            Child<QLineEdit>(&panel, "lineEditEmail")->setText(QStringLiteral("crash@example.org"));
            Child<QCheckBox>(&panel, "checkBoxParameters")->setChecked(withParameters);
            panel.show();
            QSignalSpy close(&panel, &UIPanelDumpSend::sCloseDumpDialog);
            QVERIFY(SendAndWait(panel, Child<QPushButton>(&panel, "pushButtonSubmitBug")));
            QVERIFY(Child<QLabel>(panel.ResultPanel(), "labelSucceed")
                        ->text()
                        .startsWith(QStringLiteral("Thank you for sending your crash report.\nReport number ")));
            QVERIFY(close.wait(5000));
            QVERIFY(!QFile::exists(dump));  // handled: the dump goes
            QVERIFY(QFile::exists(params)); // the parameters file never
            QStringList parts{"product-name", "product-version", "user-email", "extra-information", "dump"};
            if (withParameters)
                parts << "params";
            Expect(QStringLiteral("/user-requests/crash_report.php"), parts, QStringLiteral("crash@example.org"),
                   QString(), {{"dump", sent}, {"params", params}});
        }
        // Skipping deletes the dump as well, and sends nothing.
        QFile dumpFile(dump);
        QVERIFY(dumpFile.open(QIODevice::WriteOnly));
        dumpFile.close();
        const int before = StoredRequests();
        UIPanelDumpSend skipped;
        QSignalSpy close(&skipped, &UIPanelDumpSend::sCloseDumpDialog);
        QTest::mouseClick(Child<QPushButton>(&skipped, "pushButtonSkipSubmit"), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
        QVERIFY(!QFile::exists(dump));
        QCOMPARE(StoredRequests(), before);
    }

    void detailsAndSavedPageShowWhatIsSent() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("<b>not markup</b>"));
        UIPanelDumpSend* panel = opened->panel;
        // The window's titles and a failed row's explanation: for people, never sent.
        panel->rowTexts[QStringLiteral("labelWindows64BitsIcon")].title =
            QStringLiteral("Window 64 bits (x64 Mandatory)");
        panel->rowTexts[QStringLiteral("labelIsRunning")] = {QStringLiteral("is Skorvane is running"),
                                                             QStringLiteral("No process runs <C:\\Skorvane.exe>"),
                                                             QStringLiteral("Start Skorvane")};
        UIDialogReportDetails details(panel->Fields());
        QCOMPARE(Child<QPlainTextEdit>(&details, "plainTextEditResults")->toPlainText(),
                 QStringLiteral("Window 64 bits (x64 Mandatory): passed\nWindows: Debian GNU/Linux 12 - 6.1\n"
                                "is Skorvane is running: failed\n    Cause: No process runs <C:\\Skorvane.exe>\n"
                                "    What to do: Start Skorvane\nplainTextEdit: Is already running\n"));
        // Readable, in the report's own order, every string as sent.
        QCOMPARE(IndentedReportJson(QStringLiteral("{\"b\": \"x, \\\"{y}\\\"\",\"a\": \"1\"}")),
                 QStringLiteral("{\n    \"b\": \"x, \\\"{y}\\\"\",\n    \"a\": \"1\"\n}"));
        QVERIFY(Child<QPlainTextEdit>(&details, "plainTextEditReport")
                    ->toPlainText()
                    .startsWith(QStringLiteral("{\n    \"labelWindows64BitsIcon\": \"true\",\n    \"Windows\"")));
        QVERIFY(!Child<QLabel>(&details, "labelThumbnail")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(Child<QLabel>(&details, "labelEmail")->text(), QStringLiteral("jane@example.org"));
        details.show();
        QVERIFY(details.grab().save(Out(QStringLiteral("report-details.png"))));

        const QString page = Out(QStringLiteral("report.html"));
        QVERIFY(panel->SaveReport(page));
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(html.contains(QStringLiteral("&lt;b&gt;not markup&lt;/b&gt;")));
        QVERIFY(html.contains(QStringLiteral("<td class=\"fail\">failed</td>")));
        // Rows by the window's titles, with the cause and the fix; the JSON block keeps the members' names.
        QVERIFY(html.contains(QStringLiteral("<tr><th>is Skorvane is running</th><td class=\"fail\">failed</td><td "
                                             "class=\"why\">No process runs &lt;C:\\Skorvane.exe&gt;<br><b>What to "
                                             "do:</b> Start Skorvane</td></tr>")));
        QVERIFY(html.contains(QStringLiteral("<th>Window 64 bits (x64 Mandatory)</th>")));
        QVERIFY(!html.contains(QStringLiteral("<th>labelWindows64BitsIcon</th>")));
        QVERIFY(html.contains(QStringLiteral("id=\"report-json\">") + kReport + QStringLiteral("</script>")));
        // A page that cannot be written says so, and the panel keeps everything.
        gBoxes.clear();
        QVERIFY(!panel->SaveReport(Out(QStringLiteral("no-such-folder/report.html"))));
        QCOMPARE(gBoxes.size(), size_t(1));
        QVERIFY(QString::fromStdString(gBoxes.front()).contains(QStringLiteral("could not be saved")));
        QCOMPARE(Child<QTextEdit>(panel, "textEditReport")->toPlainText(), QStringLiteral("<b>not markup</b>"));
    }

    void editingTitles() {
        UIPanelDumpSend panel;
        QCOMPARE(Child<QGroupBox>(&panel, "groupBoxReport")->title(), QStringLiteral("Report"));
        QTest::keyClick(Child<QLineEdit>(&panel, "lineEditEmail"), Qt::Key_A);
        QCOMPARE(Child<QGroupBox>(&panel, "groupBoxReport")->title(),
                 QStringLiteral("Report (Email shared, we may contact you for more information)"));
        QTest::keyClick(Child<QLineEdit>(&panel, "lineEditEmail"), Qt::Key_Backspace);
        QCOMPARE(Child<QGroupBox>(&panel, "groupBoxReport")->title(), QStringLiteral("Report (Anonymous)"));
        QVERIFY(Child<QPushButton>(&panel, "pushButtonSubmitDiagnostics")->isHidden());
        QVERIFY(Child<QCheckBox>(&panel, "checkBoxParameters")->isChecked());
    }

    // --- answers that count as success: a redirect, a body saying "error" with 200 ---

    void answerWithoutErrorIsSuccess() {
        auto opened = Open(QStringLiteral("j@example.org"), QString());
        QVERIFY(SendAndWait(*opened->panel, Child<QPushButton>(opened->panel, "pushButtonSubmitDiagnostics")));
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("j@example.org"), QString());
    }

    // --- failures: HTTP 500, closed without answer, 413 ---

    void failureKeepsTheDialogAndRetrySendsAgain() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Typed before failing."));
        UIPanelDumpSend* panel = opened->panel;
        QSignalSpy close(panel, &UIPanelDumpSend::sCloseDumpDialog);
        QVERIFY(!SendAndWait(*panel, Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")));
        UIPanelFailedOrSucceed* result = panel->ResultPanel();
        // A site that refused it for good (413) does not get it again by itself; otherwise it waits in the outbox.
        const bool refused = qEnvironmentVariable("SKV_SITE_STORES") != QLatin1String("yes");
        QCOMPARE(Child<QLabel>(result, "labelFailed")->text(),
                 QStringLiteral("Website problem or firewall blocking Internet access!") +
                     (refused ? QString() : QLatin1Char('\n') + kKept));
        QCOMPARE(Waiting(), refused ? 0 : 1);
        QVERIFY(Child<QWidget>(result, "widgetSucceed")->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(panel->ResultProxy()->opacity(), 1.0, 3000);
        QVERIFY(opened->dialog->grab().save(Out(QStringLiteral("report-failed.png"))));
        QVERIFY(!close.wait(4000)); // no closing: what was typed is not thrown away
        QVERIFY(Child<QPushButton>(result, "pushButtonRetry")->isEnabled() && result->isEnabled());
        QCOMPARE(Child<QTextEdit>(panel, "textEditReport")->toPlainText(), QStringLiteral("Typed before failing."));

        const int before = StoredRequests();
        QSignalSpy shown(panel, &UIPanelDumpSend::sAnswerShown);
        QTest::mouseClick(Child<QPushButton>(result, "pushButtonRetry"), Qt::LeftButton);
        QVERIFY(shown.wait(15000));
        QCOMPARE(shown.first().first().toBool(), false);
        if (qEnvironmentVariable("SKV_SITE_STORES") == QLatin1String("yes")) {
            QCOMPARE(StoredRequests(), before + 1);
            // Retry sends the same report: the same identifier, so a site that took the first knows the second.
            QDir requests(qEnvironmentVariable("SKV_SITE_REQUESTS"));
            QStringList ids;
            for (const QString& name : requests.entryList({QStringLiteral("*.http")}, QDir::Files, QDir::Time)) {
                QFile request(requests.filePath(name));
                QVERIFY(request.open(QIODevice::ReadOnly));
                const QByteArray head = request.read(4096);
                const int at = head.indexOf("X-Report-Id: ");
                QVERIFY(at > 0);
                ids << QString::fromLatin1(head.mid(at + 13, 36));
            }
            QCOMPARE(ids.value(0), ids.value(1));
            QCOMPARE(ids.value(0), panel->Fields().reportId);
            QCOMPARE(Waiting(), 1);
        }
        for (int i = 0; i < (qEnvironmentVariable("SKV_SITE_STORES") == QLatin1String("yes") ? 2 : 0); ++i)
            Expect(QStringLiteral("/user-requests/diagnostics.php"),
                   {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
                   QStringLiteral("jane@example.org"), QStringLiteral("Typed before failing."));
    }

    // A report the site did not take, as the end-to-end script sets the scene (SKV_OUTBOX_EXPECT): kept in the outbox
    // for a later start ("kept"), refused for good by a 4xx and not kept ("refused"), or sent although the outbox
    // could not keep it, a full disk ("not-kept").
    void failedReportIsKeptForLater() {
        const QString expect = qEnvironmentVariable("SKV_OUTBOX_EXPECT");
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Kept for later."));
        const int stored = StoredRequests();
        const int waiting = Waiting();
        const int refused = Waiting(QStringLiteral("Refused"));
        QVERIFY(!SendAndWait(*opened->panel, Child<QPushButton>(opened->panel, "pushButtonSubmitDiagnostics")));
        const QString said = Child<QLabel>(opened->panel->ResultPanel(), "labelFailed")->text();
        QCOMPARE(StoredRequests(), stored + 1); // sent in every case
        QCOMPARE(said.endsWith(kKept), expect == QLatin1String("kept"));
        QCOMPARE(Waiting(), waiting + (expect == QLatin1String("kept") ? 1 : 0));
        QCOMPARE(Waiting(QStringLiteral("Refused")), refused + (expect == QLatin1String("refused") ? 1 : 0));
        if (expect == QLatin1String("not-kept"))
            QVERIFY2(said.contains(QStringLiteral("The report could not be kept on this computer")), qPrintable(said));
        if (expect == QLatin1String("kept")) {
            QTRY_COMPARE_WITH_TIMEOUT(opened->panel->ResultProxy()->opacity(), 1.0, 3000);
            QVERIFY(opened->dialog->grab().save(Out(QStringLiteral("report-kept.png"))));
        }
    }

    // A window's picture that cannot be saved leaves the report without one: never an older picture.
    void unsavedScreenshotIsNoScreenshot() {
        const QByteArray temp = qgetenv("TEMP");
        const QString notAFolder = Out(QStringLiteral("not-a-folder"));
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("TEMP", QDir::toNativeSeparators(notAFolder).toLocal8Bit());
        auto opened = Open(QString(), QString());
        qputenv("TEMP", temp);
        QVERIFY(opened->panel->screenshotPath.isEmpty());
        QVERIFY(opened->panel->Fields().screenshotPath.isEmpty());
        UIDialogReportDetails details(opened->panel->Fields());
        QCOMPARE(details.findChild<QLabel*>(QStringLiteral("labelThumbnail"))->text(),
                 QStringLiteral("(no screenshot)"));
        // Sent, it goes whole without the picture: the site stores it and the dialog thanks for it.
        QVERIFY(SendAndWait(*opened->panel, Child<QPushButton>(opened->panel, "pushButtonSubmitDiagnostics")));
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "extra-information", "report"}, QString(), QString());
    }

    // The picture gone between the opening and "Send": the same, never a part announced without its bytes.
    void deletedScreenshotIsNoScreenshot() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Picture gone."));
        // Windows keeps the dialog's own picture from being deleted; the panel is pointed at one that is gone instead.
        if (!QFile::remove(opened->panel->screenshotPath))
            opened->panel->screenshotPath = Out(QStringLiteral("gone.webp"));
        QVERIFY(!QFile::exists(opened->panel->screenshotPath));
        QVERIFY(SendAndWait(*opened->panel, Child<QPushButton>(opened->panel, "pushButtonSubmitDiagnostics")));
        QVERIFY(Child<QLabel>(opened->panel->ResultPanel(), "labelSucceed")
                    ->text()
                    .startsWith(QStringLiteral("Thank you for sending your diagnostic report.\n")));
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "report"},
               QStringLiteral("jane@example.org"), QStringLiteral("Picture gone."));
    }

    // --- a site that never answers: the upload is given up after the time without progress, the text stays ---

    // An answer that comes a byte now and then never stalls: it is given up as too slow, the text stays.
    void trickleIsGivenUpAsTooSlow() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Typed before the trickle."));
        UIPanelDumpSend* panel = opened->panel;
        panel->stallMs = 2000;
        QElapsedTimer time;
        time.start();
        QVERIFY(!SendAndWait(*panel, Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")));
        QVERIFY2(time.elapsed() < 10000, "given up after a span or two of too little progress");
        QVERIFY2(Child<QLabel>(panel->ResultPanel(), "labelFailed")->text().contains(QStringLiteral("too slow")),
                 qPrintable(Child<QLabel>(panel->ResultPanel(), "labelFailed")->text()));
        QCOMPARE(Child<QTextEdit>(panel, "textEditReport")->toPlainText(), QStringLiteral("Typed before the trickle."));
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("jane@example.org"), QStringLiteral("Typed before the trickle."));
    }

    // Closed while its upload waits for the answer: the window's picture goes with the dialog (on Windows a file
    // still open would stay in the temporary folder for good).
    void closingDuringAnUploadRemovesThePicture() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Closed while sending."));
        const QString picture = opened->panel->screenshotPath;
        QVERIFY(QFile::exists(picture));
        const int before = StoredRequests();
        QTest::mouseClick(Child<QPushButton>(opened->panel, "pushButtonSubmitDiagnostics"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(StoredRequests() > before, 10000); // the site has the request and stays silent
        opened->dialog->close();
        QTRY_VERIFY_WITH_TIMEOUT(!opened->dialog, 5000);
        QVERIFY2(!QFile::exists(picture), qPrintable(picture));
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("jane@example.org"), QStringLiteral("Closed while sending."));
    }

    void silentSiteFailsAfterTheStallTime() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Typed before the silence."));
        UIPanelDumpSend* panel = opened->panel;
        panel->stallMs = 2000;
        QElapsedTimer time;
        time.start();
        QVERIFY(!SendAndWait(*panel, Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")));
        QVERIFY2(time.elapsed() < 8000, "given up after the time without progress, not the site's own");
        // The hop first, then what to do.
        QVERIFY(Child<QLabel>(panel->ResultPanel(), "labelFailed")
                    ->text()
                    .startsWith(QStringLiteral("The website did not answer for 2 seconds.\nCheck the Internet")));
        QVERIFY(Child<QPushButton>(panel->ResultPanel(), "pushButtonRetry")->isEnabled());
        QCOMPARE(Child<QTextEdit>(panel, "textEditReport")->toPlainText(), QStringLiteral("Typed before the silence."));
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("jane@example.org"), QStringLiteral("Typed before the silence."));
    }

    // --- an answer that never ends: read up to its ceiling, the upload a success ---

    void longAnswerIsCutShort() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("A long answer."));
        UIPanelDumpSend* panel = opened->panel;
        QElapsedTimer time;
        time.start();
        QVERIFY(SendAndWait(*panel, Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")));
        QVERIFY2(time.elapsed() < 10000, "the answer is not read to its end");
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("jane@example.org"), QStringLiteral("A long answer."));
    }

    // --- a certificate of a root the tool does not trust ---

    void sslErrorsAreShownAndNotIgnored() {
        auto opened = Open(QStringLiteral("jane@example.org"), QString());
        UIPanelDumpSend* panel = opened->panel;
        QVERIFY(!SendAndWait(*panel, Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")));
        // The issuer that this computer does not trust is named: it is what a company's IT needs to know.
        const QString said = Child<QLabel>(panel->ResultPanel(), "labelFailed")->text();
        QVERIFY2(said.startsWith(QStringLiteral("Can't connect to website")) && said.contains("Unknown Root"),
                 qPrintable(said));
        QTest::qWait(1500); // the reply's end changes nothing
        QCOMPARE(Child<QLabel>(panel->ResultPanel(), "labelFailed")->text(), said);
        QCOMPARE(StoredRequests(), 0);
        QVERIFY(Child<QPushButton>(panel->ResultPanel(), "pushButtonRetry")->isEnabled());
    }

    // --- a proxy that refuses the way to the site: the failure names it, not the website ---

    void proxyFailureNamesTheProxy() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Behind a proxy."));
        UIPanelDumpSend* panel = opened->panel;
        QVERIFY(!SendAndWait(*panel, Child<QPushButton>(panel, "pushButtonSubmitDiagnostics")));
        const QString said = Child<QLabel>(panel->ResultPanel(), "labelFailed")->text();
        QVERIFY2(said.startsWith(QStringLiteral("The proxy 127.0.0.1:")) &&
                     said.contains(QStringLiteral("Ask your IT")),
                 qPrintable(said));
        QTRY_COMPARE_WITH_TIMEOUT(panel->ResultProxy()->opacity(), 1.0, 3000);
        QVERIFY(opened->dialog->grab().save(Out(QStringLiteral("report-proxy-failed.png"))));
        QCOMPARE(Child<QTextEdit>(panel, "textEditReport")->toPlainText(), QStringLiteral("Behind a proxy."));
    }

    // --- a slow answer: the spinner turns over the faded form meanwhile ---

    void spinnerWhileWaiting() {
        auto opened = Open(QStringLiteral("jane@example.org"), QStringLiteral("Waiting..."));
        UIPanelDumpSend* panel = opened->panel;
        QSignalSpy shown(panel, &UIPanelDumpSend::sAnswerShown);
        QTest::mouseClick(Child<QPushButton>(panel, "pushButtonSubmitDiagnostics"), Qt::LeftButton);
        QVERIFY(!panel->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(panel->WaitItem()->opacity() > 0.9, 2000);
        QVERIFY(opened->dialog->grab().save(Out(QStringLiteral("report-sending.png"))));
        QVERIFY(shown.wait(15000));
        QVERIFY(shown.first().first().toBool());
        Expect(QStringLiteral("/user-requests/diagnostics.php"),
               {"product-name", "product-version", "user-email", "extra-information", "screenshot", "report"},
               QStringLiteral("jane@example.org"), QStringLiteral("Waiting..."));
    }
};

QTEST_MAIN(TestReportUpload)
#include "tst_ReportUpload.moc"
