#include "NtlmMessages.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QtEndian>

namespace Orv {

namespace {
const QByteArray kSignature("NTLMSSP\0", 8);
constexpr quint32 kUnicode = 0x00000001;
constexpr quint32 kOem = 0x00000002;
constexpr quint32 kRequestTarget = 0x00000004;
constexpr quint32 kNtlm = 0x00000200;
constexpr quint32 kAlwaysSign = 0x00008000;
constexpr quint32 kExtendedSessionSecurity = 0x00080000;
constexpr quint32 kTargetInfo = 0x00800000;
constexpr quint32 k128Bit = 0x20000000;
constexpr quint32 k56Bit = 0x80000000;
constexpr quint16 kAvEnd = 0;
constexpr quint16 kAvTimestamp = 7;
constexpr int kChallengeHeaderSize = 48;
constexpr int kAuthenticateHeaderSize = 64;

void Put16(QByteArray* out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out->append(bytes, 2);
}
void Put32(QByteArray* out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out->append(bytes, 4);
}

// A field as the messages point at it: (length, allocated length, offset) in the header, bytes in the payload.
struct Payload {
    QByteArray header;
    QByteArray data;
    int start;
    void Add(const QByteArray& bytes) {
        Put16(&header, static_cast<quint16>(bytes.size()));
        Put16(&header, static_cast<quint16>(bytes.size()));
        Put32(&header, static_cast<quint32>(start + data.size()));
        data += bytes;
    }
};

QByteArray Field(const QByteArray& message, int at) {
    if (at + 8 > message.size())
        return QByteArray();
    const quint16 length = qFromLittleEndian<quint16>(message.constData() + at);
    const quint32 offset = qFromLittleEndian<quint32>(message.constData() + at + 4);
    if (offset > static_cast<quint32>(message.size()) || length > message.size() - offset)
        return QByteArray();
    return message.mid(static_cast<int>(offset), length);
}

QByteArray Utf16Le(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text)
        Put16(&bytes, c.unicode());
    return bytes;
}

QByteArray HmacMd5(const QByteArray& key, const QByteArray& message) {
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Md5);
}

// The 8-byte time of the target information, when the proxy gave one.
QByteArray TimestampOf(const QByteArray& targetInfo) {
    for (int at = 0; at + 4 <= targetInfo.size();) {
        const quint16 id = qFromLittleEndian<quint16>(targetInfo.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(targetInfo.constData() + at + 2);
        if (id == kAvEnd || at + 4 + length > targetInfo.size())
            break;
        if (id == kAvTimestamp && length == 8)
            return targetInfo.mid(at + 4, 8);
        at += 4 + length;
    }
    return QByteArray();
}

QByteArray Now() {
    // Tenths of microseconds since 1601, as Windows counts time.
    constexpr quint64 kSince1601 = 11644473600ULL * 10000000ULL;
    QByteArray bytes;
    const quint64 ticks = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()) * 10000ULL + kSince1601;
    Put32(&bytes, static_cast<quint32>(ticks & 0xffffffffU));
    Put32(&bytes, static_cast<quint32>(ticks >> 32));
    return bytes;
}
} // namespace

QByteArray NtlmNegotiateMessage() {
    QByteArray message = kSignature;
    Put32(&message, 1);
    Put32(&message,
          kUnicode | kOem | kRequestTarget | kNtlm | kAlwaysSign | kExtendedSessionSecurity | k128Bit | k56Bit);
    message += QByteArray(16, '\0'); // no domain, no workstation
    return message;
}

QByteArray NtlmAuthenticateMessage(const QByteArray& challenge, const QString& user, const QString& password) {
    if (challenge.size() < kChallengeHeaderSize - 16 || !challenge.startsWith(kSignature) ||
        qFromLittleEndian<quint32>(challenge.constData() + 8) != 2)
        return QByteArray();
    const quint32 flags = qFromLittleEndian<quint32>(challenge.constData() + 20);
    const QByteArray serverChallenge = challenge.mid(24, 8);
    const QByteArray targetInfo = (flags & kTargetInfo) ? Field(challenge, 40) : QByteArray();

    QString domain;
    QString name = user;
    if (const int slash = user.indexOf(QLatin1Char('\\')); slash >= 0) {
        domain = user.left(slash);
        name = user.mid(slash + 1);
    } else if (!user.contains(QLatin1Char('@'))) {
        const QByteArray target = Field(challenge, 12);
        domain = (flags & kUnicode)
                     ? QString::fromUtf16(reinterpret_cast<const char16_t*>(target.constData()), target.size() / 2)
                     : QString::fromLatin1(target);
    }

    const QByteArray passwordHash = QCryptographicHash::hash(Utf16Le(password), QCryptographicHash::Md4);
    const QByteArray userKey = HmacMd5(passwordHash, Utf16Le(name.toUpper() + domain));
    QByteArray clientChallenge(8, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(clientChallenge.data()), 2);
    const QByteArray proxyTime = TimestampOf(targetInfo);

    QByteArray blob("\x01\x01\0\0\0\0\0\0", 8);
    blob += proxyTime.isEmpty() ? Now() : proxyTime;
    blob += clientChallenge;
    blob += QByteArray(4, '\0');
    blob += targetInfo;
    blob += QByteArray(4, '\0');
    const QByteArray ntResponse = HmacMd5(userKey, serverChallenge + blob) + blob;
    // With the proxy's own time the LM answer is left empty, as Windows does; without it, the LMv2 form.
    const QByteArray lmResponse = proxyTime.isEmpty()
                                      ? HmacMd5(userKey, serverChallenge + clientChallenge) + clientChallenge
                                      : QByteArray(24, '\0');

    Payload payload{QByteArray(), QByteArray(), kAuthenticateHeaderSize};
    payload.Add(lmResponse);
    payload.Add(ntResponse);
    payload.Add(Utf16Le(domain));
    payload.Add(Utf16Le(name));
    payload.Add(QByteArray()); // workstation
    payload.Add(QByteArray()); // session key
    QByteArray message = kSignature;
    Put32(&message, 3);
    message += payload.header;
    Put32(&message, kUnicode | kRequestTarget | kNtlm | kAlwaysSign | kExtendedSessionSecurity | (flags & kTargetInfo) |
                        k128Bit | k56Bit);
    return message + payload.data;
}

} // namespace Orv
