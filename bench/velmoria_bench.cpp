// Benchmark of the record layer and the program against their floors.
//
// It makes its own registers (every table filled with realistic rows in one
// transaction, starting from the shipped empty record database), then times
// each figure on our side and on its floor in the same run, alternating,
// over several rounds, and prints the medians and their ratio. The floor is
// the raw SQLCipher C API on a copy of the same file with the same journal
// settings as our engine. The figures also go to a CSV file.
//
//   velmoria_bench [--rows N] [--rounds N] [--delete N] [--delete-chunks N]
//                  [--idle-seconds S] [--dir FOLDER] [--csv FILE] [--keep]
#include "bench/datagen.h"
#include "bench/measure.h"
#include "bench/windows.h"

#include "data/dm.h"
#include "data/engine.h"
#include "data/query.h"
#include "data/schema.h"
#include "platform/error.h"

#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <deque>
#include <stdexcept>

using namespace bench;

namespace {

struct Options {
    int rows = 100000;
    int rounds = 5;
    int deleteRows = 20000;
    int deleteChunks = 4;
    double idleSeconds = 10;
    QString dir;
    QString csv = QStringLiteral("velmoria_bench.csv");
    QString shipped;
    bool keep = false;
};

const QString kSelectSeekers = QStringLiteral("select * from 求租人信息表");
const QString kSearchSeekers = QStringLiteral(
    "select * from 求租人信息表 where 姓名 like:name and 性别 like:sex and 年龄 like:age and 籍贯 like:jiguan and "
    "身份证号 like:shenfenzheng and 合租情况 like:hezu and 婚姻状况 like:hunying and 联系电话 like:dianhua and "
    "工作 like:gongzuo");
const char *const kSearchParams[] = {"name", "sex", "age", "jiguan", "shenfenzheng", "hezu", "hunying", "dianhua", "gongzuo"};

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "velmoria_bench: %s\n", what.toUtf8().constData());
    std::exit(1);
}

// --- the floor: the raw engine --------------------------------------------------

struct RawDb {
    sqlite3 *db = nullptr;
    explicit RawDb(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail(QStringLiteral("cannot open %1").arg(path));
        // The journal settings of our engine.
        exec("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA foreign_keys=OFF;");
        sqlite3_busy_timeout(db, 2000);
    }
    ~RawDb() { sqlite3_close_v2(db); }
    void exec(const char *sql)
    {
        char *err = nullptr;
        if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
            const QString m = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
            sqlite3_free(err);
            fail(m);
        }
    }
    sqlite3_stmt *prepare(const QString &sql) const
    {
        const QByteArray s = sql.toUtf8();
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, s.constData(), s.size(), &st, nullptr) != SQLITE_OK)
            fail(QString::fromUtf8(sqlite3_errmsg(db)));
        return st;
    }
};

QString pragmaText(sqlite3 *db, const char *pragma)
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, pragma, -1, &st, nullptr);
    QString v;
    if (st && sqlite3_step(st) == SQLITE_ROW)
        v = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return v;
}

using Binds = std::vector<std::string>;
// The floor keeps every value in its own std::string; a deque grows without
// moving what it already holds.
using Values = std::deque<std::string>;

// A plain prepare/step loop copying every value into a std::string.
size_t plainRead(const RawDb &raw, const QString &sql, const Binds &binds, Values &out)
{
    sqlite3_stmt *st = raw.prepare(sql);
    for (size_t i = 0; i < binds.size(); ++i)
        sqlite3_bind_text(st, int(i) + 1, binds[i].data(), int(binds[i].size()), SQLITE_TRANSIENT);
    const int n = sqlite3_column_count(st);
    size_t rows = 0;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        for (int c = 0; c < n; ++c) {
            const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(st, c));
            out.emplace_back(t ? t : "", size_t(sqlite3_column_bytes(st, c)));
        }
        ++rows;
    }
    if (rc != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errmsg(raw.db)));
    sqlite3_finalize(st);
    return rows;
}

// The UTF-8 bytes of every value of a result, each value in its text form.
long long valueBytes(const RawDb &raw, const QString &sql)
{
    sqlite3_stmt *st = raw.prepare(sql);
    const int n = sqlite3_column_count(st);
    long long total = 0;
    while (sqlite3_step(st) == SQLITE_ROW)
        for (int c = 0; c < n; ++c)
            if (sqlite3_column_type(st, c) != SQLITE_NULL) {
                sqlite3_column_text(st, c);
                total += sqlite3_column_bytes(st, c);
            }
    sqlite3_finalize(st);
    return total;
}

void bindCell(sqlite3_stmt *st, int index, const Cell &c)
{
    switch (c.kind) {
    case Cell::Null: sqlite3_bind_null(st, index); break;
    case Cell::Int: sqlite3_bind_int64(st, index, c.number); break;
    case Cell::Text: sqlite3_bind_text(st, index, c.text.data(), int(c.text.size()), SQLITE_TRANSIENT); break;
    }
}

QString insertSql(const TableDef &t)
{
    QStringList cols, marks;
    for (const ColumnDef &c : t.columns)
        if (c.kind != ColumnKind::Key) {
            cols << QStringLiteral("\"%1\"").arg(QString::fromUtf8(c.name));
            marks << QStringLiteral("?");
        }
    return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
        .arg(QString::fromUtf8(t.name), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

// --- the data -------------------------------------------------------------------

void makeRegisters(const QString &path, int rows)
{
    RawDb raw(path);
    raw.exec("BEGIN");
    RowMaker maker(20240601);
    for (const TableDef *t : schema::recordTables()) {
        sqlite3_stmt *st = raw.prepare(insertSql(*t));
        for (int r = 0; r < rows; ++r) {
            const std::vector<Cell> cells = maker.row(*t, rows);
            for (size_t i = 0; i < cells.size(); ++i)
                bindCell(st, int(i) + 1, cells[i]);
            if (sqlite3_step(st) != SQLITE_DONE)
                fail(QString::fromUtf8(sqlite3_errmsg(raw.db)));
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
    }
    raw.exec("COMMIT");
}

// A rent-seeker as a registration form would submit it: every list chosen.
std::vector<Cell> registrationRow(RowMaker &maker)
{
    const TableDef &t = schema::rentSeekers();
    std::vector<Cell> cells = maker.row(t, 100000);
    size_t i = 0;
    for (const ColumnDef &c : t.columns) {
        if (c.kind == ColumnKind::Key)
            continue;
        if (cells[i].kind == Cell::Null || (c.kind == ColumnKind::Label && cells[i].text.empty())) {
            cells[i].kind = Cell::Text;
            cells[i].text = listItems(QString::fromUtf8(c.name)).front();
        }
        if (c.kind == ColumnKind::CrossReference) {
            cells[i].kind = Cell::Int;
            cells[i].number = 0;
        }
        ++i;
    }
    return cells;
}

std::unique_ptr<Connection> ourConnection(const QString &path)
{
    auto c = std::make_unique<Connection>();
    c->setConnectionString(recordConnectionString(path));
    c->connect();
    return c;
}

double ms(double seconds) { return seconds * 1000.0; }

// --- the figures ----------------------------------------------------------------

Figure openFigure(Connection &ours, const RawDb &floor, const Options &o)
{
    Figure f;
    f.name = QStringLiteral("open");
    f.unit = QStringLiteral("ms");
    f.ours = QStringLiteral("Query::open of \"%1\"").arg(kSelectSeekers);
    f.floor = QStringLiteral("prepare/step loop over the same SQL copying every value into a std::string");
    f.goal = 1.5;
    f.goalText = QStringLiteral("<= 1.5x");
    size_t floorRows = 0;
    int ourRows = 0, columns = 0;
    alternate(
        f, o.rounds,
        [&] {
            Query q(&ours, kSelectSeekers);
            const double t0 = nowSeconds();
            q.open();
            ourRows = q.recordCount();
            const double t1 = nowSeconds();
            columns = q.columnCount();
            return ms(t1 - t0);
        },
        [&] {
            Values values;
            const double t0 = nowSeconds();
            floorRows = plainRead(floor, kSelectSeekers, {}, values);
            return ms(nowSeconds() - t0);
        });
    if (size_t(ourRows) != floorRows)
        fail(QStringLiteral("open: ours read %1 rows, the floor %2").arg(ourRows).arg(floorRows));
    f.note = QStringLiteral("%1 rows, %2 columns").arg(ourRows).arg(columns);
    return f;
}

Figure searchFigure(Connection &ours, const RawDb &floor, const Options &o, const QString &label,
                    const std::vector<QString> &criteria)
{
    Figure f;
    f.name = label;
    f.unit = QStringLiteral("ms");
    QStringList shown;
    Query::Params params;
    Binds binds;
    for (size_t i = 0; i < criteria.size(); ++i) {
        const QString pattern = QStringLiteral("%") + criteria[i] + QStringLiteral("%");
        params.emplace_back(QString::fromLatin1(kSearchParams[i]), pattern);
        binds.push_back(pattern.toStdString());
        shown << QStringLiteral("%1=\"%2\"").arg(QString::fromLatin1(kSearchParams[i]), pattern);
    }
    f.ours = QStringLiteral("Query::requery with the rent-seeker search SQL, %1").arg(shown.join(QLatin1Char(' ')));
    f.floor = QStringLiteral("the same SQL and bindings, plain loop copying every value into a std::string");
    f.goal = 1.3;
    f.goalText = QStringLiteral("<= 1.3x");
    size_t floorRows = 0;
    int ourRows = 0;
    alternate(
        f, o.rounds,
        [&] {
            Query q(&ours, kSelectSeekers);
            const double t0 = nowSeconds();
            q.requery(kSearchSeekers, params);
            ourRows = q.recordCount();
            return ms(nowSeconds() - t0);
        },
        [&] {
            Values values;
            const double t0 = nowSeconds();
            floorRows = plainRead(floor, kSearchSeekers, binds, values);
            return ms(nowSeconds() - t0);
        });
    if (size_t(ourRows) != floorRows)
        fail(QStringLiteral("%1: ours found %2 rows, the floor %3").arg(label).arg(ourRows).arg(floorRows));
    f.note = QStringLiteral("%1 rows found").arg(ourRows);
    return f;
}

// The search as the search window runs it: re-query, count, refresh.
Figure searchWindowFigure(Connection &ours, const RawDb &floor, const Options &o)
{
    Figure f = searchFigure(ours, floor, o, QStringLiteral("search+refresh"), std::vector<QString>(9));
    f.ours = QStringLiteral("as the search window does it: Query::requery, recordCount, refresh; all nine criteria empty");
    f.oursSamples.clear();
    f.floorSamples.clear();
    Query::Params params;
    Binds binds;
    for (const char *p : kSearchParams) {
        params.emplace_back(QString::fromLatin1(p), QStringLiteral("%%"));
        binds.emplace_back("%%");
    }
    alternate(
        f, o.rounds,
        [&] {
            Query q(&ours, kSelectSeekers);
            const double t0 = nowSeconds();
            q.requery(kSearchSeekers, params);
            (void)q.recordCount();
            q.refresh();
            return ms(nowSeconds() - t0);
        },
        [&] {
            Values values;
            const double t0 = nowSeconds();
            plainRead(floor, kSearchSeekers, binds, values);
            return ms(nowSeconds() - t0);
        });
    return f;
}

Figure registrationFigure(Connection &ours, const RawDb &floor, const Options &o)
{
    Figure f;
    f.name = QStringLiteral("registration");
    f.unit = QStringLiteral("ms");
    f.ours = QStringLiteral("insert, setColumn for all 25 columns, post, refresh on a query holding the whole table");
    f.floor = QStringLiteral("one plain INSERT of the same values plus a plain full read");
    f.goal = 1.3;
    f.goalText = QStringLiteral("<= 1.3x");
    const TableDef &t = schema::rentSeekers();
    RowMaker maker(777);
    Query q(&ours, kSelectSeekers);
    q.open();
    const QString sql = insertSql(t);
    int lastRows = 0;
    alternate(
        f, o.rounds,
        [&] {
            const std::vector<Cell> cells = registrationRow(maker);
            const double t0 = nowSeconds();
            q.insert();
            size_t i = 0;
            for (const ColumnDef &c : t.columns)
                if (c.kind == ColumnKind::CrossReference)  // the form writes the text "0"
                    q.setColumn(QString::fromUtf8(c.name), QString::number(cells[i++].number));
                else if (c.kind != ColumnKind::Key)
                    q.setColumn(QString::fromUtf8(c.name), cells[i++].toVariant(c.kind));
            q.post();
            q.refresh();
            const double t1 = nowSeconds();
            if (q.column(t.keyColumn()).isNull())
                fail(QStringLiteral("registration: the new row has no key after the refresh"));
            lastRows = q.recordCount();
            return ms(t1 - t0);
        },
        [&] {
            const std::vector<Cell> cells = registrationRow(maker);
            Values values;
            const double t0 = nowSeconds();
            sqlite3_stmt *st = floor.prepare(sql);
            for (size_t i = 0; i < cells.size(); ++i)
                bindCell(st, int(i) + 1, cells[i]);
            if (sqlite3_step(st) != SQLITE_DONE)
                fail(QString::fromUtf8(sqlite3_errmsg(floor.db)));
            sqlite3_finalize(st);
            plainRead(floor, kSelectSeekers, {}, values);
            return ms(nowSeconds() - t0);
        });
    f.note = QStringLiteral("the query held %1 rows after the last round").arg(lastRows);
    return f;
}

// The cleanup's pass: the query holds the whole table and its first row is
// deleted again and again. Both sides delete the same number of rows, in
// chunks that alternate between them, so that both meet the same disk.
Figure deletionFigure(Connection &ours, const RawDb &floor, const Options &o)
{
    Figure f;
    const int chunk = o.deleteRows / o.deleteChunks;
    f.name = QStringLiteral("deletion pass");
    f.unit = QStringLiteral("ms");
    f.ours = QStringLiteral("%1 rows deleted one at a time through Query (first, remove) on a query holding the whole "
                            "table, as the cleanup does; timed in %2 chunks of %3 rows")
                 .arg(chunk * o.deleteChunks)
                 .arg(o.deleteChunks)
                 .arg(chunk);
    f.floor = QStringLiteral("plain loop of DELETE by key over as many rows, each its own transaction, same journal "
                             "settings, same chunks");
    f.goal = 1.3;
    f.goalText = QStringLiteral("<= 1.3x");
    const QString key = schema::rentSeekers().keyColumn();
    Query q(&ours, kSelectSeekers);
    q.open();
    const int before = q.recordCount();
    alternate(
        f, o.deleteChunks,
        [&] {
            const double t0 = nowSeconds();
            for (int i = 0; i < chunk; ++i) {
                q.first();
                q.remove();
            }
            return ms(nowSeconds() - t0);
        },
        [&] {
            std::vector<sqlite3_int64> keys;
            {
                sqlite3_stmt *st = floor.prepare(QStringLiteral("select \"%1\" from 求租人信息表 limit %2").arg(key).arg(chunk));
                while (sqlite3_step(st) == SQLITE_ROW)
                    keys.push_back(sqlite3_column_int64(st, 0));
                sqlite3_finalize(st);
            }
            const double t0 = nowSeconds();
            sqlite3_stmt *st = floor.prepare(QStringLiteral("DELETE FROM 求租人信息表 WHERE \"%1\" = ?").arg(key));
            for (sqlite3_int64 k : keys) {
                sqlite3_bind_int64(st, 1, k);
                if (sqlite3_step(st) != SQLITE_DONE)
                    fail(QString::fromUtf8(sqlite3_errmsg(floor.db)));
                sqlite3_reset(st);
            }
            sqlite3_finalize(st);
            return ms(nowSeconds() - t0);
        },
        false);
    if (q.recordCount() != before - chunk * o.deleteChunks)
        fail(QStringLiteral("deletion pass: %1 rows left of %2").arg(q.recordCount()).arg(before));
    double oursTotal = 0, floorTotal = 0;
    for (double x : f.oursSamples)
        oursTotal += x;
    for (double x : f.floorSamples)
        floorTotal += x;
    f.note = QStringLiteral("whole pass: ours %1 s, floor %2 s (%3 ms and %4 ms per row)")
                 .arg(oursTotal / 1000, 0, 'f', 1)
                 .arg(floorTotal / 1000, 0, 'f', 1)
                 .arg(oursTotal / (chunk * o.deleteChunks), 0, 'f', 2)
                 .arg(floorTotal / (chunk * o.deleteChunks), 0, 'f', 2);
    return f;
}

Figure memoryFigure(Connection &ours, const RawDb &floor, const Options &o)
{
    Figure f;
    f.name = QStringLiteral("memory");
    f.unit = QStringLiteral("MB");
    f.ours = QStringLiteral("resident bytes added by an open query holding the whole rent-seeker table");
    f.floor = QStringLiteral("the UTF-8 bytes of its values (each value in its text form)");
    f.load = loadAverage();
    const double mb = 1024.0 * 1024.0;
    const long long values = valueBytes(floor, kSelectSeekers);
    int rows = 0;
    {
        Query warm(&ours, kSelectSeekers);  // fills the engine's page cache first
        warm.open();
        rows = warm.recordCount();
    }
    for (int r = 0; r < std::max(3, o.rounds / 2); ++r) {
        Query q(&ours, kSelectSeekers);
        const long long before = residentBytes();
        q.open();
        const long long after = residentBytes();
        f.oursSamples.push_back(double(after - before) / mb);
        f.floorSamples.push_back(double(values) / mb);
    }
    f.limitValue = (2.0 * double(values) + 64.0 * rows) / mb;
    f.goalText = QStringLiteral("<= 2x values + 64 B/row = %1 MB").arg(f.limitValue, 0, 'f', 1);
    f.measured = true;
    f.note = QStringLiteral("%1 rows; %2 bytes of values, %3 bytes per row; ours %4 bytes per row")
                 .arg(rows)
                 .arg(values)
                 .arg(double(values) / rows, 0, 'f', 1)
                 .arg(f.oursMedian() * mb / rows, 0, 'f', 1);
    return f;
}

QString machine()
{
    QString cpu;
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &line : f.readAll().split('\n'))
            if (line.startsWith("model name")) {
                cpu = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
                break;
            }
    return QStringLiteral("%1, %2 cores, %3").arg(cpu).arg(QThread::idealThreadCount()).arg(QSysInfo::prettyProductName());
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velmoria benchmark against the raw engine"));
    parser.addHelpOption();
    QCommandLineOption rowsOpt(QStringLiteral("rows"), QStringLiteral("Rows per table (100000)."), QStringLiteral("n"));
    QCommandLineOption roundsOpt(QStringLiteral("rounds"), QStringLiteral("Timed rounds per figure (5)."), QStringLiteral("n"));
    QCommandLineOption deleteOpt(QStringLiteral("delete"), QStringLiteral("Rows per deletion pass (20000)."), QStringLiteral("n"));
    QCommandLineOption deleteChunksOpt(QStringLiteral("delete-chunks"), QStringLiteral("Alternating chunks of the deletion pass (4)."), QStringLiteral("n"));
    QCommandLineOption idleOpt(QStringLiteral("idle-seconds"), QStringLiteral("Idle time for the count timers (10)."), QStringLiteral("s"));
    QCommandLineOption dirOpt(QStringLiteral("dir"), QStringLiteral("Folder for the data (a new temporary folder)."), QStringLiteral("folder"));
    QCommandLineOption csvOpt(QStringLiteral("csv"), QStringLiteral("CSV file (velmoria_bench.csv)."), QStringLiteral("file"));
    QCommandLineOption shippedOpt(QStringLiteral("shipped"), QStringLiteral("Folder of the shipped empty databases."), QStringLiteral("folder"));
    QCommandLineOption keepOpt(QStringLiteral("keep"), QStringLiteral("Keep the data folder."));
    QCommandLineOption onlyOpt(QStringLiteral("only"), QStringLiteral("Comma-separated figures to run (default: all)."), QStringLiteral("list"));
    parser.addOptions({rowsOpt, roundsOpt, deleteOpt, deleteChunksOpt, idleOpt, dirOpt, csvOpt, shippedOpt, keepOpt, onlyOpt});
    parser.process(app);

    Options o;
    if (parser.isSet(rowsOpt)) o.rows = parser.value(rowsOpt).toInt();
    if (parser.isSet(roundsOpt)) o.rounds = parser.value(roundsOpt).toInt();
    if (parser.isSet(deleteOpt)) o.deleteRows = parser.value(deleteOpt).toInt();
    if (parser.isSet(deleteChunksOpt)) o.deleteChunks = parser.value(deleteChunksOpt).toInt();
    if (parser.isSet(idleOpt)) o.idleSeconds = parser.value(idleOpt).toDouble();
    if (parser.isSet(csvOpt)) o.csv = parser.value(csvOpt);
    o.shipped = parser.isSet(shippedOpt) ? parser.value(shippedOpt) : QStringLiteral(VELMORIA_SHIPPED_DATA);
    o.keep = parser.isSet(keepOpt);
    QStringList only = parser.value(onlyOpt).split(QLatin1Char(','), Qt::SkipEmptyParts);
    auto wanted = [&](const char *name) { return only.isEmpty() || only.contains(QString::fromLatin1(name)); };
    if (o.rows < 1 || o.rounds < 1 || o.deleteRows < 1 || o.deleteChunks < 1 || o.deleteRows < o.deleteChunks)
        fail(QStringLiteral("rows, rounds and deletions must be positive"));
    if (o.deleteRows > o.rows)
        fail(QStringLiteral("the deletion passes would delete more rows than the table holds"));

    QTemporaryDir temp(QDir::tempPath() + QStringLiteral("/velmoria_bench_XXXXXX"));
    QString dir;
    if (parser.isSet(dirOpt)) {
        dir = parser.value(dirOpt);
        QDir().mkpath(dir);
    } else {
        if (!temp.isValid())
            fail(QStringLiteral("no temporary folder"));
        temp.setAutoRemove(!o.keep);
        dir = temp.path();
    }

    QTextStream out(stdout);
    const QString header = QStringLiteral("machine: %1\nload at start: %2\nrows per table: %3; rounds: %4; deletion pass: %5 rows per side in %6 chunks; data in %7")
                               .arg(machine(), loadAverage())
                               .arg(o.rows)
                               .arg(o.rounds)
                               .arg(o.deleteRows)
                               .arg(o.deleteChunks)
                               .arg(dir);
    out << header << '\n';
    out.flush();

    const QString base = dir + QStringLiteral("/registers.mdb");
    const QString oursPath = dir + QStringLiteral("/ours.mdb");
    const QString floorPath = dir + QStringLiteral("/floor.mdb");
    for (const QString &p : {base, oursPath, floorPath})
        QFile::remove(p);
    if (!QFile::copy(o.shipped + QStringLiteral("/house.mdb"), base))
        fail(QStringLiteral("cannot copy %1/house.mdb").arg(o.shipped));
    QFile(base).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const double g0 = nowSeconds();
    makeRegisters(base, o.rows);
    if (!QFile::copy(base, oursPath) || !QFile::copy(base, floorPath))
        fail(QStringLiteral("cannot copy the registers"));
    out << QStringLiteral("made %1 rows in each of the four tables in %2 s (%3 MB file)\n")
               .arg(o.rows)
               .arg(nowSeconds() - g0, 0, 'f', 1)
               .arg(double(QFileInfo(base).size()) / 1048576.0, 0, 'f', 1);

    std::vector<Figure> figures;
    {
        std::unique_ptr<Connection> ours = ourConnection(oursPath);
        RawDb floor(floorPath);
        out << QStringLiteral("journal settings: ours journal_mode=%1 synchronous=%2; floor journal_mode=%3 synchronous=%4\n\n")
                   .arg(pragmaText(ours->handle(), "PRAGMA journal_mode"), pragmaText(ours->handle(), "PRAGMA synchronous"),
                        pragmaText(floor.db, "PRAGMA journal_mode"), pragmaText(floor.db, "PRAGMA synchronous"));
        out.flush();

        auto run = [&](const char *name, const std::function<Figure()> &fn) {
            if (!wanted(name))
                return;
            out << QStringLiteral("running %1 ...\n").arg(QString::fromLatin1(name));
            out.flush();
            try {
                figures.push_back(fn());
            } catch (const VError &e) {
                fail(QStringLiteral("%1: %2").arg(QString::fromLatin1(name), e.message()));
            }
        };
        run("open", [&] { return openFigure(*ours, floor, o); });
        run("search", [&] {
            return searchFigure(*ours, floor, o, QStringLiteral("search"), std::vector<QString>(9));
        });
        run("search-narrow", [&] {
            std::vector<QString> c(9);
            c[0] = QStringLiteral("王");
            c[1] = QStringLiteral("男");
            return searchFigure(*ours, floor, o, QStringLiteral("search (王, 男)"), c);
        });
        run("search-window", [&] { return searchWindowFigure(*ours, floor, o); });
        run("memory", [&] { return memoryFigure(*ours, floor, o); });
        run("registration", [&] { return registrationFigure(*ours, floor, o); });
        run("deletion", [&] { return deletionFigure(*ours, floor, o); });
    }
    if (wanted("timer")) {
        out << QStringLiteral("running timer ...\n");
        out.flush();
        figures.push_back(countTimerFigure(dir, o.idleSeconds));
    }
    if (wanted("startup")) {
        out << QStringLiteral("running startup ...\n");
        out.flush();
        figures.push_back(startupFigure(dir, o.rounds));
    }

    out << '\n';
    out.flush();
    printTable(figures);
    const QString end = QStringLiteral("load at end: %1").arg(loadAverage());
    out << end << '\n';
    if (writeCsv(o.csv, figures, header + QLatin1Char('\n') + end))
        out << QStringLiteral("figures written to %1\n").arg(QFileInfo(o.csv).absoluteFilePath());
    else
        out << QStringLiteral("could not write %1\n").arg(o.csv);
    out.flush();
    return 0;
}
