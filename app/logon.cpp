#include "app/logon.h"

#include "app/mainform.h"
#include "data/dm.h"
#include "data/password.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/session.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tform_logon *form_logon = nullptr;

namespace {
const QString kAdministrator = QStringLiteral("系统管理员");
const QString kOrdinaryUser = QStringLiteral("普通用户");
}

Tform_logon::Tform_logon(QWidget *owner)
    : ModalWindow(owner, QStringLiteral("form_logon"), QStringLiteral("登陆系统"), QSize(262, 164),
                  Dialog | FixedBorder | StayOnTop | CentreOnScreen | CloseAndMinimiseOnly)
{
    auto named = [](QWidget *w, const char *name) { w->setObjectName(QString::fromLatin1(name)); };

    Label1 = new QLabel(QStringLiteral("用户类型："), this);
    named(Label1, "Label1");
    Label1->setGeometry(24, 28, 76, 22);

    ComboBox_user = new QComboBox(this);
    named(ComboBox_user, "ComboBox_user");
    ComboBox_user->setEditable(false);
    ComboBox_user->addItems({kAdministrator, kOrdinaryUser});
    ComboBox_user->setCurrentIndex(-1);
    ComboBox_user->setGeometry(100, 26, 136, 24);

    Label2 = new QLabel(QStringLiteral("口令："), this);
    named(Label2, "Label2");
    Label2->setGeometry(24, 68, 76, 22);

    edit_password = new QLineEdit(this);
    named(edit_password, "edit_password");
    edit_password->setEchoMode(QLineEdit::Password);
    edit_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    edit_password->setGeometry(100, 66, 136, 24);

    Button_ok = new QPushButton(QStringLiteral("确定"), this);
    named(Button_ok, "Button_ok");
    Button_ok->setGeometry(40, 114, 80, 28);
    Button_ok->setAutoDefault(false);

    button_cancel = new QPushButton(QStringLiteral("退出"), this);
    named(button_cancel, "button_cancel");
    button_cancel->setGeometry(144, 114, 80, 28);
    button_cancel->setAutoDefault(false);

    setTabOrder(Button_ok, button_cancel);
    setTabOrder(button_cancel, edit_password);
    setTabOrder(edit_password, ComboBox_user);

    connect(ComboBox_user, &QComboBox::currentIndexChanged, this, guarded([this](int) { suiComboBox1Change(); }));
    connect(Button_ok, &QPushButton::clicked, this, guarded([this](bool) { Button_okClick(); }));
    connect(button_cancel, &QPushButton::clicked, this, guarded([this](bool) { button_cancelClick(); }));
}

void Tform_logon::FormCreate() { session::setUserRole(0); }

void Tform_logon::suiComboBox1Change()
{
    edit_password->setEnabled(ComboBox_user->currentText() != kOrdinaryUser);
}

void Tform_logon::Button_okClick()
{
    if (ComboBox_user->currentText().isEmpty())
        notice(this, QStringLiteral("提示"), QStringLiteral("至少要选一中用户类型!"));
    switch (ComboBox_user->currentIndex()) {
    case 0: {
        Query *q = DM->ADOQuery_admin;
        q->close();
        q->setSql(QStringLiteral("select * from 管理员表 where 用户名=:name"));
        q->bind(QStringLiteral("name"), QStringLiteral("admin"));
        q->open();
        if (passwordMatches(q->column(QStringLiteral("密码")), edit_password->text())) {
            session::setUserRole(1);
            close();
        } else {
            notice(this, QStringLiteral("提示"), QStringLiteral("密码错误！如果仍出现此情况请与系统管理员联系！"));
        }
        break;
    }
    case 1:
        session::setUserRole(2);
        close();
        break;
    default:
        break;
    }
}

void Tform_logon::button_cancelClick()
{
    if (Mainform)
        Mainform->close();
}
