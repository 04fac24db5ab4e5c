#pragma once
// The holders of the four register print-outs. They are never shown; each
// offers the operation that lays its report out and opens the preview.
#include "ui/window.h"

class TForm_out_chuzufang : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_out_chuzufang(QWidget *owner = nullptr);
    // Lays the report out and shows the preview; returns when it is closed.
    void previewReport();
};

class TForm_out_chushoufang : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_out_chushoufang(QWidget *owner = nullptr);
    void previewReport();
};

class TForm_out_qiouzuren : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_out_qiouzuren(QWidget *owner = nullptr);
    void previewReport();
};

class TForm_out_qiougouren : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_out_qiougouren(QWidget *owner = nullptr);
    void previewReport();
};

extern TForm_out_chuzufang *Form_out_chuzufang;
extern TForm_out_chushoufang *Form_out_chushoufang;
extern TForm_out_qiouzuren *Form_out_qiouzuren;
extern TForm_out_qiougouren *Form_out_qiougouren;
