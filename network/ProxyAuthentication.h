// What to answer a proxy that wants to know who is asking (its 407 answers to CONNECT), round after round, and when
// to stop: first the logged-on user's own sign-in (Negotiate or NTLM, Windows only), then the user name and password
// the user gives (asked once per run, kept in memory only) over NTLM or Basic. A refused answer is never sent again:
// each way is tried once, so a proxy that keeps refusing ends the transfer instead of being asked for ever.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace Orv {

class SingleSignOn;

class ProxyAuthentication {
public:
    // Asks for the user name and password a proxy wants (proxy: "host:port"); false when the user declined.
    using CredentialsAsker = std::function<bool(const QString& proxy, QString* user, QString* password)>;
    static void SetCredentialsAsker(CredentialsAsker asker);
    // The credentials kept for this run: asked when none are kept (false: declined or no asker), forgotten when the
    // proxy refused them. Asking runs a dialog and its event loop: whatever called it may be gone when it returns.
    static bool Credentials(const QString& proxy, QString* user, QString* password);
    static void ForgetCredentials();

    ProxyAuthentication(const QString& proxyText, const QString& proxyHost);
    ~ProxyAuthentication();

    // What answers a 407 with these Proxy-Authenticate values: Send with the Proxy-Authorization value in
    // *authorization; Fail with the reason in *reason; Ask when the user's name and password are needed and none are
    // kept: the caller asks (Credentials), then calls Answer again, or Declined when the user said no. The asking is
    // the caller's so that it can tell whether it still exists afterwards.
    enum class Reply { Send, Fail, Ask };
    Reply Answer(const QList<QByteArray>& challenges, QByteArray* authorization, QString* reason);
    void Declined() { failed_ = true; }
    // The proxy wanted credentials and did not get ones it accepted.
    bool Failed() const { return failed_; }
    // How the tunnel was signed in: "" (not asked), "Negotiate", "NTLM" (the session's own, or "NTLM"/"Basic" with the
    // user's credentials).
    const QString& Method() const { return method_; }

private:
    enum class Way { None, SingleSignOn, Ntlm, Basic };
    Reply Fail(const QString& why, QString* reason);

    QString proxyText_;
    QString proxyHost_;
    Way way_ = Way::None; // the way of the last answer
    bool singleSignOnTried_ = false;
    bool credentialsGiven_ = false;
    bool ntlmProved_ = false; // the NTLM answer to the proxy's challenge went out
    bool failed_ = false;
    int rounds_ = 0;
    QString method_;
    QString user_;
    QString password_;
    std::unique_ptr<SingleSignOn> signOn_;
};

} // namespace Orv
