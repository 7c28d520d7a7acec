#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>

class QAuthenticator;
class QSslSocket;

namespace Orv {

class ProxyTunnel;

// What the head of an answer (status line, header fields, a chunked body's trailer) may hold: past either bound the
// answer is refused, whatever its sender meant by it.
constexpr int kMaxAnswerHeadBytes = 64 * 1024;
constexpr int kMaxAnswerHeaderFields = 100;
// What the connection takes from the network ahead of its reader: a site that sends faster than the file is written
// waits in the system's buffers, not in this program's memory.
constexpr qint64 kReadAheadBytes = 256 * 1024;

// One HTTP/1.1 request to an https:// address and its answer, over a TLS connection of its own that is closed
// afterwards. The program's transfers with the maker's site go through it rather than through QNetworkAccessManager,
// whose HTTP client keeps answer headers without a bound, takes a malformed chunk size for the end of a body, and
// sends a POST again by itself when a connection dies. Here:
// - the head of the answer is bounded (bytes and fields), its framing strict: one Content-Length (repeated only
//   with the same value), or "chunked" with chunk sizes of hexadecimal digits only; anything else is refused;
// - a request is written once, never again, and redirects are not followed (the status tells them);
// - a transfer is given up when nothing moves either way for the stall time, or when fewer than the minimum bytes
//   move in one such span (a site that trickles one byte now and then never stalls).
// sHead comes once the status and headers are in, sBody with each piece of the body, sFinished once at the end,
// whatever it was. Abort from any of them ends the exchange with the caller's reason.
class HttpsExchange : public QObject {
    Q_OBJECT

public:
    enum class Failure {
        None,
        Refused,      // the connection was refused
        HostNotFound, // the name does not resolve
        Timeout,      // nothing moved for the stall time (connecting, the handshake, the answer)
        TooSlow,      // fewer than the minimum bytes in a span
        Closed,       // the site closed the connection before its answer was complete
        Tls,          // no trusted TLS connection
        Malformed,    // the answer broke HTTP's framing or a bound of its head
        Proxy,        // the proxy refused, failed or asked for credentials that were not given
        Network,      // any other socket error
        Aborted,      // the caller gave up (Abort)
    };
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    explicit HttpsExchange(QObject* parent = nullptr);
    ~HttpsExchange() override;

    // Bounds of the transfer; without a call, the program's settings.
    void SetLimits(int stallMs, qint64 minimumBytes);
    // Sends method to url (https:// only) with the headers and the body (a Content-Length is added for a body, and
    // "Connection: close"). Host, and nothing else, is set by the exchange.
    void Start(const QByteArray& method, const QUrl& url, const Headers& headers, const QByteArray& body = {});
    // Ends the exchange now (from a signal's handler too): sFinished follows once, with Failure::Aborted.
    void Abort(const QString& reason);

    // Once sHead came.
    int Status() const { return status_; }
    QByteArray ReasonPhrase() const { return reasonPhrase_; }
    // The first value of the named field (case-insensitive); empty when absent.
    QByteArray Header(const QByteArray& name) const;
    // The announced length of the body, -1 when none was announced.
    qint64 ContentLength() const { return contentLength_; }

    // After sFinished.
    Failure failure() const { return failure_; }
    // What went wrong in the words of the layer that failed (a socket's error, which bound was passed, the
    // caller's reason); empty after a success.
    QString Detail() const { return detail_; }
    // Every byte of the request went out.
    bool BodySent() const { return bodySent_; }
    // The body's end was told by its framing (the announced length was met, or the last chunk came), not only by
    // the connection closing, which cannot be told from a cut.
    bool BodyFramed() const { return bodyFramed_; }
    qint64 BodyReceived() const { return bodyReceived_; }
    // The issuer of the certificate that was not trusted, when a TLS failure came from one.
    QString UntrustedIssuer() const { return untrustedIssuer_; }
    // The issuer of the certificate the site showed, once the TLS connection stood (the company's inspection root,
    // when a proxy inspects the traffic).
    QString PeerIssuer() const { return peerIssuer_; }
    // The proxy the exchange went through (NoProxy: direct), and why that one.
    const QNetworkProxy& Proxy() const { return proxy_; }
    const QString& ProxyReason() const { return proxyReason_; }
    // The connection stood (through a proxy: its tunnel was open); a failure before is the proxy's or the route's.
    bool Connected() const { return connected_; }
    // The proxy wanted credentials, and none (or wrong ones) were given.
    bool ProxyAuthenticationFailed() const { return proxyAuthenticationFailed_; }

    // Asks for the user name and password a proxy wants (proxy: "host:port"); false when the user declined. Asked
    // once per run: what was given is kept in memory for the next transfers, never written anywhere, and dropped when
    // the proxy refuses it. Without an asker, a proxy that wants credentials fails the transfer.
    using CredentialsAsker = std::function<bool(const QString& proxy, QString* user, QString* password)>;
    static void SetProxyCredentialsAsker(CredentialsAsker asker);

signals:
    void sHead();
    void sBody(const QByteArray& piece);
    void sUploadProgress(qint64 sent, qint64 total);
    // total: the announced length, -1 when unknown.
    void sDownloadProgress(qint64 received, qint64 total);
    void sFinished();

private:
    enum class Stage { Idle, Head, Body, ChunkSize, ChunkData, ChunkEnd, Trailer, Done };

    void Pump();
    void Read();
    bool ReadHead();
    bool ReadBody();
    bool ReadChunked();
    bool TakeHeadLine(QByteArray* line);
    bool ParseHead();
    void BodyPiece(const QByteArray& piece);
    void OnDisconnected();
    void OnSocketError();
    void OnProxyAuthentication(QAuthenticator* authenticator);
    void Moved(qint64 bytes);
    void Fail(Failure failure, const QString& detail);
    void Succeed();
    void End();

    QSslSocket* socket_ = nullptr;
    ProxyTunnel* tunnel_ = nullptr; // through an HTTP proxy: the way to the site, until it is open
    QTimer stallTimer_;
    QTimer rateTimer_;
    int stallMs_;
    qint64 minimumBytes_;
    qint64 moved_ = 0;
    qint64 movedAtLastLook_ = 0;

    QByteArray request_;
    qint64 handedOver_ = 0; // bytes of the request given to the socket
    qint64 answerBytes_ = 0;
    Stage stage_ = Stage::Idle;
    QByteArray buffer_;
    int headBytes_ = 0;
    int headFields_ = 0;
    QByteArray statusLine_;
    int status_ = 0;
    QByteArray reasonPhrase_;
    Headers headers_;
    qint64 contentLength_ = -1;
    bool chunked_ = false;
    bool noBody_ = false;
    qint64 chunkLeft_ = 0;
    qint64 bodyReceived_ = 0;

    Failure failure_ = Failure::None;
    QString detail_;
    bool bodySent_ = false;
    bool bodyFramed_ = false;
    QString untrustedIssuer_;
    QNetworkProxy proxy_;
    QString proxyReason_;
    QString peerIssuer_;
    bool credentialsGiven_ = false; // this exchange gave a SOCKS proxy credentials once already
    bool proxyAuthenticationFailed_ = false;
    bool connected_ = false; // the connection (through a proxy: the tunnel) stands
    bool finished_ = false;
};

} // namespace Orv
