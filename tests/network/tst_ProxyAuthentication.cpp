// What is answered to a proxy's 407s, round after round: each way is tried once, a refusal ends the sign-in, and
// the password given is kept for the run until the proxy refuses it.
#include "library_Orv/SingleSignOn.h"
#include "network/NtlmMessages.h"
#include "network/ProxyAuthentication.h"

#include <QtEndian>
#include <QtTest>

using Orv::ProxyAuthentication;

namespace {
// A proxy's challenge message: the header with its 8-byte challenge, a target name, no target information.
QByteArray Challenge() {
    QByteArray message("NTLMSSP\0\x02\0\0\0", 12);
    const QByteArray target("C\0O\0R\0P\0", 8);
    message += QByteArray("\x08\0\x08\0\x30\0\0\0", 8);           // target name: 8 bytes at 48
    message += QByteArray("\x05\x02\x01\0", 4);                   // Unicode, NTLM, domain
    message += QByteArray("\x01\x23\x45\x67\x89\xab\xcd\xef", 8); // the challenge
    message += QByteArray(16, '\0');                              // reserved, no target information
    return message + target;
}

// As the tunnel answers a 407: when the sign-in needs the user's password, asked (or declined), then answered again.
bool Answer(ProxyAuthentication& authentication, const QList<QByteArray>& challenges, QByteArray* authorization,
            QString* reason) {
    ProxyAuthentication::Reply reply = authentication.Answer(challenges, authorization, reason);
    if (reply == ProxyAuthentication::Reply::Ask) {
        QString user;
        QString password;
        if (!ProxyAuthentication::Credentials(QStringLiteral("proxy:3128"), &user, &password)) {
            authentication.Declined();
            return false;
        }
        reply = authentication.Answer(challenges, authorization, reason);
    }
    return reply == ProxyAuthentication::Reply::Send;
}

QByteArray Decoded(const QByteArray& authorization, const QByteArray& scheme) {
    return authorization.startsWith(scheme + ' ') ? QByteArray::fromBase64(authorization.mid(scheme.size() + 1))
                                                  : QByteArray();
}
} // namespace

class TestProxyAuthentication : public QObject {
    Q_OBJECT

    int asked_ = 0;
    QString password_;

private slots:
    void init() {
        asked_ = 0;
        ProxyAuthentication::ForgetCredentials();
        ProxyAuthentication::SetCredentialsAsker([this](const QString&, QString* user, QString* password) {
            ++asked_;
            *user = QStringLiteral("CORP\\skv");
            *password = password_;
            return !password_.isEmpty();
        });
    }

    void cleanupTestCase() { ProxyAuthentication::SetCredentialsAsker(nullptr); }

    // Basic: declined ends it; given is sent once and kept; refused is forgotten, so the next run of it asks again.
    void basicIsAskedOnceAndForgottenWhenRefused() {
        QByteArray authorization;
        QString reason;
        password_.clear();
        ProxyAuthentication declined(QStringLiteral("proxy:3128"), QStringLiteral("proxy"));
        QVERIFY(declined.Answer({"Basic realm=\"x\""}, &authorization, &reason) == ProxyAuthentication::Reply::Ask);
        QVERIFY(!Answer(declined, {"Basic realm=\"x\""}, &authorization, &reason));
        QVERIFY(declined.Failed());

        password_ = QStringLiteral("secret");
        for (int run = 0; run < 2; ++run) {
            ProxyAuthentication given(QStringLiteral("proxy:3128"), QStringLiteral("proxy"));
            QVERIFY(Answer(given, {"Basic realm=\"x\""}, &authorization, &reason));
            QCOMPARE(Decoded(authorization, "Basic"), QByteArray("CORP\\skv:secret"));
            QVERIFY(!given.Failed());
        }
        QCOMPARE(asked_, 2); // declined once, then given once for both
        ProxyAuthentication refused(QStringLiteral("proxy:3128"), QStringLiteral("proxy"));
        QVERIFY(Answer(refused, {"Basic realm=\"x\""}, &authorization, &reason));
        QVERIFY(!Answer(refused, {"Basic realm=\"x\""}, &authorization, &reason));
        QCOMPARE(reason, QStringLiteral("the proxy refused the user name and password"));
        ProxyAuthentication again(QStringLiteral("proxy:3128"), QStringLiteral("proxy"));
        QVERIFY(Answer(again, {"Basic realm=\"x\""}, &authorization, &reason));
        QCOMPARE(asked_, 3);
    }

    // NTLM with the given password: negotiate, then one answer to the challenge (the user and domain as typed); a
    // proxy that challenges again is not answered again.
    void ntlmAnswersOneChallenge() {
        password_ = QStringLiteral("secret");
        ProxyAuthentication ntlm(QStringLiteral("proxy:3128"), QStringLiteral("proxy"));
        QByteArray authorization;
        QString reason;
        QVERIFY(Answer(ntlm, {"Negotiate", "NTLM", "Basic realm=\"x\""}, &authorization, &reason));
        if (asked_ == 0 && Orv::SingleSignOn::Available())
            QSKIP("this session signs in by itself (a Windows domain session)");
        const QByteArray negotiate = Decoded(authorization, "NTLM");
        QVERIFY(negotiate.startsWith(QByteArray("NTLMSSP\0\x01\0\0\0", 12)));
        const QByteArray challenge = "NTLM " + Challenge().toBase64();
        QVERIFY(Answer(ntlm, {challenge}, &authorization, &reason));
        const QByteArray authenticate = Decoded(authorization, "NTLM");
        QCOMPARE(qFromLittleEndian<quint32>(authenticate.constData() + 8), 3U);
        QVERIFY(authenticate.contains(QByteArray("s\0k\0v\0", 6)));
        QVERIFY(authenticate.contains(QByteArray("C\0O\0R\0P\0", 8)));
        QVERIFY(!authenticate.contains("secret"));
        QVERIFY(qFromLittleEndian<quint16>(authenticate.constData() + 20) > 24); // NTLMv2, not the 24-byte v1
        QVERIFY(!Answer(ntlm, {challenge}, &authorization, &reason));
        QCOMPARE(reason, QStringLiteral("the proxy refused the user name and password"));
        QVERIFY(Orv::NtlmAuthenticateMessage("NTLMSSP", QStringLiteral("u"), QStringLiteral("p")).isEmpty());
    }

    // Nothing this program can give: said with what the proxy offered, never a request without end.
    void unknownSchemesEndTheSignIn() {
        password_ = QStringLiteral("secret");
        ProxyAuthentication digest(QStringLiteral("proxy:3128"), QStringLiteral("proxy"));
        QByteArray authorization;
        QString reason;
        QVERIFY(!Answer(digest, {"Digest realm=\"x\", nonce=\"1\""}, &authorization, &reason));
        QVERIFY2(reason.startsWith(QStringLiteral("the proxy asks for a sign-in this program cannot give (Digest")),
                 qPrintable(reason));
        QVERIFY(digest.Failed());
        QCOMPARE(asked_, 0);
    }
};

QTEST_GUILESS_MAIN(TestProxyAuthentication)
#include "tst_ProxyAuthentication.moc"
