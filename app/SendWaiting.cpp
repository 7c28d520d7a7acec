#include "SendWaiting.h"

#include "network/HttpsTrust.h"
#include "network/NetworkLimits.h"
#include "network/NetworkProxy.h"
#include "report/OutboxSender.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int SendWaitingReports(bool text, std::FILE* out) {
    Orv::TrustConfiguredRoots();
    if (const QString problem = Orv::ProxySettingProblem(); !problem.isEmpty())
        std::fprintf(stderr, "%s\n", qUtf8Printable(problem));
    const QString folder = ReportOutbox::DefaultFolder();
    OutboxSender sender(folder);
    sender.SetLimits(Orv::NetworkStallMs(), Orv::NetworkMinimumBytes());
    QEventLoop loop;
    QObject::connect(&sender, &OutboxSender::sFinished, &loop, &QEventLoop::quit);
    QObject::connect(&sender, &OutboxSender::sSending,
                     [](int index, int count) { std::fprintf(stderr, "Sending report %d of %d\n", index + 1, count); });
    sender.Start();
    loop.exec(); // each upload is bounded by the stall time and the minimum rate

    QByteArray output;
    if (text) {
        for (const OutboxSender::Result& result : sender.Results())
            output += QStringLiteral("%1  %2  %3\n")
                          .arg(ReportNumber(result.id), result.outcome.leftJustified(8), result.detail)
                          .toUtf8();
        for (const QString& note : sender.Notes())
            output += note.toUtf8() + '\n';
        const QString summary = sender.Summary();
        output +=
            (summary.isEmpty() ? QCoreApplication::translate("SendWaiting", "No report waits.") : summary).toUtf8() +
            '\n';
    } else {
        QJsonArray reports;
        for (const OutboxSender::Result& result : sender.Results())
            reports.append(QJsonObject{{QStringLiteral("id"), result.id},
                                       {QStringLiteral("number"), ReportNumber(result.id)},
                                       {QStringLiteral("outcome"), result.outcome},
                                       {QStringLiteral("detail"), result.detail}});
        output = QJsonDocument(QJsonObject{{QStringLiteral("schema"), QStringLiteral("skorvane-outbox/1")},
                                           {QStringLiteral("outbox"), QDir::toNativeSeparators(folder)},
                                           {QStringLiteral("sent"), sender.Sent()},
                                           {QStringLiteral("refused"), sender.Refused()},
                                           {QStringLiteral("waiting"), sender.Left()},
                                           {QStringLiteral("notes"), QJsonArray::fromStringList(sender.Notes())},
                                           {QStringLiteral("reports"), reports}})
                     .toJson(QJsonDocument::Indented);
    }
    std::fwrite(output.data(), 1, static_cast<size_t>(output.size()), out);
    return sender.Left() == 0 ? 0 : 1;
}
