#pragma once

#include <QString>
#include <QStringList>

// The languages the program speaks: English, the source and the fallback, then its translations.
const QStringList& SpokenLanguages();

// The language to speak: the configured one ("en", "fr", "de") when it is spoken, otherwise (also for "system" or
// nothing) the system's UI language (a BCP 47 tag: "fr-CA" speaks French) when it is spoken, otherwise English.
QString ChooseLanguage(const QString& configured, const QString& systemLanguage);

// The setting <Language value="system|en|fr|de"/> and the user's UI language, chosen from.
QString ConfiguredLanguage();

// Installs the program's and Qt's translations for language in the running application, in place of earlier ones
// (English needs none). Returns false when one could not be loaded: the program then speaks English.
bool InstallTranslations(const QString& language);
