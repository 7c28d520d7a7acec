// The way to a site through an HTTP proxy: a plain connection to the proxy, CONNECT, the proxy's sign-in rounds
// (ProxyAuthentication), and then the socket is the site's, ready for its TLS. Qt's own proxy support is not used for
// this: it answers an NTLM proxy that refuses its attempt by attempting again, without end and without telling.
#pragma once

#include "ProxyAuthentication.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QSslSocket;

namespace Orv {

class ProxyTunnel : public QObject {
    Q_OBJECT

public:
    // target: "host:port" of the site. The socket is not connected yet; the tunnel drives it until sOpen or sFailed.
    ProxyTunnel(QSslSocket* socket, const QString& proxyHost, quint16 proxyPort, const QString& proxyText,
                const QByteArray& target, QObject* parent);

    void Open();
    // While true, what the socket says (data, its end) is the tunnel's.
    bool Opening() const { return opening_; }
    // The proxy wanted a sign-in and did not get one it accepted.
    bool AuthenticationFailed() const { return authentication_.Failed(); }
    // The exchange ended (its stall time, an abort): nothing more is done or told, even from a dialog that asked
    // for the proxy's password meanwhile.
    void Abandon() { opening_ = false; }

signals:
    void sOpen();
    void sFailed(const QString& detail);
    void sMoved(qint64 bytes);

private:
    void SendConnect();
    void OnReadyRead();
    void OnDisconnected();
    bool ReadAnswer(); // false while the answer is incomplete, or once the tunnel failed
    void OnAnswer();
    void AskAndAnswer();
    // Sends the next round's CONNECT (on a new connection when the proxy closes this one), or fails with reason.
    void Continue(bool send, const QString& reason);
    void Fail(const QString& detail);

    QPointer<QSslSocket> socket_; // goes with the exchange, which may end while the user is asked for a password
    QString proxyHost_;
    quint16 proxyPort_;
    QString proxyText_;
    QByteArray target_;
    ProxyAuthentication authentication_;
    QByteArray authorization_; // the Proxy-Authorization of the next CONNECT
    QByteArray buffer_;
    bool opening_ = false;
    bool reconnecting_ = false;
    bool asking_ = false; // the user is asked for the proxy's password

    // The answer being read.
    int status_ = 0;
    QByteArray reason_;
    QList<QByteArray> challenges_;
    bool closes_ = false;
    qint64 bodyLeft_ = -1; // the answer's body still to skip; -1 while its head is not in
};

} // namespace Orv
