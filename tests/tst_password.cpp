// The administrator password change: the checks and their messages, the
// stored hash form, the focus highlight and the edits emptied at closing.
#include "app/change_password.h"
#include "app/logon.h"
#include "data/password.h"
#include "platform/session.h"
#include "tests/support/harness.h"
#include "tests/support/startup_run.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const QString kChanged = QStringLiteral("密码修改成功,请牢记！");
const QString kWrongOld = QStringLiteral("密码不对！");
const QString kDiffer = QStringLiteral("两次输入密码不同！请小心仔细重新输入.");

struct PasswordFixture {
    PasswordFixture()
    {
        ws.makeDataModule();
        dialog.show();
    }
    // The stored value, read apart from the dialog's query.
    QVariant stored()
    {
        Query q(DM->connect_admin, QStringLiteral("select * from 管理员表 where 用户名='admin'"));
        q.open();
        return q.column(QStringLiteral("密码"));
    }
    void setStored(const QString &sqlValue)
    {
        DM->connect_admin->exec(QStringLiteral("update 管理员表 set 密码=%1 where 用户名='admin'").arg(sqlValue));
    }
    void enter(const QString &old, const QString &n1, const QString &n2)
    {
        dialog.edit_old_password->clear();
        dialog.edit_new_password->clear();
        dialog.edit_new_password2->clear();
        typeText(dialog.edit_old_password, old);
        typeText(dialog.edit_new_password, n1);
        typeText(dialog.edit_new_password2, n2);
    }
    void clickOk() { QTest::mouseClick(dialog.suiButton1, Qt::LeftButton); }
    // A login as administrator with this password on a fresh login dialog.
    bool adminLoginWorks(const QString &password)
    {
        BoxScript quiet;
        Tform_logon logon;
        logon.FormCreate();
        logon.show();
        loginAsAdministrator(&logon, password);
        return session::userRole() == 1;
    }
    Workspace ws;
    Tform_change_password dialog;
};
}

class TestPassword : public QObject {
    Q_OBJECT
private slots:
    void shippedPasswordIsHashed();
    void change_data();
    void change();
    void secondPressWithSameEntriesIsRefused();
    void emptyNewPasswordThenEmptyLogin();
    void failedWriteKeepsTheOldPassword();
    void closingEmptiesTheEdits_data();
    void closingEmptiesTheEdits();
    void focusHighlight_data();
    void focusHighlight();
    void controlsAndTabOrder();
};

void TestPassword::shippedPasswordIsHashed()
{
    PasswordFixture f;
    const QString s = f.stored().toString();
    QVERIFY(isPasswordHash(s));
    QVERIFY(!s.contains(firstAdminPassword()));
    QVERIFY(passwordMatches(s, firstAdminPassword()));
}

void TestPassword::change_data()
{
    QTest::addColumn<QString>("stored");   // SQL value; empty: the shipped hash
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("new1");
    QTest::addColumn<QString>("new2");
    QTest::addColumn<QString>("message");
    QTest::newRow("right old, same new") << "" << "velmoria" << "n3w-Pass" << "n3w-Pass" << kChanged;
    QTest::newRow("old in other case") << "" << "VELMORIA" << "a" << "a" << kWrongOld;
    QTest::newRow("wrong old, new differ") << "" << "nope" << "a" << "b" << kWrongOld;
    QTest::newRow("right old, new differ") << "" << "velmoria" << "abc" << "abC" << kDiffer;
    QTest::newRow("plain text set by hand") << "'Secret'" << "Secret" << "next" << "next" << kChanged;
    QTest::newRow("plain text, other case") << "'Secret'" << "secret" << "next" << "next" << kWrongOld;
    QTest::newRow("stored null") << "NULL" << "" << "x" << "x" << kWrongOld;
    QTest::newRow("no administrator row") << "-" << "" << "x" << "x" << kWrongOld;
    QTest::newRow("chinese new password") << "" << "velmoria" << "房屋中介" << "房屋中介" << kChanged;
}

void TestPassword::change()
{
    QFETCH(QString, stored);
    QFETCH(QString, old);
    QFETCH(QString, new1);
    QFETCH(QString, new2);
    QFETCH(QString, message);
    PasswordFixture f;
    if (stored == QLatin1String("-"))
        DM->connect_admin->exec(QStringLiteral("delete from 管理员表"));
    else if (!stored.isEmpty())
        f.setStored(stored);
    const QVariant before = f.stored();
    BoxScript boxes;
    f.enter(old, new1, new2);
    f.clickOk();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0], informationBox(QStringLiteral("form_change_password"), QStringLiteral("提示"), message));
    // The edits keep their text after every outcome.
    QCOMPARE(f.dialog.edit_old_password->text(), old);
    QCOMPARE(f.dialog.edit_new_password->text(), new1);
    QCOMPARE(f.dialog.edit_new_password2->text(), new2);
    // The admin query stays open with the text and parameter of the read.
    QVERIFY(DM->ADOQuery_admin->isOpen());
    QCOMPARE(DM->ADOQuery_admin->sql(), QStringLiteral("select * from 管理员表 where 用户名=:mima"));
    QCOMPARE(DM->ADOQuery_admin->parameterValue(QStringLiteral("mima")).toString(), QStringLiteral("admin"));
    if (message == kChanged) {
        const QString now = f.stored().toString();
        QVERIFY(isPasswordHash(now));
        QVERIFY(passwordMatches(now, new1));
        QVERIFY(!passwordMatches(now, old));
        QVERIFY(f.adminLoginWorks(new1));
    } else {
        QCOMPARE(f.stored(), before);
    }
}

void TestPassword::secondPressWithSameEntriesIsRefused()
{
    PasswordFixture f;
    BoxScript boxes;
    f.enter(QStringLiteral("velmoria"), QStringLiteral("other"), QStringLiteral("other"));
    f.clickOk();
    f.clickOk();
    QCOMPARE(boxes.texts(), (QStringList{kChanged, kWrongOld}));
    QVERIFY(passwordMatches(f.stored(), QStringLiteral("other")));
}

void TestPassword::emptyNewPasswordThenEmptyLogin()
{
    PasswordFixture f;
    BoxScript boxes;
    f.enter(QStringLiteral("velmoria"), QString(), QString());
    f.clickOk();
    QCOMPARE(boxes.texts(), QStringList{kChanged});
    QVERIFY(passwordMatches(f.stored(), QString()));
    QVERIFY(f.adminLoginWorks(QString()));
    QVERIFY(!f.adminLoginWorks(QStringLiteral("velmoria")));
}

void TestPassword::failedWriteKeepsTheOldPassword()
{
    PasswordFixture f;
    // The engine refuses every change of the administrator row.
    DM->connect_admin->exec(QStringLiteral("create trigger refuse before update on 管理员表 "
                                           "begin select raise(abort, 'attempt to write a readonly database'); end"));
    const QVariant before = f.stored();
    BoxScript boxes;
    f.enter(QStringLiteral("velmoria"), QStringLiteral("new"), QStringLiteral("new"));
    f.clickOk();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].caption, applicationTitle());
    QCOMPARE(boxes.boxes[0].icon, BoxIcon::Stop);
    QVERIFY(boxes.boxes[0].text.contains(QStringLiteral("readonly")));
    QCOMPARE(f.stored(), before);
    QVERIFY(f.adminLoginWorks(QStringLiteral("velmoria")));
}

void TestPassword::closingEmptiesTheEdits_data()
{
    QTest::addColumn<bool>("withButton");
    QTest::newRow("关闭 button") << true;
    QTest::newRow("title bar") << false;
}

void TestPassword::closingEmptiesTheEdits()
{
    QFETCH(bool, withButton);
    PasswordFixture f;
    f.enter(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    if (withButton)
        QTest::mouseClick(f.dialog.suiButton2, Qt::LeftButton);
    else
        QVERIFY(f.dialog.close());
    QVERIFY(!f.dialog.isVisible());
    f.dialog.showWindow();
    QVERIFY(f.dialog.edit_old_password->text().isEmpty());
    QVERIFY(f.dialog.edit_new_password->text().isEmpty());
    QVERIFY(f.dialog.edit_new_password2->text().isEmpty());
}

void TestPassword::focusHighlight_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("old") << "edit_old_password";
    QTest::newRow("new") << "edit_new_password";
    QTest::newRow("confirm") << "edit_new_password2";
}

void TestPassword::focusHighlight()
{
    QFETCH(QString, edit);
    PasswordFixture f;
    f.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
    auto *e = f.dialog.findChild<QLineEdit *>(edit);
    QVERIFY(e);
    const QColor green(0xC0, 0xDC, 0xC0), white(Qt::white);
    f.dialog.suiButton2->setFocus(Qt::TabFocusReason);
    QCOMPARE(e->palette().color(QPalette::Base), white);
    e->setFocus(Qt::TabFocusReason);
    QCOMPARE(e->palette().color(QPalette::Base), green);
    // The other edits stay white; leaving turns it white again.
    for (QLineEdit *o : f.dialog.findChildren<QLineEdit *>())
        if (o != e)
            QCOMPARE(o->palette().color(QPalette::Base), white);
    f.dialog.suiButton1->setFocus(Qt::TabFocusReason);
    QCOMPARE(e->palette().color(QPalette::Base), white);
}

void TestPassword::controlsAndTabOrder()
{
    PasswordFixture f;
    Tform_change_password &d = f.dialog;
    QTest::keyClicks(d.edit_old_password, QStringLiteral("ab"));
    QTest::keyClicks(d.edit_new_password, QStringLiteral("cd"));
    QCOMPARE(d.edit_old_password->displayText(), QStringLiteral("**"));
    QCOMPARE(d.edit_new_password->displayText(), QStringLiteral("cd"));
    QWidget *order[] = {d.edit_old_password, d.edit_new_password, d.edit_new_password2, d.suiButton1,
                        d.suiButton2};
    for (int i = 0; i + 1 < 5; ++i) {
        QWidget *next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i + 1]);
    }
}

QTEST_MAIN(TestPassword)
#include "tst_password.moc"
