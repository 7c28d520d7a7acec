#include "QCheckPass.h"

#include "checks/CopyTests.h"
#include "checks/InstallationChecks.h"

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

namespace {
constexpr unsigned long kAfterCopyAnswersMs = 2000;
} // namespace

// One pass over every check, in a fixed order. Each step sets its own rows and its members of the report document.
void QCheckPass::Run(bool fix) {
    StartStep(1, "Architecture");
    CheckArchitecture();
    StartStep(2, "Windows version");
    CheckWindowsVersion();
    StartStep(3, "Installation paths");
    ComputeSharedValues();
    StartStep(4, "Integrity of the executable");
    CheckInstallIntegrity();
    StartStep(5, "Software version");
    ReadSoftwareVersion();
    StartStep(6, "Signatures");
    CheckSignatures();
    StartStep(7, "Explorer plugin registration");
    CheckPluginRegistration();
    StartStep(8, "Explorer plugin version");
    ReadPluginVersion();
    StartStep(9, fix ? "Start-up shortcuts (with repair)" : "Start-up shortcuts");
    CheckStartupShortcuts(fix);
    StartStep(10, "Start-up approval");
    CheckStartupApproval();
    StartStep(11, "Running state");
    CheckRunningState();
    StartStep(12, "Command line copy");
    RunCommandLineCopyTest();
    StartStep(13, "Launch");
    RunLaunchStep();
    StartStep(14, "Log area");
    RecordLogArea();
    StartStep(15, "Plugin simulation");
    RunPluginSimulationTest();
    copyTestFolder_.reset(); // the copy tests' files go with the pass
}

void QCheckPass::CheckArchitecture() {
    const std::string architecture = QSysInfo::currentCpuArchitecture().toStdString();
    const Orv::MachineInfo machine = Orv::GetMachineInfo();
    SetCheckResult(QStringLiteral("labelWindows64BitsIcon"), Checks::Is64BitWindowsOnX64(architecture, machine));
    SetRowText(QStringLiteral("labelArchitecture"),
               QString::fromStdWString(Checks::ArchitectureText(architecture, machine)));
}

void QCheckPass::CheckWindowsVersion() {
    const QString text = Orv::GetOSCaption() + " - " + QString::fromStdWString(Orv::GetVersionString());
    SetResultValue(QStringLiteral("Windows"), text);
    SetCheckResult(QStringLiteral("labelWindowsNameIcon"), !text.isEmpty());
    SetRowText(QStringLiteral("labelWindowsVersion"), text);
}

void QCheckPass::ComputeSharedValues() {
    productPath_ = Orv::GetProductExePath();
    // No product path (none that is absolute): every file check fails, nothing is run.
    executablePath_ = productPath_.empty() ? std::wstring() : Orv::ToLongPath(productPath_);
    installDirectory_ = Checks::ProductInstallDir(productPath_);
    shellDllPath_ = Checks::ShellDllPath(installDirectory_);
}

void QCheckPass::CheckInstallIntegrity() {
    SetCheckResult(QStringLiteral("labelInstallIntegrityExeIcon"), Checks::Md5FileMatches(executablePath_));
}

void QCheckPass::ReadSoftwareVersion() {
    productVersion_ = QString::fromStdWString(Checks::ReadSoftwareVersion(installDirectory_));
    SetRowText(QStringLiteral("labelSoftwareversion"), productVersion_);
}

void QCheckPass::CheckSignatures() {
    const QString expectedSigner = QStringLiteral("QUELLANOR");
    SetCheckResult(QStringLiteral("labelCheckExeSignedIcon"), Orv::IsFileSigned(executablePath_));
    SetCheckResult(QStringLiteral("labelCheckPluginSignedIcon"), Orv::IsFileSigned(shellDllPath_));
    SetCheckResult(QStringLiteral("labelCheckPluginSignedNameIcon"),
                   QString::fromStdWString(Orv::GetSignerName(shellDllPath_)) == expectedSigner);
    SetCheckResult(QStringLiteral("labelCheckExeSignedNameIcon"),
                   QString::fromStdWString(Orv::GetSignerName(executablePath_)) == expectedSigner);
}

void QCheckPass::CheckPluginRegistration() {
    SetCheckResult(QStringLiteral("labelCheckInstallExplorerPluginIcon"),
                   Checks::AreShellExtensionClassesRegistered(shellDllPath_));
}

void QCheckPass::ReadPluginVersion() {
    std::string diagnostic;
    SetRowText(QStringLiteral("labelPluginVersion"),
               QString::fromStdWString(Checks::PluginVersionText(shellDllPath_, &diagnostic)));
    if (!diagnostic.empty())
        qInfo().noquote() << QString::fromStdString(diagnostic);
}

void QCheckPass::CheckStartupShortcuts(bool fix) {
    using Manager = Orv::QShortCutStartupManager;
    Manager& shortcuts = Manager::Instance();
    const QString executable = QString::fromStdWString(executablePath_);
    shortcuts.SetShortcutName(QStringLiteral("Skorvane"));
    // The shortcut stores the plain path: Explorer may not start an extended-length target at logon.
    if (fix && !productPath_.empty() && !shortcuts.Exists(Manager::CurrentUser) && !shortcuts.Exists(Manager::AllUsers))
        shortcuts.Create(Manager::Either, QString::fromStdWString(productPath_));
    const auto pointsAtExecutable = [&](int scope) {
        return shortcuts.Exists(scope) &&
               Checks::SamePath(shortcuts.Target(scope).toStdWString(), executable.toStdWString());
    };
    SetCheckResult(QStringLiteral("labelShortcutInstalledGlobal"), shortcuts.Exists(Manager::AllUsers));
    SetCheckResult(QStringLiteral("labelPointToInstalledDirCurrentAllUsers"), pointsAtExecutable(Manager::AllUsers));
    shortcuts.SetShortcutName(QStringLiteral("Skorvane"));
    SetCheckResult(QStringLiteral("labelShortcutInstalledCurrentUser"), shortcuts.Exists(Manager::CurrentUser));
    SetCheckResult(QStringLiteral("labelPointToInstalledDirCurrentUser"), pointsAtExecutable(Manager::CurrentUser));
}

void QCheckPass::CheckStartupApproval() {
    SetCheckResult(QStringLiteral("labelShortcutAllowedToRunIcon"), Checks::IsStartupApproved());
}

void QCheckPass::CheckRunningState() {
    RefreshRunningState();
}

void QCheckPass::RunCommandLineCopyTest() {
    copyTestFolder_ = std::make_unique<Checks::CopyTestFolder>();
    Checks::CopyTestFolder& folder = *copyTestFolder_;
    folder.ResetTargetFolder();
    if (!folder.WriteSourceFiles())
        qInfo().noquote() << "The copy tests' source files could not be written in the temporary folder"
                          << QString::fromStdWString(folder.Path());
    // A "--copy" run that does not end in time is ended; its copies are then missing or late, and the test fails.
    if (folder.IsValid() && !productPath_.empty())
        Orv::RunProcessAndWait(productPath_, {L"--copy", L"\"" + folder.CopyArgument() + L"\""},
                               kCommandLineCopyTimeoutMs);
    SetCheckResult(QStringLiteral("labelAutomaticCommandLineCopyIcon"), folder.ExpectedCopiesMade());
}

void QCheckPass::RunLaunchStep() {
    ClearLog();
    if (productPath_.empty()) {
        // Nothing to launch: the log stays as empty as after a launch that failed.
    } else if (!running_ && productMayBeLaunched_) {
        productMayBeLaunched_ = false;
        LaunchProduct(QString::fromStdWString(productPath_), QString::fromStdWString(installDirectory_));
    } else {
        AppendLogLine(QStringLiteral("Is already running"));
    }
}

void QCheckPass::RecordLogArea() {
    // The log area as it stands: the launched product's output is read once the pass is over.
    SetResultValue(QStringLiteral("plainTextEdit"), logText_);
}

void QCheckPass::RunPluginSimulationTest() {
    if (!copyTestFolder_) // the command-line test made it
        copyTestFolder_ = std::make_unique<Checks::CopyTestFolder>();
    Checks::CopyTestFolder& folder = *copyTestFolder_;
    folder.ResetTargetFolder();
    const std::vector<std::wstring> sources = folder.SourcePaths(); // written by the command-line test
    const std::wstring target = folder.TargetFolder();
    const Orv::PipeRequestResult result = Orv::SendRequestWithReply(
        Orv::kProductPipeName,
        [&](const std::wstring& replyPipeName) { return Orv::CopyRequestMessage(replyPipeName, target, sources); },
        Orv::MakeCopyReplyHandler());
    if (result != Orv::PipeRequestResult::NotSent)
        QThread::msleep(kAfterCopyAnswersMs);
    QueryDragAndDropState();
    SetCheckResult(QStringLiteral("labelSimulatePluginIcon"), folder.ExpectedCopiesMade());
}
