#pragma once

#include "library_Orv/FileDownloaderInfos.h"

#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSet>
#include <QSslError>
#include <QTimer>

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
// is given. Only a 200 answer whose body arrived whole and was written without error is a success; on any other
// end the partial file is removed and the job's failure says why. sDownloadFinished tells the end, once.
// Progress: a percentage, or -1 while the size is unknown (the site did not announce it).
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
    void downloadEnding(QNetworkReply* reply);
    void errorOccurred(QNetworkReply::NetworkError networkError);
    void sslErrors(QList<QSslError> errors);
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void cancelDownload();

private:
    void ReadArrived(QNetworkReply* reply);
    void CheckAnnouncement(QNetworkReply* reply);
    // Records the first reason and stops the transfer; the reply's end then reports it.
    void Stop(QNetworkReply* reply, const QString& reason);
    QString EndReason(QNetworkReply* reply);
    // Why the answer's status means no file (a redirect, an error); empty for a 200.
    static QString StatusReason(QNetworkReply* reply);
    void Finish(bool success, const QString& reason);
    void DiscardFile();

    QtFileDownloaderInfo infos_;
    QNetworkAccessManager manager_;
    QList<QNetworkReply*> replies_;
    QNetworkReply* lastReply_ = nullptr;
    float lastPercentage_ = 0;
    std::string userAgent_;
    bool cancelEmitted_ = false;
    QSet<QNetworkReply*> cancelled_;
    QFile file_;
    QCryptographicHash md5_{QCryptographicHash::Md5};
    qint64 written_ = 0;
    QTimer stallTimer_;
    // Every stall span, the bytes that came in it are counted: too few, and the download is too slow to finish.
    QTimer rateTimer_;
    qint64 receivedAtLastLook_ = 0;
    qint64 received_ = 0;
    QString stopReason_;
};

} // namespace Orv
