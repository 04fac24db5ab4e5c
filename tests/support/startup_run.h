#pragma once
// A run of the real start-up sequence in a fresh folder: the folder holds
// copies of the shipped database files and stands in for the executable's
// folder and the current folder; the login is answered from code.
#include "app/startup.h"
#include "tests/support/harness.h"

#include <QString>
#include <functional>
#include <memory>

class StartupRun {
public:
    explicit StartupRun(bool withHouse = true, bool withAdmin = true);
    ~StartupRun();

    QString folder() const { return m_ws->folder(); }
    // Writes option.ini with the backup choice and creates db_bak.
    void setBackupChoice(const QString &value, bool withBackupFolder = true);
    QString backupPath() const { return folder() + QStringLiteral("db_bak/house.bak"); }

    // Steps 2 to 4 of the start-up.
    void create();
    // The main window shown; `answer` is run on the login dialog once its
    // modal loop runs. True when the show handler finished.
    bool start(std::function<void(Tform_logon *)> answer);
    // create() then start().
    bool run(std::function<void(Tform_logon *)> answer);

private:
    std::unique_ptr<Workspace> m_ws;
    QString m_oldCurrent;
};

// Answers for the login dialog, as a user would give them.
void loginAsOrdinaryUser(Tform_logon *d);
void loginAsAdministrator(Tform_logon *d, const QString &password);
void closeLoginWithTitleBar(Tform_logon *d);
class QLineEdit;
// Types text into an edit as a user would.
void typeText(QLineEdit *edit, const QString &text);
// Chooses an item of the user list as a user would.
void chooseUser(Tform_logon *d, const QString &item);
