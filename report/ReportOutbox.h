// The reports that wait to reach the site: one file per report in the user's data folder, written whole or not at
// all, removed once the site took it. A report the site refused for good is moved to "Refused"; a file that is not
// a report this program wrote (cut short, garbage, a folder, a link, a pipe) is moved to "Set aside", never sent.
// Bounded: past the number, size or age allowed, the oldest go.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct WaitingReport {
    QString id; // a UUID, sent as X-Report-Id on every attempt so the site can tell a report it already has
    QDateTime created;
    QDateTime notBefore; // the site asked to wait until then (Retry-After)
    QString endpoint;
    QByteArray contentType;
    QByteArray body;
    QString path; // its file, once kept
};

// A new report's identifier, and the short form the user quotes to support ("7F3A-91C2").
QString NewReportId();
QString ReportNumber(const QString& id);

class ReportOutbox {
public:
    struct Bounds {
        int maxReports = 30;
        qint64 maxBytes = 50LL * 1024 * 1024;
        int maxDays = 30;
    };
    // <Outbox maxReports="30" maxMiB="50" maxDays="30"/> in the configuration; the defaults otherwise.
    static Bounds ConfiguredBounds();
    // The outbox of this user: "Outbox" in the program's local data folder.
    static QString DefaultFolder();

    explicit ReportOutbox(const QString& folder, Bounds bounds = ConfiguredBounds());

    // Writes the report (to a temporary name, flushed, then renamed); false with *error when it could not be kept.
    bool Keep(WaitingReport* report, QString* error);
    void Remove(const WaitingReport& report);
    // The site refused it for good: kept in "Refused", never sent again.
    void Refuse(const WaitingReport& report);
    // The site asked to be asked again later: the file says until when.
    void Postpone(WaitingReport* report, const QDateTime& notBefore);

    // The reports waiting, oldest first, bodies included. Before that the bounds are applied and whatever is not a
    // report is set aside; each of those steps adds a line to *notes.
    QList<WaitingReport> Waiting(QStringList* notes);
    // How many report files wait, without reading them.
    int Count() const;

    const QString& Folder() const { return folder_; }

private:
    bool Read(const QString& path, WaitingReport* report, QString* problem) const;
    void SetAside(const QString& path, const QString& why, QStringList* notes);

    QString folder_;
    Bounds bounds_;
};
