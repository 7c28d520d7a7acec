#pragma once

#include <string>

namespace Orv {

// The language the user reads the system in, as a BCP 47 tag ("fr-FR", "de", "en-US"); empty when the system does
// not say. Windows: the user's UI language; elsewhere the locale's messages category (LC_ALL, LC_MESSAGES, LANG).
std::string UserUiLanguage();

// Whether the user runs a high-contrast theme (Windows: SPI_GETHIGHCONTRAST); never elsewhere.
bool SystemHighContrast();

} // namespace Orv
