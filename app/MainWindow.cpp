#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "library_Orv/Machine.h"
#include "library_Orv/WinUtils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QThread>

namespace {
constexpr int kRefreshIntervalMs = 1000;
constexpr int kIconSize = 24;
constexpr unsigned long kCloseSleepMs = 1000;
} // namespace

// The icons are compiled into this static library; its resources must be registered before first use.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

MainWindow::MainWindow(FirstPass firstPass, ProgressReporter reporter)
    : QMainWindow(nullptr), resourcesReady_((InitResources(), true)), form_(std::make_unique<Ui::MainWindow>()),
      skinRegistration_(this, QStringLiteral("stylesheet.qss")), refreshTimer_(this),
      checkIcon_(QStringLiteral("://Resources/check.svg")), crossIcon_(QStringLiteral("://Resources/cross.svg")),
      questionIcon_(QStringLiteral("://Resources/question_mark.svg")) {
    form_->setupUi(this);
    skinRegistration_.Apply();

    progressReporter_ = std::move(reporter);
    if (firstPass == FirstPass::Run)
        RunChecks(false);

    form_->labelAutomaticCommandLineClipboard->hide();
    form_->labelAutomaticCommandLineClipboardIcon->hide();
    form_->pushButtonCheck->hide();
    form_->statusbar->hide();

    refreshTimer_.setInterval(kRefreshIntervalMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &MainWindow::RefreshProcessStates);
    refreshTimer_.start();
}

MainWindow::~MainWindow() {
    refreshTimer_.stop();
}

void MainWindow::ShowIcon(QLabel* iconLabel, const QIcon& icon) {
    iconLabel->setText(QString());
    iconLabel->setPixmap(icon.pixmap(kIconSize, kIconSize, QIcon::Normal));
}

void MainWindow::SetCheckResult(QLabel* iconLabel, bool ok) {
    SetResultValue(iconLabel->objectName(), ok ? QStringLiteral("true") : QStringLiteral("false"));
    ShowIcon(iconLabel, ok ? checkIcon_ : crossIcon_);
}

void MainWindow::SetUnknownResult(QLabel* iconLabel) {
    SetResultValue(iconLabel->objectName(), QStringLiteral("unknown"));
    ShowIcon(iconLabel, questionIcon_);
}

void MainWindow::SetResultValue(const QString& key, const QString& value) {
    reportDocument_.Member(key.toStdString()).SetString(value.toStdString());
}

QString MainWindow::ReportJson() {
    reportText_ = QString::fromStdString(reportDocument_.ToString(reportDocument_));
    return reportText_;
}

void MainWindow::RefreshProcessStates() {
    running_ = IsProductRunning();
    SetCheckResult(form_->labelIsRunning, running_);
    {
        const Orv::ProcessHandle explorer = Orv::OpenProcessByName(L"explorer.exe");
        SetIntegrityLevelText(form_->labelLevelUACExplorer, explorer.Native());
    }
    {
        const Orv::ProcessHandle product = Orv::OpenProcessByName(L"skorvane.exe");
        SetIntegrityLevelText(form_->labelLevelUACSkorvane, product.Native());
    }
    SetIntegrityLevelText(form_->labelLevelUACDiagnostic, Orv::CurrentProcessHandle());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    const QString executable = ProductExecutablePath();
    const QString installDirectory = ProductInstallDirectory();
    productProcess_.close(); // ends the instance that this tool launched, if it still runs
    QThread::msleep(kCloseSleepMs);
    // The product runs on, detached, after the tool has ended.
    productProcess_.setProgram(executable);
    productProcess_.setWorkingDirectory(installDirectory);
    // Nobody reads the detached product's output; it must not hold this tool's streams open once the tool has
    // ended (a script reading the tool's output would wait for the product).
    productProcess_.setStandardInputFile(QProcess::nullDevice());
    productProcess_.setStandardOutputFile(QProcess::nullDevice());
    productProcess_.setStandardErrorFile(QProcess::nullDevice());
    productProcess_.startDetached();
    QThread::msleep(kCloseSleepMs);
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

void MainWindow::on_pushButtonSendReport_clicked() {
    // Serialised for the report dialog, which takes this text and a screenshot of the window.
    ReportJson();
}

void MainWindow::on_pushButtonDownloadAndInstall_clicked() {
    // The download-and-install flow is started from here once the downloader exists.
}
