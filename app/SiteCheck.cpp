#include "SiteCheck.h"

#include "network/HttpsExchange.h"
#include "network/NetworkProxy.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>

namespace {
// Runs the event loop until done says so or the bound passes.
template <class Done> void WaitFor(Done done, int boundMs) {
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&tick, &QTimer::timeout, &loop, [&]() {
        if (done() || clock.elapsed() >= boundMs)
            loop.quit();
    });
    tick.start(10);
    if (!done())
        loop.exec();
}
} // namespace

QVector<SiteHop> SiteCheck::Walk(const QUrl& url, int stallMs) {
    QVector<SiteHop> hops;
    const Orv::ProxyChoice choice = Orv::ProxyFor(url);
    const bool viaProxy = choice.proxy.type() != QNetworkProxy::NoProxy;
    hops.append({QStringLiteral("proxy"), true, 0,
                 viaProxy ? tr("through the proxy %1 (%2)").arg(Orv::ProxyText(choice.proxy), choice.reason)
                          : tr("direct, no proxy (%1)").arg(choice.reason)});

    // The name this machine resolves: the proxy's, or the site's.
    const QString host = viaProxy ? choice.proxy.hostName() : url.host();
    const quint16 port = viaProxy ? choice.proxy.port() : static_cast<quint16>(url.port(443));
    QElapsedTimer clock;
    clock.start();
    bool resolved = false;
    QHostInfo info;
    const int lookup = QHostInfo::lookupHost(host, [&](const QHostInfo& answer) {
        info = answer;
        resolved = true;
    });
    WaitFor([&]() { return resolved; }, stallMs);
    if (!resolved)
        QHostInfo::abortHostLookup(lookup);
    SiteHop name{QStringLiteral("name"), resolved && !info.addresses().isEmpty(), clock.elapsed(), QString()};
    name.verdict = name.ok    ? tr("%1 is %2").arg(host, info.addresses().first().toString())
                   : resolved ? tr("%1 could not be found (DNS): %2").arg(host, info.errorString())
                              : tr("%1: no answer from the name service within %2 s").arg(host).arg(stallMs / 1000);
    hops.append(name);
    if (!name.ok)
        return hops;

    clock.restart();
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    socket.connectToHost(info.addresses().first(), port);
    const bool connected = socket.waitForConnected(stallMs);
    const QString where = QStringLiteral("%1:%2").arg(info.addresses().first().toString()).arg(port);
    hops.append({QStringLiteral("connection"), connected, clock.elapsed(),
                 connected ? tr("connected to %1").arg(where)
                 : socket.error() == QAbstractSocket::ConnectionRefusedError
                     ? tr("%1 refused the connection").arg(where)
                     : tr("%1: %2").arg(where, socket.errorString())});
    socket.abort();
    if (!connected)
        return hops;

    // The tunnel, TLS and HTTP as a transfer goes through them: one request for the address, judged at its head.
    clock.restart();
    Orv::HttpsExchange exchange;
    exchange.SetLimits(stallMs, 1);
    bool over = false;
    QObject::connect(&exchange, &Orv::HttpsExchange::sHead, &exchange,
                     [&exchange]() { exchange.Abort(QStringLiteral("head read")); });
    QObject::connect(&exchange, &Orv::HttpsExchange::sFinished, &exchange, [&over]() { over = true; });
    exchange.Start("GET", url, {{"Accept-Encoding", "identity"}});
    WaitFor([&]() { return over; }, 3 * stallMs);
    const qint64 ms = clock.elapsed();
    using Failure = Orv::HttpsExchange::Failure;
    const Failure failure = over ? exchange.failure() : Failure::Timeout;
    if (viaProxy)
        hops.append({QStringLiteral("tunnel"), failure != Failure::Proxy, ms,
                     failure == Failure::Proxy ? tr("the proxy did not open the way: %1").arg(exchange.Detail())
                                               : tr("the proxy opened the way to %1").arg(url.host())});
    if (failure == Failure::Proxy)
        return hops;
    const bool tlsFailed = failure == Failure::Tls;
    if (tlsFailed || !exchange.PeerIssuer().isEmpty() || exchange.Status() != 0)
        hops.append({QStringLiteral("tls"), !tlsFailed, ms,
                     tlsFailed ? (exchange.UntrustedIssuer().isEmpty()
                                      ? tr("not trusted: %1").arg(exchange.Detail())
                                      : tr("not trusted: the certificate was issued by \"%1\", which this computer "
                                           "does not trust")
                                            .arg(exchange.UntrustedIssuer()))
                               : tr("trusted, certificate issued by \"%1\"").arg(exchange.PeerIssuer())});
    if (tlsFailed)
        return hops;
    const int status = exchange.Status();
    SiteHop http{QStringLiteral("http"), status == 200, ms, QString()};
    http.verdict = status != 0 ? tr("HTTP %1 %2").arg(status).arg(QString::fromLatin1(exchange.ReasonPhrase()))
                               : tr("no answer: %1").arg(over ? exchange.Detail() : tr("nothing within the bound"));
    hops.append(http);
    return hops;
}

bool SiteCheck::Reachable(const QVector<SiteHop>& hops) {
    return !hops.isEmpty() && hops.last().hop == QLatin1String("http") &&
           std::all_of(hops.begin(), hops.end(), [](const SiteHop& hop) { return hop.ok; });
}

QString SiteCheck::Text(const QUrl& url, const QVector<SiteHop>& hops) {
    QString text = tr("Route to %1").arg(url.toDisplayString()) + QLatin1Char('\n');
    for (const SiteHop& hop : hops)
        text += QStringLiteral("%1 %2 %3 ms  %4\n")
                    .arg(hop.hop, -10)
                    .arg(hop.ok ? QStringLiteral("ok    ") : QStringLiteral("FAILED"))
                    .arg(hop.ms, 6)
                    .arg(hop.verdict);
    text += Reachable(hops) ? tr("The site can be reached.") : tr("The site cannot be reached.");
    return text + QLatin1Char('\n');
}

QByteArray SiteCheck::Json(const QUrl& url, const QVector<SiteHop>& hops) {
    QJsonArray list;
    for (const SiteHop& hop : hops)
        list.append(QJsonObject{{QStringLiteral("hop"), hop.hop},
                                {QStringLiteral("ok"), hop.ok},
                                {QStringLiteral("ms"), hop.ms},
                                {QStringLiteral("verdict"), hop.verdict}});
    return QJsonDocument(QJsonObject{{QStringLiteral("schema"), QStringLiteral("skorvane-site-check/1")},
                                     {QStringLiteral("site"), url.toString()},
                                     {QStringLiteral("reachable"), Reachable(hops)},
                                     {QStringLiteral("hops"), list}})
        .toJson(QJsonDocument::Indented);
}
