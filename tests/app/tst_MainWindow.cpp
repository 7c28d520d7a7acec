#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

// The window against its layout tables: object names, texts, places, visibility; the row operations and the
// report document.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;
    // The bare form, before any check has run: its designer texts.
    QMainWindow designerHost;
    Ui::MainWindow designerForm;

    template <typename T> T* Find(const QString& name) {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qWarning("missing %s", qPrintable(name));
        return widget;
    }

    // The widget of a form layout's field role: the widget itself, or the first widget of a nested row layout.
    static QWidget* FieldWidget(QFormLayout* form, int row) {
        QLayoutItem* item = form->itemAt(row, QFormLayout::FieldRole);
        if (!item)
            return nullptr;
        if (item->widget())
            return item->widget();
        return item->layout() && item->layout()->count() > 0 ? item->layout()->itemAt(0)->widget() : nullptr;
    }

private slots:
    void initTestCase() {
        designerForm.setupUi(&designerHost);
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanupTestCase() { window.reset(); }

    void windowFrame() {
        QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Skorvane Diagnostic"));
        // The form asks for 864 x 856; a larger font (as offscreen) may make the layout's minimum larger.
        QVERIFY(window->width() >= 864 && window->height() >= 856);
        QCOMPARE(window->width() > 864, window->minimumSizeHint().width() > 864);
        QVERIFY(window->statusBar()->isHidden());
        auto* menu = Find<QWidget>("menubar");
        QVERIFY(menu);
        QCOMPARE(window->centralWidget()->objectName(), QStringLiteral("centralwidget"));
        auto* outer = qobject_cast<QVBoxLayout*>(window->centralWidget()->layout());
        QVERIFY(outer);
        QCOMPARE(outer->objectName(), QStringLiteral("verticalLayout"));
        QCOMPARE(outer->contentsMargins().top(), 0);
        QCOMPARE(outer->contentsMargins().bottom(), 9);
        QCOMPARE(outer->itemAt(0)->widget()->objectName(), QStringLiteral("widget"));
        auto* inner = qobject_cast<QVBoxLayout*>(Find<QWidget>("widget")->layout());
        QCOMPARE(inner->objectName(), QStringLiteral("verticalLayout_2"));
        QCOMPARE(inner->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(inner->itemAt(0)->widget()->objectName(), QStringLiteral("widget_2"));
        QCOMPARE(inner->itemAt(1)->layout()->objectName(), QStringLiteral("horizontalLayout"));
        const QSizePolicy policy = Find<QWidget>("widget_2")->sizePolicy();
        QCOMPARE(policy.horizontalPolicy(), QSizePolicy::Preferred);
        QCOMPARE(policy.verticalPolicy(), QSizePolicy::Expanding);
    }

    void groups_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QRect>("place"); // row, column, row span, column span
        QTest::addColumn<QString>("layoutName");
        QTest::addColumn<bool>("isForm");
        QTest::newRow("groupBox_4") << "Windows" << QRect(0, 0, 2, 1) << "formLayout_4" << true;
        QTest::newRow("groupBox_2") << "Check Install" << QRect(0, 1, 2, 1) << "formLayout" << true;
        QTest::newRow("groupBox_3") << "Check shortcuts" << QRect(0, 2, 2, 1) << "gridLayout_5" << false;
        QTest::newRow("groupBox") << "Check Explorer plugin:" << QRect(0, 3, 1, 1) << "gridLayout_4" << false;
        QTest::newRow("groupBox_9") << "Check level UAC by process" << QRect(1, 3, 1, 1) << "gridLayout_2" << false;
        QTest::newRow("groupBox_7") << "Automatic copy test" << QRect(0, 5, 1, 1) << "formLayout_7" << true;
        QTest::newRow("groupBox_6") << "is Skorvane is running" << QRect(1, 5, 1, 1) << "formLayout_6" << true;
        QTest::newRow("groupBox_8") << "Plugin/Exe communication" << QRect(0, 6, 1, 1) << "formLayout_8" << true;
        QTest::newRow("groupBox_5") << "Interact with Skorvane" << QRect(0, 7, 2, 1) << "formLayout_5" << true;
    }

    void groups() {
        QFETCH(QString, title);
        QFETCH(QRect, place);
        QFETCH(QString, layoutName);
        QFETCH(bool, isForm);
        auto* group = Find<QGroupBox>(QTest::currentDataTag());
        QVERIFY(group);
        QCOMPARE(group->title(), title);
        QCOMPARE(group->layout()->objectName(), layoutName);
        QCOMPARE(qobject_cast<QFormLayout*>(group->layout()) != nullptr, isForm);
        auto* grid = qobject_cast<QGridLayout*>(Find<QWidget>("widget_2")->layout());
        QCOMPARE(grid->objectName(), QStringLiteral("gridLayout"));
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(group), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QRect(column, row, columnSpan, rowSpan), place);
    }

    void gridHasTheSpacerAndAnEmptyRowFour() {
        auto* grid = qobject_cast<QGridLayout*>(Find<QWidget>("widget_2")->layout());
        QLayoutItem* spacerItem = grid->itemAtPosition(8, 0);
        QVERIFY(spacerItem && spacerItem->spacerItem());
        QCOMPARE(spacerItem->sizeHint(), QSize(20, 40));
        QCOMPARE(spacerItem->spacerItem()->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(spacerItem->spacerItem()->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QVERIFY(!grid->itemAtPosition(4, 0));
        QVERIFY(!grid->itemAtPosition(4, 1));
    }

    void formRows_data() {
        QTest::addColumn<QString>("layoutName");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("captionName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("otherName"); // the text label at the end of the row, if any
        QTest::newRow("labelWindows64BitsIcon") << "formLayout_4" << 0 << "label_7"
                                                << "Window 64 bits (x64 Mandatory)"
                                                << "labelArchitecture";
        QTest::newRow("labelWindowsNameIcon") << "formLayout_4" << 1 << "labelWindow"
                                              << "Windows version"
                                              << "labelWindowsVersion";
        QTest::newRow("labelInstallIntegrityExeIcon") << "formLayout" << 0 << "label_4"
                                                      << "Integrity of software exe"
                                                      << "labelSoftwareversion";
        QTest::newRow("labelCheckExeSignedIcon") << "formLayout" << 1 << "label_6"
                                                 << "Check exe is signed"
                                                 << "";
        QTest::newRow("labelCheckExeSignedNameIcon") << "formLayout" << 2 << "label_9"
                                                     << "Check exe is signed with good certificate name"
                                                     << "";
        QTest::newRow("labelAutomaticCommandLineCopyIcon") << "formLayout_7" << 0 << "label_14"
                                                           << "Command line copy"
                                                           << "";
        QTest::newRow("labelAutomaticCommandLineClipboardIcon")
            << "formLayout_7" << 1 << "labelAutomaticCommandLineClipboard"
            << "Command clipboard past and copy"
            << "";
        QTest::newRow("labelIsRunning") << "formLayout_6" << 0 << "label_12"
                                        << "is Skorvane is running"
                                        << "";
        QTest::newRow("labelSimulatePluginIcon") << "formLayout_8" << 0 << "label_13"
                                                 << "Simulate communication from plugin"
                                                 << "";
        QTest::newRow("labelSkorvaneLaunchedIcon") << "formLayout_5" << 0 << "label_10"
                                                   << "Skorvane is launched"
                                                   << "";
    }

    void formRows() {
        QFETCH(QString, layoutName);
        QFETCH(int, row);
        QFETCH(QString, captionName);
        QFETCH(QString, caption);
        QFETCH(QString, otherName);
        auto* form = window->findChild<QFormLayout*>(layoutName);
        QVERIFY(form);
        QLayoutItem* labelItem = form->itemAt(row, QFormLayout::LabelRole);
        QVERIFY(labelItem && labelItem->widget());
        QCOMPARE(labelItem->widget()->objectName(), QString(QTest::currentDataTag()));
        QWidget* field = FieldWidget(form, row);
        QVERIFY(field);
        QCOMPARE(field->objectName(), captionName);
        QCOMPARE(qobject_cast<QLabel*>(field)->text(), caption);
        if (!otherName.isEmpty()) {
            QLayout* rowLayout = form->itemAt(row, QFormLayout::FieldRole)->layout();
            QVERIFY(rowLayout);
            QCOMPARE(rowLayout->count(), 3);
            QSpacerItem* spacer = rowLayout->itemAt(1)->spacerItem();
            QVERIFY(spacer);
            QCOMPARE(spacer->sizeHint(), QSize(40, 20));
            QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            QCOMPARE(rowLayout->itemAt(2)->widget()->objectName(), otherName);
        }
    }

    void gridRows_data() {
        QTest::addColumn<QString>("layoutName");
        QTest::addColumn<QPoint>("place"); // column, row
        QTest::addColumn<QString>("text");
        QTest::newRow("labelShortcutInstalledGlobal") << "gridLayout_5" << QPoint(0, 0) << "Icon";
        QTest::newRow("label_15") << "gridLayout_5" << QPoint(1, 0) << "Shortcut installed for all users";
        QTest::newRow("labelPointToInstalledDirCurrentAllUsers") << "gridLayout_5" << QPoint(2, 0) << "Icon";
        QTest::newRow("label_21") << "gridLayout_5" << QPoint(3, 0) << "Shortcut point to the uninstall dir ?";
        QTest::newRow("labelShortcutInstalledCurrentUser") << "gridLayout_5" << QPoint(0, 1) << "Icon";
        QTest::newRow("label_3") << "gridLayout_5" << QPoint(1, 1) << "Shortcut installed for current user";
        QTest::newRow("labelPointToInstalledDirCurrentUser") << "gridLayout_5" << QPoint(2, 1) << "Icon";
        QTest::newRow("label_22") << "gridLayout_5" << QPoint(3, 1) << "Shortcut point to the uninstall dir ?";
        QTest::newRow("labelShortcutAllowedToRunIcon") << "gridLayout_5" << QPoint(0, 2) << "Icon";
        QTest::newRow("label_5") << "gridLayout_5" << QPoint(1, 2) << "Shortcut allowed to run";
        QTest::newRow("labelCheckInstallExplorerPluginIcon") << "gridLayout_4" << QPoint(0, 0) << "Icon";
        QTest::newRow("label") << "gridLayout_4" << QPoint(1, 0) << "Check install Explorer plugin registered";
        QTest::newRow("labelPluginVersion") << "gridLayout_4" << QPoint(2, 0) << "version";
        QTest::newRow("labelCheckPluginSignedIcon") << "gridLayout_4" << QPoint(0, 1) << "Icon";
        QTest::newRow("label_2") << "gridLayout_4" << QPoint(1, 1) << "Check plugin is signed";
        QTest::newRow("labelCheckPluginSignedNameIcon") << "gridLayout_4" << QPoint(0, 2) << "Icon";
        QTest::newRow("label_11") << "gridLayout_4" << QPoint(1, 2)
                                  << "Check plugin is signed with good certificate name";
        QTest::newRow("labelDragAndDropActivated") << "gridLayout_4" << QPoint(0, 3) << "Icon";
        QTest::newRow("label_19") << "gridLayout_4" << QPoint(1, 3) << "Explorer Drag and Drop activated";
        QTest::newRow("pushButtonActivateDragAndDrop") << "gridLayout_4" << QPoint(2, 3) << "Activate";
        QTest::newRow("label_8") << "gridLayout_2" << QPoint(0, 0) << "Explorer";
        QTest::newRow("labelLevelUACExplorer") << "gridLayout_2" << QPoint(1, 0) << "TextLabel";
        QTest::newRow("label_16") << "gridLayout_2" << QPoint(0, 1) << "Diagnostic";
        QTest::newRow("labelLevelUACDiagnostic") << "gridLayout_2" << QPoint(1, 1) << "TextLabel";
        QTest::newRow("label_18") << "gridLayout_2" << QPoint(0, 2) << "Skorvane";
        QTest::newRow("labelLevelUACSkorvane") << "gridLayout_2" << QPoint(1, 2) << "TextLabel";
    }

    void gridRows() {
        QFETCH(QString, layoutName);
        QFETCH(QPoint, place);
        QFETCH(QString, text);
        auto* grid = designerHost.findChild<QGridLayout*>(layoutName);
        QVERIFY(grid);
        QLayoutItem* item = grid->itemAtPosition(place.y(), place.x());
        QVERIFY(item && item->widget());
        QCOMPARE(item->widget()->objectName(), QString(QTest::currentDataTag()));
        const QVariant shown = item->widget()->property("text");
        QCOMPARE(shown.toString(), text);
    }

    void logAreaAndExplorerLabel() {
        auto* log = Find<QPlainTextEdit>("plainTextEdit");
        QVERIFY(log);
        QVERIFY(log->isReadOnly());
        QCOMPARE(log->minimumHeight(), 90);
        auto* form = window->findChild<QFormLayout*>("formLayout_5");
        QCOMPARE(form->itemAt(1, QFormLayout::SpanningRole)->widget(), log);
        QCOMPARE(Find<QLabel>("label_8")->minimumWidth(), 300);
    }

    void buttonRowInOrder() {
        auto* row = window->findChild<QHBoxLayout*>("horizontalLayout");
        QVERIFY(row);
        QCOMPARE(row->count(), 6);
        const QStringList names = {"pushButtonDownloadAndInstall", "",
                                   "pushButtonFixAndCheck",        "pushButtonCheck",
                                   "pushButtonSendReport",         "pushButtonQuit"};
        const QStringList texts = {
            "Download and install Skorvane", "", "Fix and check again", "Check", "Send report", "Quit"};
        for (int i = 0; i < row->count(); ++i) {
            if (names[i].isEmpty()) {
                QVERIFY(row->itemAt(i)->spacerItem());
                QCOMPARE(row->itemAt(i)->spacerItem()->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
                QCOMPARE(row->itemAt(i)->sizeHint(), QSize(40, 20));
                continue;
            }
            auto* button = qobject_cast<QPushButton*>(row->itemAt(i)->widget());
            QVERIFY(button);
            QCOMPARE(button->objectName(), names[i]);
            QCOMPARE(button->text(), texts[i]);
        }
    }

    void hiddenAtConstruction() {
        for (const char* name : {"labelAutomaticCommandLineClipboard", "labelAutomaticCommandLineClipboardIcon",
                                 "pushButtonCheck", "statusbar"})
            QVERIFY2(Find<QWidget>(name)->isHidden(), name);
        for (const char* name : {"pushButtonFixAndCheck", "pushButtonQuit", "labelIsRunning", "plainTextEdit"})
            QVERIFY2(Find<QWidget>(name)->isVisible(), name);
        // Rows that no check sets keep their designer text; the rows of the pass show an icon and no text.
        QCOMPARE(Find<QLabel>("labelSkorvaneLaunchedIcon")->text(), QStringLiteral("Icon"));
        for (const char* name :
             {"labelWindows64BitsIcon", "labelWindowsNameIcon", "labelInstallIntegrityExeIcon",
              "labelCheckInstallExplorerPluginIcon", "labelShortcutInstalledGlobal",
              "labelPointToInstalledDirCurrentAllUsers", "labelShortcutInstalledCurrentUser",
              "labelPointToInstalledDirCurrentUser", "labelShortcutAllowedToRunIcon", "labelIsRunning"}) {
            QVERIFY2(Find<QLabel>(name)->text().isEmpty(), name);
            QVERIFY2(!Find<QLabel>(name)->pixmap(Qt::ReturnByValue).isNull(), name);
        }
    }

    void slotsInTheirOrder() {
        const QMetaObject* meta = window->metaObject();
        const QStringList expected = {"on_pushButtonFixAndCheck_clicked()",
                                      "on_pushButtonCheck_clicked()",
                                      "on_pushButtonQuit_clicked()",
                                      "on_pushButtonSendReport_clicked()",
                                      "on_pushButtonDownloadAndInstall_clicked()",
                                      "on_pushButtonActivateDragAndDrop_clicked()"};
        QCOMPARE(meta->methodCount() - meta->methodOffset(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(QString(meta->method(meta->methodOffset() + i).methodSignature()), expected[i]);
    }

    void refreshTimerRunsEverySecond() {
        const QList<QTimer*> timers = window->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(std::any_of(timers.begin(), timers.end(),
                            [](QTimer* t) { return t->interval() == 1000 && t->isActive() && !t->isSingleShot(); }));
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
        fresh.SetCheckResult(fresh.Form()->labelWindows64BitsIcon, true);
        fresh.SetResultValue("Windows", "Debian GNU/Linux 12 - 6.1");
        fresh.SetCheckResult(fresh.Form()->labelIsRunning, false);
        fresh.SetResultValue("plainTextEdit", "line");
        // A second pass and the refresh overwrite in place.
        fresh.SetCheckResult(fresh.Form()->labelWindows64BitsIcon, false);
        fresh.SetCheckResult(fresh.Form()->labelIsRunning, true);
        fresh.SetResultValue("Windows", "x \"quoted\"");
        QCOMPARE(fresh.ReportJson(), QStringLiteral("{\"labelWindows64BitsIcon\": \"false\",\"Windows\": \"x "
                                                    "\\\"quoted\\\"\",\"labelIsRunning\": \"true\",\"plainTextEdit\": "
                                                    "\"line\"}"));
    }

    void passRecordsTheLogArea() {
        window->Form()->plainTextEdit->setPlainText("Is already running");
        window->RunChecks(false);
        // The log area is cleared or refilled by the launch step; whatever it shows is what the report holds.
        QCOMPARE(QString::fromStdString(window->ReportDocument().Member("plainTextEdit").ValueText()),
                 window->Form()->plainTextEdit->toPlainText());
    }

    void quitClosesTheWindow() {
        QVERIFY(window->isVisible());
        QElapsedTimer elapsed;
        elapsed.start();
        QTest::mouseClick(window->Form()->pushButtonQuit, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(elapsed.elapsed() >= 2000); // the two pauses that let the product end and restart
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
