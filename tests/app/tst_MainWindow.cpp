#include "app/MainWindow.h"
#include "app/Language.h"

#include "download/UIDialogDownloadAndInstallUpdate.h"
#include "report/UIDialogDumpSend.h"
#include "report/UIPanelDumpSend.h"
#include "ui/UIDialogQuestion.h"

#include "library_Orv/Error.h"
#include "FormChild.h"

#include <QtWidgets>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <functional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
// Windows itself says where the window's frame is and where its work area ends (in device pixels both): what a user
// sees, whatever Qt believes.
bool FrameInsideSystemWorkArea(QWidget* window) {
#ifdef _WIN32
    RECT frame{}, work{};
    if (!GetWindowRect(reinterpret_cast<HWND>(window->winId()), &frame) ||
        !SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        return false;
    qInfo("%s: frame %ld,%ld-%ld,%ld, work area %ld,%ld-%ld,%ld", qPrintable(window->objectName()), frame.left,
          frame.top, frame.right, frame.bottom, work.left, work.top, work.right, work.bottom);
    return frame.left >= work.left && frame.top >= work.top && frame.right <= work.right && frame.bottom <= work.bottom;
#else
    Q_UNUSED(window);
    return true; // the X tests compare Qt's geometry with the screen's available area
#endif
}

// "-fr" in the pictures' names when the window is looked at in French.
QString LanguageSuffix() {
    const QString language = qEnvironmentVariable("SKV_TEST_LANGUAGE");
    return language.isEmpty() ? QString() : QLatin1Char('-') + language;
}

std::vector<std::string> gBoxes;
void RecordBox(const std::string& text, const std::string&, unsigned) {
    gBoxes.push_back(text);
}

// A box that stays open a while: shown by the GUI thread whichever thread reports, as the program's own presenter
// does; the reporting thread waits for it.
std::function<void()> gWhileBoxIsOpen;
void BoxThatWaits(const std::string& text, const std::string&, unsigned) {
    const bool onGuiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&text]() {
            gBoxes.push_back(text);
            gWhileBoxIsOpen();
        },
        onGuiThread ? Qt::DirectConnection : Qt::BlockingQueuedConnection);
}
} // namespace

// The window: the texts and visibility of its widgets, the row operations and the report document, the refresh
// and closing.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

    template <typename T> T* Find(const QString& name) {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qWarning("missing %s", qPrintable(name));
        return widget;
    }

private slots:
    void initTestCase() {
        // No box may wait for a click (a missing data/GlobalConfig.xml beside the test is reported): boxes are
        // recorded.
        Orv::Error::SetMessageBoxPresenter(RecordBox);
        // The window may be looked at in another language (the geometry runs in French and German).
        if (const QString language = qEnvironmentVariable("SKV_TEST_LANGUAGE"); !language.isEmpty())
            QVERIFY(InstallTranslations(language));
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanupTestCase() { window.reset(); }

    void windowFrame() {
        QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Skorvane Diagnostic"));
        QVERIFY(window->statusBar()->isHidden());
        QVERIFY(Find<QPlainTextEdit>("plainTextEdit")->isReadOnly());
    }

    // On a screen smaller than the rows need (offscreen: 800 x 600; laptop screens at 125-200 % on X), the window lies
    // in the work area with every button inside it and on the screen; the rows scroll.
    void windowFitsTheScreen() {
        const QRect area = window->screen()->availableGeometry();
        QTRY_VERIFY(area.contains(window->frameGeometry()));
        QVERIFY(FrameInsideSystemWorkArea(window.get()));
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!button->isVisible())
                continue;
            const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
            QVERIFY2(area.contains(onScreen), qPrintable(button->objectName()));
            QVERIFY2(window->rect().contains(QRect(button->mapTo(window.get(), QPoint(0, 0)), button->size())),
                     qPrintable(button->objectName()));
        }
        // In another language the buttons say it: the forms are translated, not only the code's texts.
        const auto said = [](QWidget* parent, const char* button, const char* context, const char* source) {
            const QString expected = QCoreApplication::translate(context, source);
            if (!qEnvironmentVariableIsEmpty("SKV_TEST_LANGUAGE") && expected == QLatin1String(source))
                return false;
            return Child<QPushButton>(parent, button)->text() == expected;
        };
        QVERIFY(said(window.get(), "pushButtonFixAndCheck", "MainWindow", "Fix and check again"));
        // The report window and the download dialog open inside the work area too, their buttons in it.
        QTest::mouseClick(Child<QPushButton>(window, "pushButtonSendReport"), Qt::LeftButton);
        QWidget* report = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<UIDialogDumpSend*>(top) && top->isVisible())
                report = top;
        QVERIFY(report);
        auto* download = new Orv::UIDialogDownloadAndInstallUpdate(window.get());
        download->setAttribute(Qt::WA_DeleteOnClose);
        download->show();
        QVERIFY(said(report, "pushButtonSaveReport", "UIPanelDumpSend", "Save report\u2026"));
        QVERIFY(said(download, "pushButtonCancel", "UIDialogDownloadAndInstallUpdate", "Cancel"));
        for (QWidget* opened : {report, static_cast<QWidget*>(download)}) {
            QVERIFY(QTest::qWaitForWindowExposed(opened));
            QTRY_VERIFY2(area.contains(opened->frameGeometry()), qPrintable(opened->objectName()));
            QVERIFY2(FrameInsideSystemWorkArea(opened), qPrintable(opened->objectName()));
            for (QPushButton* button : opened->findChildren<QPushButton*>())
                if (button->isVisible())
                    QVERIFY2(area.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())),
                             qPrintable(button->objectName()));
            opened->grab().save(QStringLiteral("%1%5-%2x%3-%4.png")
                                    .arg(opened->objectName())
                                    .arg(window->screen()->size().width())
                                    .arg(window->screen()->size().height())
                                    .arg(qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")))
                                    .arg(LanguageSuffix()));
            opened->close();
        }
        // The last row can be brought into view: the rows scroll where the screen is too small for them.
        auto* rows = Find<QScrollArea>("scrollAreaRows");
        QLabel* last = Find<QLabel>("labelSkorvaneLaunchedIcon");
        rows->ensureWidgetVisible(last);
        QVERIFY(rows->viewport()->rect().contains(QRect(last->mapTo(rows->viewport(), QPoint(0, 0)), last->size())));
        if (window->height() < window->sizeHint().height())
            QVERIFY(rows->verticalScrollBar()->value() > 0);
        // From a laptop's 1366 pixels at 125 % up, the rows never scroll sideways, whatever the language: each row's
        // value stays in view beside its title. (Under Wine Qt does not scale but the system's DPI enlarges the
        // fonts, in steps of 25 %: the screen's width at 100 % counts both.)
        const qreal systemScale = qRound(window->logicalDpiX() / 96.0 * 4) / 4.0;
        if (area.width() / systemScale >= 1366 * 4 / 5)
            QVERIFY2(!rows->horizontalScrollBar()->isVisible(),
                     qPrintable(QStringLiteral("rows %1 wide, view %2")
                                    .arg(rows->widget()->minimumSizeHint().width())
                                    .arg(rows->viewport()->width())));
        QVERIFY(window->grab().save(QStringLiteral("window%4-%1x%2-%3.png")
                                        .arg(window->screen()->size().width())
                                        .arg(window->screen()->size().height())
                                        .arg(qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")))
                                        .arg(LanguageSuffix())));
        rows->verticalScrollBar()->setValue(0);
    }

    // The rows of the pass show an icon and no text once the first pass is over.
    void passRowsShowIcons() {
        for (const char* name :
             {"labelWindows64BitsIcon", "labelWindowsNameIcon", "labelInstallIntegrityExeIcon",
              "labelCheckInstallExplorerPluginIcon", "labelShortcutInstalledGlobal",
              "labelPointToInstalledDirCurrentAllUsers", "labelShortcutInstalledCurrentUser",
              "labelPointToInstalledDirCurrentUser", "labelShortcutAllowedToRunIcon", "labelIsRunning",
              "labelAutomaticCommandLineCopyIcon", "labelSimulatePluginIcon", "labelDragAndDropActivated"}) {
            QVERIFY2(Find<QLabel>(name)->text().isEmpty(), name);
            QVERIFY2(!Find<QLabel>(name)->pixmap(Qt::ReturnByValue).isNull(), name);
            // A screen reader hears the row's title and what its icon means, as the report has it.
            const QString recorded = QString::fromStdString(window->ReportDocument().Member(name).ValueText());
            const QString said = QAccessible::queryAccessibleInterface(Find<QLabel>(name))->text(QAccessible::Name);
            const QString word = recorded == QLatin1String("true")    ? QStringLiteral("passed")
                                 : recorded == QLatin1String("false") ? QStringLiteral("failed")
                                                                      : QStringLiteral("unknown");
            QCOMPARE(said, CheckRows::Title(QLatin1String(name)) + QStringLiteral(": ") + word);
        }
        QVERIFY(!Find<QLabel>("labelWindowsVersion")->text().isEmpty());
        // No form placeholder is on the screen; "Skorvane is launched" shows the running row's icon.
        for (QLabel* label : window->findChildren<QLabel*>())
            QVERIFY2(label->text() != QLatin1String("Icon") && label->text() != QLatin1String("TextLabel"),
                     qPrintable(label->objectName()));
        QCOMPARE(Find<QLabel>("labelSkorvaneLaunchedIcon")->accessibleName(),
                 QStringLiteral("Skorvane is launched: ") +
                     Find<QLabel>("labelIsRunning")->accessibleName().section(QStringLiteral(": "), -1));
    }

    // Each row that did not pass says why in its tooltip, on its icon and its caption, and in "What to do"; a row
    // that passed has no tooltip. The titles the report page and the runner use are the window's captions.
    void failedRowsExplainThemselves() {
        const QMap<QString, const char*> captions = {
            {"labelWindows64BitsIcon", "label_7"},
            {"labelWindowsNameIcon", "labelWindow"},
            {"labelInstallIntegrityExeIcon", "label_4"},
            {"labelCheckExeSignedIcon", "label_6"},
            {"labelCheckExeSignedNameIcon", "label_9"},
            {"labelShortcutInstalledGlobal", "label_15"},
            {"labelPointToInstalledDirCurrentAllUsers", "label_21"},
            {"labelShortcutInstalledCurrentUser", "label_3"},
            {"labelPointToInstalledDirCurrentUser", "label_22"},
            {"labelShortcutAllowedToRunIcon", "label_5"},
            {"labelCheckInstallExplorerPluginIcon", "label"},
            {"labelCheckPluginSignedIcon", "label_2"},
            {"labelCheckPluginSignedNameIcon", "label_11"},
            {"labelDragAndDropActivated", "label_19"},
            {"labelAutomaticCommandLineCopyIcon", "label_14"},
            {"labelIsRunning", "label_12"},
            {"labelSimulatePluginIcon", "label_13"},
        };
        QCOMPARE(CheckRows::Checks().size(), captions.size());
        for (const QString& row : CheckRows::Checks())
            QVERIFY2(CheckRows::Title(row).startsWith(Find<QLabel>(captions[row])->text()), qPrintable(row));
        const auto recorded = [&](const QString& row) {
            return QString::fromStdString(window->ReportDocument().Member(row.toStdString()).ValueText());
        };
        const QString whatToDo = Find<QLabel>("labelWhatToDo")->text();
        int failed = 0;
        for (const QString& row : CheckRows::Checks()) {
            const QString tip = Find<QLabel>(row)->toolTip();
            QCOMPARE(Find<QLabel>(captions[row])->toolTip(), tip);
            if (recorded(row) == QLatin1String("true")) {
                QVERIFY2(tip.isEmpty(), qPrintable(row));
                QVERIFY2(Find<QLabel>(row)->accessibleDescription().isEmpty(), qPrintable(row));
                QVERIFY2(!whatToDo.contains(CheckRows::Title(row).toHtmlEscaped() + "</b>"), qPrintable(row));
                continue;
            }
            ++failed;
            const QVector<CheckExplanation>& explanations = window->Pass().Explanations();
            const auto explanation = std::find_if(explanations.begin(), explanations.end(),
                                                  [&](const CheckExplanation& e) { return e.row == row; });
            QVERIFY2(explanation != explanations.end(), qPrintable(row));
            QVERIFY2(tip.contains(explanation->cause.toHtmlEscaped()), qPrintable(tip));
            // A screen reader reads the same cause and fix as the row's description, in plain text.
            const QString description =
                QAccessible::queryAccessibleInterface(Find<QLabel>(row))->text(QAccessible::Description);
            QVERIFY2(description.contains(explanation->cause) && description.contains(explanation->fix),
                     qPrintable(description));
            QVERIFY2(tip.contains(explanation->fix.toHtmlEscaped()), qPrintable(tip));
            QVERIFY2(whatToDo.contains(CheckRows::Title(row).toHtmlEscaped() + "</b>"), qPrintable(row));
        }
        // Nothing is installed in the tests' world: the installation's rows fail, and the button that installs is
        // named.
        QVERIFY(failed > 0);
        QVERIFY(Find<QGroupBox>("groupBoxWhatToDo")->isVisible());
        QVERIFY(Find<QLabel>("labelInstallIntegrityExeIcon")
                    ->toolTip()
                    .contains(QStringLiteral("Download and install Skorvane")));
    }

    void rowOperationsSetIconAndReport() {
        auto* label = Find<QLabel>("labelCheckExeSignedIcon");
        window->SetCheckResult(label, true);
        QVERIFY(label->text().isEmpty());
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size() / label->pixmap(Qt::ReturnByValue).devicePixelRatio(),
                 QSize(24, 24));
        const QImage passed = label->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(QString::fromStdString(window->ReportDocument().Member("labelCheckExeSignedIcon").ValueText()),
                 QStringLiteral("true"));
        window->SetCheckResult(label, false);
        QCOMPARE(QString::fromStdString(window->ReportDocument().Member("labelCheckExeSignedIcon").ValueText()),
                 QStringLiteral("false"));
        const QImage failed = label->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY(passed != failed);
        auto* dragAndDrop = Find<QLabel>("labelDragAndDropActivated");
        window->SetUnknownResult(dragAndDrop);
        QCOMPARE(QString::fromStdString(window->ReportDocument().Member("labelDragAndDropActivated").ValueText()),
                 QStringLiteral("unknown"));
        QVERIFY(dragAndDrop->text().isEmpty());
        QVERIFY(dragAndDrop->pixmap(Qt::ReturnByValue).toImage() != passed &&
                dragAndDrop->pixmap(Qt::ReturnByValue).toImage() != failed);
    }

    void reportKeepsFirstOrderAcrossUpdates() {
        MainWindow fresh;
        Orv::JsonDocument& report = fresh.ReportDocument();
        report.Clear();
        fresh.SetCheckResult(Child<QLabel>(&fresh, "labelWindows64BitsIcon"), true);
        fresh.SetResultValue("Windows", "Debian GNU/Linux 12 - 6.1");
        fresh.SetCheckResult(Child<QLabel>(&fresh, "labelIsRunning"), false);
        fresh.SetResultValue("plainTextEdit", "line");
        // A second pass and the refresh overwrite in place.
        fresh.SetCheckResult(Child<QLabel>(&fresh, "labelWindows64BitsIcon"), false);
        fresh.SetCheckResult(Child<QLabel>(&fresh, "labelIsRunning"), true);
        fresh.SetResultValue("Windows", "x \"quoted\"");
        QCOMPARE(fresh.ReportJson(), QStringLiteral("{\"labelWindows64BitsIcon\": \"false\",\"Windows\": \"x "
                                                    "\\\"quoted\\\"\",\"labelIsRunning\": \"true\",\"plainTextEdit\": "
                                                    "\"line\"}"));
    }

    void passRecordsTheLogArea() {
        Child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText("Is already running");
        window->RunChecks(false);
        // The log area is cleared or refilled by the launch step; whatever it shows is what the report holds.
        QCOMPARE(QString::fromStdString(window->ReportDocument().Member("plainTextEdit").ValueText()),
                 Child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText());
    }

    // "Send report": a screenshot of the window in the temporary folder and a report dialog over it, each time anew.
    void sendReportOpensADialogWithTheWindowsPicture() {
        QTest::mouseClick(Child<QPushButton>(window, "pushButtonSendReport"), Qt::LeftButton);
        UIDialogDumpSend* dialog = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<UIDialogDumpSend*>(top); found && found->isVisible())
                dialog = found;
        QVERIFY(dialog);
        auto* panel = dialog->findChild<UIPanelDumpSend*>();
        QVERIFY(panel && panel->diagnosticsMode);
        QCOMPARE(panel->reportText, window->ReportJson());
        const QImage picture(panel->screenshotPath, "WEBP");
        QCOMPARE(picture.size(), window->grab().size());
        dialog->close();
    }

    // A site address that is not https:// is never used: "Send report" and "Download and install Skorvane" say why
    // and open nothing (the product is not ended, nothing is asked).
    void plainHttpSiteIsRefusedByBothButtons() {
        const QByteArray earlier = qgetenv("SKV_SITE_URL");
        qputenv("SKV_SITE_URL", "http://127.0.0.1:9");
        gBoxes.clear();
        // Should a dialog open all the same, it is closed, so that the test fails instead of waiting.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (qobject_cast<QDialog*>(top) && top->isVisible())
                    top->close();
        });
        closer.start(500);
        QTest::mouseClick(Child<QPushButton>(window, "pushButtonSendReport"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(window, "pushButtonDownloadAndInstall"), Qt::LeftButton);
        bool dialogShown = false;
        for (QWidget* top : QApplication::topLevelWidgets())
            dialogShown = dialogShown || (qobject_cast<QDialog*>(top) && top->isVisible());
        if (earlier.isNull())
            qunsetenv("SKV_SITE_URL");
        else
            qputenv("SKV_SITE_URL", earlier);
        QVERIFY(!dialogShown);
        QCOMPARE(gBoxes.size(), size_t(2));
        QVERIFY(QString::fromStdString(gBoxes[0]).contains(QStringLiteral("http://127.0.0.1:9")));
    }

    // A box raised by the pass (from its own thread) is shown by the window's thread while the pass waits for it:
    // neither the refresh nor a button may run a second pass or touch the rows before the pass ends; afterwards the
    // buttons work again.
    void boxDuringAPassLetsNothingElseRun() {
        int passesStarted = 0;
        int rowsWhileOpen = -1;
        bool fixEnabledWhileOpen = true;
        const auto counter = connect(&window->Pass(), &CheckPass::stepStarted, window.get(),
                                     [&](int step, int, const QString&) { passesStarted += step == 1 ? 1 : 0; });
        const auto reporter = connect(
            &window->Pass(), &CheckPass::stepStarted, &window->Pass(),
            [](int step, int, const QString&) {
                if (step == 5)
                    Orv::Error::Report("Raised by the pass", false, Orv::kErrorLevelError, "t.cpp", 1);
            },
            Qt::DirectConnection); // on the pass's thread
        gWhileBoxIsOpen = [&]() {
            QSignalSpy rows(&window->Pass(), &CheckPass::resultChanged);
            QTest::qWait(1500); // as long as a user reads the box, past the one-second refresh
            fixEnabledWhileOpen = Child<QPushButton>(window, "pushButtonFixAndCheck")->isEnabled();
            QTest::mouseClick(Child<QPushButton>(window, "pushButtonFixAndCheck"), Qt::LeftButton);
            rowsWhileOpen = rows.count();
        };
        gBoxes.clear();
        Orv::Error::SetMessageBoxPresenter(BoxThatWaits);
        window->RunChecks(false);
        Orv::Error::SetMessageBoxPresenter(RecordBox);
        disconnect(counter);
        disconnect(reporter);
        QVERIFY(std::find(gBoxes.begin(), gBoxes.end(), "Raised by the pass") != gBoxes.end());
        QCOMPARE(rowsWhileOpen, 0);
        QVERIFY(!fixEnabledWhileOpen);
        QCOMPARE(passesStarted, 1);
        QVERIFY(Child<QPushButton>(window, "pushButtonFixAndCheck")->isEnabled());
        QVERIFY(Child<QLabel>(window, "labelPassStep")->text().isEmpty());
    }

    // From the keyboard: Tab reaches every shown button in reading order (top to bottom, left to right), Enter
    // presses the one in focus, and Esc closes the report window it opened.
    void keyboardReachesEveryButton() {
        QList<QPushButton*> shown;
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->isVisible())
                shown << button;
        const auto globalTopLeft = [](QWidget* widget) { return widget->mapToGlobal(QPoint(0, 0)); };
        QList<QPushButton*> readingOrder = shown;
        std::sort(readingOrder.begin(), readingOrder.end(), [&](QPushButton* a, QPushButton* b) {
            const QPoint pa = globalTopLeft(a), pb = globalTopLeft(b);
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        QApplication::setActiveWindow(window.get());
        readingOrder.first()->setFocus(Qt::TabFocusReason);
        QList<QPushButton*> reached{readingOrder.first()};
        for (int presses = 0; presses < 40 && reached.size() < shown.size(); ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            if (focused && !reached.contains(focused))
                reached << focused;
        }
        QCOMPARE(reached, readingOrder);
        // "What to do" is on the way too, for those who read with the keyboard or a screen reader.
        auto* whatToDo = Find<QLabel>("labelWhatToDo");
        readingOrder.first()->setFocus(Qt::TabFocusReason);
        for (int presses = 0; presses < 40 && QApplication::focusWidget() != whatToDo; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), whatToDo);
        QCOMPARE(QAccessible::queryAccessibleInterface(whatToDo)->text(QAccessible::Name),
                 QStringLiteral("What to do"));
        QVERIFY(QAccessible::queryAccessibleInterface(whatToDo)->text(QAccessible::Description).contains(": "));

        Child<QPushButton>(window, "pushButtonSendReport")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Child<QPushButton>(window, "pushButtonSendReport"), Qt::Key_Return);
        QPointer<UIDialogDumpSend> report;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<UIDialogDumpSend*>(top); found && found->isVisible())
                report = found;
        QVERIFY(report);
        QApplication::setActiveWindow(report);
        QTest::keyClick(report, Qt::Key_Escape);
        QTRY_VERIFY(!report || !report->isVisible());
    }

    // "Quit" ends the program whatever is open: the report dialog, which has no parent, goes with the window.
    void quitClosesTheWindowAndItsDialogs() {
        QVERIFY(window->isVisible());
        QTest::mouseClick(Child<QPushButton>(window, "pushButtonSendReport"), Qt::LeftButton);
        QPointer<QWidget> report;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<UIDialogDumpSend*>(top) && top->isVisible())
                report = top;
        QVERIFY(report);
        QTest::mouseClick(Child<QPushButton>(window, "pushButtonQuit"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(!report || !report->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
