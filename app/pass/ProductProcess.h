#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The product as this program runs it: the instance it launched (whose output and exit go to the log), the one
// lookup of a running product, and what the program does with the product when it ends. Lives on the thread that
// made it; a background pass holds the output back while it runs (HoldOutput), so that the log it records is what it
// would be on that thread.
class ProductProcess : public QObject {
    Q_OBJECT

public:
    explicit ProductProcess(QObject* parent = nullptr);

    // Starts the product as a child, without waiting; a child still running from an earlier start is ended first.
    void Start(const QString& program, const QString& workingFolder);
    // The child's process id, 0 when none runs.
    qint64 ProcessId() const { return process_.processId(); }
    // A running process of the product at path that is not the excluded one (a pass's own "--copy" run, which runs
    // the same program).
    bool FindRunning(const std::wstring& path, uint32_t& processId) const;
    void Exclude(uint32_t processId) { excluded_ = processId; }
    // Ends the running product (exit code 0) and waits 500 ms; false when it was not running.
    bool EndRunning();
    // Starts the product again, as a child, after EndRunning ended it for nothing (no installer ran); nothing when it
    // runs already or is not installed.
    void StartAgain();
    // What the program does when it ends: the instance it launched is ended, and the product is started again,
    // detached, so that it runs on after the program.
    void EndLaunchedAndStartDetached();

    // The log: the launched product's output as it came, and lines of this program's own.
    const QString& LogText() const { return logText_; }
    void ClearLog();
    void AppendLogText(const QString& text);
    // A line of this program's own starts on a line of its own.
    void AppendLogLine(const QString& line);
    void HoldOutput() { holdOutput_ = true; }
    // Tells what was held back, in order.
    void ReleaseOutput();

signals:
    void logCleared();
    // text goes at the end of the log as it is (a line of this program's own starts with its line break).
    void logAppended(const QString& text);

private:
    void Output(const QString& text, bool ownLine);

    QProcess process_;
    QString logText_;
    bool holdOutput_ = false;
    std::vector<std::pair<QString, bool>> heldOutput_; // text, and whether it is a line of this program's own
    std::atomic<uint32_t> excluded_{0};
};
