#pragma once
// The listing screens: rental and sale browse, registration, detail and
// search windows, created once at start-up and owned by the main window.
#include "ui/window.h"

class Tform_chuzufang : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_chuzufang(QWidget *owner = nullptr);
};

class TForm_chugoufangxinxi : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_chugoufangxinxi(QWidget *owner = nullptr);
};

class Tform_add_chuzufang : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_add_chuzufang(QWidget *owner = nullptr);
};

class Tform_chuzufang_xiangxi : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_chuzufang_xiangxi(QWidget *owner = nullptr);
};

class Tform_find_chuzufang : public FormWindow {
    Q_OBJECT
public:
    explicit Tform_find_chuzufang(QWidget *owner = nullptr);
};

class TForm_add_chushoufang : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_add_chushoufang(QWidget *owner = nullptr);
};

class TForm_chushoufang_xiangxi : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_chushoufang_xiangxi(QWidget *owner = nullptr);
};

class TForm_find_chushoufang : public FormWindow {
    Q_OBJECT
public:
    explicit TForm_find_chushoufang(QWidget *owner = nullptr);
};

extern Tform_chuzufang *form_chuzufang;
extern TForm_chugoufangxinxi *Form_chugoufangxinxi;
extern Tform_add_chuzufang *form_add_chuzufang;
extern Tform_chuzufang_xiangxi *form_chuzufang_xiangxi;
extern Tform_find_chuzufang *form_find_chuzufang;
extern TForm_add_chushoufang *Form_add_chushoufang;
extern TForm_chushoufang_xiangxi *Form_chushoufang_xiangxi;
extern TForm_find_chushoufang *Form_find_chushoufang;
