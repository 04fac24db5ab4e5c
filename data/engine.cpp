#include "data/engine.h"
#include "platform/error.h"

#include <sqlcipher/sqlite3.h>

#include <QDateTime>
#include <QFileInfo>
#include <QStringList>

namespace {
struct Description {
    QString path;
    QString key;
};

Description parseDescription(const QString &s)
{
    Description d;
    const QStringList parts = s.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &p : parts) {
        const int eq = p.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString k = p.left(eq).trimmed();
        const QString v = p.mid(eq + 1);
        if (k.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            d.path = v;
        else if (k.compare(QLatin1String("Key"), Qt::CaseInsensitive) == 0)
            d.key = v;
    }
    return d;
}

QString errorOf(sqlite3 *db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}
}

Connection::Connection(QObject *parent) : QObject(parent) {}

Connection::~Connection()
{
    if (m_pending.valid()) {
        Opened o = m_pending.get();
        if (o.db)
            sqlite3_close_v2(o.db);
    }
    if (m_db)
        sqlite3_close_v2(m_db);
}

QString Connection::lastError() const { return errorOf(m_db); }

QString Connection::checkedPath() const
{
    const Description d = parseDescription(m_connectionString);
    if (d.path.isEmpty())
        raiseError(QStringLiteral("The connection has no data source"));
    // The engine never creates the file: a missing database is an error.
    if (!QFileInfo(d.path).isFile())
        raiseError(QStringLiteral("Could not find file '%1'").arg(d.path));
    return d.path;
}

// Opens, keys and reads the schema of one file; safe on any thread.
Connection::Opened Connection::openFile(const QString &path, const QString &key)
{
    Opened o;
    sqlite3 *db = nullptr;
    const QByteArray p = path.toUtf8();
    auto fail = [&](const QString &m) {
        sqlite3_close_v2(db);
        o.db = nullptr;
        o.error = m;
        return o;
    };
    if (sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK)
        return fail(errorOf(db));
    if (!key.isEmpty()) {
        const QByteArray k = key.toUtf8();
        if (sqlite3_key(db, k.constData(), k.size()) != SQLITE_OK)
            return fail(errorOf(db));
    }
    // Reading the schema proves the file is a database and the key is right.
    const char *setup =
        "SELECT count(*) FROM sqlite_master;"
        "PRAGMA journal_mode=DELETE;"
        "PRAGMA synchronous=FULL;"
        "PRAGMA foreign_keys=OFF;";
    char *err = nullptr;
    if (sqlite3_exec(db, setup, nullptr, nullptr, &err) != SQLITE_OK) {
        const QString m = err ? QString::fromUtf8(err) : errorOf(db);
        sqlite3_free(err);
        return fail(m);
    }
    sqlite3_busy_timeout(db, 2000);
    o.db = db;
    return o;
}

void Connection::adopt(Opened o)
{
    if (!o.db)
        raiseError(o.error);
    m_db = o.db;
}

void Connection::connect()
{
    if (m_pending.valid()) {
        adopt(m_pending.get());
        return;
    }
    if (m_db)
        return;
    const QString path = checkedPath();
    adopt(openFile(path, parseDescription(m_connectionString).key));
}

void Connection::connectInBackground()
{
    if (m_db || m_pending.valid())
        return;
    const QString path = checkedPath();
    const QString key = parseDescription(m_connectionString).key;
    m_pending = std::async(std::launch::async, [path, key] { return openFile(path, key); });
}

void Connection::finishConnecting()
{
    if (m_pending.valid())
        adopt(m_pending.get());
}

void Connection::disconnect()
{
    if (m_pending.valid()) {
        Opened o = m_pending.get();
        if (o.db)
            sqlite3_close_v2(o.db);
    }
    if (!m_db)
        return;
    Q_EMIT aboutToDisconnect();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_keyColumns.clear();
}

void Connection::exec(const QString &sql)
{
    if (!m_db)
        connect();
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString m = err ? QString::fromUtf8(err) : lastError();
        sqlite3_free(err);
        raiseError(m);
    }
}

QString Connection::keyColumn(const QString &table)
{
    auto it = m_keyColumns.constFind(table);
    if (it != m_keyColumns.constEnd())
        return *it;
    QString key;
    {
        QString quoted = table;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        Statement st(*this, QStringLiteral("PRAGMA table_info(\"%1\")").arg(quoted));
        while (st.step()) {
            if (sqlite3_column_int(st.get(), 5) == 1) {
                key = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.get(), 1)));
                break;
            }
        }
    }
    m_keyColumns.insert(table, key);
    return key;
}

Statement::Statement(Connection &c, const QString &sql) : m_conn(c)
{
    if (!c.connected())
        c.connect();
    const QByteArray s = sql.toUtf8();
    if (sqlite3_prepare_v2(c.handle(), s.constData(), s.size(), &m_stmt, nullptr) != SQLITE_OK) {
        const QString m = c.lastError();
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        raiseError(m);
    }
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

QString storedDateTimeText(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
    return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void Statement::bind(int index, const QVariant &v)
{
    int rc = SQLITE_OK;
    if (v.isNull() && v.typeId() != QMetaType::QString) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(m_stmt, index, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, v.toDouble());
            break;
        case QMetaType::QDate:
        case QMetaType::QDateTime: {
            const QByteArray t = storedDateTimeText(v).toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, t.constData(), t.size(), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = v.toString().toUtf8();
            // An empty text is a value, not a null.
            rc = sqlite3_bind_text(m_stmt, index, t.constData() ? t.constData() : "", t.size(), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        raiseError(m_conn.lastError());
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString m = m_conn.lastError();
    sqlite3_reset(m_stmt);
    raiseError(m);
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}
