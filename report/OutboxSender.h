// Sends what waits in the outbox, oldest first, one at a time, in the background: what the site took is removed,
// what it refused for good is moved to "Refused", the rest waits for the next time (not before its Retry-After).
#pragma once

#include "ReportOutbox.h"
#include "ReportUpload.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class OutboxSender : public QObject {
    Q_OBJECT

public:
    struct Result {
        QString id;
        QString outcome; // "sent", "refused", "waiting" (failed now, or not before its Retry-After)
        QString detail;
    };

    explicit OutboxSender(const QString& folder, QObject* parent = nullptr);
    void SetLimits(int stallMs, qint64 minimumBytes);
    // Starts; sFinished follows once (at once when nothing waits).
    void Start();

    const QList<Result>& Results() const { return results_; }
    // What the outbox held that was dropped or set aside on the way, one line each.
    const QStringList& Notes() const { return notes_; }
    int Sent() const;
    int Refused() const;
    // Reports still waiting in the outbox once it ended.
    int Left() const { return outbox_.Count(); }
    // One line for the window: "2 waiting reports sent." and what is left.
    QString Summary() const;

signals:
    void sSending(int index, int count);
    void sFinished();

private:
    void Next();
    void OnUploadFinished();

    ReportOutbox outbox_;
    ReportUpload* upload_;
    QList<WaitingReport> queue_;
    int index_ = 0;
    QList<Result> results_;
    QStringList notes_;
};
