#include "NetworkLimits.h"

#include "library_Orv/Qt/Config/ConfigFile.h"

#include <QString>

namespace Orv {

namespace {
qint64 PositiveSetting(const wchar_t* group, const wchar_t* key, qint64 defaultValue) {
    bool ok = false;
    const qint64 value = QString::fromStdWString(ReadSetting(group, key, std::wstring())).trimmed().toLongLong(&ok);
    return ok && value > 0 ? value : defaultValue;
}
} // namespace

qint64 DownloadCeilingBytes() {
    // At most a terabyte: the product in MiB cannot overflow.
    const qint64 mib = qMin<qint64>(PositiveSetting(L"Download", L"ceilingMiB", kDefaultDownloadCeilingMiB), 1 << 20);
    return mib * 1024 * 1024;
}

int NetworkStallMs() {
    const qint64 seconds = qMin<qint64>(PositiveSetting(L"Network", L"stallSeconds", kDefaultStallSeconds), 24 * 3600);
    return static_cast<int>(seconds * 1000);
}

qint64 NetworkMinimumBytes() {
    return qMin<qint64>(PositiveSetting(L"Network", L"minimumBytes", kDefaultMinimumBytes), qint64(1) << 30);
}

} // namespace Orv
