#include "maintenance/maintenance_windows.h"

#include "data/dm.h"
#include "platform/files.h"
#include "platform/profile.h"

Tform_db_bak *form_db_bak = nullptr;
TForm23 *Form23 = nullptr;
Tform_clear_londing *form_clear_londing = nullptr;

bool backupCopy()
{
    return copyFile(QStringLiteral("data/house.mdb"), QStringLiteral("db_bak/house.bak"));
}

QString optionFilePath() { return executableFolder() + QStringLiteral("option.ini"); }

Tform_db_bak::Tform_db_bak(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_db_bak"), QStringLiteral("数据库备份选项"), QSize(273, 259),
                 FixedBorder | StayOnTop | CloseAndMinimiseOnly)
{
    move(213, 122);
}

void Tform_db_bak::loadBackupChoice()
{
    const QString v = readProfileString(optionFilePath(), QStringLiteral("radio_button"), QStringLiteral("value"),
                                        QString());
    if (v == QLatin1String("begin"))
        m_choice = Choice::Begin;
    else if (v == QLatin1String("end"))
        m_choice = Choice::End;
    else if (v.isEmpty())
        m_choice = Choice::Manual;
    else
        m_choice = Choice::NoneSelected;
}

void Tform_db_bak::startupBackup()
{
    if (m_choice != Choice::Begin)
        return;
    backupCopy();
    DM->ADOConnection1->disconnect();
    DM->ADOConnection1->connect();
    for (Query *q : DM->tableQueries())
        q->open();
}

void Tform_db_bak::exitBackup()
{
    if (m_choice == Choice::End)
        backupCopy();
}

TForm23::TForm23(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form23"), QStringLiteral("数据库清理选项"), QSize(322, 261),
                 FixedBorder | StayOnTop | CentreOnScreen | CloseAndMinimiseOnly)
{
}

Tform_clear_londing::Tform_clear_londing(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_clear_londing"), QStringLiteral("请等待..."), QSize(223, 164),
                 FixedBorder | StayOnTop | CloseAndMinimiseOnly)
{
    // Only the minimise button: the window's OK button is its way to close.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    move(290, 203);
}
