#pragma once
// The database tools: the backup window with the automatic backup choice, the
// cleanup options window and the cleanup wait window.
#include "ui/window.h"

// Copies the record database "data/house.mdb" over the backup file
// "db_bak/house.bak", both relative to the current folder. The folder db_bak
// is never created; false when the copy failed (nothing is reported).
bool backupCopy();

// The settings file beside the executable.
QString optionFilePath();

class Tform_db_bak : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_db_bak(QWidget *owner = nullptr);

    // The automatic backup choice in effect: none is selected until the
    // main window's first showing loads it from option.ini.
    enum class Choice { NoneSelected, Begin, End, Manual };
    Choice backupChoice() const { return m_choice; }

    // Reads section radio_button, key value of option.ini and selects the
    // matching choice ("begin", "end", empty; anything else selects none).
    void loadBackupChoice();
    // With the choice "begin": the backup copy, then the record connection
    // closed and opened again and the four table queries opened in order.
    void startupBackup();
    // With the choice "end": the backup copy.
    void exitBackup();

private:
    Choice m_choice = Choice::NoneSelected;
};

class TForm23 : public FormWindow {
    Q_OBJECT
public:
    explicit TForm23(QWidget *owner = nullptr);
};

class Tform_clear_londing : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_clear_londing(QWidget *owner = nullptr);
};

extern Tform_db_bak *form_db_bak;
extern TForm23 *Form23;
extern Tform_clear_londing *form_clear_londing;
