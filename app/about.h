#pragma once
// The about box: no border, kept on top, centred on the screen; a stretched
// picture with the title and version over it. Any click closes it.
#include "app/modal.h"

class QLabel;

class TForm_about : public ModalWindow {
    Q_OBJECT
public:
    explicit TForm_about(QWidget *owner = nullptr);

    void Label9Click();

    QLabel *Image1;
    QLabel *Label1;   // title
    QLabel *Label2;   // version

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *e) override;
};

extern TForm_about *Form_about;
