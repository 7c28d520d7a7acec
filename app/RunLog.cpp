#include "RunLog.h"

#include "library_Orv/IProductInformations.h"

#include <QDateTime>
#include <QDir>

#include <cstdio>

RunLog::RunLog(const QString& file) {
    if (!file.isEmpty()) {
        path_ = file;
    } else if (const Orv::IProductInformations* product = Orv::GetProductInformations()) {
        QDir logs(QDir(QString::fromStdWString(product->GetProductLocalFolder())).filePath(QStringLiteral("Logs")));
        logs.mkpath(QStringLiteral("."));
        // The oldest runs go: this one and the 9 before it stay.
        const QStringList runs =
            logs.entryList({QStringLiteral("run-*.log")}, QDir::Files, QDir::Name | QDir::Reversed);
        for (int i = kKeptRuns - 1; i < runs.size(); ++i)
            logs.remove(runs[i]);
        path_ =
            logs.filePath(QStringLiteral("run-%1.log")
                              .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))));
    }
    file_.setFileName(path_);
    if (path_.isEmpty() || !file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        std::fprintf(stderr, "The run's log cannot be written%s%s\n", path_.isEmpty() ? "" : " to ",
                     qUtf8Printable(QDir::toNativeSeparators(path_)));
}

void RunLog::Line(const QString& text) {
    if (!file_.isOpen())
        return;
    file_.write(
        (QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + text + QLatin1Char('\n'))
            .toUtf8());
    file_.flush(); // a run that ends badly keeps what it did so far
}
