#include "InstallerGate.h"
#include "library_Orv/EnvironmentNames.h"

#include "library_Orv/Pe/Authenticode.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {
// Whether the file has a signature in its certificate table at all, valid or not (its headers and table are read,
// never the whole installer).
bool CarriesSignature(const QString& path) {
    Orv::AuthenticodeLayout layout;
    return Orv::ReadAuthenticodeLayoutOfFile(path.toStdWString(), layout) && !layout.signature.empty();
}
} // namespace

#ifndef Q_OS_WIN
namespace {
bool IsPeImage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}
} // namespace
#endif

QString InstallerVerdict::Explanation() const {
    switch (kind) {
    case NotSigned:
        return tr("The downloaded installer is not signed, so nobody can tell who made it. It was not run.");
    case SignatureBroken:
        return tr("The downloaded installer's signature does not match its content: it was changed after it was "
                  "signed, or the signature cannot be trusted. It was not run.");
    case OtherSigner:
        return tr("The downloaded installer is signed by \"%1\", not by %2, the maker of Skorvane. It was not run.")
            .arg(signer, QString::fromLatin1(kInstallerSigner));
    default:
        return QString();
    }
}

InstallerVerdict CheckInstaller(const QString& path) {
    InstallerVerdict verdict;
#ifndef Q_OS_WIN
    if (!IsPeImage(path)) {
        if (qEnvironmentVariable(Orv::kEnvStandinInstaller) != QLatin1String("1")) {
            verdict.kind = InstallerVerdict::NotSigned;
            return verdict;
        }
        std::fprintf(stderr,
                     "Installer signature check skipped: %s is no Windows program and cannot carry an "
                     "Authenticode signature\n",
                     path.toLocal8Bit().constData());
        verdict.kind = InstallerVerdict::Skipped;
        return verdict;
    }
#endif
    const std::wstring file = path.toStdWString();
    const Orv::SignatureInspection inspection = Orv::InspectFileSignature(file);
    verdict.signer = QString::fromStdWString(inspection.signerName);
    if (!inspection.verified)
        verdict.kind = CarriesSignature(path) ? InstallerVerdict::SignatureBroken : InstallerVerdict::NotSigned;
    else if (verdict.signer != QLatin1String(kInstallerSigner))
        verdict.kind = InstallerVerdict::OtherSigner;
    else
        verdict.kind = InstallerVerdict::Signed;
    return verdict;
}
