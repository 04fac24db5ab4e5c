#pragma once
// The administrator password change: the current password first, then the
// new one twice. Any user may open it.
#include "ui/window.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Tform_change_password : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_change_password(QWidget *owner = nullptr);

    void edit_old_passwordEnter();
    void edit_new_passwordEnter();
    void edit_new_password2Enter();
    void edit_old_passwordExit();
    void edit_new_passwordExit();
    void edit_new_password2Exit();
    void suiButton1Click();
    void suiButton2Click();
    void FormClose();

    QLabel *Label1;
    QLineEdit *edit_old_password;
    QLabel *Label2;
    QLineEdit *edit_new_password;
    QLabel *Label3;
    QLineEdit *edit_new_password2;
    QPushButton *suiButton1;
    QPushButton *suiButton2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *e) override;
};

extern Tform_change_password *form_change_password;
