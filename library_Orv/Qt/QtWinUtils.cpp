#include "QtWinUtils.h"

#include "library_Orv/WinUtils.h"

#include <algorithm>

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QtDebug>

namespace Orv {

QString GetFileVersionString(const QString& path) {
    std::string diagnostic;
    const std::wstring version = GetFileVersionText(path.toStdWString(), &diagnostic);
    if (!diagnostic.empty())
        qInfo().noquote() << QString::fromStdString(diagnostic);
    return QString::fromStdWString(version);
}

QString GetOSCaption() {
    return QString::fromStdWString(GetOSCaptionText());
}

int RunProcessAndWait(const std::wstring& exePath, const std::vector<std::wstring>& args, int timeoutMs,
                      const RunProcessWatch& watch) {
    QStringList arguments;
    for (const std::wstring& arg : args) {
        QString item = QString::fromStdWString(arg);
        if (item.size() > 1 && item.startsWith('"') && item.endsWith('"'))
            item = item.mid(1, item.size() - 2);
        arguments << item;
    }
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QString::fromStdWString(exePath), arguments);
    if (!process.waitForStarted())
        return -2;
    if (watch.started)
        watch.started(static_cast<uint32_t>(process.processId()));
    constexpr int kSliceMs = 50;
    QElapsedTimer running;
    running.start();
    int result = 0;
    for (;;) {
        const qint64 left = timeoutMs - running.elapsed();
        if (process.waitForFinished(static_cast<int>(std::max<qint64>(1, std::min<qint64>(left, kSliceMs))))) {
            result = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
            break;
        }
        const bool stop = watch.stop && watch.stop();
        if (stop || running.elapsed() >= timeoutMs) {
            process.kill();
            process.waitForFinished(5000);
            result = stop ? kRunProcessStopped : kRunProcessTimedOut;
            break;
        }
    }
    if (watch.started)
        watch.started(0);
    return result;
}

} // namespace Orv
