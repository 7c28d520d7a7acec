#include "ProductProcess.h"

#include "app/checks/InstallationChecks.h"

#include "library_Orv/Processes.h"
#include "library_Orv/WinUtils.h"

#include <QThread>

#include <map>

namespace {
constexpr unsigned long kCloseSleepMs = 1000;
constexpr unsigned long kAfterEndingMs = 500;
constexpr int kEndWaitMs = 5000;
} // namespace

ProductProcess::ProductProcess(QObject* parent) : QObject(parent), process_(this) {}

bool ProductProcess::FindRunning(const std::wstring& path, uint32_t& processId) const {
    std::map<uint32_t, std::wstring> processes = Orv::GetProcessList();
    processes.erase(excluded_.load());
    return Checks::FindProductProcess(processes, path, processId);
}

bool ProductProcess::EndRunning() {
    uint32_t processId = 0;
    if (!FindRunning(Orv::GetProductExePath(), processId))
        return false;
    Orv::TerminateProcessById(processId);
    QThread::msleep(kAfterEndingMs);
    return true;
}

void ProductProcess::StartAgain() {
    const std::wstring productPath = Orv::GetProductExePath();
    uint32_t runningId = 0;
    if (productPath.empty() || FindRunning(productPath, runningId))
        return;
    // Nothing waits for it to come up: the window goes on answering.
    Start(QString::fromStdWString(productPath), QString::fromStdWString(Checks::ProductInstallDir(productPath)));
}

void ProductProcess::Start(const QString& program, const QString& workingFolder) {
    process_.close(); // ends a child still running from an earlier start
    process_.setProgram(program);
    process_.setWorkingDirectory(workingFolder);
    process_.setArguments({});
    process_.disconnect(this);
    connect(&process_, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus exitStatus) {
                Output(QStringLiteral("Exit"), true);
                Output(QStringLiteral("return: ") + QString::number(exitCode), true);
                Output(exitStatus == QProcess::CrashExit ? QStringLiteral("CrashExit") : QStringLiteral("NormalExit"),
                       true);
            });
    connect(&process_, &QProcess::readyReadStandardOutput, this,
            [this]() { Output(QString::fromUtf8(process_.readAllStandardOutput()), false); });
    connect(&process_, &QProcess::readyReadStandardError, this,
            [this]() { Output(QString::fromUtf8(process_.readAllStandardError()), false); });
    process_.start(QIODevice::ReadWrite);
}

void ProductProcess::EndLaunchedAndStartDetached() {
    const std::wstring productPath = Orv::GetProductExePath();
    process_.disconnect(this); // its exit is no news any more
    // The instance launched here is gone before another starts: ended, and waited for within a bound.
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kEndWaitMs);
    }
    process_.close();
    if (productPath.empty())
        return;
    QThread::msleep(kCloseSleepMs);
    // A product that runs already (started by the user, or by another instance of this tool) stays the only one.
    uint32_t runningId = 0;
    if (FindRunning(productPath, runningId))
        return;
    process_.setProgram(QString::fromStdWString(productPath));
    process_.setWorkingDirectory(QString::fromStdWString(Checks::ProductInstallDir(productPath)));
    // Nobody reads the detached product's output; it must not hold this tool's streams open once the tool has
    // ended (a script reading the tool's output would wait for the product).
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.startDetached();
    QThread::msleep(kCloseSleepMs);
}

void ProductProcess::ClearLog() {
    logText_.clear();
    emit logCleared();
}

void ProductProcess::AppendLogText(const QString& text) {
    logText_ += text;
    emit logAppended(text);
}

void ProductProcess::AppendLogLine(const QString& line) {
    AppendLogText(logText_.isEmpty() || logText_.endsWith(QLatin1Char('\n')) ? line : QLatin1Char('\n') + line);
}

void ProductProcess::ReleaseOutput() {
    holdOutput_ = false;
    for (const auto& [text, ownLine] : std::exchange(heldOutput_, {}))
        Output(text, ownLine);
}

void ProductProcess::Output(const QString& text, bool ownLine) {
    if (holdOutput_)
        heldOutput_.emplace_back(text, ownLine);
    else if (ownLine)
        AppendLogLine(text);
    else
        AppendLogText(text);
}
