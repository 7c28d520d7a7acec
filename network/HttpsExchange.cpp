#include "HttpsExchange.h"

#include "NetworkLimits.h"
#include "NetworkProxy.h"
#include "ProxyAuthentication.h"
#include "ProxyTunnel.h"

#include <QAuthenticator>
#include <QSslSocket>

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace Orv {

namespace {
// The request goes to the socket in slices, the next one when less than this waits there: the bytes that moved are
// then those that left, and a stall while sending is seen.
constexpr qint64 kSendSlice = 64 * 1024;
constexpr qint64 kSendAhead = 256 * 1024;
// A chunk-size line with its extensions; the size itself in at most 15 hexadecimal digits (no overflow).
constexpr int kMaxChunkLine = 4096;
constexpr int kMaxChunkSizeDigits = 15;

bool IsTokenChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           QByteArray("!#$%&'*+-.^_`|~").contains(c);
}

bool AllDigits(const QByteArray& text, int maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool AllHexDigits(const QByteArray& text) {
    if (text.isEmpty() || text.size() > kMaxChunkSizeDigits)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}
} // namespace

HttpsExchange::HttpsExchange(QObject* parent)
    : QObject(parent), stallMs_(NetworkStallMs()), minimumBytes_(NetworkMinimumBytes()) {
    stallTimer_.setSingleShot(true);
    connect(&stallTimer_, &QTimer::timeout, this,
            [this]() { Fail(Failure::Timeout, tr("nothing moved for %1 ms").arg(stallMs_)); });
    connect(&rateTimer_, &QTimer::timeout, this, [this]() {
        const qint64 moved = moved_ - movedAtLastLook_;
        movedAtLastLook_ = moved_;
        // While connecting, and between the request's end and the answer's start, nothing is due but the answer:
        // only the stall time applies.
        if (stage_ == Stage::Idle || (bodySent_ && answerBytes_ == 0))
            return;
        if (moved < minimumBytes_)
            Fail(Failure::TooSlow, tr("%1 bytes moved in %2 ms").arg(moved).arg(stallMs_));
    });
}

HttpsExchange::~HttpsExchange() {
    if (socket_)
        socket_->disconnect(this);
}

void HttpsExchange::SetProxyCredentialsAsker(CredentialsAsker asker) {
    ProxyAuthentication::SetCredentialsAsker(std::move(asker));
}

// Only a SOCKS proxy signs in through Qt: the HTTP proxies' tunnel is ProxyTunnel's.
void HttpsExchange::OnProxyAuthentication(QAuthenticator* authenticator) {
    if (credentialsGiven_) {
        // Asked again after an answer: the user name or password was wrong. The transfer ends with that reason
        // rather than asking for ever, and the next transfer asks anew.
        ProxyAuthentication::ForgetCredentials();
        proxyAuthenticationFailed_ = true;
        return Fail(Failure::Proxy, tr("the proxy refused the user name and password"));
    }
    QString user;
    QString password;
    if (!ProxyAuthentication::Credentials(ProxyText(proxy_), &user, &password)) {
        proxyAuthenticationFailed_ = true;
        return Fail(Failure::Proxy, tr("the proxy asked for a user name and password"));
    }
    credentialsGiven_ = true;
    authenticator->setUser(user);
    authenticator->setPassword(password);
}

void HttpsExchange::SetLimits(int stallMs, qint64 minimumBytes) {
    stallMs_ = stallMs;
    minimumBytes_ = minimumBytes;
}

void HttpsExchange::Start(const QByteArray& method, const QUrl& url, const Headers& headers, const QByteArray& body) {
    if (socket_) {
        socket_->disconnect(this);
        socket_->deleteLater();
    }
    socket_ = new QSslSocket(this);
    socket_->setReadBufferSize(kReadAheadBytes);
    stage_ = Stage::Idle;
    buffer_.clear();
    headBytes_ = headFields_ = 0;
    status_ = 0;
    statusLine_.clear();
    reasonPhrase_.clear();
    headers_.clear();
    contentLength_ = -1;
    chunked_ = noBody_ = false;
    chunkLeft_ = bodyReceived_ = 0;
    failure_ = Failure::None;
    detail_.clear();
    bodySent_ = bodyFramed_ = finished_ = false;
    untrustedIssuer_.clear();
    peerIssuer_.clear();
    credentialsGiven_ = proxyAuthenticationFailed_ = connected_ = false;
    handedOver_ = 0;
    answerBytes_ = 0;
    moved_ = movedAtLastLook_ = 0;

    if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0 || url.host().isEmpty()) {
        // Told as every other end: after Start returned.
        QTimer::singleShot(0, this, [this]() { Fail(Failure::Network, tr("not an https:// address")); });
        return;
    }
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray name = url.host(QUrl::FullyEncoded).toLatin1();
    if (name.contains(':'))
        name = '[' + name + ']';
    const QByteArray nameAndPort = name + ':' + QByteArray::number(url.port(443));
    const QByteArray host = url.port(443) != 443 ? nameAndPort : name;
    request_ = method + ' ' + target + " HTTP/1.1\r\nHost: " + host + "\r\n";
    for (const auto& [name, value] : headers)
        request_ += name + ": " + value + "\r\n";
    if (!body.isEmpty() || method == "POST" || method == "PUT")
        request_ += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    request_ += "Connection: close\r\n\r\n" + body;

    connect(socket_, &QAbstractSocket::connected, this, [this]() {
        if (!tunnel_)
            connected_ = true;
    });
    connect(socket_, &QSslSocket::encrypted, this, [this]() {
        peerIssuer_ = socket_->peerCertificate().issuerDisplayName();
        stage_ = Stage::Head;
        Pump();
    });
    connect(socket_, &QSslSocket::encryptedBytesWritten, this, [this](qint64 bytes) {
        Moved(bytes);
        Pump();
    });
    connect(socket_, &QSslSocket::readyRead, this, &HttpsExchange::Read);
    connect(socket_, &QSslSocket::disconnected, this, &HttpsExchange::OnDisconnected);
    connect(socket_, &QAbstractSocket::errorOccurred, this, &HttpsExchange::OnSocketError);
    connect(socket_, qOverload<const QList<QSslError>&>(&QSslSocket::sslErrors), this,
            [this](const QList<QSslError>& errors) {
                QStringList texts;
                for (const QSslError& error : errors) {
                    std::fprintf(stderr, "SSL error: %s\n", error.errorString().toLocal8Bit().constData());
                    texts << error.errorString();
                    if (untrustedIssuer_.isEmpty() && !error.certificate().isNull())
                        untrustedIssuer_ = error.certificate().issuerDisplayName();
                }
                // Never ignored: the connection goes.
                Fail(Failure::Tls, texts.join(QStringLiteral("; ")));
            });
    const ProxyChoice choice = ProxyFor(url);
    proxy_ = choice.proxy;
    proxyReason_ = choice.reason;
    stallTimer_.start(stallMs_);
    rateTimer_.start(stallMs_);
    if (tunnel_) {
        tunnel_->disconnect(this);
        tunnel_->deleteLater();
        tunnel_ = nullptr;
    }
    if (proxy_.type() == QNetworkProxy::HttpProxy) {
        const QString siteHost = url.host();
        tunnel_ = new ProxyTunnel(socket_, proxy_.hostName(), proxy_.port(), ProxyText(proxy_), nameAndPort, this);
        connect(tunnel_, &ProxyTunnel::sMoved, this, &HttpsExchange::Moved);
        connect(tunnel_, &ProxyTunnel::sFailed, this, [this](const QString& detail) {
            proxyAuthenticationFailed_ = tunnel_->AuthenticationFailed();
            Fail(Failure::Proxy, detail);
        });
        connect(tunnel_, &ProxyTunnel::sOpen, this, [this, siteHost]() {
            connected_ = true;
            // The certificate must be the site's, not the proxy's that the socket is connected to.
            socket_->setPeerVerifyName(siteHost);
            socket_->startClientEncryption();
        });
        tunnel_->Open();
        return;
    }
    socket_->setProxy(proxy_);
    connect(socket_, &QAbstractSocket::proxyAuthenticationRequired, this,
            [this](const QNetworkProxy&, QAuthenticator* authenticator) { OnProxyAuthentication(authenticator); });
    socket_->connectToHostEncrypted(url.host(), static_cast<quint16>(url.port(443)));
}

void HttpsExchange::Abort(const QString& reason) {
    Fail(Failure::Aborted, reason);
}

QByteArray HttpsExchange::Header(const QByteArray& name) const {
    for (const auto& [field, value] : headers_)
        if (field.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return QByteArray();
}

void HttpsExchange::Pump() {
    if (finished_ || stage_ == Stage::Idle)
        return;
    while (handedOver_ < request_.size() && socket_->bytesToWrite() + socket_->encryptedBytesToWrite() < kSendAhead) {
        const qint64 slice = qMin<qint64>(kSendSlice, request_.size() - handedOver_);
        socket_->write(request_.constData() + handedOver_, slice);
        handedOver_ += slice;
    }
    const qint64 waiting = socket_->bytesToWrite() + socket_->encryptedBytesToWrite();
    const qint64 sent = qBound<qint64>(0, handedOver_ - waiting, request_.size());
    if (handedOver_ == request_.size() && waiting == 0)
        bodySent_ = true;
    emit sUploadProgress(bodySent_ ? request_.size() : sent, request_.size());
}

void HttpsExchange::Moved(qint64 bytes) {
    moved_ += bytes;
    if (!finished_)
        stallTimer_.start(stallMs_);
}

void HttpsExchange::Read() {
    if (finished_ || !socket_ || (tunnel_ && tunnel_->Opening()))
        return;
    const QByteArray arrived = socket_->readAll();
    if (arrived.isEmpty())
        return;
    Moved(arrived.size());
    answerBytes_ += arrived.size();
    buffer_ += arrived;
    // Each step takes what it can from the buffer and tells whether the next may go on.
    while (!finished_) {
        bool goOn = false;
        switch (stage_) {
        case Stage::Idle:
        case Stage::Head:
            goOn = ReadHead();
            break;
        case Stage::Body:
            goOn = ReadBody();
            break;
        case Stage::ChunkSize:
        case Stage::ChunkData:
        case Stage::ChunkEnd:
        case Stage::Trailer:
            goOn = ReadChunked();
            break;
        case Stage::Done:
            buffer_.clear(); // past a framed end: not part of the answer
            return;
        }
        if (!goOn)
            return;
    }
}

// A line of the head (or of a chunked body's trailer), without its end of line; false while it is incomplete, or
// when a bound was passed (the exchange then failed).
bool HttpsExchange::TakeHeadLine(QByteArray* line) {
    const int end = buffer_.indexOf('\n');
    if (end < 0) {
        if (headBytes_ + buffer_.size() > kMaxAnswerHeadBytes)
            Fail(Failure::Malformed, tr("the answer's header fields pass %1 bytes").arg(kMaxAnswerHeadBytes));
        return false;
    }
    headBytes_ += end + 1;
    if (headBytes_ > kMaxAnswerHeadBytes) {
        Fail(Failure::Malformed, tr("the answer's header fields pass %1 bytes").arg(kMaxAnswerHeadBytes));
        return false;
    }
    *line = buffer_.left(end);
    if (line->endsWith('\r'))
        line->chop(1);
    buffer_.remove(0, end + 1);
    return true;
}

bool HttpsExchange::ReadHead() {
    QByteArray line;
    while (TakeHeadLine(&line)) {
        if (statusLine_.isEmpty()) {
            if (line.isEmpty())
                continue; // a stray empty line before the status line is tolerated
            statusLine_ = line;
            continue;
        }
        if (!line.isEmpty()) {
            if (++headFields_ > kMaxAnswerHeaderFields) {
                Fail(Failure::Malformed, tr("the answer has more than %1 header fields").arg(kMaxAnswerHeaderFields));
                return false;
            }
            const int colon = line.indexOf(':');
            const QByteArray name = line.left(qMax(colon, 0));
            if (colon <= 0 || !std::all_of(name.begin(), name.end(), IsTokenChar)) {
                Fail(Failure::Malformed,
                     tr("a header line is not a field: %1").arg(QString::fromLatin1(line.left(80))));
                return false;
            }
            headers_.append({name, line.mid(colon + 1).trimmed()});
            continue;
        }
        if (!ParseHead())
            return false;
        if (status_ >= 100 && status_ < 200) {
            // An interim answer (100 Continue): the real one follows, within the same bounds.
            statusLine_.clear();
            headers_.clear();
            continue;
        }
        emit sHead();
        if (finished_)
            return false;
        emit sDownloadProgress(0, contentLength_);
        if (noBody_ || (!chunked_ && contentLength_ == 0)) {
            bodyFramed_ = true;
            Succeed();
            return false;
        }
        stage_ = chunked_ ? Stage::ChunkSize : Stage::Body;
        return true;
    }
    return false;
}

bool HttpsExchange::ParseHead() {
    const QList<QByteArray> words = statusLine_.split(' ');
    bool ok = false;
    const int status = words.value(1).toInt(&ok);
    if (words.size() < 2 || (words[0] != "HTTP/1.1" && words[0] != "HTTP/1.0") || !ok || words[1].size() != 3 ||
        status < 100 || status == 101) {
        Fail(Failure::Malformed, tr("not an HTTP status line: %1").arg(QString::fromLatin1(statusLine_.left(80))));
        return false;
    }
    status_ = status;
    reasonPhrase_ = statusLine_.mid(words[0].size() + 1 + 4).trimmed();
    noBody_ = status == 204 || status == 304 || status < 200;
    QList<QByteArray> lengths;
    QByteArray encoding;
    for (const auto& [name, value] : headers_) {
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            for (const QByteArray& one : value.split(','))
                lengths.append(one.trimmed());
        else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0)
            encoding += (encoding.isEmpty() ? "" : ",") + value.trimmed().toLower();
    }
    if (!encoding.isEmpty()) {
        // Only "chunked" was asked for (the request wants the body as it is), and never beside a length: the two
        // together are how one answer is read as two.
        if (encoding != "chunked" || !lengths.isEmpty()) {
            Fail(Failure::Malformed, tr("the answer's framing is not HTTP/1.1's: Transfer-Encoding %1%2")
                                         .arg(QString::fromLatin1(encoding.left(80)),
                                              lengths.isEmpty() ? QString() : QStringLiteral(" with a length")));
            return false;
        }
        chunked_ = true;
    }
    for (const QByteArray& length : lengths) {
        if (!AllDigits(length, 18)) {
            Fail(Failure::Malformed,
                 tr("the answer's length is not a number: %1").arg(QString::fromLatin1(length.left(40))));
            return false;
        }
        if (length.toLongLong() != lengths.first().toLongLong()) {
            Fail(Failure::Malformed, tr("the answer announced two different lengths"));
            return false;
        }
    }
    if (!lengths.isEmpty() && !noBody_)
        contentLength_ = lengths.first().toLongLong();
    return true;
}

void HttpsExchange::BodyPiece(const QByteArray& piece) {
    bodyReceived_ += piece.size();
    emit sBody(piece);
    if (!finished_)
        emit sDownloadProgress(bodyReceived_, contentLength_);
}

bool HttpsExchange::ReadBody() {
    if (contentLength_ < 0) {
        // Ended by the connection closing.
        const QByteArray piece = buffer_;
        buffer_.clear();
        if (!piece.isEmpty())
            BodyPiece(piece);
        return false;
    }
    const qint64 take = qMin<qint64>(contentLength_ - bodyReceived_, buffer_.size());
    const QByteArray piece = buffer_.left(static_cast<int>(take));
    buffer_.remove(0, static_cast<int>(take));
    if (!piece.isEmpty())
        BodyPiece(piece);
    if (!finished_ && bodyReceived_ == contentLength_) {
        bodyFramed_ = true;
        Succeed();
    }
    return false;
}

bool HttpsExchange::ReadChunked() {
    switch (stage_) {
    case Stage::ChunkSize: {
        const int end = buffer_.indexOf('\n');
        if (end < 0 || end > kMaxChunkLine) {
            if (end > kMaxChunkLine || buffer_.size() > kMaxChunkLine)
                Fail(Failure::Malformed, tr("a chunk-size line passes %1 bytes").arg(kMaxChunkLine));
            return false;
        }
        QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        const int extension = line.indexOf(';');
        const QByteArray size = (extension < 0 ? line : line.left(extension)).trimmed();
        if (!AllHexDigits(size)) {
            Fail(Failure::Malformed, tr("an invalid chunk size: %1").arg(QString::fromLatin1(line.left(40))));
            return false;
        }
        chunkLeft_ = size.toLongLong(nullptr, 16);
        stage_ = chunkLeft_ == 0 ? Stage::Trailer : Stage::ChunkData;
        return true;
    }
    case Stage::ChunkData: {
        const qint64 take = qMin<qint64>(chunkLeft_, buffer_.size());
        if (take == 0)
            return false;
        const QByteArray piece = buffer_.left(static_cast<int>(take));
        buffer_.remove(0, static_cast<int>(take));
        chunkLeft_ -= take;
        if (chunkLeft_ == 0)
            stage_ = Stage::ChunkEnd;
        BodyPiece(piece);
        return true;
    }
    case Stage::ChunkEnd: {
        // Every chunk ends with its own end of line: anything else means the size lied.
        if (buffer_.isEmpty() || (buffer_.size() == 1 && buffer_[0] == '\r'))
            return false;
        const int endOfLine = buffer_.startsWith("\r\n") ? 2 : buffer_.startsWith('\n') ? 1 : 0;
        if (endOfLine == 0) {
            Fail(Failure::Malformed, tr("a chunk is longer than its size said"));
            return false;
        }
        buffer_.remove(0, endOfLine);
        stage_ = Stage::ChunkSize;
        return true;
    }
    case Stage::Trailer: {
        QByteArray line;
        while (TakeHeadLine(&line)) {
            if (line.isEmpty()) {
                bodyFramed_ = true;
                Succeed();
                return false;
            }
            if (++headFields_ > kMaxAnswerHeaderFields) {
                Fail(Failure::Malformed, tr("the answer has more than %1 header fields").arg(kMaxAnswerHeaderFields));
                return false;
            }
        }
        return false;
    }
    default:
        return false;
    }
}

void HttpsExchange::OnDisconnected() {
    if (finished_ || (tunnel_ && tunnel_->Opening()))
        return;
    Read(); // what came before the end
    if (finished_)
        return;
    if (stage_ == Stage::Idle || stage_ == Stage::Head)
        return Fail(Failure::Closed, tr("the connection closed before an answer came"));
    if (stage_ == Stage::Body && contentLength_ < 0)
        return Succeed(); // a body that ends with the connection: BodyFramed() says it may be cut
    Fail(Failure::Closed,
         contentLength_ >= 0
             ? tr("the connection closed after %1 of the %2 bytes announced").arg(bodyReceived_).arg(contentLength_)
             : tr("the connection closed before the last chunk"));
}

void HttpsExchange::OnSocketError() {
    if (finished_ || !socket_)
        return;
    const QAbstractSocket::SocketError error = socket_->error();
    const QString text = socket_->errorString();
    switch (error) {
    case QAbstractSocket::RemoteHostClosedError:
        return OnDisconnected();
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::HostNotFoundError:
        break;
    default:
        if (tunnel_ && tunnel_->Opening())
            return Fail(Failure::Proxy, text);
    }
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return Fail(Failure::Refused, text);
    case QAbstractSocket::HostNotFoundError:
        return Fail(Failure::HostNotFound, text);
    case QAbstractSocket::SocketTimeoutError:
        return Fail(Failure::Timeout, text);
    case QAbstractSocket::SslHandshakeFailedError:
    case QAbstractSocket::SslInternalError:
    case QAbstractSocket::SslInvalidUserDataError:
        return Fail(Failure::Tls, text);
    case QAbstractSocket::ProxyAuthenticationRequiredError:
        proxyAuthenticationFailed_ = true;
        return Fail(Failure::Proxy, tr("the proxy asked for a user name and password"));
    case QAbstractSocket::ProxyConnectionRefusedError:
    case QAbstractSocket::ProxyConnectionClosedError:
    case QAbstractSocket::ProxyConnectionTimeoutError:
    case QAbstractSocket::ProxyNotFoundError:
    case QAbstractSocket::ProxyProtocolError:
        return Fail(Failure::Proxy, text);
    default:
        // Through a proxy, a failure before the tunnel stood (the proxy refusing it with its own status) is the
        // proxy's.
        return Fail(proxy_.type() != QNetworkProxy::NoProxy && !connected_ ? Failure::Proxy : Failure::Network, text);
    }
}

void HttpsExchange::Fail(Failure failure, const QString& detail) {
    if (finished_)
        return;
    failure_ = failure;
    detail_ = detail;
    End();
}

void HttpsExchange::Succeed() {
    if (finished_)
        return;
    if (!bodySent_ && socket_ && handedOver_ == request_.size() &&
        socket_->bytesToWrite() + socket_->encryptedBytesToWrite() == 0)
        bodySent_ = true;
    End();
}

void HttpsExchange::End() {
    finished_ = true;
    stage_ = Stage::Done;
    if (tunnel_)
        tunnel_->Abandon();
    stallTimer_.stop();
    rateTimer_.stop();
    if (socket_) {
        // Not closed from inside one of its own signals: it goes, and its connection with it, once they returned.
        socket_->disconnect(this);
        socket_->deleteLater();
        socket_ = nullptr;
    }
    buffer_.clear();
    emit sFinished();
}

} // namespace Orv
