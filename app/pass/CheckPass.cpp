#include "CheckPass.h"

#include "ProductPipe.h"
#include "app/checks/CopyTests.h"
#include "app/checks/InstallationChecks.h"

#include "library_Orv/Pe/Authenticode.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/FileReader.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Machine.h"
#include "library_Orv/Processes.h"
#include "library_Orv/Qt/QShortCutStartupManager.h"
#include "library_Orv/Qt/QtWinUtils.h"
#include "library_Orv/Registry.h"
#include "library_Orv/WinUtils.h"
#include "pipe/PipeMessage.h"
#include "pipe/PipeRequest.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSysInfo>
#include <QThread>
#include <QtDebug>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr unsigned long kAfterLaunchMs = 2000;
constexpr int kEndWaitMs = 5000;
// Longer than any one call of a step (a pipe exchange or the copy run: 10 s each).
constexpr unsigned long kLongestCallMs = 30000;
constexpr unsigned long kAfterCopyAnswersMs = 2000;
// How long a background pass waits for its thread of origin to start the product.
constexpr int kProductStartWaitMs = 5000;
constexpr int kStopPollMs = 20;
} // namespace

CheckPass::CheckPass(QObject* parent) : QObject(parent), product_(this) {
    // Rows told by a background pass cross threads: their result travels in a queued signal.
    qRegisterMetaType<CheckResult>("CheckResult");
    connect(&product_, &ProductProcess::logCleared, this, &CheckPass::logCleared);
    connect(&product_, &ProductProcess::logAppended, this, &CheckPass::logAppended);
    // The shortcut manager is a QObject: made here, on this object's thread, not by a background pass.
    Orv::QShortCutStartupManager::Instance();
}

// A background pass still running is stopped and waited for: its steps use this object. Each of its calls into
// the system has a bound of its own.
CheckPass::~CheckPass() {
    if (!passThread_)
        return;
    // Every call a step makes has a bound of its own (10 s at most); a thread still inside one after all of them
    // would use this object once it is gone, so the process ends instead of waiting for ever.
    if (!Stop(kEndWaitMs) && !passThread_->wait(kLongestCallMs)) {
        std::fputs("The check pass did not end within its bounds: the program ends\n", stderr);
        std::fflush(nullptr);
        std::_Exit(3);
    }
    delete passThread_;
}

bool CheckPass::Start(bool fix) {
    return StartInBackground([this, fix]() { Run(fix); });
}

bool CheckPass::StartActivation() {
    return StartInBackground([this]() { ActivateDragAndDrop(); });
}

bool CheckPass::StartInBackground(const std::function<void()>& work) {
    if (passThread_)
        return false;
    stopRequested_ = false;
    product_.HoldOutput();
    passThread_ = QThread::create(work);
    passThread_->setObjectName(QStringLiteral("CheckPass"));
    // Emitted by the pass's thread, received here after every row the pass told.
    connect(passThread_, &QThread::finished, this, &CheckPass::FinishBackgroundPass, Qt::QueuedConnection);
    passThread_->start();
    return true;
}

bool CheckPass::Stop(unsigned long timeoutMs) {
    if (!passThread_)
        return true;
    {
        std::lock_guard<std::mutex> lock(pauseMutex_);
        stopRequested_ = true;
    }
    pauseWake_.notify_all();
    return passThread_->wait(timeoutMs);
}

void CheckPass::FinishBackgroundPass() {
    if (!passThread_)
        return;
    passThread_->wait(); // finished already: this only joins it
    delete passThread_;
    passThread_ = nullptr;
    product_.ReleaseOutput();
    emit passFinished();
}

void CheckPass::Pause(unsigned long milliseconds) {
    std::unique_lock<std::mutex> lock(pauseMutex_);
    pauseWake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this]() { return stopRequested_.load(); });
}

void CheckPass::StartStep(int step, const char* name) {
    emit stepStarted(step, kSteps, tr(name));
}

void CheckPass::SetCheckResult(const QString& row, bool ok) {
    SetResult(row, ok ? CheckResult::Passed : CheckResult::Failed);
}

void CheckPass::SetUnknownResult(const QString& row) {
    SetResult(row, CheckResult::Unknown);
}

void CheckPass::SetResult(const QString& row, CheckResult result) {
    SetResultValue(row, CheckRows::ReportValue(result));
    results_[row] = result;
    emit resultChanged(row, result);
}

void CheckPass::UpdateExplanations() {
    explanations_ = CheckExplanations::Explain(facts_, results_);
}

void CheckPass::SetResultValue(const QString& key, const QString& value) {
    reportDocument_.Member(key.toStdString()).SetString(value.toStdString());
}

void CheckPass::SetRowText(const QString& row, const QString& text) {
    emit rowTextChanged(row, text);
}

QString CheckPass::ReportJson() {
    reportText_ = QString::fromStdString(reportDocument_.ToString(reportDocument_));
    return reportText_;
}

bool CheckPass::RefreshRunningState() {
    running_ = product_.FindRunning(Orv::GetProductExePath(), runningProcessId_);
    SetCheckResult(QStringLiteral("labelIsRunning"), running_);
    if (!inPass_) { // the one-second refresh: the row may have changed since the pass
        facts_.launchedByPass = false;
        UpdateExplanations();
    }
    return running_;
}

void CheckPass::RemoveLeftovers() {
    std::lock_guard<std::mutex> lock(leftoverMutex_);
    if (!copyFolderPath_.empty())
        Orv::RemoveFolder(copyFolderPath_);
    copyFolderPath_.clear();
}

void CheckPass::LaunchProduct(const QString& program, const QString& workingFolder) {
    product_.Start(program, workingFolder);
    // The child's signals wait for the event loop, which runs again once the pass is over.
    QThread::msleep(kAfterLaunchMs);
}

void CheckPass::LaunchProductForPass(const QString& program, const QString& workingFolder) {
    if (QThread::currentThread() == thread()) {
        LaunchProduct(program, workingFolder);
        return;
    }
    // The child belongs to this object's thread (its output is read there); the pass waits for it to be started,
    // within a bound, and not at all once asked to stop.
    const auto started = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        this,
        [this, program, workingFolder, started]() {
            if (!stopRequested_)
                product_.Start(program, workingFolder);
            started->release();
        },
        Qt::QueuedConnection);
    for (int waited = 0; waited < kProductStartWaitMs && !stopRequested_; waited += kStopPollMs)
        if (started->tryAcquire(1, kStopPollMs))
            break;
    Pause(kAfterLaunchMs);
}

// One pass over every check, in a fixed order. Each step sets its own rows and its members of the report document.
void CheckPass::Run(bool fix) {
    const std::pair<const char*, std::function<void()>> steps[kSteps] = {
        {QT_TR_NOOP("Architecture"), [this]() { CheckArchitecture(); }},
        {QT_TR_NOOP("Windows version"), [this]() { CheckWindowsVersion(); }},
        {QT_TR_NOOP("Installation paths"), [this]() { ComputeSharedValues(); }},
        {QT_TR_NOOP("Integrity of the executable"), [this]() { CheckInstallIntegrity(); }},
        {QT_TR_NOOP("Software version"), [this]() { ReadSoftwareVersion(); }},
        {QT_TR_NOOP("Signatures"), [this]() { CheckSignatures(); }},
        {QT_TR_NOOP("Explorer plugin registration"), [this]() { CheckPluginRegistration(); }},
        {QT_TR_NOOP("Explorer plugin version"), [this]() { ReadPluginVersion(); }},
        {fix ? QT_TR_NOOP("Start-up shortcuts (with repair)") : QT_TR_NOOP("Start-up shortcuts"),
         [this, fix]() { CheckStartupShortcuts(fix); }},
        {QT_TR_NOOP("Start-up approval"), [this]() { CheckStartupApproval(); }},
        {QT_TR_NOOP("Running state"), [this]() { CheckRunningState(); }},
        {QT_TR_NOOP("Command line copy"),
         [this]() {
             observeOnly_ ? Skip(QStringLiteral("labelAutomaticCommandLineCopyIcon"), tr("not checked: --observe"))
                          : RunCommandLineCopyTest();
         }},
        {QT_TR_NOOP("Launch"), [this]() { observeOnly_ ? product_.ClearLog() : RunLaunchStep(); }},
        {QT_TR_NOOP("Log area"), [this]() { RecordLogArea(); }},
        {QT_TR_NOOP("Plugin simulation"), [this]() { observeOnly_ ? ObservePlugin() : RunPluginSimulationTest(); }},
    };
    inPass_ = true;
    facts_ = CheckFacts();
    for (int step = 0; step < kSteps && !stopRequested_; ++step) {
        StartStep(step + 1, steps[step].first);
        steps[step].second();
    }
    copyTestFolder_.reset(); // the copy tests' files go with the pass
    {
        std::lock_guard<std::mutex> lock(leftoverMutex_);
        copyFolderPath_.clear();
    }
    inPass_ = false;
    UpdateExplanations();
}

void CheckPass::CheckArchitecture() {
    const std::string architecture = QSysInfo::currentCpuArchitecture().toStdString();
    const Orv::MachineInfo machine = Orv::GetMachineInfo();
    facts_.cpuArchitecture = QString::fromStdString(architecture);
    facts_.windows32 = !machine.wow64 && machine.nativeIntel32;
    SetCheckResult(QStringLiteral("labelWindows64BitsIcon"), Checks::Is64BitWindowsOnX64(architecture, machine));
    SetRowText(QStringLiteral("labelArchitecture"),
               QString::fromStdWString(Checks::ArchitectureText(architecture, machine)));
}

void CheckPass::CheckWindowsVersion() {
    const QString text = Orv::GetOSCaption() + " - " + QString::fromStdWString(Orv::GetVersionString());
    SetResultValue(QStringLiteral("Windows"), text);
    SetCheckResult(QStringLiteral("labelWindowsNameIcon"), !text.isEmpty());
    SetRowText(QStringLiteral("labelWindowsVersion"), text);
}

void CheckPass::ComputeSharedValues() {
    productPath_ = Orv::GetProductExePath();
    // No product path (none that is absolute): every file check fails, nothing is run.
    executablePath_ = productPath_.empty() ? std::wstring() : Orv::ToLongPath(productPath_);
    installDirectory_ = Checks::ProductInstallDir(productPath_);
    shellDllPath_ = Checks::ShellDllPath(installDirectory_);
    facts_.productPath = QString::fromStdWString(productPath_);
    facts_.uninstallKey = QString::fromWCharArray(Orv::kProductUninstallKey);
    facts_.uninstallKeyUnreadable =
        Orv::GetRegistryKeyState(Orv::RegistryRoot::LocalMachine, Orv::kProductUninstallKey) ==
        Orv::RegistryKeyState::Unreadable;
    facts_.productInstalled = !productPath_.empty() && Orv::FileExists(executablePath_);
    facts_.shellDllPath = QString::fromStdWString(shellDllPath_);
    facts_.shellDllInstalled = !shellDllPath_.empty() && Orv::FileExists(shellDllPath_);
}

void CheckPass::CheckInstallIntegrity() {
    const Checks::Md5Comparison md5 = Checks::CompareMd5File(executablePath_);
    facts_.md5Path = facts_.productPath.isEmpty() ? QString() : facts_.productPath + QStringLiteral(".md5");
    facts_.md5FileRead = md5.md5FileRead;
    facts_.md5FileState = static_cast<int>(md5.md5FileState);
    facts_.md5FileSize = facts_.md5Path.isEmpty() ? 0 : Orv::GetFileSize64(facts_.md5Path.toStdWString());
    facts_.md5Expected = QString::fromStdString(md5.expected);
    facts_.md5Actual = QString::fromStdString(md5.actual);
    SetCheckResult(QStringLiteral("labelInstallIntegrityExeIcon"), md5.Matches());
}

void CheckPass::ReadSoftwareVersion() {
    productVersion_ = QString::fromStdWString(Checks::ReadSoftwareVersion(installDirectory_));
    SetRowText(QStringLiteral("labelSoftwareversion"), productVersion_);
}

void CheckPass::CheckSignatures() {
    const QString expectedSigner = QStringLiteral("QUELLANOR");
    facts_.expectedSigner = expectedSigner;
    // One look at each file answers both of its rows.
    const Orv::SignatureInspection executable = Orv::InspectFileSignature(executablePath_);
    const Orv::SignatureInspection shellDll = Orv::InspectFileSignature(shellDllPath_);
    SetCheckResult(QStringLiteral("labelCheckExeSignedIcon"), executable.verified);
    SetCheckResult(QStringLiteral("labelCheckPluginSignedIcon"), shellDll.verified);
    facts_.dllSigner = QString::fromStdWString(shellDll.signerName);
    facts_.dllReadable = shellDll.readable;
    facts_.exeReadable = executable.readable;
    SetCheckResult(QStringLiteral("labelCheckPluginSignedNameIcon"), facts_.dllSigner == expectedSigner);
    facts_.exeSigner = QString::fromStdWString(executable.signerName);
    SetCheckResult(QStringLiteral("labelCheckExeSignedNameIcon"), facts_.exeSigner == expectedSigner);
}

void CheckPass::CheckPluginRegistration() {
    const std::vector<Checks::ClsidRegistration> found = Checks::ReadShellExtensionRegistrations();
    for (const Checks::ClsidRegistration& registration : found) {
        CheckFacts::Registration fact;
        fact.key = QString::fromStdString(registration.key);
        fact.present = registration.present;
        fact.unreadable = registration.unreadable;
        fact.server = QString::fromStdWString(registration.server);
        fact.threadingModel = QString::fromStdString(registration.threadingModel);
        fact.expected = Checks::IsExpectedRegistration(registration, shellDllPath_);
        facts_.registrations << fact;
    }
    SetCheckResult(QStringLiteral("labelCheckInstallExplorerPluginIcon"),
                   Checks::AreShellExtensionClassesRegistered(found, shellDllPath_));
}

void CheckPass::ReadPluginVersion() {
    std::string diagnostic;
    const QString version = QString::fromStdWString(Checks::PluginVersionText(shellDllPath_, &diagnostic));
    // The one sentence among the versions is said in the user's language.
    SetRowText(QStringLiteral("labelPluginVersion"),
               version == QLatin1String("Plugin DLL file do not exist") ? tr("Plugin DLL file do not exist") : version);
    if (!diagnostic.empty())
        qInfo().noquote() << QString::fromStdString(diagnostic);
}

void CheckPass::CheckStartupShortcuts(bool fix) {
    using Manager = Orv::QShortCutStartupManager;
    Manager& shortcuts = Manager::Instance();
    const QString executable = QString::fromStdWString(executablePath_);
    shortcuts.SetShortcutName(QStringLiteral("Skorvane"));
    // The shortcut stores the plain path: Explorer may not start an extended-length target at logon.
    // A shortcut to a program that is not there would only fail at the next logon: none is made without it.
    const bool installed = !productPath_.empty() && Orv::FileExists(productPath_);
    if (fix && installed && !shortcuts.Exists(Manager::CurrentUser) && !shortcuts.Exists(Manager::AllUsers))
        shortcuts.Create(noSignedInUser_.isEmpty() ? Manager::Either : Manager::AllUsers,
                         QString::fromStdWString(productPath_));
    // What the rows and their explanations say comes from one look at each shortcut.
    const auto shortcutFacts = [&](int scope) {
        CheckFacts::Shortcut shortcut;
        shortcut.path = shortcuts.ShortcutPath(scope);
        shortcut.exists = shortcuts.Exists(scope);
        shortcut.target = shortcut.exists ? shortcuts.Target(scope) : QString();
        return shortcut;
    };
    const auto pointsAtExecutable = [&](const CheckFacts::Shortcut& shortcut) {
        return shortcut.exists && Checks::SamePath(shortcut.target.toStdWString(), executable.toStdWString());
    };
    facts_.allUsersShortcut = shortcutFacts(Manager::AllUsers);
    facts_.currentUserShortcut = shortcutFacts(Manager::CurrentUser);
    SetCheckResult(QStringLiteral("labelShortcutInstalledGlobal"), facts_.allUsersShortcut.exists);
    SetCheckResult(QStringLiteral("labelPointToInstalledDirCurrentAllUsers"),
                   pointsAtExecutable(facts_.allUsersShortcut));
    shortcuts.SetShortcutName(QStringLiteral("Skorvane"));
    if (!noSignedInUser_.isEmpty()) {
        const QString why = tr("not checked: no user is signed in (%1)").arg(noSignedInUser_);
        Skip(QStringLiteral("labelShortcutInstalledCurrentUser"), why);
        Skip(QStringLiteral("labelPointToInstalledDirCurrentUser"), why);
        return;
    }
    SetCheckResult(QStringLiteral("labelShortcutInstalledCurrentUser"), facts_.currentUserShortcut.exists);
    SetCheckResult(QStringLiteral("labelPointToInstalledDirCurrentUser"),
                   pointsAtExecutable(facts_.currentUserShortcut));
}

void CheckPass::CheckStartupApproval() {
    const Checks::StartupApproval approval = Checks::ReadStartupApproval();
    facts_.approvalKey =
        (approval.allUsers ? QStringLiteral("HKEY_LOCAL_MACHINE\\") : QStringLiteral("HKEY_CURRENT_USER\\")) +
        QString::fromWCharArray(Checks::kStartupApprovedKey);
    facts_.approvalValue =
        QByteArray(reinterpret_cast<const char*>(approval.value.data()), static_cast<int>(approval.value.size()))
            .toHex(' ');
    SetCheckResult(QStringLiteral("labelShortcutAllowedToRunIcon"), approval.Allowed());
}

void CheckPass::CheckRunningState() {
    RefreshRunningState();
}

void CheckPass::RunCommandLineCopyTest() {
    copyTestFolder_ = std::make_unique<Checks::CopyTestFolder>();
    Checks::CopyTestFolder& folder = *copyTestFolder_;
    {
        std::lock_guard<std::mutex> lock(leftoverMutex_);
        copyFolderPath_ = folder.Path();
    }
    folder.ResetTargetFolder();
    facts_.copyFolder = QString::fromStdWString(folder.IsValid() ? folder.Path() : folder.Parent());
    facts_.copyFolderProblem = static_cast<int>(folder.FolderProblem());
    if (folder.IsValid() && !folder.WriteSourceFiles()) {
        qInfo().noquote() << "The copy tests' source files could not be written in the temporary folder"
                          << QString::fromStdWString(folder.Path());
        facts_.copyFolderProblem = CheckFacts::kCopySourcesNotWritten;
    }
    // A "--copy" run that does not end in time is ended; its copies are then missing or late, and the test fails.
    facts_.commandLineTimeoutMs = kCommandLineCopyTimeoutMs;
    facts_.commandLineRun = facts_.copyFolderProblem == 0 && !productPath_.empty();
    if (facts_.commandLineRun)
        facts_.commandLineExitCode = Orv::RunProcessAndWait(
            productPath_, {L"--copy", L"\"" + folder.CopyArgument() + L"\""}, kCommandLineCopyTimeoutMs,
            {[this](uint32_t processId) { product_.Exclude(processId); }, [this]() { return stopRequested_.load(); }});
    for (const std::wstring& copy : folder.MissingCopies())
        facts_.commandLineMissingCopies << QString::fromStdWString(copy);
    SetCheckResult(QStringLiteral("labelAutomaticCommandLineCopyIcon"), folder.ExpectedCopiesMade());
}

void CheckPass::RunLaunchStep() {
    product_.ClearLog();
    if (productPath_.empty()) {
        // Nothing to launch: the log stays as empty as after a launch that failed.
    } else if (!running_ && productMayBeLaunched_) {
        productMayBeLaunched_ = false;
        facts_.launchedByPass = true;
        LaunchProductForPass(QString::fromStdWString(productPath_), QString::fromStdWString(installDirectory_));
    } else {
        product_.AppendLogLine(QStringLiteral("Is already running"));
    }
}

void CheckPass::Skip(const QString& row, const QString& why) {
    facts_.skipped[row] = why;
    SetResult(row, CheckResult::Skipped);
}

// Looking only: the product is asked nothing that changes anything. Its drag-and-drop state is a question it
// answers while it runs; otherwise that row is not checked.
void CheckPass::ObservePlugin() {
    Skip(QStringLiteral("labelSimulatePluginIcon"), tr("not checked: --observe"));
    if (running_)
        QueryDragAndDropState();
    else
        Skip(QStringLiteral("labelDragAndDropActivated"), tr("not checked: --observe, and the product does not run"));
}

void CheckPass::RecordLogArea() {
    // The log area as it stands: the launched product's output is read once the pass is over.
    SetResultValue(QStringLiteral("plainTextEdit"), product_.LogText());
}

void CheckPass::RunPluginSimulationTest() {
    if (!copyTestFolder_) // the command-line test made it
        copyTestFolder_ = std::make_unique<Checks::CopyTestFolder>();
    Checks::CopyTestFolder& folder = *copyTestFolder_;
    folder.ResetTargetFolder();
    const std::vector<std::wstring> sources = folder.SourcePaths(); // written by the command-line test
    const std::wstring target = folder.TargetFolder();
    if (facts_.copyFolderProblem != 0) {
        // No files to copy, nowhere to copy them: the product is not asked to copy nothing.
        facts_.simulationRequest = static_cast<int>(Orv::PipeRequestResult::NotSent);
        QueryDragAndDropState();
        SetCheckResult(QStringLiteral("labelSimulatePluginIcon"), false);
        return;
    }
    QElapsedTimer exchange;
    exchange.start();
    const Orv::PipeRequestResult result = Orv::SendRequestWithReply(
        Orv::kProductPipeName,
        [&](const std::wstring& replyPipeName) { return Orv::CopyRequestMessage(replyPipeName, target, sources); },
        Orv::MakeCopyReplyHandler());
    facts_.simulationRequest = static_cast<int>(result);
    facts_.simulationMs = exchange.elapsed();
    if (result != Orv::PipeRequestResult::NotSent)
        Pause(kAfterCopyAnswersMs);
    if (stopRequested_)
        return; // no second exchange for a pass asked to stop
    QueryDragAndDropState();
    for (const std::wstring& copy : folder.MissingCopies())
        facts_.simulationMissingCopies << QString::fromStdWString(copy);
    SetCheckResult(QStringLiteral("labelSimulatePluginIcon"), folder.ExpectedCopiesMade());
}

void CheckPass::QueryDragAndDropState() {
    const QString row = QStringLiteral("labelDragAndDropActivated");
    const ProductPipe::StatusAnswer answer = ProductPipe::QueryDragAndDrop([this](unsigned long ms) { Pause(ms); });
    const int status = answer.status;
    facts_.dragAndDropStatus = status;
    facts_.dragAndDropRequest = static_cast<int>(answer.request);
    facts_.dragAndDropMs = answer.exchangeMs;
    if (status < 0) {
        emit activateOffered(false);
        SetUnknownResult(row);
    } else {
        emit activateOffered(status == 0);
        SetCheckResult(row, status == 1);
    }
    if (!inPass_) // asked again after the pass ("Activate")
        UpdateExplanations();
}

void CheckPass::SendSetCommand(const std::wstring& value) {
    ProductPipe::SendSetCommand(value);
}

void CheckPass::ActivateDragAndDrop() {
    ProductPipe::SendSetCommandAndWait(L"{DAD:1}", [this](unsigned long ms) { Pause(ms); });
    if (!stopRequested_)
        QueryDragAndDropState();
}
