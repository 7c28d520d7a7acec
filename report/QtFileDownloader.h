#pragma once

#include "library_Orv/FileDownloaderInfos.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSet>
#include <QSslError>

#include <string>

namespace Orv {

// A download job that tells the user interface its progress and takes a cancel request back from it.
class QtFileDownloaderInfo : public QObject, public FileDownloaderInfos {
    Q_OBJECT

public:
    // Emits the progress; true when the user asked to cancel.
    bool SetProgress(float percentage, double curtime) override;
    bool cancel = false;

signals:
    void sSetProgress(float percentage, double curtime);
};

// Downloads one file over HTTP(S) into the job's destination, checks it against the expected MD5 digest when one is
// given, and tells the end with sDownloadFinished (which may come more than once: the last one is final).
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
    bool saveToDisk(const QString& fileName, QIODevice* data);

    QtFileDownloaderInfo infos_;
    QNetworkAccessManager manager_;
    QList<QNetworkReply*> replies_;
    QNetworkReply* lastReply_ = nullptr;
    float lastPercentage_ = 0;
    std::string userAgent_;
    bool cancelEmitted_ = false;
    QSet<QNetworkReply*> cancelled_;
};

} // namespace Orv
