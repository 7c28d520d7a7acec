#include "ReportUpload.h"

#include <QLocale>
#include <QUrl>

namespace {
// The site's answer is a word; what comes past this is not kept.
constexpr qint64 kAnswerCeiling = 64 * 1024;
// A Retry-After past this is taken as this: a report is not kept back for weeks by one answer.
constexpr qint64 kMaxRetryAfterSeconds = 7 * 24 * 3600;

// Retry-After: seconds, or an HTTP date.
QDateTime ParseRetryAfter(const QByteArray& value) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    bool number = false;
    const qint64 seconds = value.trimmed().toLongLong(&number);
    if (number)
        return seconds >= 0 ? now.addSecs(qMin(seconds, kMaxRetryAfterSeconds)) : QDateTime();
    QString text = QString::fromLatin1(value.trimmed());
    if (text.endsWith(QLatin1String(" GMT")))
        text.chop(4);
    QDateTime date = QLocale::c().toDateTime(text, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss"));
    if (!date.isValid())
        return QDateTime();
    date.setTimeSpec(Qt::UTC);
    return qMin(date, now.addSecs(kMaxRetryAfterSeconds));
}
} // namespace

ReportUpload::ReportUpload(QObject* parent) : QObject(parent), exchange_(new Orv::HttpsExchange(this)) {
    connect(exchange_, &Orv::HttpsExchange::sBody, this, [this](const QByteArray& piece) {
        answer_ += piece.left(static_cast<int>(qMax<qint64>(0, kAnswerCeiling - answer_.size())));
        if (answer_.size() >= kAnswerCeiling) {
            // An answer past the ceiling is not read on: its status is in, the rest of what it says is dropped.
            answerCut_ = true;
            exchange_->Abort(QStringLiteral("the answer passed %1 bytes").arg(kAnswerCeiling));
        }
    });
    connect(exchange_, &Orv::HttpsExchange::sFinished, this, &ReportUpload::OnFinished);
}

void ReportUpload::SetLimits(int stallMs, qint64 minimumBytes) {
    exchange_->SetLimits(stallMs, minimumBytes);
}

void ReportUpload::Start(const WaitingReport& report) {
    outcome_ = Outcome::Failed;
    answered_ = answerCut_ = false;
    answer_.clear();
    retryAfter_ = QDateTime();
    // The answer as the site sends it: a compressed one could expand without bound. Written once: a connection that
    // dies after the report went out is a failure to tell, and the next attempt carries the same identifier.
    exchange_->Start("POST", QUrl(report.endpoint, QUrl::StrictMode),
                     {{"Content-Type", report.contentType},
                      {"X-Report-Id", report.id.toLatin1()},
                      {"User-Agent", "Mozilla/5.0"},
                      {"Accept-Encoding", "identity"}},
                     report.body);
}

void ReportUpload::Abort() {
    exchange_->Abort(QString());
}

void ReportUpload::OnFinished() {
    const int status = exchange_->Status();
    answered_ = exchange_->failure() == Orv::HttpsExchange::Failure::None ||
                (answerCut_ && exchange_->failure() == Orv::HttpsExchange::Failure::Aborted);
    if (answered_ && exchange_->BodySent() && status >= 200 && status < 400)
        outcome_ = Outcome::Taken;
    else if (answered_ && status >= 400 && status < 500 && status != 408 && status != 429)
        outcome_ = Outcome::Refused;
    else
        outcome_ = Outcome::Failed;
    if (answered_)
        retryAfter_ = ParseRetryAfter(exchange_->Header("Retry-After"));
    emit sFinished();
}
