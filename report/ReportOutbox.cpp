#include "ReportOutbox.h"

#include "library_Orv/IProductInformations.h"
#include "library_Orv/Qt/Config/ConfigFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

#include <algorithm>

namespace {
const QByteArray kMagic = "SkorvaneDiagnostics report 1\n";
constexpr int kMaxHeadBytes = 4096;
const QString kSuffix = QStringLiteral(".report");

int Setting(const wchar_t* key, int fallback) {
    bool ok = false;
    const int value = QString::fromStdWString(Orv::ReadSetting(L"Outbox", key, std::wstring())).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

QByteArray Head(const WaitingReport& report) {
    return kMagic + "id: " + report.id.toLatin1() +
           "\ncreated: " + report.created.toUTC().toString(Qt::ISODate).toLatin1() + "\nnot-before: " +
           (report.notBefore.isValid() ? report.notBefore.toUTC().toString(Qt::ISODate).toLatin1() : QByteArray()) +
           "\nendpoint: " + report.endpoint.toUtf8() + "\ncontent-type: " + report.contentType +
           "\nlength: " + QByteArray::number(report.body.size()) + "\n\n";
}

bool MoveInto(const QString& path, const QString& folder) {
    QDir().mkpath(folder);
    const QString name = QFileInfo(path).fileName();
    QString target = QDir(folder).filePath(name);
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = QDir(folder).filePath(QStringLiteral("%1.%2").arg(name).arg(n));
    // QDir::rename moves a link itself (a dangling one too), never what it points at.
    return QDir().rename(path, target);
}
} // namespace

QString NewReportId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString ReportNumber(const QString& id) {
    const QString hex = QString(id).remove(QLatin1Char('-')).toUpper();
    return hex.size() < 8 ? hex : hex.left(4) + QLatin1Char('-') + hex.mid(4, 4);
}

ReportOutbox::Bounds ReportOutbox::ConfiguredBounds() {
    Bounds bounds;
    bounds.maxReports = Setting(L"maxReports", bounds.maxReports);
    bounds.maxBytes = Setting(L"maxMiB", static_cast<int>(bounds.maxBytes / (1024 * 1024))) * 1024LL * 1024;
    bounds.maxDays = Setting(L"maxDays", bounds.maxDays);
    return bounds;
}

QString ReportOutbox::DefaultFolder() {
    const Orv::IProductInformations* product = Orv::GetProductInformations();
    return product ? QDir(QString::fromStdWString(product->GetProductLocalFolder())).filePath(QStringLiteral("Outbox"))
                   : QString();
}

ReportOutbox::ReportOutbox(const QString& folder, Bounds bounds) : folder_(folder), bounds_(bounds) {}

bool ReportOutbox::Keep(WaitingReport* report, QString* error) {
    if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
        *error = QCoreApplication::translate("ReportOutbox", "the folder %1 cannot be made")
                     .arg(QDir::toNativeSeparators(folder_));
        return false;
    }
    if (report->path.isEmpty())
        report->path = QDir(folder_).filePath(report->created.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                                              QLatin1Char('-') + report->id + kSuffix);
    QSaveFile file(report->path);
    const QByteArray head = Head(*report);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size() ||
        file.write(report->body) != report->body.size() || !file.flush() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void ReportOutbox::Remove(const WaitingReport& report) {
    QFile::remove(report.path);
}

void ReportOutbox::Refuse(const WaitingReport& report) {
    MoveInto(report.path, QDir(folder_).filePath(QStringLiteral("Refused")));
}

void ReportOutbox::Postpone(WaitingReport* report, const QDateTime& notBefore) {
    report->notBefore = notBefore;
    QString ignored;
    Keep(report, &ignored); // at worst it is sent before the time the site asked for
}

int ReportOutbox::Count() const {
    return QDir(folder_).entryList({QLatin1Char('*') + kSuffix}, QDir::Files | QDir::NoDotAndDotDot).size();
}

bool ReportOutbox::Read(const QString& path, WaitingReport* report, QString* problem) const {
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile() || !info.fileName().endsWith(kSuffix)) {
        *problem = info.isSymLink() ? QStringLiteral("a link")
                   : info.isDir()   ? QStringLiteral("a folder")
                   : info.isFile()  ? QStringLiteral("not a report's name")
                                    : QStringLiteral("not a file");
        return false;
    }
    if (info.size() > bounds_.maxBytes + kMaxHeadBytes) {
        *problem = QCoreApplication::translate("ReportOutbox", "%1 bytes, larger than any report").arg(info.size());
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return false;
    }
    const QByteArray start = file.peek(kMaxHeadBytes);
    const int end = start.indexOf("\n\n");
    if (!start.startsWith(kMagic) || end < 0) {
        *problem = QCoreApplication::translate("ReportOutbox", "not a report this program wrote");
        return false;
    }
    WaitingReport read;
    read.path = path;
    qint64 length = -1;
    for (const QByteArray& line : start.mid(kMagic.size(), end - kMagic.size()).split('\n')) {
        const int colon = line.indexOf(": ");
        const QByteArray name = line.left(colon);
        const QByteArray value = colon < 0 ? QByteArray() : line.mid(colon + 2);
        if (name == "id")
            read.id = QString::fromLatin1(value);
        else if (name == "created")
            read.created = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODate);
        else if (name == "not-before")
            read.notBefore = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODate);
        else if (name == "endpoint")
            read.endpoint = QString::fromUtf8(value);
        else if (name == "content-type")
            read.contentType = value;
        else if (name == "length")
            length = value.toLongLong();
    }
    file.seek(end + 2);
    if (QUuid(read.id).isNull() || !read.created.isValid() || !read.endpoint.startsWith(QLatin1String("https://")) ||
        read.contentType.isEmpty() || length < 0 || length != info.size() - (end + 2)) {
        *problem = QCoreApplication::translate("ReportOutbox", "cut short or damaged");
        return false;
    }
    read.body = file.read(length);
    if (read.body.size() != length) {
        *problem = file.errorString();
        return false;
    }
    *report = read;
    return true;
}

void ReportOutbox::SetAside(const QString& path, const QString& why, QStringList* notes) {
    const QString name = QFileInfo(path).fileName();
    if (MoveInto(path, QDir(folder_).filePath(QStringLiteral("Set aside"))))
        notes->append(
            QCoreApplication::translate("ReportOutbox", "%1 in the outbox is %2: set aside, not sent.").arg(name, why));
    else
        notes->append(QCoreApplication::translate("ReportOutbox", "%1 in the outbox is %2, and could not be set aside.")
                          .arg(name, why));
}

QList<WaitingReport> ReportOutbox::Waiting(QStringList* notes) {
    QList<WaitingReport> reports;
    const QFileInfoList entries =
        QDir(folder_).entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink() &&
            (entry.fileName() == QLatin1String("Refused") || entry.fileName() == QLatin1String("Set aside")))
            continue;
        WaitingReport report;
        QString problem;
        if (Read(entry.filePath(), &report, &problem))
            reports.append(report);
        else
            SetAside(entry.filePath(), problem, notes);
    }
    std::stable_sort(reports.begin(), reports.end(),
                     [](const WaitingReport& a, const WaitingReport& b) { return a.created < b.created; });

    // The bounds, the oldest going first: age, then number and size.
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addDays(-bounds_.maxDays);
    qint64 total = 0;
    for (const WaitingReport& report : reports)
        total += report.body.size();
    while (!reports.isEmpty() &&
           (reports.first().created < oldest || reports.size() > bounds_.maxReports || total > bounds_.maxBytes)) {
        const WaitingReport& first = reports.first();
        const QString why =
            first.created < oldest
                ? QCoreApplication::translate("ReportOutbox", "older than %1 days").arg(bounds_.maxDays)
            : reports.size() > bounds_.maxReports
                ? QCoreApplication::translate("ReportOutbox", "more than %1 reports wait").arg(bounds_.maxReports)
                : QCoreApplication::translate("ReportOutbox", "the reports waiting pass %1 MiB")
                      .arg(bounds_.maxBytes >> 20);
        notes->append(QStringLiteral("Report %1 of %2 dropped: %3.")
                          .arg(ReportNumber(first.id), first.created.toString(Qt::ISODate), why));
        total -= first.body.size();
        Remove(first);
        reports.removeFirst();
    }
    return reports;
}
