// The ground under every screen: the shipped database files, the data
// module's connections, durability of posted changes, the date helpers,
// the error guard, settings files and file copies.
#include "data/dm.h"
#include "data/engine.h"
#include "data/password.h"
#include "data/schema.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/profile.h"
#include "platform/session.h"
#include "tests/support/harness.h"

#include <sqlcipher/sqlite3.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QString runShell(const QString &db, const QString &input, int *exitCode = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("sqlcipher"), {QStringLiteral("-batch"), db});
    p.write(input.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(30000);
    if (exitCode)
        *exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput()) + QString::fromUtf8(p.readAllStandardError());
}
}

class TestGround : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shippedRecordDatabaseHoldsTheSchema();
    void shippedAdminDatabaseNeedsItsKey();
    void missingAdminDatabaseGivesOneErrorBox();
    void missingRecordDatabaseGivesOneErrorBox();
    void unreadableAdminDatabaseReportedOnce_data();
    void unreadableAdminDatabaseReportedOnce();
    void queriesStartClosedWithDefaultSql();
    void pathsComeFromExecutableFolder();
    void postedChangesSurviveAKill();
    void registrationDateInteger_data();
    void registrationDateInteger();
    void displayForm_data();
    void displayForm();
    void guardShowsDefaultErrorBox_data();
    void guardShowsDefaultErrorBox();
    void profileWriteKeepsOtherLines();
    void copyFileReplacesTarget();
    void passwordHashAndPlainText_data();
    void passwordHashAndPlainText();
};

void TestGround::shippedRecordDatabaseHoldsTheSchema()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlcipher")).isEmpty())
        QSKIP("the sqlcipher shell is not installed");
    const QString db = shippedDataFolder() + QStringLiteral("/house.mdb");
    const QString tables = runShell(db, QStringLiteral(
        "select name from sqlite_master where type='table' and name not like 'sqlite_%' order by name;\n"));
    QCOMPARE(tables.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             (QStringList{QStringLiteral("出售房信息表"), QStringLiteral("出租房信息表"), QStringLiteral("求租人信息表"),
                          QStringLiteral("求购人信息表")}));
    for (const TableDef *t : schema::recordTables()) {
        const QString fallback = runShell(db, QStringLiteral("PRAGMA table_info('%1');\n").arg(QString::fromUtf8(t->name)));
        QStringList names;
        for (const QString &line : fallback.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            names << line.section(QLatin1Char('|'), 1, 1);
        QCOMPARE(names, t->columnNames());
        QCOMPARE(runShell(db, QStringLiteral("select count(*) from %1;\n").arg(QString::fromUtf8(t->name))).trimmed(), QStringLiteral("0"));
    }
    // the rent-seeker table has the 26 columns the screens use
    QCOMPARE(schema::rentSeekers().columns.size(), size_t(26));
    QCOMPARE(schema::buyers().columns.size(), size_t(22));
}

void TestGround::shippedAdminDatabaseNeedsItsKey()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlcipher")).isEmpty())
        QSKIP("the sqlcipher shell is not installed");
    const QString db = shippedDataFolder() + QStringLiteral("/admin.mdb");
    const QString without = runShell(db, QStringLiteral("select 用户名 from 管理员表;\n"));
    QVERIFY2(without.contains(QStringLiteral("not a database")), qPrintable(without));
    const QString with = runShell(db, QStringLiteral("PRAGMA key='qrvemplotarsin';\nselect 用户名, 密码 from 管理员表;\n"));
    QVERIFY2(with.startsWith(QStringLiteral("admin|pbkdf2-sha256$")), qPrintable(with));
    const QString stored = with.trimmed().section(QLatin1Char('|'), 1);
    QVERIFY(passwordMatches(stored, firstAdminPassword()));
    const QString wrongKey = runShell(db, QStringLiteral("PRAGMA key='qrvemplotarsim';\nselect 用户名 from 管理员表;\n"));
    QVERIFY(!wrongKey.contains(QStringLiteral("admin")));
}

void TestGround::missingAdminDatabaseGivesOneErrorBox()
{
    BoxScript boxes;
    setApplicationTitle(QStringLiteral("Velmoria"));
    Workspace ws(true, false);
    TDM *dm = ws.makeDataModule();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Velmoria"));
    QCOMPARE(boxes.boxes[0].icon, BoxIcon::Stop);
    QVERIFY(boxes.boxes[0].text.endsWith(QLatin1Char('.')));
    QVERIFY(boxes.boxes[0].text.contains(QStringLiteral("admin.mdb")));
    // the record tables work
    dm->Query_chuzufang->open();
    dm->Query_chuzufang->insert();
    dm->Query_chuzufang->setColumn(QStringLiteral("所处路段"), QStringLiteral("人民路"));
    dm->Query_chuzufang->post();
    QCOMPARE(dm->Query_chuzufang->recordCount(), 1);
    // the administrator row cannot be read: a database error every time
    dm->ADOQuery_admin->setSql(QStringLiteral("select * from 管理员表 where 用户名=:name"));
    dm->ADOQuery_admin->bind(QStringLiteral("name"), QStringLiteral("admin"));
    QVERIFY(!runGuarded([&] { dm->ADOQuery_admin->open(); }));
    QVERIFY(!runGuarded([&] { dm->ADOQuery_admin->open(); }));
    QCOMPARE(boxes.boxes.size(), 3);
}

void TestGround::missingRecordDatabaseGivesOneErrorBox()
{
    BoxScript boxes;
    Workspace ws(false, true);
    TDM *dm = ws.makeDataModule();
    QCOMPARE(boxes.boxes.size(), 1);
    QVERIFY(!dm->ADOConnection1->connected());
    QVERIFY(!dm->connect_admin->connected());  // the rest of the handler was skipped
    QVERIFY(!runGuarded([&] { dm->Query_chushoufang->open(); }));
    QVERIFY(!QFile::exists(ws.housePath()));   // the engine never creates the file
}

void TestGround::unreadableAdminDatabaseReportedOnce_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("not a database") << QByteArray(8192, 'z');
    QTest::newRow("unkeyed copy of the record database") << QByteArray();
}

// The keyed file is opened beside the start-up; a file that the key does not
// open is reported once when the start-up collects it, and the record tables
// work on.
void TestGround::unreadableAdminDatabaseReportedOnce()
{
    QFETCH(QByteArray, contents);
    BoxScript boxes;
    Workspace ws;
    QFile::remove(ws.adminPath());
    if (contents.isEmpty()) {
        QVERIFY(QFile::copy(ws.housePath(), ws.adminPath()));
    } else {
        QFile f(ws.adminPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    TDM *dm = ws.makeDataModule();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("file is encrypted or is not a database."));
    QVERIFY(dm->ADOConnection1->connected());
    QVERIFY(!dm->connect_admin->connected());
    dm->Query_chuzufang->open();
    QCOMPARE(dm->Query_chuzufang->recordCount(), 0);
    // every later use of the administrator database fails the same way
    QVERIFY(!runGuarded([&] { dm->ADOQuery_admin->open(); }));
    QCOMPARE(boxes.boxes.size(), 2);
    QCOMPARE(boxes.boxes[1].text, boxes.boxes[0].text);
}

void TestGround::queriesStartClosedWithDefaultSql()
{
    Workspace ws;
    TDM *dm = ws.makeDataModule();
    const QList<QPair<Query *, QString>> expected = {
        {dm->Query_chushoufang, QStringLiteral("select * from 出售房信息表")},
        {dm->Query_chuzufang, QStringLiteral("select * from 出租房信息表")},
        {dm->Query_qiougouren, QStringLiteral("select * from 求购人信息表")},
        {dm->Query_qiouzuren, QStringLiteral("select * from 求租人信息表")},
        {dm->ADOQuery_admin, QStringLiteral("select * from 管理员表")},
    };
    for (const auto &e : expected) {
        QVERIFY(!e.first->isOpen());
        QCOMPARE(e.first->sql(), e.second);
    }
    QVERIFY(dm->ADOConnection1->connected());
    QVERIFY(dm->connect_admin->connected());
    QStringList order;
    for (QObject *o : dm->children())
        order << o->objectName();
    QCOMPARE(order, (QStringList{"ADOConnection1", "Query_chushoufang", "ds_chushoufang", "Query_chuzufang",
                                 "ds_chuzufang", "Query_qiougouren", "ds_qiougouren", "Query_qiouzuren",
                                 "ds_qiouzuren", "connect_admin", "ADOQuery_admin"}));
}

void TestGround::pathsComeFromExecutableFolder()
{
    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    const QString folder = executableFolder();
    QDir::setCurrent(before);
    QVERIFY(folder.endsWith(QLatin1Char('/')));
    QVERIFY(QDir::isAbsolutePath(folder));
    QCOMPARE(QDir(folder).canonicalPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

// A child process posts rows through the record layer and reports each post
// that returned; it is killed at an arbitrary moment. Every reported row must
// be in the file, and the file must be intact.
void TestGround::postedChangesSurviveAKill()
{
    Workspace ws;
    for (int round = 0; round < 3; ++round) {
        int fds[2];
        QVERIFY(pipe(fds) == 0);
        const pid_t pid = fork();
        if (pid == 0) {
            ::close(fds[0]);
            Connection c;
            c.setConnectionString(recordConnectionString(ws.housePath()));
            c.connect();
            Query q(&c, QStringLiteral("select * from 出租房信息表"));
            q.open();
            for (int i = 0;; ++i) {
                q.insert();
                q.setColumn(QStringLiteral("所处路段"), QStringLiteral("r%1-%2").arg(round).arg(i));
                q.setColumn(QStringLiteral("备注"), QString(200, QLatin1Char('x')));
                q.post();
                const char b = 1;
                if (write(fds[1], &b, 1) != 1)
                    _exit(1);
            }
        }
        ::close(fds[1]);
        QTest::qWait(150 + 97 * round);
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        int reported = 0;
        char buf[4096];
        ssize_t n;
        while ((n = read(fds[0], buf, sizeof buf)) > 0)
            reported += int(n);
        ::close(fds[0]);
        QVERIFY(reported > 0);

        Connection c;
        c.setConnectionString(recordConnectionString(ws.housePath()));
        c.connect();
        Statement check(c, QStringLiteral("PRAGMA integrity_check"));
        QVERIFY(check.step());
        QCOMPARE(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check.get(), 0))), QStringLiteral("ok"));
        Statement count(c, QStringLiteral("select count(*) from 出租房信息表 where 所处路段 like ?"));
        count.bind(1, QStringLiteral("r%1-%").arg(round));
        QVERIFY(count.step());
        const int stored = sqlite3_column_int(count.get(), 0);
        QVERIFY2(stored >= reported && stored <= reported + 1,
                 qPrintable(QStringLiteral("reported %1, stored %2").arg(reported).arg(stored)));
    }
}

void TestGround::registrationDateInteger_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("expected");
    QTest::newRow("2005-3-7") << QDate(2005, 3, 7) << 20050307;
    QTest::newRow("2005-10-1") << QDate(2005, 10, 1) << 200501001;
    QTest::newRow("2005-12-25") << QDate(2005, 12, 25) << 2005012025;
    QTest::newRow("2005-3-25") << QDate(2005, 3, 25) << 200503025;
    QTest::newRow("2004-2-2") << QDate(2004, 2, 2) << 20040202;
}

void TestGround::registrationDateInteger()
{
    QFETCH(QDate, date);
    QFETCH(int, expected);
    QCOMPARE(::registrationDateInteger(date), expected);
}

void TestGround::displayForm_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("date with time") << QVariant(QDateTime(QDate(2005, 3, 7), QTime(21, 39, 24))) << "2005-3-7 21:39:24";
    QTest::newRow("midnight") << QVariant(QDateTime(QDate(2005, 10, 1), QTime(0, 0))) << "2005-10-1";
    QTest::newRow("morning") << QVariant(QDateTime(QDate(2004, 2, 5), QTime(8, 5, 0))) << "2004-2-5 8:05:00";
    QTest::newRow("null") << QVariant() << "";
    QTest::newRow("integer") << QVariant(qlonglong(20050307)) << "20050307";
    QTest::newRow("text") << QVariant(QStringLiteral("元/月")) << "元/月";
}

void TestGround::displayForm()
{
    QFETCH(QVariant, value);
    QFETCH(QString, shown);
    QCOMPARE(Query::displayForm(value), shown);
}

void TestGround::guardShowsDefaultErrorBox_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no stop") << "Cannot perform this operation on a closed dataset" << "Cannot perform this operation on a closed dataset.";
    QTest::newRow("has stop") << "Row cannot be located." << "Row cannot be located.";
}

void TestGround::guardShowsDefaultErrorBox()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    BoxScript boxes;
    setApplicationTitle(QStringLiteral("Velmoria"));
    bool after = false;
    QVERIFY(!runGuarded([&] {
        raiseError(message);
        after = true;
    }));
    QVERIFY(!after);
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Velmoria"));
    QCOMPARE(boxes.boxes[0].text, shown);
    QCOMPARE(boxes.boxes[0].icon, BoxIcon::Stop);
    QCOMPARE(boxes.boxes[0].buttons, BoxButtons::Ok);
    // a standard exception is caught the same way
    QVERIFY(!runGuarded([] { throw std::runtime_error("boom"); }));
    QCOMPARE(boxes.boxes.last().text, QStringLiteral("boom."));
}

void TestGround::profileWriteKeepsOtherLines()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("option.ini"));
    QCOMPARE(readProfileString(ini, QStringLiteral("radio_button"), QStringLiteral("value"), QStringLiteral("none")), QStringLiteral("none"));
    QVERIFY(writeProfileString(ini, QStringLiteral("radio_button"), QStringLiteral("value"), QStringLiteral("begin")));
    QCOMPARE(readProfileString(ini, QStringLiteral("radio_button"), QStringLiteral("value"), QStringLiteral("none")), QStringLiteral("begin"));
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; remark\r\n[other]\r\nvalue=keep\r\n\r\n[radio_button]\r\nextra = 1\r\nvalue=begin\r\n[last]\r\nx=y\r\n");
    }
    QVERIFY(writeProfileString(ini, QStringLiteral("radio_button"), QStringLiteral("value"), QStringLiteral("end")));
    QVERIFY(writeProfileString(ini, QStringLiteral("last"), QStringLiteral("new"), QStringLiteral("z")));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()),
             QStringLiteral("; remark\r\n[other]\r\nvalue=keep\r\n\r\n[radio_button]\r\nextra = 1\r\nvalue=end\r\n[last]\r\nx=y\r\nnew=z\r\n"));
    QCOMPARE(readProfileString(ini, QStringLiteral("other"), QStringLiteral("value"), QString()), QStringLiteral("keep"));
}

void TestGround::copyFileReplacesTarget()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    QFile fa(a);
    QVERIFY(fa.open(QIODevice::WriteOnly));
    fa.write(QByteArray(300000, 'a'));
    fa.close();
    QFile fb(b);
    QVERIFY(fb.open(QIODevice::WriteOnly));
    fb.write("old contents that are longer than nothing");
    fb.close();
    QVERIFY(copyFile(a, b));
    QCOMPARE(QFileInfo(b).size(), qint64(300000));
    QVERIFY(!copyFile(dir.filePath(QStringLiteral("missing")), b));
    QCOMPARE(QFileInfo(b).size(), qint64(300000));  // a failed copy leaves the target alone
    QVERIFY(!copyFile(a, dir.filePath(QStringLiteral("no/such/folder/b"))));
}

void TestGround::passwordHashAndPlainText_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");
    const QString h = hashPassword(QStringLiteral("Secret"));
    QTest::newRow("hash right") << QVariant(h) << "Secret" << true;
    QTest::newRow("hash case differs") << QVariant(h) << "secret" << false;
    QTest::newRow("hash empty typed") << QVariant(h) << "" << false;
    QTest::newRow("hash of empty") << QVariant(hashPassword(QString())) << "" << true;
    QTest::newRow("plain right") << QVariant(QStringLiteral("abc")) << "abc" << true;
    QTest::newRow("plain case") << QVariant(QStringLiteral("abc")) << "ABC" << false;
    QTest::newRow("plain empty") << QVariant(QString(QLatin1String(""))) << "" << true;
    QTest::newRow("null refuses") << QVariant() << "" << false;
}

void TestGround::passwordHashAndPlainText()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    QCOMPARE(passwordMatches(stored, typed), matches);
}

QTEST_MAIN(TestGround)
#include "tst_ground.moc"
