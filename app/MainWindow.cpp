#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "ApplicationNames.h"
#include "PassReport.h"
#include "network/NetworkLimits.h"
#include "report/OpenReportDialog.h"
#include "report/OutboxSender.h"
#include "report/UIDialogDumpSend.h"
#include "report/UIPanelDumpSend.h"
#include "network/SiteAddress.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Error.h"

#include "library_Orv/Machine.h"
#include "library_Orv/Processes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>

namespace {
constexpr int kRefreshIntervalMs = 1000;
constexpr int kIconSize = 24;
// How long closing the window waits for a pass to stop before the program ends without it.
constexpr unsigned long kPassStopWaitMs = 1000;
} // namespace

// The icons are compiled into this static library; its resources must be registered before first use.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

MainWindow::MainWindow(FirstPass firstPass, const ProgressReporter& reporter)
    : QMainWindow(nullptr), resourcesReady_((InitResources(), true)), form_(std::make_unique<Ui::MainWindow>()),
      skinRegistration_(this, QStringLiteral("stylesheet.qss")), pass_(this), refreshTimer_(this),
      checkIcon_(QStringLiteral("://Resources/check.svg")), crossIcon_(QStringLiteral("://Resources/cross.svg")),
      questionIcon_(QStringLiteral("://Resources/question_mark.svg")) {
    form_->setupUi(this);
    skinRegistration_.Apply();
    // Enter presses the button in focus (Tab reaches them in reading order), as in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    // The form's placeholders never reach the screen: a row shows its result, or nothing until it has one.
    for (QLabel* label : findChildren<QLabel*>())
        if (label->text() == QLatin1String("Icon") || label->text() == QLatin1String("TextLabel"))
            label->clear();

    connect(&pass_, &CheckPass::resultChanged, this, &MainWindow::ShowResult);
    connect(&pass_, &CheckPass::rowTextChanged, this, &MainWindow::ShowRowText);
    connect(&pass_, &CheckPass::logCleared, form_->plainTextEdit, &QPlainTextEdit::clear);
    connect(&pass_, &CheckPass::logAppended, this, &MainWindow::AppendLogText);
    connect(&pass_, &CheckPass::activateOffered, form_->pushButtonActivateDragAndDrop, &QWidget::setVisible);
    connect(&pass_, &CheckPass::passFinished, this, &MainWindow::ShowExplanations);
    form_->groupBoxWhatToDo->hide();
    // The list wraps to the rows' width; it never widens the window.
    form_->labelWhatToDo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Reachable from the keyboard, and read by a screen reader, as the buttons are.
    // (QLabel gives selectable text click focus only: the policy comes after the flags.)
    form_->labelWhatToDo->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    form_->labelWhatToDo->setFocusPolicy(Qt::StrongFocus);
    // The step under way, as the start-up splash shows it, for the passes that run with the window shown.
    connect(&pass_, &CheckPass::stepStarted, this, [this](int step, int steps, const QString& name) {
        form_->labelPassStep->setText(tr("%1 - %2 of %3").arg(name).arg(step).arg(steps));
    });

    if (firstPass == FirstPass::Run) {
        QMetaObject::Connection progress;
        if (reporter)
            progress =
                connect(&pass_, &CheckPass::stepStarted, this, [&reporter](int step, int steps, const QString& name) {
                    reporter(step, steps, name.toUtf8().constData());
                });
        RunChecks(false);
        disconnect(progress);
    }

    form_->labelAutomaticCommandLineClipboard->hide();
    form_->labelAutomaticCommandLineClipboardIcon->hide();
    form_->pushButtonCheck->hide();
    form_->statusbar->hide();

    // The rows in a scroll area of their own, for screens smaller than the window's natural size.
    fullSize_ = sizeHint();
    auto* rows = new QScrollArea(form_->widget);
    rows->setObjectName(QStringLiteral("scrollAreaRows"));
    rows->setFrameShape(QFrame::NoFrame);
    rows->setWidgetResizable(true);
    form_->verticalLayout_2->replaceWidget(form_->widget_2, rows);
    rows->setWidget(form_->widget_2);
    resize(fullSize_);

    RefreshIntegrityLevels(pass_.RunningProcessId() != 0);
    refreshTimer_.setInterval(kRefreshIntervalMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &MainWindow::RefreshProcessStates);
    refreshTimer_.start();
}

MainWindow::~MainWindow() {
    refreshTimer_.stop();
}

void MainWindow::SetCheckResult(QLabel* iconLabel, bool ok) {
    pass_.SetCheckResult(iconLabel->objectName(), ok);
}

void MainWindow::SetUnknownResult(QLabel* iconLabel) {
    pass_.SetUnknownResult(iconLabel->objectName());
}

void MainWindow::SetResultValue(const QString& key, const QString& value) {
    pass_.SetResultValue(key, value);
}

void MainWindow::RunChecks(bool fix) {
    RunInBackground([this, fix]() { return pass_.Start(fix); });
}

void MainWindow::RunInBackground(const std::function<bool()>& start) {
    // One pass at a time, and nothing else meanwhile: a box the pass raises turns the event loop, where the refresh
    // or a button would otherwise run in the middle of the pass.
    if (passRunning_)
        return;
    passRunning_ = true;
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    QList<QPushButton*> disabled;
    for (QPushButton* button : buttons)
        if (button->isEnabled()) {
            button->setEnabled(false);
            disabled << button;
        }
    // The work runs on a thread of its own; this one shows its rows as they come, repaints and answers.
    QEventLoop untilPassEnds;
    connect(&pass_, &CheckPass::passFinished, &untilPassEnds, &QEventLoop::quit);
    if (start())
        untilPassEnds.exec();
    if (pass_.IsRunning())
        return; // the program is ending (the window closed during the pass): nothing more to show
    form_->labelPassStep->clear();
    for (QPushButton* button : disabled)
        button->setEnabled(true);
    passRunning_ = false;
}

namespace {
QLabel* CaptionOf(QLabel* iconLabel);
} // namespace

void MainWindow::ShowResult(const QString& row, CheckResult result) {
    auto* iconLabel = findChild<QLabel*>(row);
    if (!iconLabel)
        return;
    const QIcon& icon = result == CheckResult::Passed   ? checkIcon_
                        : result == CheckResult::Failed ? crossIcon_
                                                        : questionIcon_;
    iconLabel->setText(QString());
    iconLabel->setPixmap(icon.pixmap(kIconSize, kIconSize, QIcon::Normal));
    // The icon is the row for a screen reader: its title and its result ("Integrity of software exe: failed").
    const QLabel* caption = CaptionOf(iconLabel);
    const QString title = CheckRows::IsCheck(row) ? CheckRows::Title(row) : caption ? caption->text() : QString();
    iconLabel->setAccessibleName(title.isEmpty() ? CheckRows::TranslatedWord(result)
                                                 : tr("%1: %2").arg(title, CheckRows::TranslatedWord(result)));
    // "Skorvane is launched" follows the product's running row; the report keeps only the running row.
    if (row == QLatin1String("labelIsRunning"))
        ShowResult(QStringLiteral("labelSkorvaneLaunchedIcon"), result);
}

void MainWindow::ShowRowText(const QString& row, const QString& text) {
    if (auto* label = findChild<QLabel*>(row))
        label->setText(text);
}

void MainWindow::AppendLogText(const QString& text) {
    QTextCursor end(form_->plainTextEdit->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

void MainWindow::RefreshProcessStates() {
    if (passRunning_)
        return; // the pass records the running row itself
    RefreshIntegrityLevels(pass_.RefreshRunningState());
    ShowExplanations();
}

namespace {
// The label beside an icon label in its row: the row's caption.
QLabel* CaptionOf(QLabel* iconLabel) {
    QWidget* parent = iconLabel->parentWidget();
    if (!parent || !parent->layout())
        return nullptr;
    if (auto* form = qobject_cast<QFormLayout*>(parent->layout())) {
        int row = -1;
        QFormLayout::ItemRole role;
        form->getWidgetPosition(iconLabel, &row, &role);
        QLayoutItem* field = row < 0 ? nullptr : form->itemAt(row, QFormLayout::FieldRole);
        if (field && field->layout()) // the caption, then the row's text, in a layout of their own
            field = field->layout()->count() > 0 ? field->layout()->itemAt(0) : nullptr;
        return field ? qobject_cast<QLabel*>(field->widget()) : nullptr;
    }
    if (auto* grid = qobject_cast<QGridLayout*>(parent->layout())) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        const int index = grid->indexOf(iconLabel);
        if (index < 0)
            return nullptr;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QLayoutItem* caption = grid->itemAtPosition(row, column + 1);
        return caption ? qobject_cast<QLabel*>(caption->widget()) : nullptr;
    }
    return nullptr;
}

// Long paths and keys may break after each separator: the list wraps to the window's width, whatever it names.
QString Breakable(QString html) {
    html.replace(QLatin1Char('/'), QStringLiteral("/&#8203;"));
    html.replace(QLatin1Char('\\'), QStringLiteral("\\&#8203;"));
    return html;
}

} // namespace

void MainWindow::ShowExplanations() {
    const QVector<CheckExplanation>& explanations = pass_.Explanations();
    if (explanations == shownExplanations_)
        return;
    shownExplanations_ = explanations;
    QMap<QString, QString> tips;
    QMap<QString, QString> spoken; // a screen reader's description of the row: cause and fix, without markup
    QString list;
    QStringList spokenList;
    for (const CheckExplanation& explanation : explanations) {
        spoken[explanation.row] = tr("Cause: %1 What to do: %2").arg(explanation.cause, explanation.fix);
        spokenList << tr("%1: %2").arg(explanation.title, spoken[explanation.row]);
        tips[explanation.row] = tr("<b>%1</b><br>%2<br><b>Cause:</b> %3<br><b>What to do:</b> %4")
                                    .arg(explanation.title.toHtmlEscaped(), explanation.meaning.toHtmlEscaped(),
                                         explanation.cause.toHtmlEscaped(), explanation.fix.toHtmlEscaped());
        list += QStringLiteral("<li style=\"margin-bottom: 4px\"><b>%1</b>: %2<br>%3</li>")
                    .arg(explanation.title.toHtmlEscaped(), Breakable(explanation.cause.toHtmlEscaped()),
                         Breakable(explanation.fix.toHtmlEscaped()));
    }
    for (const QString& row : CheckRows::Checks()) {
        auto* iconLabel = findChild<QLabel*>(row);
        if (!iconLabel)
            continue;
        iconLabel->setToolTip(tips.value(row));
        iconLabel->setAccessibleDescription(spoken.value(row));
        if (QLabel* caption = CaptionOf(iconLabel))
            caption->setToolTip(tips.value(row));
    }
    form_->labelWhatToDo->setText(list.isEmpty() ? QString() : QStringLiteral("<ul>%1</ul>").arg(list));
    form_->labelWhatToDo->setAccessibleName(form_->groupBoxWhatToDo->title());
    form_->labelWhatToDo->setAccessibleDescription(spokenList.join(QLatin1Char('\n')));
    form_->groupBoxWhatToDo->setVisible(!list.isEmpty());
}

void MainWindow::RefreshIntegrityLevels(bool productRuns) {
    {
        const Orv::ProcessHandle explorer = Orv::OpenProcessByName(L"explorer.exe");
        SetIntegrityLevelText(form_->labelLevelUACExplorer, explorer.Native());
    }
    {
        // The product itself, not another program that bears its name.
        const Orv::ProcessHandle product =
            productRuns ? Orv::OpenProcessById(pass_.RunningProcessId()) : Orv::ProcessHandle();
        SetIntegrityLevelText(form_->labelLevelUACSkorvane, product.Native());
    }
    SetIntegrityLevelText(form_->labelLevelUACDiagnostic, Orv::CurrentProcessHandle());
}

void MainWindow::SetIntegrityLevelText(QLabel* label, intptr_t processHandle) {
    label->setText(QString::fromLatin1(Orv::IntegrityLevelName(Orv::GetProcessIntegrityLevel(processHandle))));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit sClosing();
    if (pass_.IsRunning()) {
        // Out of sight at once; the pass stops before its next step, or is left behind when a call it cannot cut
        // short holds it (the program then ends without waiting for it).
        hide();
        passAbandoned_ = !pass_.Stop(kPassStopWaitMs);
    }
    pass_.Product().EndLaunchedAndStartDetached();
    // The program ends with its window: the report windows and dialogs, which have no parent, go with it.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (!qobject_cast<MainWindow*>(top) && top->isVisible())
            top->close();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!fitted_) {
        fitted_ = true;
        // Once the window system has framed it: the frame's size counts.
        QTimer::singleShot(0, this, &MainWindow::FitToScreen);
        // The first pass is over: what waits in the outbox goes now, in the background.
        QTimer::singleShot(0, this, &MainWindow::SendWaitingReports);
    }
}

void MainWindow::SendWaitingReports() {
    const QString folder = ReportOutbox::DefaultFolder();
    if (folder.isEmpty() || ReportOutbox(folder).Count() == 0)
        return;
    auto* sender = new OutboxSender(folder, this);
    sender->SetLimits(Orv::NetworkStallMs(), Orv::NetworkMinimumBytes());
    connect(sender, &OutboxSender::sSending, this, [this](int index, int count) {
        form_->labelPassStep->setText(count == 1 ? tr("Sending the report that waited…")
                                                 : tr("Sending waiting report %1 of %2…").arg(index + 1).arg(count));
    });
    connect(sender, &OutboxSender::sFinished, this, [this, sender]() {
        // The line may be cut in a narrow window: the log below keeps it whole, with what was dropped or set aside.
        form_->labelPassStep->setText(sender->Summary());
        form_->labelPassStep->setToolTip(sender->Summary());
        for (const QString& note : sender->Notes())
            AppendLogText(note);
        AppendLogText(sender->Summary());
        sender->deleteLater();
    });
    sender->Start();
}

void MainWindow::FitToScreen() {
    QScreen* screen =
        windowHandle() && windowHandle()->screen() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize frameExtra(frame.width() - width(), frame.height() - height());
    // The rows' natural size is known only now, with the window's fonts and style in force: the window needs what it
    // has plus what the rows lack in the scroll area's view.
    const auto* rows = findChild<QScrollArea*>(QStringLiteral("scrollAreaRows"));
    const QSize content = form_->widget_2->sizeHint();
    const QSize view = rows ? rows->viewport()->size() : content;
    QSize natural = fullSize_.expandedTo(
        size() + QSize(qMax(0, content.width() - view.width()), qMax(0, content.height() - view.height())));
    // Rows taller than the area scroll: their scroll bar takes its width from the rows, which would scroll sideways.
    if (rows && natural.height() > area.height() - frameExtra.height())
        natural.rwidth() += rows->verticalScrollBar()->sizeHint().width();
    const QSize fitted = natural.boundedTo(area.size() - frameExtra).expandedTo(minimumSizeHint());
    resize(fitted);
    // The whole frame inside the work area, not under the task bar.
    const QRect now = frameGeometry();
    QPoint topLeft = now.topLeft();
    topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() + 1 - now.width())));
    topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() + 1 - now.height())));
    move(topLeft);
}

void MainWindow::on_pushButtonFixAndCheck_clicked() {
    RunChecks(true);
}

void MainWindow::on_pushButtonCheck_clicked() {
    RunChecks(false);
}

void MainWindow::on_pushButtonQuit_clicked() {
    close();
}

bool MainWindow::SiteAddressUsable() {
    const QString problem = Orv::SiteAddressProblem();
    if (!problem.isEmpty())
        ORV_REPORT(problem.toStdString(), false, Orv::kErrorLevelWarning);
    return problem.isEmpty();
}

void MainWindow::on_pushButtonSendReport_clicked() {
    if (!SiteAddressUsable())
        return;
    // A new screenshot, dialog and panel for every use; the dialog is modeless and goes when closed.
    UIDialogDumpSend* dialog = OpenReportDialog(this, ReportJson(), pass_.ProductVersion(), ReportRowTexts());
    // The dialog closes soon after its thanks: the number to quote stays in the window's log.
    if (auto* panel = dialog ? dialog->findChild<UIPanelDumpSend*>() : nullptr)
        connect(panel, &UIPanelDumpSend::sReportTaken, this, [this](const QString& number) {
            AppendLogText(tr("Report number %1 sent: quote it to support.").arg(number));
        });
}

QMap<QString, ReportRowText> MainWindow::ReportRowTexts() {
    return ReportRowTextsOf(pass_);
}

void MainWindow::on_pushButtonDownloadAndInstall_clicked() {
    if (download_.Dialog()) // a download under way: its dialog keeps the window's buttons out of reach
        return;
    if (SiteAddressUsable()) // before anything is asked, or the product ended
        download_.Run();
}

void MainWindow::on_pushButtonActivateDragAndDrop_clicked() {
    RunInBackground([this]() { return pass_.StartActivation(); });
}
