#include "NtlmProxyCheck.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QtEndian>

namespace {
const QByteArray kSignature("NTLMSSP\0", 8);
const QString kDomain = QStringLiteral("SKORVANETEST");

quint32 Word32(const QByteArray& message, int at) {
    return at + 4 <= message.size() ? qFromLittleEndian<quint32>(message.constData() + at) : 0;
}

// A field the message points at (length, allocated length, offset); empty when it points outside the message.
QByteArray Field(const QByteArray& message, int at) {
    if (at + 8 > message.size())
        return QByteArray();
    const quint16 length = qFromLittleEndian<quint16>(message.constData() + at);
    const quint32 offset = Word32(message, at + 4);
    if (offset > static_cast<quint32>(message.size()) || length > message.size() - offset)
        return QByteArray();
    return message.mid(static_cast<int>(offset), length);
}

QByteArray Utf16(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

QString FromUtf16(const QByteArray& bytes) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
}

QByteArray HmacMd5(const QByteArray& key, const QByteArray& message) {
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Md5);
}

void Append16(QByteArray* out, quint16 value) {
    out->append(static_cast<char>(value & 0xff)).append(static_cast<char>(value >> 8));
}
void Append32(QByteArray* out, quint32 value) {
    Append16(out, static_cast<quint16>(value & 0xffff));
    Append16(out, static_cast<quint16>(value >> 16));
}
} // namespace

NtlmProxyCheck::NtlmProxyCheck(const QString& user, const QString& password) : user_(user), password_(password) {}

QByteArray NtlmProxyCheck::Challenge(const QByteArray& negotiate) {
    if (!negotiate.startsWith(kSignature) || Word32(negotiate, 8) != 1)
        return QByteArray();
    serverChallenge_.resize(8);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(serverChallenge_.data()), 2);

    const QByteArray target = Utf16(kDomain);
    QByteArray info; // the target's description: its NetBIOS domain name, then the end
    Append16(&info, 2);
    Append16(&info, static_cast<quint16>(target.size()));
    info += target;
    Append32(&info, 0);

    constexpr quint32 kHeaderSize = 48;
    constexpr quint32 kFlags = 0x00000001 /* Unicode */ | 0x00000004 /* target requested */ | 0x00000200 /* NTLM */
                               | 0x00010000 /* target is a domain */ | 0x00080000 /* extended session security */
                               | 0x00800000 /* target info */;
    QByteArray message = kSignature;
    Append32(&message, 2);
    Append16(&message, static_cast<quint16>(target.size()));
    Append16(&message, static_cast<quint16>(target.size()));
    Append32(&message, kHeaderSize);
    Append32(&message, kFlags);
    message += serverChallenge_;
    message += QByteArray(8, '\0');
    Append16(&message, static_cast<quint16>(info.size()));
    Append16(&message, static_cast<quint16>(info.size()));
    Append32(&message, kHeaderSize + static_cast<quint32>(target.size()));
    return message + target + info;
}

bool NtlmProxyCheck::Accepts(const QByteArray& authenticate, QString* who) const {
    if (serverChallenge_.isEmpty() || !authenticate.startsWith(kSignature) || Word32(authenticate, 8) != 3)
        return false;
    const QByteArray ntResponse = Field(authenticate, 20);
    const QString domain = FromUtf16(Field(authenticate, 28));
    const QString user = FromUtf16(Field(authenticate, 36));
    *who = domain + QLatin1Char('\\') + user;
    // NTLMv2: 16 bytes of proof, then the client's blob (version 1.1, time, its own challenge, the target info).
    if (ntResponse.size() < 16 + 28 || !ntResponse.mid(16).startsWith(QByteArray("\x01\x01\0\0", 4)) ||
        user.compare(user_, Qt::CaseInsensitive) != 0)
        return false;
    const QByteArray passwordHash = QCryptographicHash::hash(Utf16(password_), QCryptographicHash::Md4);
    const QByteArray userKey = HmacMd5(passwordHash, Utf16(user.toUpper() + domain));
    const QByteArray blob = ntResponse.mid(16);
    return HmacMd5(userKey, serverChallenge_ + blob) == ntResponse.left(16);
}
