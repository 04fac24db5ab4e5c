#pragma once
// The splash window shown while the program starts: no border, centred on
// the screen, filled by one stretched picture.
#include "ui/window.h"

class QLabel;

class Tflash_form : public FormWindow {
    Q_OBJECT
public:
    explicit Tflash_form(QWidget *owner = nullptr);
    // Shows the window and paints it at once, before the start-up goes on.
    void showAndPaint();

    QLabel *Image1;
};

extern Tflash_form *flash_form;
