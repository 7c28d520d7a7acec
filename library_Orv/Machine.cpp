#include "Machine.h"

namespace Orv {

const char* IntegrityLevelName(int code) {
    static const char* const kNames[] = {"UNKNOWN", "ELEVATED_LOW", "ELEVATED_MEDIUM", "ELEVATED_HIGH", "LOW",
                                         "MEDIUM",  "HIGH"};
    return code >= 0 && code <= kIntegrityHigh ? kNames[code] : kNames[0];
}

int IntegrityLevelFromRid(uint32_t rid, bool elevated) {
    if (rid >= 0x3000)
        return elevated ? kIntegrityElevatedHigh : kIntegrityHigh;
    if (rid >= 0x2000)
        return elevated ? kIntegrityElevatedMedium : kIntegrityMedium;
    if (rid >= 0x1000)
        return elevated ? kIntegrityElevatedLow : kIntegrityLow;
    return kIntegrityUnknown;
}

} // namespace Orv
