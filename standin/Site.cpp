// SkorvaneSite: the maker's web site as the diagnostics tool sees it, over real TLS on loopback.
//   POST /user-requests/diagnostics.php, /user-requests/crash_report.php: stores the request (request line, headers,
//        body) as one file request-N.http in the store folder, and answers 200 "OK".
//   GET /software-download/...: the file of that name in the download folder (the last path element; Skorvane.exe
//        for the folder itself), else 404.
// Failure modes (--mode), for uploads and downloads alike: ok, error500, redirect (302), close (no answer), delay
// (answers after --delay-ms), never-answer (reads the request and stays silent), body-error (an upload is answered
// 200 with the body "error"), long-answer (an upload is answered 200 with a body that never ends). A body over
// --max-body bytes is refused with 413. For downloads only: not-found (404),
// short-body (announces the file's length, sends half of it and closes), no-length (the file without a length,
// ended by closing), chunked (the file in chunks, ended properly), chunked-cut (half the file in chunks, then
// closed without the last chunk), endless (chunks of zeros for as long as the client reads), endless-404 (the same
// under a 404 status), two-lengths (the file announced with two different Content-Length headers), trickle (for
// uploads and downloads: an answer announced as 1 MiB, sent one byte every 400 ms), header-flood and field-flood (for
// uploads and downloads: a 200 status followed by header lines without end, long ones or short ones), bad-chunk (a
// chunk of 16 bytes followed by a chunk-size line that is not hexadecimal).
// Usage: SkorvaneSite --cert CERT.pem --key KEY.pem --store DIR [--downloads DIR] [--mode M] [--delay-ms N]
//        [--max-body N] [--port-file FILE] [--mode-file FILE]
// For uploads: bad-request (400), busy (503 with Retry-After: 3600), take-and-close (takes the report, then closes
// without answering, as when an answer is lost on the way). An upload's X-Report-Id is kept in the store folder's
// "report-ids" ("taken ID" when the site took a report, "duplicate ID" when it came again): a report that came again
// is answered 200 "OK" at once, as the first time, and not taken twice. The mode can be changed while the site runs
// by writing it into the file of --mode-file, read at each request.
// It listens on 127.0.0.1 on a free port and writes the port number into the port file.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {
constexpr qint64 kMaxHeaderBytes = 64 * 1024;

struct Settings {
    QSslCertificate certificate;
    QSslKey key;
    QString store;
    QString downloads;
    QString mode = QStringLiteral("ok");
    QString modeFile;
    int delayMs = 3000;
    qint64 maxBody = 64 * 1024 * 1024;
};

// One connection: reads one request, answers it as the mode says, and closes.
class Exchange : public QObject {
public:
    Exchange(QSslSocket* socket, const Settings& settings, int* counter, QSet<QByteArray>* ledger)
        : QObject(socket), socket_(socket), settings_(settings), counter_(counter), ledger_(ledger) {
        connect(socket_, &QSslSocket::readyRead, this, [this]() { Read(); });
        connect(socket_, &QSslSocket::disconnected, socket_, &QObject::deleteLater);
        connect(socket_, qOverload<const QList<QSslError>&>(&QSslSocket::sslErrors), socket_,
                [this](const QList<QSslError>&) { socket_->abort(); });
        // A client that never finishes its request is let go.
        QTimer::singleShot(30000, socket_, [this]() { socket_->abort(); });
    }

private:
    void Read() {
        buffer_ += socket_->readAll();
        if (answered_)
            return;
        if (headerEnd_ < 0) {
            headerEnd_ = buffer_.indexOf("\r\n\r\n");
            if (headerEnd_ < 0) {
                if (buffer_.size() > kMaxHeaderBytes)
                    Answer(431, "Request Header Fields Too Large", "too large");
                return;
            }
            ParseHeaders();
            if (contentLength_ > settings_.maxBody) {
                Answer(413, "Payload Too Large", "too large");
                return;
            }
        }
        if (buffer_.size() - (headerEnd_ + 4) < contentLength_)
            return;
        Handle();
    }

    void ParseHeaders() {
        const QList<QByteArray> lines = buffer_.left(headerEnd_).split('\n');
        requestLine_ = lines.value(0).trimmed();
        for (const QByteArray& line : lines.mid(1)) {
            const int colon = line.indexOf(':');
            const QByteArray name = line.left(qMax(colon, 0)).trimmed().toLower();
            if (name == "content-length")
                contentLength_ = line.mid(colon + 1).trimmed().toLongLong();
            else if (name == "x-report-id")
                reportId_ = line.mid(colon + 1).trimmed();
        }
    }

    void Handle() {
        const QList<QByteArray> words = requestLine_.split(' ');
        const QByteArray method = words.value(0);
        const QString path = QUrl(QString::fromLatin1(words.value(1))).path();
        const bool download = method == "GET" && path.startsWith(QLatin1String("/software-download/"));
        const bool upload = method == "POST" && (path == QLatin1String("/user-requests/diagnostics.php") ||
                                                 path == QLatin1String("/user-requests/crash_report.php"));
        if (!download && !upload)
            return Answer(404, "Not Found", "not found");
        QFile modeFile(settings_.modeFile);
        mode_ = !settings_.modeFile.isEmpty() && modeFile.open(QIODevice::ReadOnly)
                    ? QString::fromUtf8(modeFile.readAll()).trimmed()
                    : settings_.mode;
        const QString& mode = mode_;
        if (upload) {
            Store();
            if (!reportId_.isEmpty() && ledger_->contains(reportId_)) {
                Record("duplicate " + reportId_);
                return Answer(200, "OK", "OK");
            }
            if (mode == QLatin1String("bad-request"))
                return Answer(400, "Bad Request", "refused");
            if (mode == QLatin1String("busy"))
                return Answer(503, "Service Unavailable", "busy", "text/plain", "Retry-After: 3600\r\n");
            // The modes whose answer says the site took the report (the broken answers take nothing).
            static const QStringList kTaking{QStringLiteral("ok"),         QStringLiteral("delay"),
                                             QStringLiteral("body-error"), QStringLiteral("long-answer"),
                                             QStringLiteral("redirect"),   QStringLiteral("take-and-close")};
            const bool takes = kTaking.contains(mode);
            if (takes && !reportId_.isEmpty()) {
                ledger_->insert(reportId_);
                Record("taken " + reportId_);
            }
            if (mode == QLatin1String("take-and-close")) {
                answered_ = true;
                return socket_->abort();
            }
        }
        if (mode == QLatin1String("error500"))
            return Answer(500, "Internal Server Error", "error");
        if (mode == QLatin1String("redirect"))
            return Answer(302, "Found", "", "text/plain", "Location: /elsewhere/\r\n");
        if (mode == QLatin1String("close")) {
            answered_ = true;
            return socket_->abort();
        }
        if (mode == QLatin1String("never-answer")) {
            answered_ = true;
            return;
        }
        if (mode == QLatin1String("delay")) {
            QTimer::singleShot(settings_.delayMs, this, [this, download, path]() { Reply(download, path); });
            return;
        }
        Reply(download, path);
    }

    void Trickle() {
        answered_ = true;
        socket_->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: 1048576\r\n\r\n");
        auto* drip = new QTimer(this);
        connect(drip, &QTimer::timeout, this, [this]() {
            if (socket_->state() == QAbstractSocket::ConnectedState)
                socket_->write("x");
        });
        drip->start(400);
    }

    // Header lines for as long as the client reads them, never more than a megabyte ahead of it.
    void Flood(bool longLines) {
        answered_ = true;
        socket_->write("HTTP/1.1 200 OK\r\n");
        const QByteArray line = longLines ? "X-Flood: " + QByteArray(1000, 'a') + "\r\n" : QByteArray("X: y\r\n");
        const auto pump = [this, line]() {
            while (socket_->state() == QAbstractSocket::ConnectedState &&
                   socket_->bytesToWrite() + socket_->encryptedBytesToWrite() < 1024 * 1024)
                socket_->write(line.repeated(64));
        };
        connect(socket_, &QSslSocket::encryptedBytesWritten, this, pump);
        pump();
    }

    void Reply(bool download, const QString& path) {
        if (mode_ == QLatin1String("trickle"))
            return Trickle();
        if (mode_ == QLatin1String("header-flood") || mode_ == QLatin1String("field-flood"))
            return Flood(mode_ == QLatin1String("header-flood"));
        if (!download && mode_ == QLatin1String("long-answer"))
            return Endless("200 OK");
        if (!download)
            return Answer(200, "OK", mode_ == QLatin1String("body-error") ? "error" : "OK");
        // "/software-download/?..." is the product's installer.
        QString name = QFileInfo(path).fileName();
        if (name.isEmpty())
            name = QStringLiteral("Skorvane.exe");
        QFile file(QDir(settings_.downloads).filePath(name));
        const QString& mode = mode_;
        if (mode == QLatin1String("endless") || mode == QLatin1String("endless-404"))
            return Endless(mode == QLatin1String("endless-404") ? "404 Not Found" : "200 OK");
        if (settings_.downloads.isEmpty() || mode == QLatin1String("not-found") || !file.open(QIODevice::ReadOnly))
            return Answer(404, "Not Found", "not found");
        const QByteArray content = file.readAll();
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
        answered_ = true;
        if (mode == QLatin1String("two-lengths")) {
            socket_->write(head + "Content-Length: " + QByteArray::number(content.size()) +
                           "\r\nContent-Length: " + QByteArray::number(content.size() + 7) + "\r\n\r\n" + content);
        } else if (mode == QLatin1String("short-body")) {
            socket_->write(head + "Content-Length: " + QByteArray::number(content.size()) + "\r\n\r\n" +
                           content.left(content.size() / 2));
        } else if (mode == QLatin1String("no-length")) {
            socket_->write(head + "\r\n" + content);
        } else if (mode == QLatin1String("bad-chunk")) {
            socket_->write(head + "Transfer-Encoding: chunked\r\n\r\n10\r\n" + content.left(16) + "\r\nnot-a-size\r\n" +
                           content.mid(16, 64) + "\r\n0\r\n\r\n");
        } else if (mode == QLatin1String("chunked") || mode == QLatin1String("chunked-cut")) {
            const bool cut = mode == QLatin1String("chunked-cut");
            QByteArray body;
            const QByteArray sent = cut ? content.left(content.size() / 2) : content;
            for (int at = 0; at < sent.size(); at += 4096) {
                const QByteArray chunk = sent.mid(at, 4096);
                body += QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n";
            }
            if (!cut)
                body += "0\r\n\r\n";
            socket_->write(head + "Transfer-Encoding: chunked\r\n\r\n" + body);
        } else {
            return Answer(200, "OK", content, "application/octet-stream");
        }
        socket_->disconnectFromHost();
    }

    // Chunks of zeros, written as fast as the client takes them and never more than a megabyte ahead of it.
    void Endless(const char* status) {
        answered_ = true;
        socket_->write(QByteArray("HTTP/1.1 ") + status +
                       "\r\nContent-Type: application/octet-stream\r\nTransfer-Encoding: chunked\r\n\r\n");
        connect(socket_, &QSslSocket::encryptedBytesWritten, this, [this]() { Pump(); });
        Pump();
    }
    void Pump() {
        static const QByteArray chunk =
            QByteArray::number(64 * 1024, 16) + "\r\n" + QByteArray(64 * 1024, '\0') + "\r\n";
        while (socket_->state() == QAbstractSocket::ConnectedState &&
               socket_->bytesToWrite() + socket_->encryptedBytesToWrite() < 1024 * 1024)
            socket_->write(chunk);
    }
    void Record(const QByteArray& line) {
        QFile file(QDir(settings_.store).filePath(QStringLiteral("report-ids")));
        if (file.open(QIODevice::Append))
            file.write(line + '\n');
    }

    // Written whole under a temporary name, then renamed: a reader never sees half a request.
    void Store() {
        QDir().mkpath(settings_.store);
        QSaveFile file(QDir(settings_.store).filePath(QStringLiteral("request-%1.http").arg(++*counter_)));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(buffer_.left(headerEnd_ + 4 + contentLength_));
            file.commit();
        }
    }

    void Answer(int status, const char* reason, const QByteArray& body, const char* type = "text/plain",
                const char* extra = "") {
        QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
        answer += QByteArray("Content-Type: ") + type + "\r\nContent-Length: " + QByteArray::number(body.size()) +
                  "\r\nConnection: close\r\n" + extra + "\r\n" + body;
        answered_ = true;
        socket_->write(answer);
        socket_->disconnectFromHost();
    }

    QSslSocket* socket_;
    const Settings& settings_;
    int* counter_;
    QSet<QByteArray>* ledger_; // the report identifiers taken
    QString mode_;
    QByteArray reportId_;
    QByteArray buffer_;
    QByteArray requestLine_;
    int headerEnd_ = -1;
    bool answered_ = false;
    qint64 contentLength_ = 0;
};

class Site : public QTcpServer {
public:
    explicit Site(const Settings& settings) : settings_(settings) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(settings_.certificate);
        socket->setPrivateKey(settings_.key);
        socket->setPeerVerifyMode(QSslSocket::VerifyNone);
        new Exchange(socket, settings_, &counter_, &ledger_);
        socket->startServerEncryption();
    }

private:
    const Settings& settings_;
    int counter_ = 0;
    QSet<QByteArray> ledger_;
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption cert("cert", "server certificate (PEM)", "file");
    const QCommandLineOption key("key", "its private key (PEM)", "file");
    const QCommandLineOption store("store", "folder for the requests received", "folder");
    const QCommandLineOption downloads("downloads", "folder of the files served for download", "folder");
    const QCommandLineOption mode("mode", "failure mode", "mode", "ok");
    const QCommandLineOption delay("delay-ms", "delay of the delay mode", "ms", "3000");
    const QCommandLineOption maxBody("max-body", "largest body accepted", "bytes", "67108864");
    const QCommandLineOption portFile("port-file", "where the port is written", "file");
    const QCommandLineOption modeFile("mode-file", "a file whose text, when it exists, is the mode", "file");
    parser.addOptions({cert, key, store, downloads, mode, delay, maxBody, portFile, modeFile});
    parser.addHelpOption();
    parser.process(application);

    Settings settings;
    QFile certFile(parser.value(cert));
    QFile keyFile(parser.value(key));
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "SkorvaneSite: cannot read the certificate or its key\n");
        return 2;
    }
    settings.certificate = QSslCertificate(certFile.readAll(), QSsl::Pem);
    settings.key = QSslKey(keyFile.readAll(), QSsl::Rsa, QSsl::Pem);
    settings.store = parser.value(store);
    settings.downloads = parser.value(downloads);
    settings.mode = parser.value(mode);
    settings.modeFile = parser.value(modeFile);
    settings.delayMs = parser.value(delay).toInt();
    settings.maxBody = parser.value(maxBody).toLongLong();
    if (settings.certificate.isNull() || settings.key.isNull() || settings.store.isEmpty()) {
        std::fprintf(stderr, "SkorvaneSite: a certificate, its key and a store folder are needed\n");
        return 2;
    }
    Site site(settings);
    if (!site.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "SkorvaneSite: cannot listen: %s\n", qPrintable(site.errorString()));
        return 1;
    }
    QSaveFile port(parser.value(portFile));
    if (!parser.value(portFile).isEmpty() && port.open(QIODevice::WriteOnly)) {
        port.write(QByteArray::number(site.serverPort()) + '\n');
        port.commit();
    }
    std::printf("SkorvaneSite listening on 127.0.0.1:%u\n", site.serverPort());
    std::fflush(stdout);
    return application.exec();
}
