#include "SiteAddress.h"
#include "library_Orv/EnvironmentNames.h"

#include "library_Orv/Qt/Config/ConfigFile.h"

#include <QCoreApplication>
#include <QUrl>

namespace Orv {

QString SiteAddress() {
    const QString fromEnvironment = qEnvironmentVariable(kEnvSiteUrl);
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QString::fromStdWString(
        ReadSetting(L"Site", L"address", QString::fromLatin1(kDefaultSiteAddress).toStdWString()));
}

QString SiteUrl(const QString& pathAndQuery) {
    QString base = SiteAddress();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + pathAndQuery;
}

QString SiteAddressProblem(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (url.isValid() && url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 &&
        !url.host().isEmpty())
        return QString();
    return QCoreApplication::translate(
               "SiteAddress", "The site address \"%1\" is not an https:// address, so nothing is sent to "
                              "it. Set an https:// address in data/GlobalConfig.xml (<Site address=\"...\"/>).")
        .arg(address);
}

} // namespace Orv
