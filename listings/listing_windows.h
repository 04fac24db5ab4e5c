#pragma once
// The listing windows of both kinds: browse, registration, detail and
// search. Each class is a thin layer over the shared screen of its kind and
// names the handlers of its controls.
#include "listings/listing_screens.h"

class Tform_chuzufang : public listing::BrowseScreen {
    Q_OBJECT
public:
    explicit Tform_chuzufang(QWidget *owner = nullptr);
    void button_dengjiClick();
    void button_chuzufang_xiangxiClick();
    void suiButton4Click();
    void suiButton5Click();
    void suiButton1Click();
    void Timer_chuzufangTimer();
};

class TForm_chugoufangxinxi : public listing::BrowseScreen {
    Q_OBJECT
public:
    explicit TForm_chugoufangxinxi(QWidget *owner = nullptr);
    void suiButton1Click();
    void button_chuzufang_xiangxiClick();
    void button_huozurenxingxiClick();
    void suiButton5Click();
    void button_view_allClick();
    void TimerTimer();
};

class Tform_add_chuzufang : public listing::RegistrationScreen {
    Q_OBJECT
public:
    explicit Tform_add_chuzufang(QWidget *owner = nullptr);
    void suiButton1Click();
    void suiButton2Click();
    void Edit_add_jutiluduanEnter(QWidget *sender);
    void Edit_add_jutiluduanExit(QWidget *sender);
    void Memo_add_beizhuEnter(QWidget *sender);
    void Memo_add_beizhuExit(QWidget *sender);
};

class TForm_add_chushoufang : public listing::RegistrationScreen {
    Q_OBJECT
public:
    explicit TForm_add_chushoufang(QWidget *owner = nullptr);
    void suiButton1Click();
    void button_cancelClick();
    void Edit_add_luduanEnter(QWidget *sender);
    void Edit_add_luduanExit(QWidget *sender);
    void memo_add_beizhuEnter(QWidget *sender);
    void memo_add_beizhuExit(QWidget *sender);
};

class Tform_chuzufang_xiangxi : public listing::DetailScreen {
    Q_OBJECT
public:
    explicit Tform_chuzufang_xiangxi(QWidget *owner = nullptr);
    void suiButton1Click();
    void suiButton2Click();
    void suiButton3Click();
    void suiButton4Click();
    void dbedit_callEnter(QWidget *sender);
    void dbEdit_luduanExit(QWidget *sender);
    void DBMemo_beizhuEnter(QWidget *sender);
    void DBMemo_beizhuExit(QWidget *sender);
};

class TForm_chushoufang_xiangxi : public listing::DetailScreen {
    Q_OBJECT
public:
    explicit TForm_chushoufang_xiangxi(QWidget *owner = nullptr);
    void suiButton1Click();
    void suiButton2Click();
    void suiButton3Click();
    void suiButton4Click();
    void DBEdit_chushoujiageEnter(QWidget *sender);
    void DBEdit_chushoujiageExit(QWidget *sender);
    void DBMemo_beizhuEnter(QWidget *sender);
    void DBMemo_beizhuExit(QWidget *sender);
};

class Tform_find_chuzufang : public listing::SearchScreen {
    Q_OBJECT
public:
    explicit Tform_find_chuzufang(QWidget *owner = nullptr);
    void Button_startClick();
    void button_viewClick();
    void button_deleteClick();
    void button_cancelClick();
};

class TForm_find_chushoufang : public listing::SearchScreen {
    Q_OBJECT
public:
    explicit TForm_find_chushoufang(QWidget *owner = nullptr);
    void suiButton1Click();
    void suiButton2Click();
    void button_deleteClick();
    void suiButton4Click();
};

extern Tform_chuzufang *form_chuzufang;
extern TForm_chugoufangxinxi *Form_chugoufangxinxi;
extern Tform_add_chuzufang *form_add_chuzufang;
extern Tform_chuzufang_xiangxi *form_chuzufang_xiangxi;
extern Tform_find_chuzufang *form_find_chuzufang;
extern TForm_add_chushoufang *Form_add_chushoufang;
extern TForm_chushoufang_xiangxi *Form_chushoufang_xiangxi;
extern TForm_find_chushoufang *Form_find_chushoufang;
