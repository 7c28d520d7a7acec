// One attempt to give the site a report: the request as it was kept, with its X-Report-Id, and what came of it:
// taken (the site answered with success after the whole request went out), refused for good (a 4xx answer other
// than 408 and 429), or failed for now (the network, a 5xx, 408, 429: worth another try, after Retry-After).
#pragma once

#include "ReportOutbox.h"
#include "network/HttpsExchange.h"

#include <QDateTime>
#include <QObject>

class ReportUpload : public QObject {
    Q_OBJECT

public:
    enum class Outcome { Taken, Refused, Failed };

    explicit ReportUpload(QObject* parent = nullptr);
    void SetLimits(int stallMs, qint64 minimumBytes);
    void Start(const WaitingReport& report);
    void Abort();

    Outcome outcome() const { return outcome_; }
    // The site answered (what failed, if anything, is the site's answer, not the way to it).
    bool Answered() const { return answered_; }
    // When the site asked to be asked again (Retry-After), invalid when it did not.
    const QDateTime& RetryAfter() const { return retryAfter_; }
    const QByteArray& Answer() const { return answer_; }
    bool AnswerCut() const { return answerCut_; }
    const Orv::HttpsExchange& Exchange() const { return *exchange_; }

signals:
    void sFinished();

private:
    void OnFinished();

    Orv::HttpsExchange* exchange_;
    Outcome outcome_ = Outcome::Failed;
    bool answered_ = false;
    QDateTime retryAfter_;
    QByteArray answer_;
    bool answerCut_ = false;
};
