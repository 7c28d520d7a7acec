#pragma once

#include <QFile>
#include <QString>

// The log of one run of the console runner: plain UTF-8 lines, each with its UTC time, for each step's start and end
// and each row's result. Kept in "Logs" in the program's local data folder, where the newest 10 runs stay, or in the
// file --log names. A log that cannot be written never stops the run: it is said once on standard error.
class RunLog {
public:
    static constexpr int kKeptRuns = 10;

    // file: where --log said, or empty for the data folder's own.
    explicit RunLog(const QString& file);
    void Line(const QString& text);
    const QString& Path() const { return path_; }

private:
    QString path_;
    QFile file_;
};
