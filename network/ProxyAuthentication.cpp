#include "ProxyAuthentication.h"

#include "NtlmMessages.h"
#include "library_Orv/SingleSignOn.h"

#include <QCoreApplication>
#include <cstdio>

namespace Orv {

namespace {
// A sign-in takes at most a few rounds (NTLM: three); past these, the proxy is going round in circles.
constexpr int kMaxRounds = 8;

ProxyAuthentication::CredentialsAsker& Asker() {
    static ProxyAuthentication::CredentialsAsker asker;
    return asker;
}
struct Kept {
    QString user;
    QString password;
};
Kept& KeptCredentials() {
    static Kept kept;
    return kept;
}

// The scheme's token in a Proxy-Authenticate value ("NTLM TlRMTVNT..." gives the bytes); offered says whether the
// scheme is there at all.
QByteArray TokenOf(const QList<QByteArray>& challenges, const QByteArray& scheme, bool* offered) {
    *offered = false;
    for (const QByteArray& value : challenges) {
        const QByteArray trimmed = value.trimmed();
        const int space = trimmed.indexOf(' ');
        const QByteArray name = space < 0 ? trimmed : trimmed.left(space);
        if (name.compare(scheme, Qt::CaseInsensitive) != 0)
            continue;
        *offered = true;
        return space < 0 ? QByteArray() : QByteArray::fromBase64(trimmed.mid(space + 1).trimmed());
    }
    return QByteArray();
}
} // namespace

void ProxyAuthentication::SetCredentialsAsker(CredentialsAsker asker) {
    Asker() = std::move(asker);
}

bool ProxyAuthentication::Credentials(const QString& proxy, QString* user, QString* password) {
    Kept& kept = KeptCredentials();
    if (kept.user.isEmpty()) {
        Kept asked;
        if (!Asker() || !Asker()(proxy, &asked.user, &asked.password) || asked.user.isEmpty())
            return false;
        kept = asked;
    }
    *user = kept.user;
    *password = kept.password;
    return true;
}

void ProxyAuthentication::ForgetCredentials() {
    KeptCredentials() = Kept();
}

ProxyAuthentication::ProxyAuthentication(const QString& proxyText, const QString& proxyHost)
    : proxyText_(proxyText), proxyHost_(proxyHost) {}

ProxyAuthentication::~ProxyAuthentication() = default;

ProxyAuthentication::Reply ProxyAuthentication::Fail(const QString& why, QString* reason) {
    failed_ = true;
    *reason = why;
    return Reply::Fail;
}

ProxyAuthentication::Reply ProxyAuthentication::Answer(const QList<QByteArray>& challenges, QByteArray* authorization,
                                                       QString* reason) {
    if (++rounds_ > kMaxRounds)
        return Fail(QCoreApplication::translate("Orv::ProxyAuthentication", "the proxy asked for a sign-in %1 times")
                        .arg(kMaxRounds),
                    reason);
    bool negotiate = false;
    bool ntlm = false;
    bool basic = false;
    const QByteArray negotiateToken = TokenOf(challenges, "Negotiate", &negotiate);
    const QByteArray ntlmToken = TokenOf(challenges, "NTLM", &ntlm);
    TokenOf(challenges, "Basic", &basic);

    // A sign-in under way goes on with the proxy's token; without one, the proxy refused its last message.
    if (way_ == Way::SingleSignOn) {
        const QByteArray token = method_ == QLatin1String("Negotiate") ? negotiateToken : ntlmToken;
        std::string next;
        std::string error;
        if (!token.isEmpty() && signOn_->Step(token.toStdString(), &next, &error)) {
            *authorization = method_.toLatin1() + ' ' + QByteArray::fromStdString(next).toBase64();
            return Reply::Send;
        }
        if (token.isEmpty())
            error = "the proxy did not accept the session's credentials";
        std::fprintf(stderr, "Proxy sign-in as the logged-on user (%s): %s\n", qPrintable(method_), error.c_str());
        way_ = Way::None;
    } else if (way_ == Way::Ntlm && !ntlmProved_ && !ntlmToken.isEmpty()) {
        ntlmProved_ = true;
        const QByteArray message = NtlmAuthenticateMessage(ntlmToken, user_, password_);
        if (message.isEmpty())
            return Fail(
                QCoreApplication::translate("Orv::ProxyAuthentication", "the proxy's NTLM challenge is malformed"),
                reason);
        *authorization = "NTLM " + message.toBase64();
        return Reply::Send;
    } else if (way_ != Way::None) {
        // The user's name and password were refused: forgotten, so that the next transfer asks anew.
        ForgetCredentials();
        return Fail(
            QCoreApplication::translate("Orv::ProxyAuthentication", "the proxy refused the user name and password"),
            reason);
    }

    if ((negotiate || ntlm) && !singleSignOnTried_ && SingleSignOn::Available()) {
        singleSignOnTried_ = true;
        method_ = negotiate ? QStringLiteral("Negotiate") : QStringLiteral("NTLM");
        signOn_ = std::make_unique<SingleSignOn>(method_.toStdString(), proxyHost_.toStdString());
        std::string first;
        std::string error;
        if (signOn_->Step(std::string(), &first, &error)) {
            way_ = Way::SingleSignOn;
            *authorization = method_.toLatin1() + ' ' + QByteArray::fromStdString(first).toBase64();
            return Reply::Send;
        }
        std::fprintf(stderr, "Proxy sign-in as the logged-on user (%s): %s\n", qPrintable(method_), error.c_str());
    }
    if (!ntlm && !basic) {
        const QByteArray offered = challenges.isEmpty() ? QByteArray("nothing") : challenges.join(", ").left(80);
        return Fail(QCoreApplication::translate("Orv::ProxyAuthentication",
                                                "the proxy asks for a sign-in this program cannot give (%1)")
                        .arg(QString::fromLatin1(offered)),
                    reason);
    }
    if (credentialsGiven_)
        return Fail(
            QCoreApplication::translate("Orv::ProxyAuthentication", "the proxy asked for a user name and password"),
            reason);
    if (KeptCredentials().user.isEmpty()) {
        --rounds_; // asked, then answered again: one round
        return Reply::Ask;
    }
    user_ = KeptCredentials().user;
    password_ = KeptCredentials().password;
    credentialsGiven_ = true;
    // NTLM proves the password without sending it; Basic sends it as it is, to the proxy alone.
    if (ntlm) {
        way_ = Way::Ntlm;
        method_ = QStringLiteral("NTLM");
        *authorization = "NTLM " + NtlmNegotiateMessage().toBase64();
    } else {
        way_ = Way::Basic;
        method_ = QStringLiteral("Basic");
        *authorization = "Basic " + (user_ + QLatin1Char(':') + password_).toUtf8().toBase64();
    }
    return Reply::Send;
}

} // namespace Orv
