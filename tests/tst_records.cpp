// The record layer: every operation and state of a shared query, its exact
// messages, the search rule for nulls, registration, deletion and refresh.
#include "data/dm.h"
#include "data/engine.h"
#include "data/query.h"
#include "data/schema.h"
#include "platform/error.h"
#include "platform/guard.h"
#include "tests/support/harness.h"

#include <sqlcipher/sqlite3.h>

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {
QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const VError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// Rows straight into the rental table, bypassing the record layer.
void seedRentals(Connection &c, const QList<QPair<QString, QVariant>> &districtsAndTenants)
{
    for (const auto &p : districtsAndTenants) {
        Statement st(c, QStringLiteral("INSERT INTO 出租房信息表 (房产地域, 所处路段, 获租人) VALUES (?, ?, ?)"));
        st.bind(1, p.first.isNull() ? QVariant() : QVariant(p.first));
        st.bind(2, QStringLiteral("路段") + p.first);
        st.bind(3, p.second);
        st.step();
    }
}

int countRows(Connection &c, const QString &sql)
{
    Statement st(c, sql);
    st.step();
    return sqlite3_column_int(st.get(), 0);
}
}

class TestRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        ws = std::make_unique<Workspace>();
        dm = ws->makeDataModule();
        q = dm->Query_chuzufang;
    }
    void cleanup()
    {
        ws.reset();
        dm = nullptr;
        q = nullptr;
    }

    void closedQueryRefusesWithExactMessages_data();
    void closedQueryRefusesWithExactMessages();
    void stateTransitions();
    void parametersFollowTheSqlText();
    void searchPatternNeverFindsNull();
    void typedWildcardsPassIntoThePattern();
    void registrationRefreshShowsEngineKey();
    void keysAreNeverZeroAndNeverReused();
    void setColumnErrors();
    void crossReferenceRefusesNonNumber();
    void numberTextStoredAsTyped_data();
    void numberTextStoredAsTyped();
    void deletionCursorRules();
    void deleteOnEmptyResultFails();
    void deleteWhileInsertingDropsPendingRow();
    void cursorMovePostsChangedRow();
    void cursorMoveDropsUnchangedInsert();
    void refreshFinishesPendingAndRereads();
    void refreshSeesEveryWriteSinceTheRead_data();
    void refreshSeesEveryWriteSinceTheRead();
    void lookupConversion_data();
    void lookupConversion();
    void disconnectClosesEveryTableQuery();
    void editOnEmptyResultStartsInsert();
    void failedPostKeepsBufferAndDatabase();
    void emptyCrossReferenceWrittenAsZero_data();
    void emptyCrossReferenceWrittenAsZero();
    void dateColumnConversion_data();
    void dateColumnConversion();
    void postOfVanishedRowKeepsBuffer();
    void deleteWhileEditingWritesNoChange();

private:
    std::unique_ptr<Workspace> ws;
    TDM *dm = nullptr;
    Query *q = nullptr;
};

void TestRecords::closedQueryRefusesWithExactMessages_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("message");
    const QString closed = QStringLiteral("Cannot perform this operation on a closed dataset");
    QTest::newRow("record count") << 0 << closed;
    QTest::newRow("first") << 1 << closed;
    QTest::newRow("next") << 2 << closed;
    QTest::newRow("last") << 3 << closed;
    QTest::newRow("insert") << 4 << closed;
    QTest::newRow("delete") << 5 << closed;
    QTest::newRow("refresh") << 6 << closed;
    QTest::newRow("post") << 7 << QStringLiteral("Dataset not in edit or insert mode");
}

void TestRecords::closedQueryRefusesWithExactMessages()
{
    QFETCH(int, op);
    QFETCH(QString, message);
    QVERIFY(!q->isOpen());
    const std::function<void()> ops[] = {
        [&] { q->recordCount(); }, [&] { q->first(); }, [&] { q->next(); },  [&] { q->last(); },
        [&] { q->insert(); },      [&] { q->remove(); }, [&] { q->refresh(); }, [&] { q->post(); },
    };
    QCOMPARE(errorOf(ops[op]), message);
    QVERIFY(!q->isOpen());
}

void TestRecords::stateTransitions()
{
    seedRentals(*dm->ADOConnection1, {{"城东", 0}, {"城西", 0}});
    QSignalSpy states(q, &Query::stateChanged);
    q->open();
    QCOMPARE(q->state(), QueryState::Browsing);
    QCOMPARE(q->recordCount(), 2);
    QCOMPARE(q->cursor(), 0);
    q->open();  // opening an open query does nothing
    QCOMPARE(q->recordCount(), 2);

    q->edit();
    QCOMPARE(q->state(), QueryState::Editing);
    q->setColumn(QStringLiteral("联系人"), QStringLiteral("王五"));
    q->post();
    QCOMPARE(q->state(), QueryState::Browsing);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表 where 联系人='王五'")), 1);

    q->insert();
    QCOMPARE(q->state(), QueryState::Inserting);
    QCOMPARE(q->recordCount(), 3);
    q->close();  // a pending insert is discarded
    QCOMPARE(q->state(), QueryState::Closed);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表")), 2);

    q->open();
    q->edit();
    q->setSql(QStringLiteral("select * from 出租房信息表 where 出租房号=:num"));  // replacing the text closes
    QCOMPARE(q->state(), QueryState::Closed);
    QVERIFY(states.count() >= 6);
}

void TestRecords::parametersFollowTheSqlText()
{
    q->setSql(QStringLiteral("select * from 出租房信息表 where 房产地域 like:diyu and 房产类别 like:leibie and 备注 like ':notaparam' and 房间套型 like:diyu"));
    QCOMPARE(q->parameterNames(), (QStringList{QStringLiteral("diyu"), QStringLiteral("leibie")}));
    QCOMPARE(errorOf([&] { q->bind(QStringLiteral("num"), 1); }), QStringLiteral("Parameter 'num' not found"));
    q->bind(QStringLiteral("diyu"), QStringLiteral("%%"));
    q->bind(QStringLiteral("leibie"), QStringLiteral("%%"));
    q->open();
    q->close();
    q->open();  // values survive a close and reopen
    QCOMPARE(q->parameterValue(QStringLiteral("diyu")).toString(), QStringLiteral("%%"));
    q->setSql(QStringLiteral("select * from 出租房信息表"));
    QVERIFY(q->parameterNames().isEmpty());
}

void TestRecords::searchPatternNeverFindsNull()
{
    seedRentals(*dm->ADOConnection1, {{"城东南", 0}, {QString(), 0}, {"", 0}, {"城西", 0}});
    const QString sql = QStringLiteral("select * from 出租房信息表 where 房产地域 like:diyu");
    struct Case {
        QString criterion;
        int found;
    } cases[] = {{"", 3}, {"城东", 1}, {"城", 2}, {"南", 1}, {"北", 0}};
    for (const Case &c : cases) {
        q->requery(sql, {{QStringLiteral("diyu"), QStringLiteral("%") + c.criterion + QStringLiteral("%")}});
        QVERIFY2(q->recordCount() == c.found, qPrintable(c.criterion));
    }
}

void TestRecords::typedWildcardsPassIntoThePattern()
{
    // "%" and "_" typed by the user reach the engine unchanged: both act as
    // wildcards, and nothing escapes them.
    seedRentals(*dm->ADOConnection1, {{"城东南", 0}, {"城_东", 0}, {"城西东", 0}});
    const QString sql = QStringLiteral("select * from 出租房信息表 where 房产地域 like:diyu");
    q->requery(sql, {{QStringLiteral("diyu"), QStringLiteral("%城%南%")}});
    QCOMPARE(q->recordCount(), 1);
    q->requery(sql, {{QStringLiteral("diyu"), QStringLiteral("%城_东%")}});
    QCOMPARE(q->recordCount(), 2);  // 城_东 and 城西东
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("城_东"));
}

void TestRecords::registrationRefreshShowsEngineKey()
{
    seedRentals(*dm->ADOConnection1, {{"城东", 0}});
    QSignalSpy inserted(q, &Query::rowInserted);
    q->open();
    q->insert();
    q->setColumn(QStringLiteral("房产地域"), QStringLiteral("城北"));
    q->setColumn(QStringLiteral("登记日期"), QDateTime(QDate(2005, 3, 7), QTime(21, 39, 24)));
    q->setColumn(QStringLiteral("登记日期整数"), registrationDateInteger(QDate(2005, 3, 7)));
    q->setColumn(QStringLiteral("获租人"), QStringLiteral("0"));
    q->post();
    q->refresh();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(q->cursor(), 0);  // inserted at the cursor position and kept there
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("城北"));
    const qint64 key = q->column(QStringLiteral("出租房号")).toLongLong();
    QCOMPARE(key, qint64(2));
    QCOMPARE(q->columnText(QStringLiteral("登记日期")), QStringLiteral("2005-3-7 21:39:24"));
    QCOMPARE(q->column(QStringLiteral("登记日期整数")).toLongLong(), qint64(20050307));
    QCOMPARE(q->column(QStringLiteral("获租人")).toLongLong(), qint64(0));
    QVERIFY(q->column(QStringLiteral("房产类别")).isNull());
}

void TestRecords::keysAreNeverZeroAndNeverReused()
{
    q->open();
    for (int i = 0; i < 3; ++i) {
        q->insert();
        q->setColumn(QStringLiteral("所处路段"), QString::number(i));
        q->post();
    }
    q->last();
    const qint64 lastKey = q->column(QStringLiteral("出租房号")).toLongLong();
    q->remove();
    q->insert();
    q->setColumn(QStringLiteral("所处路段"), QStringLiteral("new"));
    q->post();
    QVERIFY(q->column(QStringLiteral("出租房号")).toLongLong() > lastKey);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表 where 出租房号 <= 0")), 0);
}

void TestRecords::setColumnErrors()
{
    seedRentals(*dm->ADOConnection1, {{"城东", 0}});
    q->open();
    QCOMPARE(errorOf([&] { q->setColumn(QStringLiteral("房产地域"), QStringLiteral("x")); }),
             QStringLiteral("Dataset not in edit or insert mode"));
    q->edit();
    QCOMPARE(errorOf([&] { q->setColumn(QStringLiteral("租金单价"), QStringLiteral("x")); }),
             QStringLiteral("Field '租金单价' not found"));
    QCOMPARE(errorOf([&] { q->column(QStringLiteral("购买人")); }), QStringLiteral("Field '购买人' not found"));
}

void TestRecords::crossReferenceRefusesNonNumber()
{
    seedRentals(*dm->ADOConnection1, {{"城东", 0}});
    q->open();
    q->edit();
    q->setColumn(QStringLiteral("获租人"), QStringLiteral("abc"));
    const QString err = errorOf([&] { q->post(); });
    QVERIFY2(err.contains(QStringLiteral("获租人")), qPrintable(err));  // the engine's own message
    QCOMPARE(q->state(), QueryState::Editing);                            // the buffer stays pending
    q->setColumn(QStringLiteral("获租人"), QStringLiteral("17"));
    q->post();
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select 获租人 from 出租房信息表")), 17);
}

void TestRecords::numberTextStoredAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("plain") << QStringLiteral("35");
    QTest::newRow("leading zero") << QStringLiteral("035");
    QTest::newRow("decimal") << QStringLiteral("1500.50");
    QTest::newRow("words") << QStringLiteral("三十");
    QTest::newRow("empty") << QString(QLatin1String(""));
}

void TestRecords::numberTextStoredAsTyped()
{
    QFETCH(QString, typed);
    Query *c = dm->Query_qiouzuren;
    c->open();
    c->insert();
    c->setColumn(QStringLiteral("年龄"), typed);
    c->setColumn(QStringLiteral("已收取中介费用(元)"), typed);
    c->post();
    c->requery(QStringLiteral("select * from 求租人信息表 where 年龄 like:age"), {{QStringLiteral("age"), QStringLiteral("%") + typed + QStringLiteral("%")}});
    QCOMPARE(c->recordCount(), 1);
    QCOMPARE(c->column(QStringLiteral("年龄")).toString(), typed);
    QVERIFY(!c->column(QStringLiteral("年龄")).isNull());
    QCOMPARE(c->columnText(QStringLiteral("已收取中介费用(元)")), typed);
}

void TestRecords::deletionCursorRules()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}, {"二", 0}, {"三", 0}});
    q->open();
    q->next();
    q->remove();  // the cursor goes to the next row
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("三"));
    q->remove();  // the last row deleted: the cursor goes to the new last row
    QCOMPARE(q->recordCount(), 1);
    QCOMPARE(q->cursor(), 0);
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("一"));
    q->remove();
    QCOMPARE(q->cursor(), -1);
    QCOMPARE(q->recordCount(), 0);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表")), 0);
}

void TestRecords::deleteOnEmptyResultFails()
{
    q->open();
    QCOMPARE(errorOf([&] { q->remove(); }), QStringLiteral("Cannot perform this operation on an empty dataset"));
}

void TestRecords::deleteWhileInsertingDropsPendingRow()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}});
    q->open();
    q->insert();
    q->setColumn(QStringLiteral("房产地域"), QStringLiteral("新"));
    q->remove();
    QCOMPARE(q->state(), QueryState::Browsing);
    QCOMPARE(q->recordCount(), 1);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表")), 1);
}

void TestRecords::cursorMovePostsChangedRow()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}, {"二", 0}});
    q->open();
    q->edit();
    q->setColumn(QStringLiteral("联系电话"), QStringLiteral("13800000000"));
    q->next();
    QCOMPARE(q->state(), QueryState::Browsing);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表 where 联系电话='13800000000' and 房产地域='一'")), 1);
    q->edit();  // unchanged edit: moving drops it, nothing written
    q->first();
    QCOMPARE(q->state(), QueryState::Browsing);
}

void TestRecords::cursorMoveDropsUnchangedInsert()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}, {"二", 0}, {"三", 0}});
    q->open();
    q->next();
    q->insert();  // new row at position 1
    QCOMPARE(q->recordCount(), 4);
    q->moveTo(3);  // the row "三" before the drop
    QCOMPARE(q->recordCount(), 3);
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("三"));
}

void TestRecords::refreshFinishesPendingAndRereads()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}, {"二", 0}});
    q->open();
    q->next();
    // another connection changes the file; refresh re-reads rows we hold but fetches no new ones
    {
        Connection other;
        other.setConnectionString(recordConnectionString(ws->housePath()));
        other.connect();
        other.exec(QStringLiteral("update 出租房信息表 set 房产地域='二改' where 房产地域='二'"));
        other.exec(QStringLiteral("insert into 出租房信息表 (房产地域) values ('外来')"));
    }
    q->edit();
    q->setColumn(QStringLiteral("联系人"), QStringLiteral("张三"));
    q->refresh();
    QCOMPARE(q->state(), QueryState::Browsing);
    QCOMPARE(q->cursor(), 1);
    QCOMPARE(q->recordCount(), 2);
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("二改"));
    QCOMPARE(q->columnText(QStringLiteral("联系人")), QStringLiteral("张三"));
    q->close();
    q->open();
    QCOMPARE(q->recordCount(), 3);
}

// A refresh with nothing pending must still pick up what was written since
// the rows were read, whoever wrote it, for a whole table and for a search
// that holds a small share of it.
void TestRecords::refreshSeesEveryWriteSinceTheRead_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("narrow");
    for (const char *w : {"other connection", "other process", "other query", "plain statement", "nobody"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, whole table").arg(QLatin1String(w)))) << QString::fromLatin1(w) << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, search").arg(QLatin1String(w)))) << QString::fromLatin1(w) << true;
    }
}

void TestRecords::refreshSeesEveryWriteSinceTheRead()
{
    QFETCH(QString, writer);
    QFETCH(bool, narrow);
    QList<QPair<QString, QVariant>> rows;
    for (const char *d : {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"})
        rows << qMakePair(QString::fromUtf8(d), QVariant(0));
    seedRentals(*dm->ADOConnection1, rows);
    if (narrow)
        q->requery(QStringLiteral("select * from 出租房信息表 where 所处路段 like:luduan"),
                   {{QStringLiteral("luduan"), QStringLiteral("%路段二%")}});
    else
        q->open();
    q->moveTo(narrow ? 0 : 1);
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("二"));
    const QString update = QStringLiteral("update 出租房信息表 set 房产地域='二改' where 房产地域='二'");
    if (writer == QLatin1String("other connection")) {
        Connection other;
        other.setConnectionString(recordConnectionString(ws->housePath()));
        other.connect();
        other.exec(update);
    } else if (writer == QLatin1String("other process")) {
        if (QStandardPaths::findExecutable(QStringLiteral("sqlcipher")).isEmpty())
            QSKIP("the sqlcipher shell is not installed");
        QProcess shell;
        shell.start(QStringLiteral("sqlcipher"), {QStringLiteral("-batch"), ws->housePath()});
        shell.write((update + QStringLiteral(";\n")).toUtf8());
        shell.closeWriteChannel();
        QVERIFY(shell.waitForFinished(30000));
        QCOMPARE(shell.exitCode(), 0);
    } else if (writer == QLatin1String("other query")) {
        Query other(dm->ADOConnection1, QStringLiteral("select * from 出租房信息表 where 房产地域='二'"));
        other.open();
        other.edit();
        other.setColumn(QStringLiteral("房产地域"), QStringLiteral("二改"));
        other.post();
    } else if (writer == QLatin1String("plain statement")) {
        dm->ADOConnection1->exec(update);
    }
    QSignalSpy refreshed(q, &Query::rowsRefreshed);
    q->refresh();
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(q->columnText(QStringLiteral("房产地域")),
             writer == QLatin1String("nobody") ? QStringLiteral("二") : QStringLiteral("二改"));
    // and a second write after that refresh is seen by the next one
    dm->ADOConnection1->exec(QStringLiteral("update 出租房信息表 set 房产地域='二再改' where 所处路段='路段二'"));
    q->refresh();
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("二再改"));
}

void TestRecords::lookupConversion_data()
{
    QTest::addColumn<QString>("crossRef");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("found");
    QTest::newRow("zero") << "0" << "" << 0;
    QTest::newRow("empty as zero") << "" << "" << 0;
    QTest::newRow("real") << "1" << "" << 1;
    QTest::newRow("beyond 32 bits") << "4294967296" << "'4294967296' is not a valid integer value" << -1;
    QTest::newRow("words") << "abc" << "'abc' is not a valid integer value" << -1;
}

void TestRecords::lookupConversion()
{
    QFETCH(QString, crossRef);
    QFETCH(QString, error);
    QFETCH(int, found);
    Query *c = dm->Query_qiouzuren;
    c->open();
    c->insert();
    c->setColumn(QStringLiteral("姓名"), QStringLiteral("李四"));
    c->post();
    // the lookup closes the query first, then converts
    const QString got = errorOf([&] {
        c->close();
        c->setSql(QStringLiteral("select * from 求租人信息表 where 求租人号=:num"));
        c->bind(QStringLiteral("num"), textToInteger(crossRef.isEmpty() ? QStringLiteral("0") : crossRef));
        c->open();
    });
    if (error.isEmpty()) {
        QCOMPARE(got, QStringLiteral("<no error>"));
        QCOMPARE(c->recordCount(), found);
    } else {
        QCOMPARE(got, error);
        QVERIFY(!c->isOpen());
    }
}

void TestRecords::disconnectClosesEveryTableQuery()
{
    for (Query *t : dm->tableQueries())
        t->open();
    dm->ADOConnection1->disconnect();
    for (Query *t : dm->tableQueries())
        QVERIFY(!t->isOpen());
    dm->ADOConnection1->connect();
    for (Query *t : dm->tableQueries())
        QVERIFY(!t->isOpen());
    QVERIFY(dm->ADOQuery_admin->connection()->connected());
}

void TestRecords::editOnEmptyResultStartsInsert()
{
    q->open();
    q->edit();
    QCOMPARE(q->state(), QueryState::Inserting);
    QCOMPARE(q->recordCount(), 1);
}

void TestRecords::failedPostKeepsBufferAndDatabase()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}});
    q->open();
    q->insert();
    q->setColumn(QStringLiteral("房产地域"), QStringLiteral("二"));
    q->setColumn(QStringLiteral("获租人"), QStringLiteral("x1"));
    QVERIFY(!errorOf([&] { q->post(); }).isEmpty());
    QCOMPARE(q->state(), QueryState::Inserting);
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("二"));
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表")), 1);
}

// A bound edit emptied by the user writes an empty text; the cross-reference
// then holds 0 ("none"), whichever way the row is posted.
void TestRecords::emptyCrossReferenceWrittenAsZero_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    const struct {
        const char *table, *column;
    } refs[] = {{"出租房信息表", "获租人"}, {"出售房信息表", "购买人"}, {"求租人信息表", "现租住房号"}, {"求购人信息表", "现已购买的房号"}};
    for (const auto &r : refs)
        QTest::newRow(r.column) << QString::fromUtf8(r.table) << QString::fromUtf8(r.column);
}

void TestRecords::emptyCrossReferenceWrittenAsZero()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    Query c(dm->ADOConnection1, QStringLiteral("select * from ") + table);
    c.open();
    c.insert();
    c.setColumn(column, 5);
    c.post();
    c.insert();
    c.setColumn(column, 7);
    c.post();
    c.first();
    c.edit();
    c.setColumn(column, QString(QLatin1String("")));
    c.next();  // the cursor move posts the emptied value
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from %1 where %2 = 0 and typeof(%2) = 'integer'").arg(table, column)), 1);
    c.first();
    QCOMPARE(c.columnText(column), QStringLiteral("0"));
}

// A date column takes dates, date/times and text in the stored form; an empty
// value is null, and text that is no date is refused before anything is written.
void TestRecords::dateColumnConversion_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("stored");   // "<null>" for null
    QTest::newRow("date and time") << QVariant(QDateTime(QDate(2005, 3, 7), QTime(21, 39, 24))) << "" << "2005-03-07 21:39:24";
    QTest::newRow("date only") << QVariant(QDate(2005, 10, 1)) << "" << "2005-10-01 00:00:00";
    QTest::newRow("stored form") << QVariant(QStringLiteral("2004-02-05 08:05:00")) << "" << "2004-02-05 08:05:00";
    QTest::newRow("shown form") << QVariant(QStringLiteral("2004-2-5 8:05:00")) << "" << "2004-02-05 08:05:00";
    QTest::newRow("shown date") << QVariant(QStringLiteral("2005-3-7")) << "" << "2005-03-07 00:00:00";
    QTest::newRow("empty text") << QVariant(QString(QLatin1String(""))) << "" << "<null>";
    QTest::newRow("invalid date/time") << QVariant(QDateTime()) << "" << "<null>";
    QTest::newRow("invalid date") << QVariant(QDate()) << "" << "<null>";
    QTest::newRow("words") << QVariant(QStringLiteral("明天")) << "'明天' is not a valid date and time" << "2001-01-01 00:00:00";
    QTest::newRow("half a date") << QVariant(QStringLiteral("2005-13-40")) << "'2005-13-40' is not a valid date and time" << "2001-01-01 00:00:00";
}

void TestRecords::dateColumnConversion()
{
    QFETCH(QVariant, value);
    QFETCH(QString, error);
    QFETCH(QString, stored);
    dm->ADOConnection1->exec(QStringLiteral("insert into 出租房信息表 (登记日期) values ('2001-01-01 00:00:00')"));
    q->open();
    q->edit();
    QCOMPARE(errorOf([&] { q->setColumn(QStringLiteral("登记日期"), value); }), error.isEmpty() ? QStringLiteral("<no error>") : error);
    q->post();
    Statement st(*dm->ADOConnection1, QStringLiteral("select 登记日期 from 出租房信息表"));
    QVERIFY(st.step());
    const QString got = sqlite3_column_type(st.get(), 0) == SQLITE_NULL
                            ? QStringLiteral("<null>")
                            : QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.get(), 0)));
    QCOMPARE(got, stored);
}

// Another connection deletes the row being edited: the post fails, writes
// nothing, and the typed values stay pending until the user drops them.
void TestRecords::postOfVanishedRowKeepsBuffer()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}, {"二", 0}});
    q->open();
    q->edit();
    q->setColumn(QStringLiteral("联系人"), QStringLiteral("张三"));
    {
        Connection other;
        other.setConnectionString(recordConnectionString(ws->housePath()));
        other.connect();
        other.exec(QStringLiteral("delete from 出租房信息表 where 房产地域='一'"));
    }
    QVERIFY(errorOf([&] { q->post(); }).startsWith(QStringLiteral("Row cannot be located")));
    QCOMPARE(q->state(), QueryState::Editing);
    QCOMPARE(q->columnText(QStringLiteral("联系人")), QStringLiteral("张三"));
    QVERIFY(errorOf([&] { q->next(); }).startsWith(QStringLiteral("Row cannot be located")));
    QVERIFY(errorOf([&] { q->refresh(); }).startsWith(QStringLiteral("Row cannot be located")));
    QCOMPARE(q->cursor(), 0);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表 where 联系人='张三'")), 0);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表")), 1);
    q->close();
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表 where 联系人='张三'")), 0);
}

// Deleting the row being edited removes it; the pending change is not written
// to any other row.
void TestRecords::deleteWhileEditingWritesNoChange()
{
    seedRentals(*dm->ADOConnection1, {{"一", 0}, {"二", 0}, {"三", 0}});
    q->open();
    q->next();
    q->edit();
    q->setColumn(QStringLiteral("联系人"), QStringLiteral("张三"));
    q->remove();
    QCOMPARE(q->state(), QueryState::Browsing);
    QCOMPARE(q->columnText(QStringLiteral("房产地域")), QStringLiteral("三"));
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表 where 房产地域='二'")), 0);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表 where 联系人='张三'")), 0);
    QCOMPARE(countRows(*dm->ADOConnection1, QStringLiteral("select count(*) from 出租房信息表")), 2);
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
