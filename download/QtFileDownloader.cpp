#include "QtFileDownloader.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"

#include <QUrl>

#include <cstdio>

namespace Orv {

namespace {
constexpr qint64 kReadChunk = 256 * 1024;
// What Qt may hold of a body that was not read yet: the file gets the rest.
constexpr qint64 kReplyBufferBytes = 1024 * 1024;

QString Tr(const char* text) {
    return QtFileDownloader::tr(text);
}

QString MiB(qint64 bytes) {
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
}

QString NetworkErrorText(QNetworkReply* reply) {
    switch (reply->error()) {
    case QNetworkReply::ConnectionRefusedError:
        return Tr("The site refused the connection.");
    case QNetworkReply::RemoteHostClosedError:
        return Tr("The site closed the connection before the file was complete.");
    case QNetworkReply::HostNotFoundError:
        return Tr("The site's name could not be found: no Internet connection, or a wrong site address.");
    case QNetworkReply::TimeoutError:
        return Tr("The site did not answer in time.");
    case QNetworkReply::SslHandshakeFailedError:
        return Tr("No secure connection could be made to the site: its certificate is not trusted.");
    default:
        return Tr("The download failed: %1").arg(reply->errorString());
    }
}
} // namespace

const char* const QtFileDownloader::kUserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, "
                                                 "like Gecko) Chrome/112.0.0.0 Safari/537.36";

bool QtFileDownloaderInfo::SetProgress(float percentage, double curtime) {
    emit sSetProgress(percentage, curtime);
    return cancel;
}

QtFileDownloader::QtFileDownloader() : userAgent_(kUserAgent) {
    connect(&manager_, SIGNAL(finished(QNetworkReply*)), this, SLOT(downloadEnding(QNetworkReply*)));
    connect(this, &QtFileDownloader::sCancelDownload, this, &QtFileDownloader::cancelDownload);
    connect(&rateTimer_, &QTimer::timeout, this, [this]() {
        const qint64 moved = received_ - receivedAtLastLook_;
        receivedAtLastLook_ = received_;
        if (moved < infos_.minimumBytes)
            Stop(lastReply_, Tr("The site sent only %1 bytes in the last %2 seconds: too slow to ever finish.")
                                 .arg(moved)
                                 .arg(infos_.stallMs / 1000.0));
    });
    stallTimer_.setSingleShot(true);
    connect(&stallTimer_, &QTimer::timeout, this, [this]() {
        const int seconds = infos_.stallMs / 1000;
        Stop(lastReply_, seconds == 1 ? Tr("Nothing came from the site for 1 second.")
                                      : Tr("Nothing came from the site for %1 seconds.").arg(seconds));
    });
}

QtFileDownloader::~QtFileDownloader() {
    cancelDownload();
}

void QtFileDownloader::StartDownload() {
    try {
        infos_.success = false;
        infos_.error = false;
        infos_.failure.clear();
        stopReason_.clear();
        written_ = 0;
        md5_.reset();
        const std::wstring destination = Utf8ToWString(infos_.destination);
        const size_t separator = destination.find_last_of(L"\\/");
        if (separator != std::wstring::npos) {
            // A folder that cannot be made (a read-only temporary folder) is the cause: not "no such file".
            const std::wstring folder = destination.substr(0, separator);
            if (!CreateDirectories(folder) && !DirectoryExists(folder)) {
                Finish(false, Tr("The folder %1 could not be made: it is read-only, or its drive is full. Nothing "
                                 "was downloaded.")
                                  .arg(QString::fromStdWString(folder)));
                return;
            }
        }
        const QUrl url(QString::fromStdString(infos_.Url()), QUrl::TolerantMode);
        if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
            // What gets installed comes over HTTPS only.
            std::fprintf(stderr, "Download of %s refused: not an https:// address\n", url.toEncoded().constData());
            infos_.error = true;
            Finish(false,
                   Tr("The address %1 is not an https:// address: nothing was downloaded.").arg(url.toDisplayString()));
            return;
        }
        file_.setFileName(QString::fromStdString(infos_.destination));
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::fprintf(stderr, "Could not open %s for writing: %s\n", file_.fileName().toLocal8Bit().constData(),
                         file_.errorString().toLocal8Bit().constData());
            Finish(false, Tr("The file %1 could not be written: %2").arg(file_.fileName(), file_.errorString()));
            return;
        }
        QNetworkRequest request(url);
        request.setRawHeader("User-Agent", QByteArray::fromStdString(userAgent_));
        // The body as it is on the site: a compressed one could expand without bound on the way to the file.
        request.setRawHeader("Accept-Encoding", "identity");
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply* reply = manager_.get(request);
        reply->setReadBufferSize(kReplyBufferBytes);
        lastReply_ = reply;
        connect(reply, &QNetworkReply::downloadProgress, this, &QtFileDownloader::downloadProgress);
        connect(reply, &QNetworkReply::errorOccurred, this, &QtFileDownloader::errorOccurred);
        connect(reply, &QNetworkReply::sslErrors, this, &QtFileDownloader::sslErrors);
        connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply]() { CheckAnnouncement(reply); });
        connect(reply, &QIODevice::readyRead, this, [this, reply]() { ReadArrived(reply); });
        replies_.append(reply);
        stallTimer_.start(infos_.stallMs);
        received_ = receivedAtLastLook_ = 0;
        rateTimer_.start(infos_.stallMs);
    } catch (...) {
        // Nothing started, nothing to report.
    }
}

QString QtFileDownloader::StatusReason(QNetworkReply* reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 301 || status == 302 || status == 303 || status == 305 || status == 307 || status == 308) {
        std::fputs("Request was redirected.\n", stderr);
        return Tr("The site sent the download elsewhere (HTTP %1); it was not followed.").arg(status);
    }
    if (status != 0 && status != 200) {
        const QString phrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return Tr("The site answered \"%1 %2\" instead of sending the file.").arg(status).arg(phrase);
    }
    return QString();
}

// Decided on the answer's headers: anything but a 200 is no file (its body, however long, is not waited for), and
// a length announced twice with two values, or one past the ceiling, is refused before a byte is kept.
void QtFileDownloader::CheckAnnouncement(QNetworkReply* reply) {
    if (const QString reason = StatusReason(reply); !reason.isEmpty())
        return Stop(reply, reason);
    // Qt joins repeated headers with commas: every value counts.
    QSet<QByteArray> lengths;
    for (const auto& [name, value] : reply->rawHeaderPairs())
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            for (const QByteArray& one : value.split(','))
                lengths.insert(one.trimmed());
    if (lengths.size() > 1)
        return Stop(reply, Tr("The site announced two different lengths for the file: the answer is not "
                              "trustworthy, nothing was kept."));
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > infos_.maxBytes)
        Stop(reply, Tr("The site announced a file of %1 MiB, more than the %2 MiB a download may have.")
                        .arg(MiB(length.toLongLong()), MiB(infos_.maxBytes)));
}

void QtFileDownloader::ReadArrived(QNetworkReply* reply) {
    if (!stopReason_.isEmpty() || cancelled_.contains(reply))
        return;
    stallTimer_.start(infos_.stallMs);
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200) {
        reply->skip(reply->bytesAvailable()); // an error page or a redirect's body is not the file
        return;
    }
    while (reply->bytesAvailable() > 0) {
        const QByteArray chunk = reply->read(kReadChunk);
        if (written_ + chunk.size() > infos_.maxBytes)
            return Stop(reply, Tr("The file is larger than the %1 MiB a download may have.").arg(MiB(infos_.maxBytes)));
        if (file_.write(chunk) != chunk.size())
            return Stop(reply, Tr("The file %1 could not be written: %2").arg(file_.fileName(), file_.errorString()));
        md5_.addData(chunk);
        written_ += chunk.size();
    }
}

void QtFileDownloader::Stop(QNetworkReply* reply, const QString& reason) {
    if (stopReason_.isEmpty())
        stopReason_ = reason;
    stallTimer_.stop();
    rateTimer_.stop();
    if (reply && replies_.contains(reply))
        reply->abort(); // finished follows, and with it the end
}

void QtFileDownloader::downloadProgress(qint64 bytesReceived, qint64 bytesTotal) {
    stallTimer_.start(infos_.stallMs);
    received_ = bytesReceived;
    // In 64 bits and double: a file of gigabytes has no overflow on the way to its percentage.
    float percentage = 0.0f;
    if (bytesTotal < 0)
        percentage = -1.0f;
    else if (bytesTotal > 0)
        percentage = static_cast<float>(static_cast<double>(bytesReceived) / static_cast<double>(bytesTotal) * 100.0);
    lastPercentage_ = percentage;
    if (infos_.SetProgress(percentage, 0.0) && !cancelEmitted_) {
        cancelEmitted_ = true;
        emit sCancelDownload();
    }
}

QString QtFileDownloader::EndReason(QNetworkReply* reply) {
    if (!stopReason_.isEmpty())
        return stopReason_;
    if (const QString reason = StatusReason(reply); !reason.isEmpty())
        return reason;
    if (reply->error() != QNetworkReply::NoError) {
        std::fprintf(stderr, "Download of %s failed: %s\n", reply->url().toEncoded().constData(),
                     reply->errorString().toLocal8Bit().constData());
        return NetworkErrorText(reply);
    }
    // The body is whole only when its end is known: the announced length was met, or a chunked body ended with its
    // last chunk (Qt reports a chunked body cut short as an error). A body that ends when the connection closes
    // cannot be told from one cut off in the middle.
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() >= 0 && written_ != length.toLongLong())
        return Tr("The site sent %1 of the %2 bytes it announced: the file is incomplete.")
            .arg(written_)
            .arg(length.toLongLong());
    if (length.isValid() && length.toLongLong() < 0)
        return Tr("The site announced a negative length for the file: the answer is not trustworthy, nothing was "
                  "kept.");
    if (!length.isValid() && !reply->rawHeader("Transfer-Encoding").toLower().contains("chunked"))
        return Tr("The site did not say how long the file is, so it may be incomplete: it was not kept.");
    return QString();
}

void QtFileDownloader::downloadEnding(QNetworkReply* reply) {
    // A cancelled reply that still ends before its deletion is no news, and nothing of it is kept (its SSL errors
    // were ignored on the way out).
    if (cancelled_.contains(reply))
        return;
    ReadArrived(reply); // whatever is left in the reply's buffer
    stallTimer_.stop();
    rateTimer_.stop();
    replies_.removeAll(reply);
    reply->deleteLater();
    QString reason = EndReason(reply);
    if (reason.isEmpty()) {
        if (!file_.flush() || (file_.close(), file_.error() != QFileDevice::NoError))
            reason = Tr("The file %1 could not be written: %2").arg(file_.fileName(), file_.errorString());
    }
    if (!reason.isEmpty()) {
        DiscardFile();
        return Finish(false, reason);
    }
    if (!infos_.expectedMd5.empty() && md5_.result().toHex().toStdString() != infos_.expectedMd5)
        return Finish(false, Tr("The downloaded file is not the expected one (its MD5 digest differs)."));
    infos_.SetProgress(100.0f, 0.0);
    Finish(true, QString());
}

void QtFileDownloader::Finish(bool success, const QString& reason) {
    infos_.success = success;
    infos_.failure = reason;
    emit sDownloadFinished(&infos_);
}

void QtFileDownloader::DiscardFile() {
    if (!file_.isOpen())
        return;
    file_.close();
    file_.remove();
}

void QtFileDownloader::errorOccurred(QNetworkReply::NetworkError) {
    // Told once, by the end of the reply, which follows.
    infos_.error = true;
}

void QtFileDownloader::sslErrors(QList<QSslError> errors) {
    QStringList texts;
    for (const QSslError& error : errors) {
        std::fprintf(stderr, "SSL error: %s\n", error.errorString().toLocal8Bit().constData());
        texts << error.errorString();
    }
    if (stopReason_.isEmpty())
        stopReason_ = Tr("No secure connection could be made to the site: %1").arg(texts.join(QStringLiteral("; ")));
}

void QtFileDownloader::cancelDownload() {
    for (QNetworkReply* reply : replies_) {
        reply->ignoreSslErrors();
        cancelled_.insert(reply);
        reply->deleteLater();
    }
    replies_.clear();
    stallTimer_.stop();
    rateTimer_.stop();
    DiscardFile(); // an unfinished file is nobody's
}

} // namespace Orv
