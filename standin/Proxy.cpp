// SkorvaneProxy: a company's web proxy as the diagnostics tool meets it, on loopback. It serves CONNECT (the tunnel
// of an HTTPS transfer) and records each tunnel it opened ("CONNECT host:port" per line in the record file), so that
// tests prove the traffic went through it. Names listed with --resolve NAME=ADDRESS are resolved by the proxy alone:
// a site under such a name cannot be reached except through it.
// Modes (--mode): ok; auth-basic (407 until the request carries the user and password of --credentials USER:PASSWORD);
// auth-ntlm (407 with NTLM until the client proves that password over NTLMv2, on the same connection, as
// Windows-integrated proxies do; each refused answer is recorded as "NTLM-REFUSED DOMAIN\\user"); refuse (403 to
// every CONNECT); silent (accepts the connection and never answers); intercept (answers the CONNECT,
// then ends the TLS itself with a certificate for the requested name issued by --inspection-cert/--inspection-key,
// as a company's inspecting proxy does, and talks to the site on its own).
// Usage: SkorvaneProxy [--mode M] [--credentials USER:PASSWORD] [--resolve NAME=ADDRESS]... [--record FILE]
//        [--inspection-cert PEM --inspection-key PEM] [--port-file FILE]
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QSaveFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "NtlmProxyCheck.h"

#include <cstdio>

namespace {
constexpr int kMaxHeadBytes = 16 * 1024;

struct Settings {
    QString mode = QStringLiteral("ok");
    QByteArray credentials; // "user:password"
    QMap<QString, QString> resolve;
    QString record;
    QSslCertificate inspectionCert;
    QSslKey inspectionKey;
};

// One client connection: its CONNECT, then the tunnel until either side closes.
class Tunnel : public QObject {
public:
    Tunnel(QTcpSocket* client, const Settings& settings)
        : QObject(client), client_(client), settings_(settings),
          ntlm_(QString::fromUtf8(settings.credentials.split(':').value(0)),
                QString::fromUtf8(settings.credentials).section(QLatin1Char(':'), 1)) {
        connect(client_, &QTcpSocket::readyRead, this, [this]() { FromClient(); });
        connect(client_, &QTcpSocket::disconnected, client_, &QObject::deleteLater);
    }

private:
    void FromClient() {
        if (upstream_) {
            if (inspected_)
                return; // the TLS socket reads for itself
            upstream_->write(client_->readAll());
            return;
        }
        head_ += client_->readAll();
        if (settings_.mode == QLatin1String("silent"))
            return;
        const int end = head_.indexOf("\r\n\r\n");
        if (end < 0) {
            if (head_.size() > kMaxHeadBytes)
                Answer("400 Bad Request");
            return;
        }
        const QList<QByteArray> lines = head_.left(end).split('\n');
        const QList<QByteArray> words = lines.value(0).trimmed().split(' ');
        QByteArray authorization;
        for (const QByteArray& line : lines.mid(1)) {
            const int colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == "proxy-authorization")
                authorization = line.mid(colon + 1).trimmed();
        }
        const QByteArray rest = head_.mid(end + 4);
        head_.clear();
        if (words.value(0) != "CONNECT")
            return Answer("405 Method Not Allowed");
        if (settings_.mode == QLatin1String("refuse"))
            return Answer("403 Forbidden");
        if (settings_.mode == QLatin1String("auth-basic") &&
            authorization != "Basic " + settings_.credentials.toBase64()) {
            // The tunnel stays open for the next try with credentials, as proxies keep it.
            client_->write("HTTP/1.1 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic "
                           "realm=\"Skorvane test proxy\"\r\nContent-Length: 0\r\n\r\n");
            return;
        }
        if (settings_.mode == QLatin1String("auth-ntlm") && !NtlmPasses(authorization))
            return;
        const QByteArray target = words.value(1);
        const int colon = target.lastIndexOf(':');
        const QString host = QString::fromLatin1(target.left(colon));
        const quint16 port = static_cast<quint16>(target.mid(colon + 1).toUInt());
        Record("CONNECT " + target);
        Open(host, port, rest);
    }

    // NTLM's three steps on this connection: the bare request and the negotiate message get a 407 each (the second
    // with the challenge), the authenticate message opens the tunnel when it proves the password.
    bool NtlmPasses(const QByteArray& authorization) {
        const QByteArray token =
            authorization.startsWith("NTLM ") ? QByteArray::fromBase64(authorization.mid(5)) : QByteArray();
        QString who;
        if (ntlm_.Accepts(token, &who)) {
            Record("NTLM " + who.toUtf8());
            return true;
        }
        const QByteArray challenge = ntlm_.Challenge(token);
        if (challenge.isEmpty() && !token.isEmpty())
            Record("NTLM-REFUSED " + who.toUtf8());
        client_->write("HTTP/1.1 407 Proxy Authentication Required\r\nProxy-Authenticate: NTLM" +
                       (challenge.isEmpty() ? QByteArray() : ' ' + challenge.toBase64()) +
                       "\r\nContent-Length: 0\r\n\r\n");
        return false;
    }

    void Open(const QString& host, quint16 port, const QByteArray& early) {
        const QString address = settings_.resolve.value(host, host);
        inspected_ = settings_.mode == QLatin1String("intercept");
        if (inspected_) {
            // The proxy ends the client's TLS with its own certificate and opens TLS of its own to the site.
            auto* site = new QSslSocket(this);
            site->setPeerVerifyMode(QSslSocket::VerifyNone);
            upstream_ = site;
            connect(site, &QSslSocket::encrypted, this, [this]() {
                auto* client = static_cast<QSslSocket*>(client_);
                client->write("HTTP/1.1 200 Connection established\r\n\r\n");
                Inspect(client);
            });
            site->connectToHostEncrypted(address, port, host);
        } else {
            upstream_ = new QTcpSocket(this);
            connect(upstream_, &QTcpSocket::connected, this, [this, early]() {
                client_->write("HTTP/1.1 200 Connection established\r\n\r\n");
                if (!early.isEmpty())
                    upstream_->write(early);
            });
            upstream_->connectToHost(address, port);
        }
        connect(upstream_, &QTcpSocket::readyRead, this, [this]() { client_->write(upstream_->readAll()); });
        connect(upstream_, &QTcpSocket::disconnected, client_, &QTcpSocket::disconnectFromHost);
        connect(upstream_, &QAbstractSocket::errorOccurred, this, [this]() {
            if (client_->state() == QAbstractSocket::ConnectedState && !answered_)
                Answer("502 Bad Gateway");
        });
        connect(client_, &QTcpSocket::disconnected, upstream_, &QTcpSocket::disconnectFromHost);
    }

    // The client's side of an inspected tunnel: TLS with a certificate of the inspection root.
    void Inspect(QSslSocket* client) {
        answered_ = true;
        client->setLocalCertificate(settings_.inspectionCert);
        client->setPrivateKey(settings_.inspectionKey);
        client->setPeerVerifyMode(QSslSocket::VerifyNone);
        disconnect(client, &QTcpSocket::readyRead, this, nullptr);
        connect(client, &QTcpSocket::readyRead, this, [this, client]() { upstream_->write(client->readAll()); });
        client->startServerEncryption();
    }

    void Answer(const char* status) {
        answered_ = true;
        client_->write(QByteArray("HTTP/1.1 ") + status + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        client_->disconnectFromHost();
    }

    void Record(const QByteArray& line) {
        QFile file(settings_.record);
        if (!settings_.record.isEmpty() && file.open(QIODevice::Append))
            file.write(line + '\n');
    }

    QTcpSocket* client_;
    const Settings& settings_;
    NtlmProxyCheck ntlm_;
    QTcpSocket* upstream_ = nullptr;
    QByteArray head_;
    bool inspected_ = false;
    bool answered_ = false;
};

class Proxy : public QTcpServer {
public:
    explicit Proxy(const Settings& settings) : settings_(settings) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        // A TLS socket in every mode: it stays plain until an inspected tunnel starts its encryption.
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        new Tunnel(socket, settings_);
    }

private:
    const Settings& settings_;
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption mode("mode", "ok, auth-basic, auth-ntlm, refuse, silent or intercept", "mode", "ok");
    const QCommandLineOption credentials("credentials", "the user and password of auth-basic and auth-ntlm",
                                         "user:password");
    const QCommandLineOption resolve("resolve", "a name only the proxy resolves", "name=address");
    const QCommandLineOption record("record", "where each tunnel is recorded", "file");
    const QCommandLineOption cert("inspection-cert", "the inspecting certificate (PEM)", "file");
    const QCommandLineOption key("inspection-key", "its private key (PEM)", "file");
    const QCommandLineOption portFile("port-file", "where the port is written", "file");
    parser.addOptions({mode, credentials, resolve, record, cert, key, portFile});
    parser.addHelpOption();
    parser.process(application);

    Settings settings;
    settings.mode = parser.value(mode);
    settings.credentials = parser.value(credentials).toUtf8();
    settings.record = parser.value(record);
    for (const QString& pair : parser.values(resolve))
        settings.resolve.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    if (settings.mode == QLatin1String("intercept")) {
        QFile certFile(parser.value(cert));
        QFile keyFile(parser.value(key));
        if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "SkorvaneProxy: intercept needs --inspection-cert and --inspection-key\n");
            return 2;
        }
        settings.inspectionCert = QSslCertificate(certFile.readAll(), QSsl::Pem);
        settings.inspectionKey = QSslKey(keyFile.readAll(), QSsl::Rsa, QSsl::Pem);
    }
    Proxy proxy(settings);
    if (!proxy.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "SkorvaneProxy: cannot listen: %s\n", qPrintable(proxy.errorString()));
        return 1;
    }
    QSaveFile port(parser.value(portFile));
    if (!parser.value(portFile).isEmpty() && port.open(QIODevice::WriteOnly)) {
        port.write(QByteArray::number(proxy.serverPort()) + '\n');
        port.commit();
    }
    std::printf("SkorvaneProxy listening on 127.0.0.1:%u\n", proxy.serverPort());
    std::fflush(stdout);
    return application.exec();
}
