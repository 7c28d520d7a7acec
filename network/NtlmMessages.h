// The client's two NTLM messages, for a proxy that wants NTLM and a user name and password the user gave: the
// negotiate message, then the authenticate message answering the proxy's challenge with an NTLMv2 proof (the LM and
// NTLMv1 forms are never sent: they give the password's hash away to anyone listening).
#pragma once

#include <QByteArray>
#include <QString>

namespace Orv {

QByteArray NtlmNegotiateMessage();

// The authenticate message for the proxy's challenge message; empty when the challenge is not one. user may be
// "DOMAIN\user", "user@domain" or a bare name (then the domain the challenge names is used).
QByteArray NtlmAuthenticateMessage(const QByteArray& challenge, const QString& user, const QString& password);

} // namespace Orv
