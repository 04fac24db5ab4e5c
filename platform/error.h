#pragma once
// The one error type of the system: a message as the user will read it.
#include <QString>
#include <QByteArray>
#include <exception>

class VError : public std::exception {
public:
    explicit VError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

[[noreturn]] inline void raiseError(const QString &message) { throw VError(message); }

// The runtime's messages, word for word.
namespace msg {
inline QString closedDataset() { return QStringLiteral("Cannot perform this operation on a closed dataset"); }
inline QString emptyDataset() { return QStringLiteral("Cannot perform this operation on an empty dataset"); }
inline QString notEditing() { return QStringLiteral("Dataset not in edit or insert mode"); }
inline QString fieldNotFound(const QString &f) { return QStringLiteral("Field '%1' not found").arg(f); }
inline QString paramNotFound(const QString &p) { return QStringLiteral("Parameter '%1' not found").arg(p); }
inline QString notInteger(const QString &t) { return QStringLiteral("'%1' is not a valid integer value").arg(t); }
inline QString notDateTime(const QString &t) { return QStringLiteral("'%1' is not a valid date and time").arg(t); }
}
