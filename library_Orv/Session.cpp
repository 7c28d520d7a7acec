#include "Session.h"

namespace Orv {

std::string NoSignedInUserReason(const SessionFacts& facts) {
    if (facts.localSystem)
        return "the runner runs as LocalSystem";
    if (InServicesSession(facts))
        return "the runner runs in session 0, the services' session";
    if (!facts.hasHome)
        return "the account has no home folder";
    return std::string();
}

bool InServicesSession(const SessionFacts& facts) {
    return facts.sessionKnown && facts.sessionId == 0;
}

} // namespace Orv
