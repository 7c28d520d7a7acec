#include "Language.h"

#include "library_Orv/Qt/Config/ConfigFile.h"
#include "library_Orv/UserInterface.h"

#include <QCoreApplication>
#include <QTranslator>

const QStringList& SpokenLanguages() {
    static const QStringList languages = {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de")};
    return languages;
}

QString ChooseLanguage(const QString& configured, const QString& systemLanguage) {
    const QString wanted = configured.trimmed().toLower();
    if (SpokenLanguages().contains(wanted))
        return wanted;
    const QString primary = systemLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    return SpokenLanguages().contains(primary) ? primary : SpokenLanguages().first();
}

QString ConfiguredLanguage() {
    return ChooseLanguage(QString::fromStdWString(Orv::ReadSetting(L"Language", L"value", L"system")),
                          QString::fromStdString(Orv::UserUiLanguage()));
}

bool InstallTranslations(const QString& language) {
    Q_INIT_RESOURCE(translations);
    // They live as long as the application: Qt keeps only pointers to them. A later call replaces them.
    static QTranslator own;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    if (language == SpokenLanguages().first())
        return true;
    const QString folder = QStringLiteral(":/translations");
    if (!own.load(QStringLiteral("SkorvaneDiagnostics_") + language, folder) ||
        !qt.load(QStringLiteral("qtbase_") + language, folder))
        return false;
    QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&own);
    return true;
}
