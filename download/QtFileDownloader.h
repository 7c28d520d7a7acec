#pragma once

#include "library_Orv/FileDownloaderInfos.h"
#include "network/HttpsExchange.h"

#include <QCryptographicHash>
#include <QFile>
#include <QObject>

#include <string>

namespace Orv {

// A download job that tells the user interface its progress and takes a cancel request back from it.
class QtFileDownloaderInfo : public QObject, public FileDownloaderInfos {
    Q_OBJECT

public:
    // Emits the progress; true when the user asked to cancel.
    bool SetProgress(float percentage, double curtime) override;
    bool cancel = false;
    // Why the job failed, in plain words for the user; empty while it runs and after a success.
    QString failure;

signals:
    void sSetProgress(float percentage, double curtime);
};

// Downloads one file over HTTPS into the job's destination as it arrives (never more than the job's ceiling, never
// the whole body in memory), computing its MD5 digest on the way and checking it against the expected one when one
// is given. Only a 200 answer whose body arrived whole (its end told by its length or its last chunk) and was written
// without error is a success; on any other end the partial file is removed and the job's failure says why.
// sDownloadFinished tells the end, once. Progress: a percentage, or -1 while the size is unknown.
class QtFileDownloader : public QObject {
    Q_OBJECT

public:
    QtFileDownloader();
    ~QtFileDownloader() override;

    QtFileDownloaderInfo& Infos() { return infos_; }
    void StartDownload();
    float LastPercentage() const { return lastPercentage_; }
    static const char* const kUserAgent;

signals:
    void sDownloadFinished(QtFileDownloaderInfo* infos);
    void sCancelDownload();

public slots:
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void cancelDownload();

private:
    void CheckAnnouncement();
    void Write(const QByteArray& piece);
    void Ended();
    QString FailureText() const;
    void Finish(bool success, const QString& reason);
    void DiscardFile();

    QtFileDownloaderInfo infos_;
    // One per download: a cancelled one is let go with its connection.
    HttpsExchange* exchange_ = nullptr;
    float lastPercentage_ = 0;
    std::string userAgent_;
    bool cancelEmitted_ = false;
    QFile file_;
    QCryptographicHash md5_{QCryptographicHash::Md5};
    qint64 written_ = 0;
    // Why the download was stopped from here (a bound, a status, the file); the exchange's own failures otherwise.
    QString stopReason_;
};

} // namespace Orv
