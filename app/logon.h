#pragma once
// The login dialog: the user chooses administrator (with the password kept in
// the administrator database) or ordinary user; the choice sets the role.
#include "app/modal.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Tform_logon : public ModalWindow {
    Q_OBJECT
public:
    explicit Tform_logon(QWidget *owner = nullptr);

    void FormCreate();
    void suiComboBox1Change();
    void Button_okClick();
    void button_cancelClick();

    QLabel *Label1;
    QComboBox *ComboBox_user;
    QLabel *Label2;
    QLineEdit *edit_password;
    QPushButton *Button_ok;
    QPushButton *button_cancel;
};

extern Tform_logon *form_logon;
