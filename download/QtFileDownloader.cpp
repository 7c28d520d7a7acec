#include "QtFileDownloader.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "network/NetworkProxy.h"
#include "network/TransferAdvice.h"

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

} // namespace

const char* const QtFileDownloader::kUserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, "
                                                 "like Gecko) Chrome/112.0.0.0 Safari/537.36";

bool QtFileDownloaderInfo::SetProgress(float percentage, double curtime) {
    emit sSetProgress(percentage, curtime);
    return cancel;
}

QtFileDownloader::QtFileDownloader() : userAgent_(kUserAgent) {
    connect(this, &QtFileDownloader::sCancelDownload, this, &QtFileDownloader::cancelDownload);
}

QtFileDownloader::~QtFileDownloader() {
    cancelDownload();
}

void QtFileDownloader::StartDownload() {
    try {
        cancelDownload(); // a download still under way is replaced
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
        exchange_ = new HttpsExchange(this);
        exchange_->SetLimits(infos_.stallMs, infos_.minimumBytes);
        connect(exchange_, &HttpsExchange::sHead, this, &QtFileDownloader::CheckAnnouncement);
        connect(exchange_, &HttpsExchange::sBody, this, &QtFileDownloader::Write);
        connect(exchange_, &HttpsExchange::sDownloadProgress, this, &QtFileDownloader::downloadProgress);
        connect(exchange_, &HttpsExchange::sFinished, this, &QtFileDownloader::Ended);
        // The body as it is on the site: a compressed one could expand without bound on the way to the file.
        exchange_->Start("GET", url,
                         {{"User-Agent", QByteArray::fromStdString(userAgent_)}, {"Accept-Encoding", "identity"}});
    } catch (...) {
        // Nothing started, nothing to report.
    }
}

// Decided on the answer's head: anything but a 200 is no file (its body, however long, is not waited for), and a
// length past the ceiling is refused before a byte is kept.
void QtFileDownloader::CheckAnnouncement() {
    const int status = exchange_->Status();
    if (status == 301 || status == 302 || status == 303 || status == 305 || status == 307 || status == 308) {
        std::fputs("Request was redirected.\n", stderr);
        stopReason_ = Tr("The site sent the download elsewhere (HTTP %1); it was not followed.").arg(status);
    } else if (status != 200) {
        stopReason_ = Tr("The site answered \"%1 %2\" instead of sending the file.")
                          .arg(status)
                          .arg(QString::fromLatin1(exchange_->ReasonPhrase()));
    } else if (exchange_->ContentLength() > infos_.maxBytes) {
        stopReason_ = Tr("The site announced a file of %1 MiB, more than the %2 MiB a download may have.")
                          .arg(MiB(exchange_->ContentLength()), MiB(infos_.maxBytes));
    }
    if (!stopReason_.isEmpty())
        exchange_->Abort(stopReason_);
}

void QtFileDownloader::Write(const QByteArray& piece) {
    if (written_ + piece.size() > infos_.maxBytes)
        stopReason_ = Tr("The file is larger than the %1 MiB a download may have.").arg(MiB(infos_.maxBytes));
    else if (file_.write(piece) != piece.size())
        stopReason_ = Tr("The file %1 could not be written: %2").arg(file_.fileName(), file_.errorString());
    if (!stopReason_.isEmpty())
        return exchange_->Abort(stopReason_);
    md5_.addData(piece);
    written_ += piece.size();
}

void QtFileDownloader::downloadProgress(qint64 bytesReceived, qint64 bytesTotal) {
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

QString QtFileDownloader::FailureText() const {
    const QString detail = exchange_->Detail();
    const bool viaProxy = exchange_->Proxy().type() != QNetworkProxy::NoProxy;
    const QString proxy = ProxyText(exchange_->Proxy());
    switch (exchange_->failure()) {
    case HttpsExchange::Failure::None:
        // The body is whole only when its end is known: a body that ends when the connection closes cannot be
        // told from one cut off in the middle.
        return exchange_->BodyFramed()
                   ? QString()
                   : Tr("The site did not say how long the file is, so it may be incomplete: it was not kept.");
    case HttpsExchange::Failure::Aborted:
        return stopReason_;
    case HttpsExchange::Failure::Refused:
        return viaProxy ? Tr("The proxy %1 refused the connection.").arg(proxy)
                        : Tr("The site refused the connection.");
    case HttpsExchange::Failure::Closed:
        return Tr("The site closed the connection before the file was complete.");
    case HttpsExchange::Failure::HostNotFound:
        return viaProxy ? Tr("The proxy's name %1 could not be found: no network, or a wrong proxy address.").arg(proxy)
                        : Tr("The site's name could not be found: no Internet connection, or a wrong site address.");
    case HttpsExchange::Failure::Timeout: {
        const int seconds = infos_.stallMs / 1000;
        if (viaProxy && !exchange_->Connected())
            return Tr("The proxy %1 did not answer for %2 s.").arg(proxy).arg(seconds);
        return seconds == 1 ? Tr("Nothing came from the site for 1 second.")
                            : Tr("Nothing came from the site for %1 seconds.").arg(seconds);
    }
    case HttpsExchange::Failure::TooSlow:
        return Tr("The site sent fewer than %1 bytes in %2 seconds: too slow to ever finish.")
            .arg(infos_.minimumBytes)
            .arg(infos_.stallMs / 1000.0);
    case HttpsExchange::Failure::Tls:
        return exchange_->UntrustedIssuer().isEmpty()
                   ? Tr("No secure connection could be made to the site: %1").arg(detail)
                   : Tr("No secure connection could be made to the site: its certificate was issued by \"%1\", "
                        "which this computer does not trust (%2).")
                         .arg(exchange_->UntrustedIssuer(), detail);
    case HttpsExchange::Failure::Malformed:
        return Tr("The site's answer is malformed (%1): nothing was kept.").arg(detail);
    case HttpsExchange::Failure::Proxy:
        return exchange_->ProxyAuthenticationFailed()
                   ? Tr("The proxy asked for a user name and password (proxy %1).").arg(proxy)
                   : Tr("The proxy %1 did not open the way to the site: %2").arg(proxy, detail);
    case HttpsExchange::Failure::Network:
        break;
    }
    return Tr("The download failed: %1").arg(detail);
}

void QtFileDownloader::Ended() {
    QString reason = FailureText();
    if (const QString advice = TransferAdvice(*exchange_); !reason.isEmpty() && !advice.isEmpty())
        reason += QLatin1Char('\n') + advice;
    if (exchange_->failure() != HttpsExchange::Failure::None &&
        exchange_->failure() != HttpsExchange::Failure::Aborted) {
        infos_.error = true;
        std::fprintf(stderr, "Download of %s failed: %s\n", infos_.Url().c_str(),
                     exchange_->Detail().toLocal8Bit().constData());
    }
    exchange_->deleteLater();
    exchange_ = nullptr;
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

void QtFileDownloader::cancelDownload() {
    if (exchange_) {
        // Its end is no news, and nothing of it is kept.
        exchange_->disconnect(this);
        exchange_->Abort(QString());
        exchange_->deleteLater();
        exchange_ = nullptr;
    }
    DiscardFile(); // an unfinished file is nobody's
}

} // namespace Orv
