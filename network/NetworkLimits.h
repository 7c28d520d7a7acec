#pragma once

#include <QtGlobal>

namespace Orv {

// The bounds of every transfer with the maker's site, from the settings (data/GlobalConfig.xml, or the user's own
// configuration): <Download ceilingMiB="512"/> and <Network stallSeconds="60"/>. A value that is missing, not a
// number or not positive gives the default.
qint64 DownloadCeilingBytes();
// How long an upload or a download may go without a byte moving before it is given up.
int NetworkStallMs();
// How many bytes a transfer must move in each such span of time (<Network minimumBytes="1024"/>): a site that sends
// one byte now and then never stalls, and would otherwise keep the dialog waiting for ever.
qint64 NetworkMinimumBytes();

constexpr qint64 kDefaultDownloadCeilingMiB = 512;
constexpr int kDefaultStallSeconds = 60;
constexpr qint64 kDefaultMinimumBytes = 1024;

} // namespace Orv
