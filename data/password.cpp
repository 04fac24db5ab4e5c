#include "data/password.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <QByteArray>
#include <QStringList>

namespace {
constexpr int kIterations = 120000;
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
const char kPrefix[] = "pbkdf2-sha256";

QByteArray derive(const QByteArray &password, const QByteArray &salt, int iterations, int length)
{
    QByteArray out(length, '\0');
    if (PKCS5_PBKDF2_HMAC(password.constData(), password.size(),
                          reinterpret_cast<const unsigned char *>(salt.constData()), salt.size(), iterations,
                          EVP_sha256(), length, reinterpret_cast<unsigned char *>(out.data())) != 1)
        return QByteArray();
    return out;
}

bool equalConstantTime(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    return CRYPTO_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}
}

QString firstAdminPassword() { return QStringLiteral("velmoria"); }

QString hashPassword(const QString &password)
{
    QByteArray salt(kSaltBytes, '\0');
    RAND_bytes(reinterpret_cast<unsigned char *>(salt.data()), kSaltBytes);
    const QByteArray hash = derive(password.toUtf8(), salt, kIterations, kHashBytes);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(QLatin1String(kPrefix))
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(hash.toBase64()));
}

bool isPasswordHash(const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != QLatin1String(kPrefix))
        return false;
    bool ok = false;
    const int it = parts[1].toInt(&ok);
    return ok && it > 0 && !parts[2].isEmpty() && !parts[3].isEmpty();
}

bool passwordMatches(const QVariant &stored, const QString &typed)
{
    if (!stored.isValid() || stored.isNull())
        return false;
    const QString s = stored.toString();
    if (!isPasswordHash(s))
        return equalConstantTime(s.toUtf8(), typed.toUtf8());
    const QStringList parts = s.split(QLatin1Char('$'));
    const int iterations = parts[1].toInt();
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    if (expected.isEmpty())
        return false;
    const QByteArray got = derive(typed.toUtf8(), salt, iterations, int(expected.size()));
    return equalConstantTime(got, expected);
}
