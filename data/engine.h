#pragma once
// The file database engine: one SQLCipher connection to one file, opened from
// a connection description in the engine's own form:
//   "Data Source=<absolute path>;Mode=Share Deny None"         (record database)
//   "Data Source=<absolute path>;Key=<database password>"      (keyed database)
// Every posted change is committed on its own with a rollback journal and full
// synchronisation, so it is on disk when the call returns; a kill at any
// moment leaves the file as it was before or after the change, and a plain
// file copy of the database file is always a complete database.
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

#include <future>

struct sqlite3;
struct sqlite3_stmt;

class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QObject *parent = nullptr);
    ~Connection() override;

    void setConnectionString(const QString &s) { m_connectionString = s; }
    QString connectionString() const { return m_connectionString; }
    // Kept for the connection-string form of the original design; we never prompt.
    void setLoginPrompt(bool) {}

    void connect();      // throws VError with the engine's message
    // Starts connecting on a worker thread: the file is looked for at once
    // (a missing file fails here), while the key derivation and the first
    // read of a keyed file go on beside the caller. connect(), or any use of
    // the connection, waits for it and raises its error.
    void connectInBackground();
    // Waits for a background connect, if one is running, and raises its error.
    void finishConnecting();
    void disconnect();   // closes every query of the connection first
    bool connected() const { return m_db != nullptr; }
    sqlite3 *handle() const { return m_db; }

    // The key column of a table (its primary key), empty when it has none.
    QString keyColumn(const QString &table);
    // Engine's message for the last failure.
    QString lastError() const;

    // Runs a statement that returns no rows (schema set-up, tools).
    void exec(const QString &sql);

Q_SIGNALS:
    void aboutToDisconnect();

private:
    struct Opened {
        sqlite3 *db = nullptr;
        QString error;
    };
    static Opened openFile(const QString &path, const QString &key);
    QString checkedPath() const;
    void adopt(Opened o);

    QString m_connectionString;
    sqlite3 *m_db = nullptr;
    std::future<Opened> m_pending;
    QHash<QString, QString> m_keyColumns;
};

// A prepared statement, finalised when it goes out of scope.
class Statement {
public:
    Statement(Connection &c, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    sqlite3_stmt *get() const { return m_stmt; }
    // Binds a value: null, integer, real, date/time (as text) or text.
    void bind(int index, const QVariant &v);
    bool step();   // true while a row is available; throws on error
    void reset();

private:
    Connection &m_conn;
    sqlite3_stmt *m_stmt = nullptr;
};

// The text form in which dates are stored: yyyy-MM-dd HH:mm:ss.
QString storedDateTimeText(const QVariant &v);
