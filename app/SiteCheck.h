#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <QVector>

// One hop of the route to the maker's site, as `SkorvaneDiagnosticsCli --check-site` prints it.
struct SiteHop {
    QString hop; // "proxy", "name", "connection", "tunnel", "tls", "http"
    bool ok = false;
    qint64 ms = 0;
    QString verdict; // in plain words: what was tried and what came of it
};

// Walks the route to url as a transfer takes it, one hop after the other, each within the stall time: the proxy
// chosen and why, the name resolved (the proxy's, through a proxy), the connection, the proxy's tunnel, TLS (with the
// issuer of the certificate seen), and an HTTP request whose answer is judged at its headers (the body is not read).
// Stops at the first hop that fails.
class SiteCheck {
    Q_DECLARE_TR_FUNCTIONS(SiteCheck)

public:
    static QVector<SiteHop> Walk(const QUrl& url, int stallMs);
    // Every hop passed.
    static bool Reachable(const QVector<SiteHop>& hops);
    // One line per hop: hop, verdict and time.
    static QString Text(const QUrl& url, const QVector<SiteHop>& hops);
    // Strict JSON: {"schema": "skorvane-site-check/1", "site", "reachable", "hops": [{hop, ok, ms, verdict}]}.
    static QByteArray Json(const QUrl& url, const QVector<SiteHop>& hops);
};
