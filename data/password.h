#pragma once
// The administrator password is kept as a salted PBKDF2-HMAC-SHA256 hash whose
// parameters stand beside it in the same text:
//   pbkdf2-sha256$<iterations>$<salt, base64>$<hash, base64>
// A stored value not in that form (set by hand with a database tool) is
// compared as plain text, so an administrator can still reset it that way.
#include <QString>
#include <QVariant>

QString hashPassword(const QString &password);
// Exact, case-sensitive, constant-time comparison; a null stored value refuses.
bool passwordMatches(const QVariant &stored, const QString &typed);
bool isPasswordHash(const QString &stored);
// The first password of the shipped administrator database.
QString firstAdminPassword();
