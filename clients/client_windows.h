#pragma once
// The client screens: rent-seeker and buyer browse, registration, detail and
// search windows, created once at start-up and owned by the main window.
#include "ui/window.h"

class TForm_qiouzurenxinxi : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_qiouzurenxinxi(QWidget *owner = nullptr);
};

class TForm_qiougourenxinxi : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_qiougourenxinxi(QWidget *owner = nullptr);
};

class TForm_qiouzuren_xiangxi : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_qiouzuren_xiangxi(QWidget *owner = nullptr);
};

class TForm_find_qiouzuren : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_find_qiouzuren(QWidget *owner = nullptr);
};

class TForm_add_qiouzuren : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_add_qiouzuren(QWidget *owner = nullptr);
};

class TForm_find_qiougouren : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_find_qiougouren(QWidget *owner = nullptr);
};

class TForm_qiougouren_xiangxi : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_qiougouren_xiangxi(QWidget *owner = nullptr);
};

class Tform_add_qiougouren : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_add_qiougouren(QWidget *owner = nullptr);
};

extern TForm_qiouzurenxinxi *Form_qiouzurenxinxi;
extern TForm_qiougourenxinxi *Form_qiougourenxinxi;
extern TForm_qiouzuren_xiangxi *Form_qiouzuren_xiangxi;
extern TForm_find_qiouzuren *Form_find_qiouzuren;
extern TForm_add_qiouzuren *Form_add_qiouzuren;
extern TForm_find_qiougouren *Form_find_qiougouren;
extern TForm_qiougouren_xiangxi *Form_qiougouren_xiangxi;
extern Tform_add_qiougouren *form_add_qiougouren;
