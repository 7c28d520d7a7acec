#include "ProxyTunnel.h"

#include "HttpsExchange.h"

#include <QSslSocket>

namespace Orv {

namespace {
// A 407's body is skipped when it is small; a longer one (or one without a length) is left with its connection.
constexpr qint64 kMaxSkippedBody = 64 * 1024;
} // namespace

ProxyTunnel::ProxyTunnel(QSslSocket* socket, const QString& proxyHost, quint16 proxyPort, const QString& proxyText,
                         const QByteArray& target, QObject* parent)
    : QObject(parent), socket_(socket), proxyHost_(proxyHost), proxyPort_(proxyPort), proxyText_(proxyText),
      target_(target), authentication_(proxyText, proxyHost) {
    connect(socket_, &QAbstractSocket::connected, this, [this]() {
        reconnecting_ = false;
        if (opening_)
            SendConnect();
    });
    connect(socket_, &QSslSocket::readyRead, this, &ProxyTunnel::OnReadyRead);
    connect(socket_, &QSslSocket::disconnected, this, &ProxyTunnel::OnDisconnected);
}

void ProxyTunnel::Open() {
    opening_ = true;
    socket_->setProxy(QNetworkProxy::NoProxy);
    socket_->connectToHost(proxyHost_, proxyPort_);
}

void ProxyTunnel::SendConnect() {
    QByteArray request =
        "CONNECT " + target_ + " HTTP/1.1\r\nHost: " + target_ + "\r\nProxy-Connection: keep-alive\r\n";
    if (!authorization_.isEmpty())
        request += "Proxy-Authorization: " + authorization_ + "\r\n";
    socket_->write(request + "\r\n");
    bodyLeft_ = -1;
    status_ = 0;
    challenges_.clear();
}

void ProxyTunnel::OnReadyRead() {
    if (!opening_ || !socket_)
        return;
    const QByteArray arrived = socket_->readAll();
    emit sMoved(arrived.size());
    buffer_ += arrived;
    // While the user is asked, what comes waits for the answer.
    while (opening_ && !asking_ && ReadAnswer())
        OnAnswer();
}

bool ProxyTunnel::ReadAnswer() {
    if (bodyLeft_ < 0) {
        const int end = buffer_.indexOf("\r\n\r\n");
        if (end < 0) {
            if (buffer_.size() > kMaxAnswerHeadBytes)
                Fail(tr("the proxy's answer passes %1 bytes").arg(kMaxAnswerHeadBytes));
            return false;
        }
        const QList<QByteArray> lines = buffer_.left(end).split('\n');
        buffer_.remove(0, end + 4);
        if (lines.size() > kMaxAnswerHeaderFields + 1) {
            Fail(tr("the proxy's answer has more than %1 header fields").arg(kMaxAnswerHeaderFields));
            return false;
        }
        const QList<QByteArray> words = lines.first().trimmed().split(' ');
        bool number = false;
        status_ = words.value(1).toInt(&number);
        if (!words.first().startsWith("HTTP/1.") || !number) {
            Fail(tr("the proxy's answer is not HTTP: %1").arg(QString::fromLatin1(lines.first().left(80))));
            return false;
        }
        reason_ = words.mid(2).join(' ');
        closes_ = words.first() == "HTTP/1.0";
        qint64 length = -1;
        for (const QByteArray& line : lines.mid(1)) {
            const int colon = line.indexOf(':');
            const QByteArray name = line.left(qMax(colon, 0)).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "proxy-authenticate")
                challenges_.append(value);
            else if (name == "connection" || name == "proxy-connection")
                closes_ = value.compare("close", Qt::CaseInsensitive) == 0        ? true
                          : value.compare("keep-alive", Qt::CaseInsensitive) == 0 ? false
                                                                                  : closes_;
            else if (name == "content-length")
                length = value.toLongLong(&number), length = number ? length : -1;
            else if (name == "transfer-encoding")
                closes_ = true;
        }
        // Without a length, or with a long one, the body is not read: that connection is given up.
        if (length < 0 || length > kMaxSkippedBody)
            closes_ = true;
        bodyLeft_ = closes_ ? 0 : length;
    }
    const qint64 skipped = qMin<qint64>(bodyLeft_, buffer_.size());
    buffer_.remove(0, static_cast<int>(skipped));
    bodyLeft_ -= skipped;
    return bodyLeft_ == 0;
}

void ProxyTunnel::OnAnswer() {
    bodyLeft_ = -1; // this answer is read: what follows is the next one's
    if (status_ >= 200 && status_ < 300) {
        if (!buffer_.isEmpty())
            return Fail(tr("the proxy sent more than its answer before the site spoke"));
        opening_ = false;
        emit sOpen();
        return;
    }
    if (status_ != 407)
        return Fail(tr("the proxy answered %1 %2").arg(status_).arg(QString::fromLatin1(reason_)));
    QString reason;
    const ProxyAuthentication::Reply reply = authentication_.Answer(challenges_, &authorization_, &reason);
    if (reply == ProxyAuthentication::Reply::Ask) {
        // Asked from the event loop, not from inside the socket's signal: the dialog's own loop may end the exchange
        // and delete the socket, which must not be in the middle of telling something then.
        asking_ = true;
        QMetaObject::invokeMethod(this, &ProxyTunnel::AskAndAnswer, Qt::QueuedConnection);
        return;
    }
    Continue(reply == ProxyAuthentication::Reply::Send, reason);
}

void ProxyTunnel::AskAndAnswer() {
    if (!opening_ || !socket_)
        return;
    const QPointer<ProxyTunnel> self(this);
    QString user;
    QString password;
    const bool given = ProxyAuthentication::Credentials(proxyText_, &user, &password);
    if (!self || !opening_ || !socket_)
        return; // the exchange ended while the user was asked
    asking_ = false;
    if (!given) {
        authentication_.Declined();
        return Fail(tr("the proxy asked for a user name and password"));
    }
    QString reason;
    Continue(authentication_.Answer(challenges_, &authorization_, &reason) == ProxyAuthentication::Reply::Send, reason);
}

void ProxyTunnel::Continue(bool send, const QString& reason) {
    if (!send)
        return Fail(reason);
    if (closes_ || socket_->state() != QAbstractSocket::ConnectedState) {
        // A new connection for the next round: what is left of this one is not read.
        reconnecting_ = true;
        buffer_.clear();
        socket_->abort();
        socket_->connectToHost(proxyHost_, proxyPort_);
        return;
    }
    SendConnect();
}

void ProxyTunnel::OnDisconnected() {
    if (!opening_ || reconnecting_ || asking_)
        return; // while the user is asked, the next round takes a new connection if this one went
    // What came before the end may be the answer that said why.
    const QPointer<ProxyTunnel> self(this);
    OnReadyRead();
    if (self && opening_)
        Fail(tr("the proxy closed the connection before it opened the way"));
}

void ProxyTunnel::Fail(const QString& detail) {
    if (!opening_)
        return;
    opening_ = false;
    emit sFailed(detail);
}

} // namespace Orv
