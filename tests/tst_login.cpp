// The login dialog: the user list, the password edit, sign-in with both
// outcomes and every message, the title-bar close and a missing database.
#include "app/logon.h"
#include "data/password.h"
#include "platform/session.h"
#include "tests/support/harness.h"
#include "tests/support/startup_run.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const QString kWrongPassword = QStringLiteral("密码错误！如果仍出现此情况请与系统管理员联系！");

// The dialog as start-up leaves it, over a fresh copy of the databases.
struct LoginFixture {
    explicit LoginFixture(bool withAdmin = true) : ws(true, withAdmin)
    {
        ws.makeDataModule();
        dialog.FormCreate();
        dialog.show();
    }
    // Replaces the stored administrator password, as a database tool would.
    void setStored(const QString &sqlValue)
    {
        DM->connect_admin->exec(QStringLiteral("update 管理员表 set 密码=%1 where 用户名='admin'").arg(sqlValue));
    }
    void clickOk() { QTest::mouseClick(dialog.Button_ok, Qt::LeftButton); }
    Workspace ws;
    Tform_logon dialog;
};
}

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void init() { session::setUserRole(2); }
    void createHandlerSetsRoleZero();
    void controlsAndTabOrder();
    void okWithNothingSelected();
    void ordinaryUserDisablesPasswordEdit();
    void administratorPassword_data();
    void administratorPassword();
    void ordinaryUserIgnoresPassword();
    void titleBarCloseKeepsRoleZero();
    void missingAdministratorDatabase();
};

void TestLogin::createHandlerSetsRoleZero()
{
    LoginFixture f;
    QCOMPARE(session::userRole(), 0);
}

void TestLogin::controlsAndTabOrder()
{
    LoginFixture f;
    Tform_logon &d = f.dialog;
    QCOMPARE(d.windowTitle(), QStringLiteral("登陆系统"));
    QCOMPARE(d.ComboBox_user->currentIndex(), -1);
    QVERIFY(!d.ComboBox_user->isEditable());
    QCOMPARE(d.ComboBox_user->count(), 2);
    QCOMPARE(d.ComboBox_user->itemText(0), QStringLiteral("系统管理员"));
    QCOMPARE(d.ComboBox_user->itemText(1), QStringLiteral("普通用户"));
    QVERIFY(d.edit_password->isEnabled());
    // Every typed character shows as "*".
    QTest::keyClicks(d.edit_password, QStringLiteral("ab1"));
    QCOMPARE(d.edit_password->displayText(), QStringLiteral("***"));
    // Tab order: OK, exit, password, user list.
    QWidget *order[] = {d.Button_ok, d.button_cancel, d.edit_password, d.ComboBox_user};
    for (int i = 0; i + 1 < 4; ++i) {
        QWidget *next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i + 1]);
    }
}

void TestLogin::okWithNothingSelected()
{
    LoginFixture f;
    BoxScript boxes;
    f.clickOk();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0], informationBox(QStringLiteral("form_logon"), QStringLiteral("提示"),
                                            QStringLiteral("至少要选一中用户类型!")));
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(session::userRole(), 0);
    // The admin query was not touched.
    QVERIFY(!DM->ADOQuery_admin->isOpen());
}

void TestLogin::ordinaryUserDisablesPasswordEdit()
{
    LoginFixture f;
    chooseUser(&f.dialog, QStringLiteral("系统管理员"));
    QTest::keyClicks(f.dialog.edit_password, QStringLiteral("Kept"));
    chooseUser(&f.dialog, QStringLiteral("普通用户"));
    QVERIFY(!f.dialog.edit_password->isEnabled());
    QCOMPARE(f.dialog.edit_password->text(), QStringLiteral("Kept"));
    chooseUser(&f.dialog, QStringLiteral("系统管理员"));
    QVERIFY(f.dialog.edit_password->isEnabled());
    QCOMPARE(f.dialog.edit_password->text(), QStringLiteral("Kept"));
}

void TestLogin::administratorPassword_data()
{
    QTest::addColumn<QString>("stored");   // SQL value; empty: the shipped hash
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("signsIn");
    QTest::newRow("shipped, right") << "" << "velmoria" << true;
    QTest::newRow("shipped, other case") << "" << "Velmoria" << false;
    QTest::newRow("shipped, empty") << "" << "" << false;
    QTest::newRow("shipped, longer") << "" << "velmoria " << false;
    QTest::newRow("plain text by hand, right") << "'Secret'" << "Secret" << true;
    QTest::newRow("plain text by hand, other case") << "'Secret'" << "secret" << false;
    QTest::newRow("empty text, empty edit") << "''" << "" << true;
    QTest::newRow("empty text, typed") << "''" << "x" << false;
    QTest::newRow("null, empty edit") << "NULL" << "" << false;
    QTest::newRow("hash of empty, empty edit") << "hash:" << "" << true;
    QTest::newRow("hash of 中文密码") << "hash:中文密码" << "中文密码" << true;
    QTest::newRow("looks like a hash, plain compare")
        << "'pbkdf2-sha256$x$y$z'" << "pbkdf2-sha256$x$y$z" << true;
}

void TestLogin::administratorPassword()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, signsIn);
    LoginFixture f;
    if (stored.startsWith(QLatin1String("hash:")))
        f.setStored(QLatin1Char('\'') + hashPassword(stored.mid(5)) + QLatin1Char('\''));
    else if (!stored.isEmpty())
        f.setStored(stored);
    BoxScript boxes;
    loginAsAdministrator(&f.dialog, typed);
    if (signsIn) {
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(session::userRole(), 1);
        QVERIFY(!f.dialog.isVisible());
    } else {
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0], informationBox(QStringLiteral("form_logon"), QStringLiteral("提示"), kWrongPassword));
        QCOMPARE(session::userRole(), 0);
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialog.edit_password->text(), typed);
    }
    // The admin query is left open with the sign-in's text and parameter.
    QVERIFY(DM->ADOQuery_admin->isOpen());
    QCOMPARE(DM->ADOQuery_admin->sql(), QStringLiteral("select * from 管理员表 where 用户名=:name"));
    QCOMPARE(DM->ADOQuery_admin->parameterValue(QStringLiteral("name")).toString(), QStringLiteral("admin"));
}

void TestLogin::ordinaryUserIgnoresPassword()
{
    LoginFixture f;
    // Even without any administrator row the ordinary login works.
    DM->connect_admin->exec(QStringLiteral("delete from 管理员表"));
    BoxScript boxes;
    loginAsAdministrator(&f.dialog, QString());
    QCOMPARE(boxes.texts(), QStringList{kWrongPassword});
    boxes.clear();
    QTest::keyClicks(f.dialog.edit_password, QStringLiteral("anything"));
    loginAsOrdinaryUser(&f.dialog);
    QVERIFY(boxes.boxes.isEmpty());
    QCOMPARE(session::userRole(), 2);
    QVERIFY(!f.dialog.isVisible());
}

void TestLogin::titleBarCloseKeepsRoleZero()
{
    LoginFixture f;
    BoxScript boxes;
    chooseUser(&f.dialog, QStringLiteral("系统管理员"));
    QTest::keyClicks(f.dialog.edit_password, QStringLiteral("velmoria"));
    QVERIFY(f.dialog.close());
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(session::userRole(), 0);
    // Every gate then refuses, as for an ordinary user.
    QVERIFY(!session::permitted(&f.dialog));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("你没有此操作的权限！如仍出现此情况,请与系统管理员联系。")});
}

void TestLogin::missingAdministratorDatabase()
{
    BoxScript boxes;
    LoginFixture f(false);
    boxes.clear();   // the data module's own error at its creation
    loginAsAdministrator(&f.dialog, QStringLiteral("velmoria"));
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].caption, applicationTitle());
    QCOMPARE(boxes.boxes[0].icon, BoxIcon::Stop);
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(session::userRole(), 0);
    boxes.clear();
    loginAsOrdinaryUser(&f.dialog);
    QVERIFY(boxes.boxes.isEmpty());
    QCOMPARE(session::userRole(), 2);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
