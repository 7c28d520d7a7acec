#include "QtFileDownloader.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"

#include <QFile>
#include <QUrl>

#include <cstdio>

namespace Orv {

const char* const QtFileDownloader::kUserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, "
                                                 "like Gecko) Chrome/112.0.0.0 Safari/537.36";

bool QtFileDownloaderInfo::SetProgress(float percentage, double curtime) {
    emit sSetProgress(percentage, curtime);
    return cancel;
}

QtFileDownloader::QtFileDownloader() : userAgent_(kUserAgent) {
    connect(&manager_, SIGNAL(finished(QNetworkReply*)), this, SLOT(downloadEnding(QNetworkReply*)));
    connect(this, &QtFileDownloader::sCancelDownload, this, &QtFileDownloader::cancelDownload);
}

QtFileDownloader::~QtFileDownloader() {
    cancelDownload();
}

void QtFileDownloader::StartDownload() {
    try {
        const std::wstring destination = Utf8ToWString(infos_.destination);
        const size_t separator = destination.find_last_of(L"\\/");
        if (separator != std::wstring::npos)
            CreateDirectories(destination.substr(0, separator));
        const QUrl url(QString::fromStdString(infos_.Url()), QUrl::TolerantMode);
        if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
            // What gets installed comes over HTTPS only.
            std::fprintf(stderr, "Download of %s refused: not an https:// address\n", url.toEncoded().constData());
            infos_.success = false;
            infos_.error = true;
            emit sDownloadFinished(&infos_);
            return;
        }
        QNetworkRequest request(url);
        request.setRawHeader("User-Agent", QByteArray::fromStdString(userAgent_));
        QNetworkReply* reply = manager_.get(request);
        lastReply_ = reply;
        connect(reply, &QNetworkReply::downloadProgress, this, &QtFileDownloader::downloadProgress);
        connect(reply, &QNetworkReply::errorOccurred, this, &QtFileDownloader::errorOccurred);
        connect(reply, &QNetworkReply::sslErrors, this, &QtFileDownloader::sslErrors);
        replies_.append(reply);
    } catch (...) {
        // Nothing started, nothing to report.
    }
}

void QtFileDownloader::downloadProgress(qint64 bytesReceived, qint64 bytesTotal) {
    const float percentage =
        bytesTotal == 0 ? 0.0f : static_cast<float>(static_cast<double>(bytesReceived) / bytesTotal) * 100.0f;
    lastPercentage_ = percentage;
    if (infos_.SetProgress(percentage, 0.0) && !cancelEmitted_) {
        cancelEmitted_ = true;
        emit sCancelDownload();
    }
}

void QtFileDownloader::downloadEnding(QNetworkReply* reply) {
    // A cancelled reply that still ends before its deletion is no news, and nothing of it is saved (its SSL errors
    // were ignored on the way out).
    if (cancelled_.contains(reply))
        return;
    bool saved = false;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        std::fprintf(stderr, "Download of %s failed: %s\n", reply->url().toEncoded().constData(),
                     reply->errorString().toLocal8Bit().constData());
    } else if (status == 301 || status == 302 || status == 303 || status == 305 || status == 307 || status == 308) {
        std::fputs("Request was redirected.\n", stderr);
    } else {
        saved = saveToDisk(QString::fromStdString(infos_.destination), reply);
    }
    replies_.removeAll(reply);
    reply->deleteLater();
    infos_.SetProgress(100.0f, 0.0);
    infos_.success = saved;
    emit sDownloadFinished(&infos_);
}

bool QtFileDownloader::saveToDisk(const QString& fileName, QIODevice* data) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "Could not open %s for writing: %s\n", fileName.toLocal8Bit().constData(),
                     file.errorString().toLocal8Bit().constData());
        return false;
    }
    const QByteArray content = data->readAll();
    const bool written = file.write(content) == content.size();
    file.close();
    if (!written)
        return false;
    if (infos_.expectedMd5.empty())
        return true;
    return FileMD5(fileName.toStdWString()) == infos_.expectedMd5;
}

void QtFileDownloader::errorOccurred(QNetworkReply::NetworkError) {
    infos_.success = false;
    infos_.error = true;
    emit sDownloadFinished(&infos_);
}

void QtFileDownloader::sslErrors(QList<QSslError> errors) {
    for (const QSslError& error : errors)
        std::fprintf(stderr, "SSL error: %s\n", error.errorString().toLocal8Bit().constData());
    infos_.success = false;
    emit sDownloadFinished(&infos_);
}

void QtFileDownloader::cancelDownload() {
    for (QNetworkReply* reply : replies_) {
        reply->ignoreSslErrors();
        cancelled_.insert(reply);
        reply->deleteLater();
    }
    replies_.clear();
}

} // namespace Orv
