#include "TransferAdvice.h"

#include "HttpsExchange.h"
#include "NetworkProxy.h"

#include <QCoreApplication>

namespace Orv {

QString TransferAdvice(const HttpsExchange& exchange) {
    const bool viaProxy = exchange.Proxy().type() != QNetworkProxy::NoProxy;
    switch (exchange.failure()) {
    case HttpsExchange::Failure::HostNotFound:
        return viaProxy
                   ? QCoreApplication::translate(
                         "TransferAdvice", "Check the proxy's address in the Internet Options, or ask your IT for it.")
                   : QCoreApplication::translate(
                         "TransferAdvice",
                         "Check the Internet connection. In a company, ask your IT which proxy to use: the "
                         "tool takes the one of the Internet Options, or <Network proxy=\"...\"/>.");
    case HttpsExchange::Failure::Refused:
    case HttpsExchange::Failure::Timeout:
        return viaProxy
                   ? QCoreApplication::translate("TransferAdvice",
                                                 "Ask your IT whether the proxy %1 works and lets this program out.")
                         .arg(ProxyText(exchange.Proxy()))
                   : QCoreApplication::translate(
                         "TransferAdvice", "Check the Internet connection and the firewall, then press \"Retry\".");
    case HttpsExchange::Failure::Proxy:
        return exchange.ProxyAuthenticationFailed()
                   ? QCoreApplication::translate(
                         "TransferAdvice",
                         "Ask your IT for the user name and password of the proxy %1, then press \"Retry\".")
                         .arg(ProxyText(exchange.Proxy()))
                   : QCoreApplication::translate("TransferAdvice",
                                                 "Ask your IT to let the proxy %1 open the way to the maker's site.")
                         .arg(ProxyText(exchange.Proxy()));
    case HttpsExchange::Failure::Tls:
        return exchange.UntrustedIssuer().isEmpty()
                   ? QCoreApplication::translate(
                         "TransferAdvice",
                         "Check the computer's date and time; in a company, ask your IT whether HTTPS is inspected.")
                   : QCoreApplication::translate(
                         "TransferAdvice", "Ask your IT to add \"%1\" to this computer's trusted root certificates.")
                         .arg(exchange.UntrustedIssuer());
    case HttpsExchange::Failure::TooSlow:
    case HttpsExchange::Failure::Closed:
    case HttpsExchange::Failure::Malformed:
    case HttpsExchange::Failure::Network:
        return QCoreApplication::translate(
            "TransferAdvice", "Press \"Retry\" later; if it fails again, save the report and send it by e-mail.");
    case HttpsExchange::Failure::None:
    case HttpsExchange::Failure::Aborted:
        break;
    }
    return QString();
}

} // namespace Orv
