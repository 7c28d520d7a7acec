#pragma once

#include <memory>
#include <string>

namespace Orv {

// Signing in to a proxy as the logged-on user, without asking: Windows' security packages ("Negotiate" or "NTLM")
// with the session's own credentials. POSIX has no session credentials to give: Available() is false there.
class SingleSignOn {
public:
    // package: "Negotiate" or "NTLM"; server: the proxy's host name (Negotiate names the service "HTTP/<server>").
    SingleSignOn(const std::string& package, const std::string& server);
    ~SingleSignOn();
    SingleSignOn(const SingleSignOn&) = delete;
    SingleSignOn& operator=(const SingleSignOn&) = delete;

    static bool Available();

    // The next token for the proxy, given the proxy's last one (empty at the start); false when the package cannot
    // go on (no credentials, a token it does not accept). *error then says why.
    bool Step(const std::string& fromProxy, std::string* toProxy, std::string* error);

private:
    struct Context;
    std::unique_ptr<Context> context_;
};

} // namespace Orv
