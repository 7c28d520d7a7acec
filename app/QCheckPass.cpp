#include "QCheckPass.h"

#include "checks/CopyTests.h"
#include "checks/InstallationChecks.h"

#include "library_Orv/Processes.h"
#include "library_Orv/WinUtils.h"

#include <QThread>

namespace {
constexpr unsigned long kAfterLaunchMs = 2000;
constexpr unsigned long kCloseSleepMs = 1000;
constexpr unsigned long kAfterEndingMs = 500;
constexpr int kEndWaitMs = 5000;
} // namespace

QCheckPass::QCheckPass(QObject* parent) : QObject(parent), productProcess_(this) {}

QCheckPass::~QCheckPass() = default;

void QCheckPass::StartStep(int step, const char* name) {
    emit stepStarted(step, kSteps, QString::fromUtf8(name));
}

void QCheckPass::SetCheckResult(const QString& row, bool ok) {
    SetResultValue(row, ok ? QStringLiteral("true") : QStringLiteral("false"));
    emit resultChanged(row, ok ? Result::Passed : Result::Failed);
}

void QCheckPass::SetUnknownResult(const QString& row) {
    SetResultValue(row, QStringLiteral("unknown"));
    emit resultChanged(row, Result::Unknown);
}

void QCheckPass::SetResultValue(const QString& key, const QString& value) {
    reportDocument_.Member(key.toStdString()).SetString(value.toStdString());
}

void QCheckPass::SetRowText(const QString& row, const QString& text) {
    emit rowTextChanged(row, text);
}

QString QCheckPass::ReportJson() {
    reportText_ = QString::fromStdString(reportDocument_.ToString(reportDocument_));
    return reportText_;
}

bool QCheckPass::RefreshRunningState() {
    running_ = Checks::FindProductProcess(Orv::GetProcessList(), Orv::GetProductExePath(), runningProcessId_);
    SetCheckResult(QStringLiteral("labelIsRunning"), running_);
    return running_;
}

bool QCheckPass::EndRunningProduct() {
    uint32_t processId = 0;
    if (!Checks::FindProductProcess(Orv::GetProcessList(), Orv::GetProductExePath(), processId))
        return false;
    Orv::TerminateProcessById(processId);
    QThread::msleep(kAfterEndingMs);
    return true;
}

void QCheckPass::StartProductAgain() {
    const std::wstring productPath = Orv::GetProductExePath();
    uint32_t runningId = 0;
    if (productPath.empty() || Checks::FindProductProcess(Orv::GetProcessList(), productPath, runningId))
        return;
    LaunchProduct(QString::fromStdWString(productPath),
                  QString::fromStdWString(Checks::ProductInstallDir(productPath)));
}

void QCheckPass::ClearLog() {
    logText_.clear();
    emit logCleared();
}

// The product's output goes in as it comes.
void QCheckPass::AppendLogText(const QString& text) {
    logText_ += text;
    emit logAppended(text);
}

// A line of this tool's own starts on a line of its own.
void QCheckPass::AppendLogLine(const QString& line) {
    AppendLogText(logText_.isEmpty() || logText_.endsWith(QLatin1Char('\n')) ? line : QLatin1Char('\n') + line);
}

void QCheckPass::LaunchProduct(const QString& program, const QString& workingFolder) {
    productProcess_.close(); // ends a child still running from an earlier start
    productProcess_.setProgram(program);
    productProcess_.setWorkingDirectory(workingFolder);
    productProcess_.setArguments({});
    productProcess_.disconnect(this);
    connect(&productProcess_, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus exitStatus) {
                AppendLogLine(QStringLiteral("Exit"));
                AppendLogLine(QStringLiteral("return: ") + QString::number(exitCode));
                AppendLogLine(exitStatus == QProcess::CrashExit ? QStringLiteral("CrashExit")
                                                                : QStringLiteral("NormalExit"));
            });
    connect(&productProcess_, &QProcess::readyReadStandardOutput, this,
            [this]() { AppendLogText(QString::fromUtf8(productProcess_.readAllStandardOutput())); });
    connect(&productProcess_, &QProcess::readyReadStandardError, this,
            [this]() { AppendLogText(QString::fromUtf8(productProcess_.readAllStandardError())); });
    productProcess_.start(QIODevice::ReadWrite);
    // The child's signals wait for the event loop, which runs again once the pass is over.
    QThread::msleep(kAfterLaunchMs);
}

void QCheckPass::EndLaunchedProductAndStartDetached() {
    const std::wstring productPath = Orv::GetProductExePath();
    productProcess_.disconnect(this); // its exit is no news any more
    // The instance this pass launched is gone before another starts: ended, and waited for within a bound.
    if (productProcess_.state() != QProcess::NotRunning) {
        productProcess_.kill();
        productProcess_.waitForFinished(kEndWaitMs);
    }
    productProcess_.close();
    if (productPath.empty())
        return;
    QThread::msleep(kCloseSleepMs);
    // A product that runs already (started by the user, or by another instance of this tool) stays the only one.
    uint32_t runningId = 0;
    if (Checks::FindProductProcess(Orv::GetProcessList(), productPath, runningId))
        return;
    productProcess_.setProgram(QString::fromStdWString(productPath));
    productProcess_.setWorkingDirectory(QString::fromStdWString(Checks::ProductInstallDir(productPath)));
    // Nobody reads the detached product's output; it must not hold this tool's streams open once the tool has
    // ended (a script reading the tool's output would wait for the product).
    productProcess_.setStandardInputFile(QProcess::nullDevice());
    productProcess_.setStandardOutputFile(QProcess::nullDevice());
    productProcess_.setStandardErrorFile(QProcess::nullDevice());
    productProcess_.startDetached();
    QThread::msleep(kCloseSleepMs);
}
