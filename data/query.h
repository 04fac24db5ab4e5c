#pragma once
// The shared record set. It holds an SQL text and its named parameters, and,
// while open, the whole result in memory with a cursor and, while inserting
// or editing, a row buffer. Its operations are the record vocabulary every
// screen uses; everything bound to a query follows its signals, so a change
// made in one window shows at once in every other.
#include <QBitArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

class Connection;

enum class QueryState { Closed, Browsing, Inserting, Editing };

// How a column's values are read back: from the column's declared type.
enum class ValueType : uint8_t { Text, Integer, DateTime };

class Query : public QObject {
    Q_OBJECT
public:
    using Params = std::vector<std::pair<QString, QVariant>>;

    Query(Connection *connection, const QString &defaultSql, QObject *parent = nullptr);
    ~Query() override;

    Connection *connection() const { return m_conn; }

    // --- SQL text and parameters -------------------------------------------
    QString sql() const { return m_sql; }
    // Replaces the SQL text: closes the query and rebuilds the parameter list
    // from the ":name" markers of the new text, without values.
    void setSql(const QString &sql);
    QStringList parameterNames() const;
    // Binds text or an integer; an unknown name fails with "Parameter '%s' not found".
    void bind(const QString &name, const QVariant &value);
    QVariant parameterValue(const QString &name) const;
    // Close, replace the SQL text, bind each parameter, open.
    void requery(const QString &sql, const Params &params = {});
    // The table a post writes to: the name after "from".
    QString tableName() const;

    // --- opening -------------------------------------------------------------
    void open();
    void close();
    bool isOpen() const { return m_state != QueryState::Closed; }
    QueryState state() const { return m_state; }
    int recordCount() const;   // fails on a closed query

    // --- cursor --------------------------------------------------------------
    void first();
    void prior();
    void next();
    void last();
    void moveTo(int row);      // a click on a grid row
    int cursor() const { return m_cursor; }   // -1 when the result is empty or closed
    bool isEmpty() const { return m_rows.empty(); }

    // --- editing -------------------------------------------------------------
    void insert();
    void edit();
    void setColumn(const QString &name, const QVariant &value);
    bool isModified() const { return m_modified; }
    void post();
    void remove();             // delete the current row
    void cancel();             // drop a pending insert or edit
    void refresh();

    // --- reading -------------------------------------------------------------
    // The value of a column in the current row (the row buffer while editing);
    // null when the column holds nothing or there is no current row.
    QVariant column(const QString &name) const;
    // Its text as shown.
    QString columnText(const QString &name) const;

    // --- result, for grids, reports and bound controls ------------------------
    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return m_columns.size(); }
    QStringList columnNames() const { return m_columns; }
    int columnIndex(const QString &name) const;   // -1 when missing
    int requireColumn(const QString &name) const; // fails with "Field '%s' not found"
    ValueType columnType(int col) const { return m_types.value(col); }
    QVariant value(int row, int col) const;
    QString displayText(int row, int col) const;
    bool isPendingRow(int row) const
    {
        return row == m_cursor && (m_state == QueryState::Inserting || m_state == QueryState::Editing);
    }

    static QString displayForm(const QVariant &v);

Q_SIGNALS:
    void opened();
    void aboutToClose();
    void closed();
    void cursorMoved(int row);
    void rowChanged(int row);       // values of one row changed (buffer or posted)
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowsRefreshed();           // every row may hold new values
    void stateChanged(QueryState state);

private:
    struct Param {
        QString name;
        QVariant value;
    };
    // One row of the result: one allocation holding the offsets of its cells
    // followed by the cells (a type byte, then the bytes of the value).
    struct RowDeleter {
        void operator()(char *p) const { std::free(p); }
    };
    using Row = std::unique_ptr<char, RowDeleter>;

    void requireOpen() const;
    void setState(QueryState s);
    void finishPending();        // post when changed, drop otherwise
    void moveCursor(int row);
    Row encodeRow(const QVector<QVariant> &values) const;
    QVariant decodeCell(const Row &row, int col) const;
    Row readRow(void *stmt) const;
    QVector<QVariant> rowValues(int row) const;
    void rereadRow(int row);
    void bindParams(void *stmt) const;
    int keyIndex();

    Connection *m_conn;
    QString m_sql;
    std::vector<Param> m_params;
    QueryState m_state = QueryState::Closed;

    QStringList m_columns;
    QVector<ValueType> m_types;
    std::deque<Row> m_rows;
    int m_cursor = -1;

    QVector<QVariant> m_buffer;
    QBitArray m_changed;
    bool m_modified = false;
    QString m_keyColumn;
    int m_keyIndex = -2;  // -2: not looked up yet
    mutable std::vector<char> m_scratch;  // cell list reused while reading rows
};

// What bound controls and reports attach to.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(Query *query, QObject *parent = nullptr) : QObject(parent), m_query(query) {}
    Query *query() const { return m_query; }

private:
    Query *m_query;
};
