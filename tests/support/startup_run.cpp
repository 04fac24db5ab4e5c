#include "tests/support/startup_run.h"

#include "app/modal.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/session.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

StartupRun::StartupRun(bool withHouse, bool withAdmin)
    : m_ws(std::make_unique<Workspace>(withHouse, withAdmin)), m_oldCurrent(QDir::currentPath())
{
    setExecutableFolder(m_ws->folder());
    QDir::setCurrent(m_ws->folder());
}

StartupRun::~StartupRun()
{
    ModalWindow::setModalHook({});
    setStartupObserver({});
    destroyStartupWindows();
    QDir::setCurrent(m_oldCurrent);
    setExecutableFolder(QString());
    session::setUserRole(0);
}

void StartupRun::setBackupChoice(const QString &value, bool withBackupFolder)
{
    writeProfileString(folder() + QStringLiteral("option.ini"), QStringLiteral("radio_button"),
                       QStringLiteral("value"), value);
    if (withBackupFolder)
        QDir(folder()).mkpath(QStringLiteral("db_bak"));
}

void StartupRun::create() { createStartupWindows(*qApp); }

bool StartupRun::start(std::function<void(Tform_logon *)> answer)
{
    ModalWindow::setModalHook([answer](ModalWindow *w) {
        if (w == form_logon && answer)
            answer(form_logon);
    });
    showMainWindow();
    return QTest::qWaitFor([] { return Mainform && Mainform->showHandlerDone(); }, 10000);
}

bool StartupRun::run(std::function<void(Tform_logon *)> answer)
{
    create();
    return start(std::move(answer));
}

void typeText(QLineEdit *edit, const QString &text)
{
    // Key clicks carry Latin-1 characters only; other text is entered as an
    // input method would.
    bool latin1 = true;
    for (QChar c : text)
        latin1 = latin1 && c.unicode() > 0 && c.unicode() < 0x80;
    if (latin1) {
        QTest::keyClicks(edit, text);
    } else {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(edit, &e);
    }
}

void chooseUser(Tform_logon *d, const QString &item)
{
    d->ComboBox_user->setCurrentIndex(d->ComboBox_user->findText(item));
}

void loginAsOrdinaryUser(Tform_logon *d)
{
    chooseUser(d, QStringLiteral("普通用户"));
    QTest::mouseClick(d->Button_ok, Qt::LeftButton);
}

void loginAsAdministrator(Tform_logon *d, const QString &password)
{
    chooseUser(d, QStringLiteral("系统管理员"));
    d->edit_password->clear();
    typeText(d->edit_password, password);
    QTest::mouseClick(d->Button_ok, Qt::LeftButton);
}

void closeLoginWithTitleBar(Tform_logon *d) { d->close(); }
