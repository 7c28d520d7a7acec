#pragma once

#include <string>

namespace Orv {

// Who runs this process, as far as it tells whether a user is signed in: the Windows session (0 is the services'
// session, where nobody sees a window), whether the account is LocalSystem, and whether it has a home folder.
struct SessionFacts {
    bool sessionKnown = false;
    unsigned long sessionId = 0;
    bool localSystem = false;
    bool hasHome = true;
};
SessionFacts CurrentSessionFacts();

// Why no user is signed in for this process (LocalSystem, session 0, no home folder), or empty when one is: the
// current user's rows then describe an account nobody uses, and are not checked.
std::string NoSignedInUserReason(const SessionFacts& facts);
// A window would open where nobody can see it (session 0).
bool InServicesSession(const SessionFacts& facts);

} // namespace Orv
