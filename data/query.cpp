#include "data/query.h"
#include "data/engine.h"
#include "data/schema.h"
#include "platform/error.h"

#include <sqlcipher/sqlite3.h>

#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace {
enum CellType : uint8_t { CellNull = 0, CellInt = 1, CellReal = 2, CellText = 3 };

inline const uint32_t *offsetsOf(const char *row) { return reinterpret_cast<const uint32_t *>(row); }

bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// The ":name" markers of an SQL text outside string literals, distinct and
// in order of first appearance.
QStringList parameterMarkers(const QString &sql)
{
    QStringList names;
    const int n = sql.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            ++i;
            while (i < n && sql[i] != close)
                ++i;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && isNameChar(sql[i + 1])) {
            int j = i + 1;
            while (j < n && isNameChar(sql[j]))
                ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            bool seen = false;
            for (const QString &s : names)
                seen = seen || s.compare(name, Qt::CaseInsensitive) == 0;
            if (!seen)
                names << name;
            i = j - 1;
        }
    }
    return names;
}

ValueType typeFromDecl(const char *decl)
{
    if (!decl)
        return ValueType::Text;
    const QByteArray d = QByteArray(decl).toUpper();
    if (d.contains("DATE") || d.contains("TIME"))
        return ValueType::DateTime;
    if (d.contains("INT"))
        return ValueType::Integer;
    return ValueType::Text;
}

QString quoteIdent(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QVariant parseStoredDate(const QString &text)
{
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt.isValid() ? QVariant(dt) : QVariant(text);
}

// Text typed for a date column: the stored form or the form in which dates
// are shown (yyyy-M-d, with H:mm:ss); an invalid value otherwise.
QDateTime dateFromText(const QString &text)
{
    const QVariant stored = parseStoredDate(text);
    if (stored.typeId() == QMetaType::QDateTime)
        return stored.toDateTime();
    const QString t = text.trimmed();
    QDateTime dt = QDateTime::fromString(t, QStringLiteral("yyyy-M-d H:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(t, QStringLiteral("yyyy-M-d"));
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}
}

Query::Query(Connection *connection, const QString &defaultSql, QObject *parent)
    : QObject(parent), m_conn(connection)
{
    m_sql = defaultSql;
    for (const QString &n : parameterMarkers(m_sql))
        m_params.push_back({n, QVariant()});
    if (m_conn)
        QObject::connect(m_conn, &Connection::aboutToDisconnect, this, &Query::close);
}

Query::~Query() = default;

// --- SQL text and parameters --------------------------------------------------

void Query::setSql(const QString &sql)
{
    close();
    m_sql = sql;
    m_params.clear();
    for (const QString &n : parameterMarkers(m_sql))
        m_params.push_back({n, QVariant()});
    m_keyIndex = -2;
    m_keyColumn.clear();
}

QStringList Query::parameterNames() const
{
    QStringList out;
    for (const Param &p : m_params)
        out << p.name;
    return out;
}

void Query::bind(const QString &name, const QVariant &value)
{
    for (Param &p : m_params) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) {
            p.value = value;
            return;
        }
    }
    raiseError(msg::paramNotFound(name));
}

QVariant Query::parameterValue(const QString &name) const
{
    for (const Param &p : m_params)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return p.value;
    raiseError(msg::paramNotFound(name));
}

void Query::requery(const QString &sql, const Params &params)
{
    close();
    setSql(sql);
    for (const auto &p : params)
        bind(p.first, p.second);
    open();
}

QString Query::tableName() const
{
    static const QRegularExpression re(
        QStringLiteral(R"((?:^|\s)from\s+("[^"]+"|\[[^\]]+\]|[^\s;]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(m_sql);
    if (!m.hasMatch())
        return QString();
    QString t = m.captured(1);
    if (t.startsWith(QLatin1Char('"')) || t.startsWith(QLatin1Char('[')))
        t = t.mid(1, t.size() - 2);
    return t;
}

void Query::bindParams(void *stmtPtr) const
{
    auto *stmt = static_cast<sqlite3_stmt *>(stmtPtr);
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        const char *raw = sqlite3_bind_parameter_name(stmt, i);
        if (!raw)
            continue;
        const QString name = QString::fromUtf8(raw + 1);
        QVariant v;
        for (const Param &p : m_params)
            if (p.name.compare(name, Qt::CaseInsensitive) == 0)
                v = p.value;
        int rc;
        if (!v.isValid() || (v.isNull() && v.typeId() != QMetaType::QString)) {
            rc = sqlite3_bind_null(stmt, i);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
                   v.typeId() == QMetaType::UInt || v.typeId() == QMetaType::ULongLong) {
            rc = sqlite3_bind_int64(stmt, i, v.toLongLong());
        } else {
            const QByteArray t = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, i, t.constData() ? t.constData() : "", t.size(), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            raiseError(m_conn->lastError());
    }
}

// --- opening ------------------------------------------------------------------

void Query::open()
{
    if (isOpen())
        return;
    if (!m_conn)
        raiseError(QStringLiteral("Missing Connection or ConnectionString"));
    Statement st(*m_conn, m_sql);
    bindParams(st.get());
    const int ncols = sqlite3_column_count(st.get());
    QStringList names;
    QVector<ValueType> types;
    names.reserve(ncols);
    types.reserve(ncols);
    for (int c = 0; c < ncols; ++c) {
        names << QString::fromUtf8(sqlite3_column_name(st.get(), c));
        types << typeFromDecl(sqlite3_column_decltype(st.get(), c));
    }
    std::deque<Row> rows;
    m_columns = names;  // readRow needs the column count
    // Taken before the read: a commit that lands meanwhile makes it older
    // than the rows, never newer.
    const ReadStamp stamp = databaseStamp();
    while (st.step())
        rows.push_back(readRow(st.get()));
    m_types = types;
    m_rows = std::move(rows);
    m_readStamp = stamp;
    m_cursor = m_rows.empty() ? -1 : 0;
    m_buffer.clear();
    m_modified = false;
    m_state = QueryState::Browsing;
    Q_EMIT opened();
    Q_EMIT stateChanged(m_state);
    Q_EMIT cursorMoved(m_cursor);
}

void Query::close()
{
    if (!isOpen())
        return;
    Q_EMIT aboutToClose();
    m_rows.clear();
    m_readStamp = ReadStamp();
    m_buffer.clear();
    m_changed.clear();
    m_modified = false;
    m_cursor = -1;
    m_columns.clear();
    m_types.clear();
    m_state = QueryState::Closed;
    Q_EMIT closed();
    Q_EMIT stateChanged(m_state);
}

void Query::requireOpen() const
{
    if (!isOpen())
        raiseError(msg::closedDataset());
}

int Query::recordCount() const
{
    requireOpen();
    return int(m_rows.size());
}

void Query::setState(QueryState s)
{
    if (m_state == s)
        return;
    m_state = s;
    Q_EMIT stateChanged(s);
}

// --- rows ---------------------------------------------------------------------

namespace {
// One cell as it goes into a row block.
struct CellRef {
    uint8_t type;
    int64_t i;
    double d;
    const char *p;
    size_t len;
};

// Lays out the cells in one allocation: the offsets of the cells, then each
// cell as a type byte followed by its bytes.
char *buildRow(const CellRef *cells, int n)
{
    const size_t header = sizeof(uint32_t) * size_t(n + 1);
    size_t total = header;
    for (int c = 0; c < n; ++c)
        total += 1 + (cells[c].type == CellText ? cells[c].len : cells[c].type == CellNull ? 0 : 8);
    if (total > UINT32_MAX)
        raiseError(QStringLiteral("A row of more than 4 GB cannot be held"));
    char *block = static_cast<char *>(std::malloc(total));
    if (!block)
        throw std::bad_alloc();
    auto *off = reinterpret_cast<uint32_t *>(block);
    size_t pos = header;
    for (int c = 0; c < n; ++c) {
        const CellRef &cell = cells[c];
        off[c] = uint32_t(pos);
        block[pos++] = char(cell.type);
        switch (cell.type) {
        case CellInt: std::memcpy(block + pos, &cell.i, 8); pos += 8; break;
        case CellReal: std::memcpy(block + pos, &cell.d, 8); pos += 8; break;
        case CellText:
            if (cell.len)
                std::memcpy(block + pos, cell.p, cell.len);
            pos += cell.len;
            break;
        default: break;
        }
    }
    off[n] = uint32_t(pos);
    return block;
}

bool isNullValue(const QVariant &v) { return !v.isValid() || (v.isNull() && v.typeId() != QMetaType::QString); }
}

Query::Row Query::readRow(void *stmtPtr) const
{
    auto *stmt = static_cast<sqlite3_stmt *>(stmtPtr);
    const int n = m_columns.size();
    m_scratch.resize(size_t(n) * sizeof(CellRef));
    auto *cells = reinterpret_cast<CellRef *>(m_scratch.data());
    for (int c = 0; c < n; ++c) {
        CellRef &cell = cells[c];
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_NULL: cell.type = CellNull; break;
        case SQLITE_INTEGER: cell.type = CellInt; cell.i = sqlite3_column_int64(stmt, c); break;
        case SQLITE_FLOAT: cell.type = CellReal; cell.d = sqlite3_column_double(stmt, c); break;
        default:
            cell.type = CellText;
            cell.p = reinterpret_cast<const char *>(sqlite3_column_text(stmt, c));
            cell.len = size_t(sqlite3_column_bytes(stmt, c));
            break;
        }
    }
    return Row(buildRow(cells, n));
}

Query::Row Query::encodeRow(const QVector<QVariant> &values) const
{
    const int n = m_columns.size();
    std::vector<QByteArray> texts(static_cast<size_t>(n));
    std::vector<CellRef> cells(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {
        const QVariant &v = values.value(c);
        CellRef &cell = cells[size_t(c)];
        if (isNullValue(v)) {
            cell.type = CellNull;
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            cell.type = CellInt;
            cell.i = v.toLongLong();
        } else if (v.typeId() == QMetaType::Double) {
            cell.type = CellReal;
            cell.d = v.toDouble();
        } else {
            texts[size_t(c)] = (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
                                   ? storedDateTimeText(v).toUtf8()
                                   : v.toString().toUtf8();
            cell.type = CellText;
            cell.p = texts[size_t(c)].constData();
            cell.len = size_t(texts[size_t(c)].size());
        }
    }
    return Row(buildRow(cells.data(), n));
}

QVariant Query::decodeCell(const Row &row, int col) const
{
    if (!row || col < 0 || col >= m_columns.size())
        return QVariant();
    const char *b = row.get();
    const uint32_t *off = offsetsOf(b);
    const char *cell = b + off[col];
    switch (uint8_t(*cell)) {
    case CellInt: {
        qint64 v;
        std::memcpy(&v, cell + 1, 8);
        return QVariant(qlonglong(v));
    }
    case CellReal: {
        double v;
        std::memcpy(&v, cell + 1, 8);
        return QVariant(v);
    }
    case CellText: {
        const QString t = QString::fromUtf8(cell + 1, qsizetype(off[col + 1] - off[col] - 1));
        if (m_types.value(col) == ValueType::DateTime)
            return parseStoredDate(t);
        return QVariant(t);
    }
    default:
        return QVariant();
    }
}

QVector<QVariant> Query::rowValues(int row) const
{
    QVector<QVariant> v(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c)
        v[c] = value(row, c);
    return v;
}

QVariant Query::value(int row, int col) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return QVariant();
    if (isPendingRow(row))
        return m_buffer.value(col);
    return decodeCell(m_rows[size_t(row)], col);
}

QString Query::displayForm(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDateTime)
        return displayDateTime(v.toDateTime());
    if (v.typeId() == QMetaType::QDate)
        return shortDateText(v.toDate());
    return v.toString();
}

QString Query::displayText(int row, int col) const { return displayForm(value(row, col)); }

int Query::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Query::requireColumn(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        raiseError(msg::fieldNotFound(name));
    return i;
}

QVariant Query::column(const QString &name) const
{
    const int i = requireColumn(name);
    return m_cursor < 0 ? QVariant() : value(m_cursor, i);
}

QString Query::columnText(const QString &name) const { return displayForm(column(name)); }

// --- cursor -------------------------------------------------------------------

void Query::moveCursor(int row)
{
    requireOpen();
    if (m_state == QueryState::Inserting && !m_modified && row > m_cursor) {
        // the dropped new row no longer sits before the target
        --row;
    }
    finishPending();
    if (m_rows.empty()) {
        m_cursor = -1;
        return;
    }
    row = std::clamp(row, 0, int(m_rows.size()) - 1);
    if (row == m_cursor)
        return;
    m_cursor = row;
    Q_EMIT cursorMoved(m_cursor);
}

void Query::first() { moveCursor(0); }
void Query::last()
{
    requireOpen();
    moveCursor(int(m_rows.size()) - 1);
}
void Query::prior() { requireOpen(); moveCursor(m_cursor - 1); }
void Query::next() { requireOpen(); moveCursor(m_cursor + 1); }
void Query::moveTo(int row) { moveCursor(row); }

// --- editing ------------------------------------------------------------------

void Query::finishPending()
{
    if (m_state == QueryState::Inserting || m_state == QueryState::Editing) {
        if (m_modified)
            post();
        else
            cancel();
    }
}

void Query::insert()
{
    requireOpen();
    finishPending();
    const int pos = m_cursor < 0 ? 0 : m_cursor;
    m_rows.insert(m_rows.begin() + pos, Row());
    m_cursor = pos;
    m_buffer = QVector<QVariant>(m_columns.size());
    m_changed = QBitArray(m_columns.size());
    m_modified = false;
    m_state = QueryState::Inserting;
    Q_EMIT rowInserted(pos);
    Q_EMIT cursorMoved(pos);
    Q_EMIT stateChanged(m_state);
}

void Query::edit()
{
    requireOpen();
    if (m_state == QueryState::Inserting || m_state == QueryState::Editing)
        return;
    if (m_rows.empty()) {
        insert();
        return;
    }
    m_buffer = rowValues(m_cursor);
    m_changed = QBitArray(m_columns.size());
    m_modified = false;
    setState(QueryState::Editing);
}

void Query::cancel()
{
    if (m_state == QueryState::Inserting) {
        const int pos = m_cursor;
        m_rows.erase(m_rows.begin() + pos);
        m_buffer.clear();
        m_modified = false;
        m_state = QueryState::Browsing;
        if (m_cursor >= int(m_rows.size()))
            m_cursor = int(m_rows.size()) - 1;
        Q_EMIT rowRemoved(pos);
        Q_EMIT stateChanged(m_state);
        Q_EMIT cursorMoved(m_cursor);
    } else if (m_state == QueryState::Editing) {
        m_buffer.clear();
        m_modified = false;
        m_state = QueryState::Browsing;
        Q_EMIT stateChanged(m_state);
        Q_EMIT rowChanged(m_cursor);
    }
}

void Query::setColumn(const QString &name, const QVariant &value)
{
    const int i = requireColumn(name);
    if (m_state != QueryState::Inserting && m_state != QueryState::Editing)
        raiseError(msg::notEditing());
    QVariant v = value;
    switch (m_types.value(i)) {
    case ValueType::Integer:
        if (v.typeId() == QMetaType::QString) {
            const QString t = v.toString();
            bool ok = false;
            const qlonglong n = t.trimmed().toLongLong(&ok);
            if (t.isEmpty()) {
                // an emptied cross-reference means "none": 0
                const ColumnDef *def = schema::findColumn(tableName(), m_columns[i]);
                v = def && def->kind == ColumnKind::CrossReference ? QVariant(qlonglong(0)) : QVariant();
            } else if (ok)
                v = QVariant(n);
            // otherwise the text goes to the engine, which refuses it
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::UInt ||
                   v.typeId() == QMetaType::ULongLong || v.typeId() == QMetaType::Bool) {
            v = QVariant(v.toLongLong());
        }
        break;
    case ValueType::DateTime:
        // A date that is no date is refused here, before the row buffer changes.
        if (v.typeId() == QMetaType::QDate) {
            v = v.toDate().isValid() ? QVariant(QDateTime(v.toDate(), QTime(0, 0))) : QVariant();
        } else if (v.typeId() == QMetaType::QDateTime) {
            if (!v.toDateTime().isValid())
                v = QVariant();
        } else if (v.typeId() == QMetaType::QString) {
            const QString t = v.toString();
            if (t.isEmpty()) {
                v = QVariant();
            } else {
                const QDateTime dt = dateFromText(t);
                if (!dt.isValid())
                    raiseError(msg::notDateTime(t));
                v = QVariant(dt);
            }
        }
        break;
    case ValueType::Text:
        if (v.isValid() && !v.isNull() && v.typeId() != QMetaType::QString)
            v = QVariant(displayForm(v));
        break;
    }
    m_buffer[i] = v;
    m_changed.setBit(i);
    m_modified = true;
    Q_EMIT rowChanged(m_cursor);
}

int Query::keyIndex()
{
    if (m_keyIndex == -2) {
        m_keyColumn = m_conn->keyColumn(tableName());
        m_keyIndex = m_keyColumn.isEmpty() ? -1 : columnIndex(m_keyColumn);
    }
    if (m_keyIndex < 0)
        raiseError(QStringLiteral("Insufficient key column information for updating or refreshing"));
    return m_keyIndex;
}

void Query::rereadRow(int row)
{
    const int k = keyIndex();
    const QVariant key = m_rows[size_t(row)] ? decodeCell(m_rows[size_t(row)], k) : QVariant();
    Statement st(*m_conn, QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(quoteIdent(tableName()), quoteIdent(m_keyColumn)));
    st.bind(1, key);
    if (!st.step())
        return;  // gone from the database: keep what we hold
    if (sqlite3_column_count(st.get()) == m_columns.size())
        m_rows[size_t(row)] = readRow(st.get());
}

void Query::post()
{
    if (m_state != QueryState::Inserting && m_state != QueryState::Editing)
        raiseError(msg::notEditing());
    const QString table = tableName();
    const int k = keyIndex();
    if (m_state == QueryState::Editing && !m_modified) {
        m_buffer.clear();
        setState(QueryState::Browsing);
        return;
    }
    QStringList cols;
    QVector<int> idx;
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_changed.testBit(c)) {
            cols << quoteIdent(m_columns[c]);
            idx << c;
        }
    QVariant key;
    if (m_state == QueryState::Inserting) {
        QString sql;
        if (cols.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdent(table));
        } else {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoteIdent(table), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        Statement st(*m_conn, sql);
        for (int i = 0; i < idx.size(); ++i)
            st.bind(i + 1, m_buffer[idx[i]]);
        st.step();
        if (m_types.value(k) == ValueType::Integer && !m_changed.testBit(k))
            key = QVariant(qlonglong(sqlite3_last_insert_rowid(m_conn->handle())));
        else
            key = m_buffer[k];
    } else {
        QStringList sets;
        for (const QString &c : cols)
            sets << c + QStringLiteral(" = ?");
        const QVariant oldKey = decodeCell(m_rows[size_t(m_cursor)], k);
        Statement st(*m_conn, QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                  .arg(quoteIdent(table), sets.join(QLatin1Char(',')), quoteIdent(m_keyColumn)));
        for (int i = 0; i < idx.size(); ++i)
            st.bind(i + 1, m_buffer[idx[i]]);
        st.bind(idx.size() + 1, oldKey);
        st.step();
        if (sqlite3_changes(m_conn->handle()) == 0)
            raiseError(QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last read"));
        key = m_changed.testBit(k) ? m_buffer[k] : oldKey;
    }
    // The change is written: the row now holds what the database holds.
    QVector<QVariant> values = m_buffer;
    values[k] = key;
    m_rows[size_t(m_cursor)] = encodeRow(values);
    m_buffer.clear();
    m_modified = false;
    m_state = QueryState::Browsing;
    try {
        rereadRow(m_cursor);
    } catch (const VError &) {
        // the row was written; what we hold from the buffer stands
    }
    Q_EMIT stateChanged(m_state);
    Q_EMIT rowChanged(m_cursor);
}

void Query::remove()
{
    requireOpen();
    if (m_state == QueryState::Inserting) {
        cancel();
        return;
    }
    if (m_rows.empty())
        raiseError(msg::emptyDataset());
    if (m_state == QueryState::Editing)
        cancel();
    const int k = keyIndex();
    const QVariant key = decodeCell(m_rows[size_t(m_cursor)], k);
    {
        Statement st(*m_conn, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoteIdent(tableName()), quoteIdent(m_keyColumn)));
        st.bind(1, key);
        st.step();
    }
    const int pos = m_cursor;
    m_rows.erase(m_rows.begin() + pos);
    if (m_cursor >= int(m_rows.size()))
        m_cursor = int(m_rows.size()) - 1;
    Q_EMIT rowRemoved(pos);
    Q_EMIT cursorMoved(m_cursor);
}

Query::ReadStamp Query::databaseStamp() const
{
    ReadStamp s;
    sqlite3 *db = m_conn ? m_conn->handle() : nullptr;
    if (!db)
        return s;
    auto pragma = [db](const char *sql) {
        sqlite3_stmt *st = nullptr;
        qint64 v = -1;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            v = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
        return v;
    };
    s.changes = sqlite3_total_changes(db);
    s.dataVersion = pragma("PRAGMA data_version");
    s.schemaVersion = pragma("PRAGMA schema_version");
    return s;
}

void Query::refresh()
{
    requireOpen();
    finishPending();
    if (m_rows.empty()) {
        Q_EMIT rowsRefreshed();
        return;
    }
    // Nothing written since the rows were read, by us or anyone else: they
    // already hold the database's values.
    if (m_readStamp.valid() && databaseStamp() == m_readStamp) {
        Q_EMIT rowsRefreshed();
        return;
    }
    const ReadStamp stamp = databaseStamp();
    const int k = keyIndex();
    if (m_types.value(k) != ValueType::Integer) {
        for (int r = 0; r < int(m_rows.size()); ++r)
            rereadRow(r);
        m_readStamp = stamp;
        Q_EMIT rowsRefreshed();
        return;
    }
    std::vector<std::pair<qint64, int>> keys;
    keys.reserve(m_rows.size());
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const QVariant v = decodeCell(m_rows[size_t(r)], k);
        if (v.typeId() == QMetaType::LongLong)
            keys.emplace_back(v.toLongLong(), r);
    }
    const QString table = quoteIdent(tableName());
    const QString key = quoteIdent(m_keyColumn);
    qint64 maxKey = 0;
    {
        Statement st(*m_conn, QStringLiteral("SELECT max(%1) FROM %2").arg(key, table));
        if (st.step())
            maxKey = sqlite3_column_int64(st.get(), 0);
    }
    if (qint64(keys.size()) * 4 < maxKey) {
        // A small share of the table (a search, a lookup): each row by its key.
        Statement st(*m_conn, QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, key));
        if (sqlite3_column_count(st.get()) != m_columns.size())
            raiseError(QStringLiteral("The table's columns no longer match the query"));
        for (const auto &[value, row] : keys) {
            sqlite3_reset(st.get());
            sqlite3_bind_int64(st.get(), 1, value);
            if (st.step())
                m_rows[size_t(row)] = readRow(st.get());
            // gone from the database: keep what we hold
        }
    } else {
        // Most of the table: one read in key order, merged with the keys we hold.
        std::sort(keys.begin(), keys.end());
        Statement st(*m_conn, QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, key));
        if (sqlite3_column_count(st.get()) != m_columns.size())
            raiseError(QStringLiteral("The table's columns no longer match the query"));
        size_t i = 0;
        while (i < keys.size() && st.step()) {
            const qint64 current = sqlite3_column_int64(st.get(), k);
            while (i < keys.size() && keys[i].first < current)
                ++i;  // gone from the database: keep what we hold
            while (i < keys.size() && keys[i].first == current) {
                m_rows[size_t(keys[i].second)] = readRow(st.get());
                ++i;
            }
        }
    }
    m_readStamp = stamp;
    Q_EMIT rowsRefreshed();
}
