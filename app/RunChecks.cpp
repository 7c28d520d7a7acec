#include "MainWindow.h"

#include "checks/CopyTests.h"
#include "checks/InstallationChecks.h"
#include "ui_MainWindow.h"

#include "library_Orv/Authenticode.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Machine.h"
#include "library_Orv/Qt/QShortCutStartupManager.h"
#include "library_Orv/Qt/QtWinUtils.h"
#include "library_Orv/WinUtils.h"
#include "pipe/PipeMessage.h"
#include "pipe/PipeRequest.h"

#include <QSysInfo>
#include <QThread>
#include <QtDebug>

#include <atomic>

namespace {
constexpr unsigned long kAfterCopyAnswersMs = 2000;
// The product is launched by one pass at most in a run of this program.
std::atomic<bool> gProductMayBeLaunched{true};
} // namespace

// One pass over every check, in a fixed order; a pass never stops early. Each step fills its own rows of the
// window and its members of the report document.
void MainWindow::RunChecks(bool fix) {
    ReportStep(1, "Architecture");
    CheckArchitecture();
    ReportStep(2, "Windows version");
    CheckWindowsVersion();
    ReportStep(3, "Installation paths");
    ComputeSharedValues();
    ReportStep(4, "Integrity of the executable");
    CheckInstallIntegrity();
    ReportStep(5, "Software version");
    ReadSoftwareVersion();
    ReportStep(6, "Signatures");
    CheckSignatures();
    ReportStep(7, "Explorer plugin registration");
    CheckPluginRegistration();
    ReportStep(8, "Explorer plugin version");
    ReadPluginVersion();
    ReportStep(9, fix ? "Start-up shortcuts (with repair)" : "Start-up shortcuts");
    CheckStartupShortcuts(fix);
    ReportStep(10, "Start-up approval");
    CheckStartupApproval();
    ReportStep(11, "Running state");
    CheckRunningState();
    ReportStep(12, "Command line copy");
    RunCommandLineCopyTest();
    ReportStep(13, "Launch");
    RunLaunchStep();
    ReportStep(14, "Log area");
    RecordLogArea();
    ReportStep(15, "Plugin simulation");
    RunPluginSimulationTest();
}

void MainWindow::ReportStep(int step, const char* name) {
    if (progressReporter_)
        progressReporter_(step, kCheckSteps, name);
}

void MainWindow::CheckArchitecture() {
    const std::string architecture = QSysInfo::currentCpuArchitecture().toStdString();
    const Orv::MachineInfo machine = Orv::GetMachineInfo();
    SetCheckResult(form_->labelWindows64BitsIcon, Checks::Is64BitWindowsOnX64(architecture, machine));
    form_->labelArchitecture->setText(QString::fromStdWString(Checks::ArchitectureText(architecture, machine)));
}

void MainWindow::CheckWindowsVersion() {
    const QString text = Orv::GetOSCaption() + " - " + QString::fromStdWString(Orv::GetVersionString());
    SetResultValue(QStringLiteral("Windows"), text);
    SetCheckResult(form_->labelWindowsNameIcon, !text.isEmpty());
    form_->labelWindowsVersion->setText(text);
}

void MainWindow::ComputeSharedValues() {
    productPath_ = Orv::GetProductExePath();
    executablePath_ = Orv::ToLongPath(productPath_);
    installDirectory_ = Checks::ProductInstallDir(productPath_);
    shellDllPath_ = Checks::ShellDllPath(installDirectory_);
}

void MainWindow::CheckInstallIntegrity() {
    SetCheckResult(form_->labelInstallIntegrityExeIcon, Checks::Md5FileMatches(executablePath_));
}

void MainWindow::ReadSoftwareVersion() {
    productVersion_ = QString::fromStdWString(Checks::ReadSoftwareVersion(installDirectory_));
    form_->labelSoftwareversion->setText(productVersion_);
}

void MainWindow::CheckSignatures() {
    const QString expectedSigner = QStringLiteral("QUELLANOR");
    SetCheckResult(form_->labelCheckExeSignedIcon, Orv::IsFileSigned(executablePath_));
    SetCheckResult(form_->labelCheckPluginSignedIcon, Orv::IsFileSigned(shellDllPath_));
    SetCheckResult(form_->labelCheckPluginSignedNameIcon,
                   QString::fromStdWString(Orv::GetSignerName(shellDllPath_)) == expectedSigner);
    SetCheckResult(form_->labelCheckExeSignedNameIcon,
                   QString::fromStdWString(Orv::GetSignerName(executablePath_)) == expectedSigner);
}

void MainWindow::CheckPluginRegistration() {
    SetCheckResult(form_->labelCheckInstallExplorerPluginIcon,
                   Checks::AreShellExtensionClassesRegistered(shellDllPath_));
}

void MainWindow::ReadPluginVersion() {
    std::string diagnostic;
    form_->labelPluginVersion->setText(QString::fromStdWString(Checks::PluginVersionText(shellDllPath_, &diagnostic)));
    if (!diagnostic.empty())
        qInfo().noquote() << QString::fromStdString(diagnostic);
}

void MainWindow::CheckStartupShortcuts(bool fix) {
    using Manager = Orv::QShortCutStartupManager;
    Manager& shortcuts = Manager::Instance();
    const QString executable = QString::fromStdWString(executablePath_);
    shortcuts.SetShortcutName(QStringLiteral("Skorvane"));
    // The shortcut stores the plain path: Explorer may not start an extended-length target at logon.
    if (fix && !shortcuts.Exists(Manager::CurrentUser) && !shortcuts.Exists(Manager::AllUsers))
        shortcuts.Create(Manager::Either, QString::fromStdWString(productPath_));
    const auto pointsAtExecutable = [&](int scope) {
        return shortcuts.Exists(scope) &&
               Checks::SamePath(shortcuts.Target(scope).toStdWString(), executable.toStdWString());
    };
    SetCheckResult(form_->labelShortcutInstalledGlobal, shortcuts.Exists(Manager::AllUsers));
    SetCheckResult(form_->labelPointToInstalledDirCurrentAllUsers, pointsAtExecutable(Manager::AllUsers));
    shortcuts.SetShortcutName(QStringLiteral("Skorvane"));
    SetCheckResult(form_->labelShortcutInstalledCurrentUser, shortcuts.Exists(Manager::CurrentUser));
    SetCheckResult(form_->labelPointToInstalledDirCurrentUser, pointsAtExecutable(Manager::CurrentUser));
}

void MainWindow::CheckStartupApproval() {
    SetCheckResult(form_->labelShortcutAllowedToRunIcon, Checks::IsStartupApproved());
}

void MainWindow::CheckRunningState() {
    running_ = IsProductRunning();
    SetCheckResult(form_->labelIsRunning, running_);
}

bool MainWindow::IsProductRunning() {
    return Checks::FindProductProcess(Orv::GetProcessList(), Orv::GetProductExePath(), runningProcessId_);
}

void MainWindow::SetIntegrityLevelText(QLabel* label, intptr_t processHandle) {
    label->setText(QString::fromLatin1(Orv::IntegrityLevelName(Orv::GetProcessIntegrityLevel(processHandle))));
}

void MainWindow::RunCommandLineCopyTest() {
    Checks::ResetTargetFolder();
    const std::vector<std::wstring> sources = Checks::PrepareSourcePaths();
    Checks::WriteSourceFiles(sources);
    // A "--copy" run that does not end in time is ended; its copies are then missing or late, and the test fails.
    Orv::RunProcessAndWait(productPath_, {L"--copy", L"\"" + Checks::CopyArgument(sources) + L"\""},
                           kCommandLineCopyTimeoutMs);
    SetCheckResult(form_->labelAutomaticCommandLineCopyIcon, Checks::ExpectedCopiesExist());
}

void MainWindow::RunLaunchStep() {
    form_->plainTextEdit->clear();
    if (!running_ && gProductMayBeLaunched.exchange(false))
        LaunchProduct(QString::fromStdWString(productPath_), QString::fromStdWString(installDirectory_));
    else
        AppendLogLine(QStringLiteral("Is already running"));
}

void MainWindow::RecordLogArea() {
    SetResultValue(form_->plainTextEdit->objectName(), form_->plainTextEdit->toPlainText());
}

void MainWindow::RunPluginSimulationTest() {
    Checks::ResetTargetFolder();
    const std::vector<std::wstring> sources = Checks::PrepareSourcePaths(); // written by the command-line test
    const std::wstring target = Checks::CopyTestPath(Checks::kCopyTargetFolder);
    const Orv::PipeRequestResult result = Orv::SendRequestWithReply(
        Orv::kProductPipeName,
        [&](const std::wstring& replyPipeName) { return Orv::CopyRequestMessage(replyPipeName, target, sources); },
        Orv::MakeCopyReplyHandler());
    if (result != Orv::PipeRequestResult::NotSent)
        QThread::msleep(kAfterCopyAnswersMs);
    QueryDragAndDropState();
    SetCheckResult(form_->labelSimulatePluginIcon, Checks::ExpectedCopiesExist());
}

QString MainWindow::ProductExecutablePath() const {
    return QString::fromStdWString(Orv::GetProductExePath());
}

QString MainWindow::ProductInstallDirectory() const {
    return QString::fromStdWString(Checks::ProductInstallDir(Orv::GetProductExePath()));
}
