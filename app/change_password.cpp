#include "app/change_password.h"

#include "data/dm.h"
#include "data/password.h"
#include "platform/guard.h"
#include "platform/msgbox.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tform_change_password *form_change_password = nullptr;

namespace {
// The focus highlight of the free-text edits.
const QColor kFocusColour(0xC0, 0xDC, 0xC0);   // money green, 12639424
const QColor kPlainColour(0xFF, 0xFF, 0xFF);

void setBackground(QLineEdit *e, const QColor &c)
{
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, c);
    e->setPalette(pal);
}
}

Tform_change_password::Tform_change_password(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_change_password"), QStringLiteral("更改管理员密码"), QSize(310, 215),
                 FixedBorder | CloseAndMinimiseOnly)
{
    move(268, 142);
    auto label = [this](const QString &text, const char *name, int y) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(20, y, 130, 22);
        return l;
    };
    auto edit = [this](const char *name, int y, bool masked) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(150, y, 136, 24);
        if (masked) {
            e->setEchoMode(QLineEdit::Password);
            e->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
        }
        setBackground(e, kPlainColour);
        e->installEventFilter(this);
        return e;
    };
    Label1 = label(QStringLiteral("请输入旧密码："), "Label1", 28);
    edit_old_password = edit("edit_old_password", 27, true);
    Label2 = label(QStringLiteral("请输入新密码："), "Label2", 72);
    edit_new_password = edit("edit_new_password", 71, false);
    Label3 = label(QStringLiteral("请再输入一次确认："), "Label3", 116);
    edit_new_password2 = edit("edit_new_password2", 115, false);

    suiButton1 = new QPushButton(QStringLiteral("确定 &A"), this);
    suiButton1->setObjectName(QStringLiteral("suiButton1"));
    suiButton1->setGeometry(56, 166, 86, 28);
    suiButton2 = new QPushButton(QStringLiteral("关闭 &C"), this);
    suiButton2->setObjectName(QStringLiteral("suiButton2"));
    suiButton2->setGeometry(168, 166, 86, 28);

    setTabOrder(edit_old_password, edit_new_password);
    setTabOrder(edit_new_password, edit_new_password2);
    setTabOrder(edit_new_password2, suiButton1);
    setTabOrder(suiButton1, suiButton2);

    connect(suiButton1, &QPushButton::clicked, this, guarded([this](bool) { suiButton1Click(); }));
    connect(suiButton2, &QPushButton::clicked, this, guarded([this](bool) { suiButton2Click(); }));
}

void Tform_change_password::edit_old_passwordEnter() { setBackground(edit_old_password, kFocusColour); }
void Tform_change_password::edit_new_passwordEnter() { setBackground(edit_new_password, kFocusColour); }
void Tform_change_password::edit_new_password2Enter() { setBackground(edit_new_password2, kFocusColour); }
void Tform_change_password::edit_old_passwordExit() { setBackground(edit_old_password, kPlainColour); }
void Tform_change_password::edit_new_passwordExit() { setBackground(edit_new_password, kPlainColour); }
void Tform_change_password::edit_new_password2Exit() { setBackground(edit_new_password2, kPlainColour); }

bool Tform_change_password::eventFilter(QObject *watched, QEvent *event)
{
    const bool in = event->type() == QEvent::FocusIn;
    if (in || event->type() == QEvent::FocusOut) {
        runGuarded([&] {
            if (watched == edit_old_password)
                in ? edit_old_passwordEnter() : edit_old_passwordExit();
            else if (watched == edit_new_password)
                in ? edit_new_passwordEnter() : edit_new_passwordExit();
            else if (watched == edit_new_password2)
                in ? edit_new_password2Enter() : edit_new_password2Exit();
        });
    }
    return FormWindow::eventFilter(watched, event);
}

void Tform_change_password::suiButton1Click()
{
    Query *q = DM->ADOQuery_admin;
    q->close();
    q->setSql(QStringLiteral("select * from 管理员表 where 用户名=:mima"));
    q->bind(QStringLiteral("mima"), QStringLiteral("admin"));
    q->open();
    if (!passwordMatches(q->column(QStringLiteral("密码")), edit_old_password->text())) {
        notice(this, QStringLiteral("提示"), QStringLiteral("密码不对！"));
        return;
    }
    if (edit_new_password->text() != edit_new_password2->text()) {
        notice(this, QStringLiteral("提示"), QStringLiteral("两次输入密码不同！请小心仔细重新输入."));
        return;
    }
    q->edit();
    q->setColumn(QStringLiteral("密码"), hashPassword(edit_new_password->text()));
    q->post();
    notice(this, QStringLiteral("提示"), QStringLiteral("密码修改成功,请牢记！"));
}

void Tform_change_password::suiButton2Click() { close(); }

void Tform_change_password::FormClose()
{
    edit_old_password->clear();
    edit_new_password->clear();
    edit_new_password2->clear();
}

void Tform_change_password::closeEvent(QCloseEvent *e)
{
    runGuarded([&] { FormClose(); });
    FormWindow::closeEvent(e);
}
