#include "QtWinUtils.h"

#include "library_Orv/WinUtils.h"

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

int RunProcessAndWait(const std::wstring& exePath, const std::vector<std::wstring>& args, int timeoutMs) {
    QStringList arguments;
    for (const std::wstring& arg : args) {
        QString item = QString::fromStdWString(arg);
        if (item.size() > 1 && item.startsWith('"') && item.endsWith('"'))
            item = item.mid(1, item.size() - 2);
        arguments << item;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QString::fromStdWString(exePath), arguments);
    if (!process.waitForStarted())
        return -2;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return kRunProcessTimedOut;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace Orv
