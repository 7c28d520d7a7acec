#include "HttpsTrust.h"
#include "library_Orv/EnvironmentNames.h"

#include <QDir>
#include <QSslCertificate>
#include <QSslConfiguration>

namespace Orv {

int TrustConfiguredRoots() {
    const QString files = qEnvironmentVariable(kEnvTrustedRoots);
    if (files.isEmpty())
        return 0;
    QList<QSslCertificate> roots;
    for (const QString& file : files.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        roots += QSslCertificate::fromPath(file, QSsl::Pem);
    if (roots.isEmpty())
        return 0;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(roots);
    QSslConfiguration::setDefaultConfiguration(configuration);
    return roots.size();
}

} // namespace Orv
