#include "OutboxSender.h"

#include <QTimer>

#include <algorithm>

OutboxSender::OutboxSender(const QString& folder, QObject* parent)
    : QObject(parent), outbox_(folder), upload_(new ReportUpload(this)) {
    connect(upload_, &ReportUpload::sFinished, this, &OutboxSender::OnUploadFinished);
}

void OutboxSender::SetLimits(int stallMs, qint64 minimumBytes) {
    upload_->SetLimits(stallMs, minimumBytes);
}

void OutboxSender::Start() {
    queue_ = outbox_.Waiting(&notes_);
    for (const QString& note : notes_)
        qInfo().noquote() << "Outbox:" << note;
    index_ = 0;
    results_.clear();
    QTimer::singleShot(0, this, &OutboxSender::Next);
}

void OutboxSender::Next() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    while (index_ < queue_.size() && queue_[index_].notBefore.isValid() && queue_[index_].notBefore > now) {
        const WaitingReport& report = queue_[index_++];
        results_.append({report.id, QStringLiteral("waiting"),
                         tr("the site asked to wait until %1").arg(report.notBefore.toString(Qt::ISODate))});
    }
    if (index_ >= queue_.size()) {
        qInfo().noquote() << "Outbox:" << Summary();
        emit sFinished();
        return;
    }
    emit sSending(index_, queue_.size());
    upload_->Start(queue_[index_]);
}

void OutboxSender::OnUploadFinished() {
    WaitingReport& report = queue_[index_++];
    const Orv::HttpsExchange& exchange = upload_->Exchange();
    const QString status = QStringLiteral("HTTP %1").arg(exchange.Status());
    switch (upload_->outcome()) {
    case ReportUpload::Outcome::Taken:
        outbox_.Remove(report);
        results_.append({report.id, QStringLiteral("sent"), status});
        break;
    case ReportUpload::Outcome::Refused:
        outbox_.Refuse(report);
        results_.append({report.id, QStringLiteral("refused"), status});
        break;
    case ReportUpload::Outcome::Failed:
        if (upload_->RetryAfter().isValid())
            outbox_.Postpone(&report, upload_->RetryAfter());
        results_.append({report.id, QStringLiteral("waiting"), upload_->Answered() ? status : exchange.Detail()});
        break;
    }
    qInfo().noquote() << "Outbox: report" << ReportNumber(report.id) << results_.last().outcome << "("
                      << results_.last().detail << ")";
    // Its body is not needed any more: the queue holds at most the outbox's bound at once.
    report.body.clear();
    Next();
}

int OutboxSender::Sent() const {
    return static_cast<int>(std::count_if(results_.begin(), results_.end(),
                                          [](const Result& r) { return r.outcome == QLatin1String("sent"); }));
}

int OutboxSender::Refused() const {
    return static_cast<int>(std::count_if(results_.begin(), results_.end(),
                                          [](const Result& r) { return r.outcome == QLatin1String("refused"); }));
}

QString OutboxSender::Summary() const {
    QStringList parts;
    if (const int sent = Sent(); sent > 0)
        parts << (sent == 1 ? tr("1 waiting report sent.") : tr("%1 waiting reports sent.").arg(sent));
    if (const int refused = Refused(); refused > 0)
        parts << (refused == 1 ? tr("1 report refused by the site.")
                               : tr("%1 reports refused by the site.").arg(refused));
    if (const int left = Left(); left > 0)
        parts << (left == 1 ? tr("1 report still waiting to be sent.")
                            : tr("%1 reports still waiting to be sent.").arg(left));
    return parts.join(QLatin1Char(' '));
}
