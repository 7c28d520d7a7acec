#pragma once

#include <QtGlobal>

namespace Orv {

// The bounds of every transfer with the maker's site, from the settings (data/GlobalConfig.xml, or the user's own
// configuration): <Download ceilingMiB="512"/> and <Network stallSeconds="60"/>. A value that is missing, not a
// number or not positive gives the default.
qint64 DownloadCeilingBytes();
// How long an upload or a download may go without a byte moving before it is given up.
int NetworkStallMs();

constexpr qint64 kDefaultDownloadCeilingMiB = 512;
constexpr int kDefaultStallSeconds = 60;

} // namespace Orv
