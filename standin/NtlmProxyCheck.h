// The proxy's side of NTLM, as a company's proxy checks a client: it answers the client's first message with a
// challenge and checks the client's answer (NTLMv2 only, as proxies that refuse the old LM/NTLMv1 forms do) against
// the one user and password it knows.
#pragma once

#include <QByteArray>
#include <QString>

class NtlmProxyCheck {
public:
    NtlmProxyCheck(const QString& user, const QString& password);

    // The challenge message (type 2) for a client's negotiate message (type 1); empty when it is not one.
    QByteArray Challenge(const QByteArray& negotiate);
    // Whether the client's authenticate message (type 3) proves the password for the known user, answering the last
    // challenge. *who gets "DOMAIN\user" as the message named it.
    bool Accepts(const QByteArray& authenticate, QString* who) const;

private:
    QString user_;
    QString password_;
    QByteArray serverChallenge_;
};
