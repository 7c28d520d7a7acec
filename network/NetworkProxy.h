#pragma once

#include <QNetworkProxy>
#include <QString>
#include <QUrl>

namespace Orv {

// The proxy a transfer goes through, and why that one.
struct ProxyChoice {
    QNetworkProxy proxy; // QNetworkProxy::NoProxy for a direct connection
    QString reason;      // "the setting <Network proxy=...>", "the system's configuration", ...
};

// The proxy for a transfer to url: the setting <Network proxy="system|none|http://host:port"/> (data/GlobalConfig.xml
// or the user's own configuration) when it is "none" or an address, else the system's configuration: on Windows the
// user's Internet Options as WinHTTP reads them (manual proxy and bypass list, PAC script, auto-detection); on POSIX
// https_proxy (or HTTPS_PROXY) and no_proxy. User and password in a proxy address go with it.
ProxyChoice ProxyFor(const QUrl& url);
// Why the proxy setting cannot be used (the system's configuration is used instead); empty when it can.
QString ProxySettingProblem();
// A proxy as people read it: "host:port", or "no proxy". Never with its user or password.
QString ProxyText(const QNetworkProxy& proxy);

} // namespace Orv
