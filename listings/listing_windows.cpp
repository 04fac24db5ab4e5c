#include "listings/listing_windows.h"

#include <QTimer>

using namespace listing;

Tform_chuzufang *form_chuzufang = nullptr;
TForm_chugoufangxinxi *Form_chugoufangxinxi = nullptr;
Tform_add_chuzufang *form_add_chuzufang = nullptr;
Tform_chuzufang_xiangxi *form_chuzufang_xiangxi = nullptr;
Tform_find_chuzufang *form_find_chuzufang = nullptr;
TForm_add_chushoufang *Form_add_chushoufang = nullptr;
TForm_chushoufang_xiangxi *Form_chushoufang_xiangxi = nullptr;
TForm_find_chushoufang *Form_find_chushoufang = nullptr;

// --- browse ---------------------------------------------------------------------

Tform_chuzufang::Tform_chuzufang(QWidget *owner) : BrowseScreen(owner, rentalBrowse())
{
    using T = Tform_chuzufang;
    onClick(QStringLiteral("button_dengji"), &T::button_dengjiClick);
    onClick(QStringLiteral("button_chuzufang_xiangxi"), &T::button_chuzufang_xiangxiClick);
    onClick(QStringLiteral("button_huozurenxingxi"), &T::suiButton4Click);
    onClick(QStringLiteral("Button_chaxun"), &T::suiButton5Click);
    onClick(QStringLiteral("suiButton1"), &T::suiButton1Click);
    onTimer(QStringLiteral("Timer_chuzufang"), &T::Timer_chuzufangTimer);
}
void Tform_chuzufang::button_dengjiClick() { registerNew(); }
void Tform_chuzufang::button_chuzufang_xiangxiClick() { showDetails(); }
void Tform_chuzufang::suiButton4Click() { lookupClient(); }
void Tform_chuzufang::suiButton5Click() { showSearch(); }
void Tform_chuzufang::suiButton1Click() { viewAll(); }
void Tform_chuzufang::Timer_chuzufangTimer() { countTick(); }

TForm_chugoufangxinxi::TForm_chugoufangxinxi(QWidget *owner) : BrowseScreen(owner, saleBrowse())
{
    using T = TForm_chugoufangxinxi;
    onClick(QStringLiteral("suiButton1"), &T::suiButton1Click);
    onClick(QStringLiteral("button_chuzufang_xiangxi"), &T::button_chuzufang_xiangxiClick);
    onClick(QStringLiteral("button_huozurenxingxi"), &T::button_huozurenxingxiClick);
    onClick(QStringLiteral("Button_chaxun"), &T::suiButton5Click);
    onClick(QStringLiteral("button_view_all"), &T::button_view_allClick);
    onTimer(QStringLiteral("Timer"), &T::TimerTimer);
}
void TForm_chugoufangxinxi::suiButton1Click() { registerNew(); }
void TForm_chugoufangxinxi::button_chuzufang_xiangxiClick() { showDetails(); }
void TForm_chugoufangxinxi::button_huozurenxingxiClick() { lookupClient(); }
void TForm_chugoufangxinxi::suiButton5Click() { showSearch(); }
void TForm_chugoufangxinxi::button_view_allClick() { viewAll(); }
void TForm_chugoufangxinxi::TimerTimer() { countTick(); }

// --- registration -----------------------------------------------------------------

Tform_add_chuzufang::Tform_add_chuzufang(QWidget *owner) : RegistrationScreen(owner, rentalRegistration())
{
    using T = Tform_add_chuzufang;
    onClick(QStringLiteral("button_tijiaodengji"), &T::suiButton1Click);
    onClick(QStringLiteral("button_cancel"), &T::suiButton2Click);
    onFocus({QStringLiteral("Edit_add_jutiluduan"), QStringLiteral("Edit_add_lianxiren"),
             QStringLiteral("Edit_add_lianxidianhua")},
            &T::Edit_add_jutiluduanEnter, &T::Edit_add_jutiluduanExit);
    onFocus({QStringLiteral("Memo_add_beizhu")}, &T::Memo_add_beizhuEnter, &T::Memo_add_beizhuExit);
}
void Tform_add_chuzufang::suiButton1Click() { submit(); }
void Tform_add_chuzufang::suiButton2Click() { closeForm(); }
void Tform_add_chuzufang::Edit_add_jutiluduanEnter(QWidget *sender) { highlight(sender, true); }
void Tform_add_chuzufang::Edit_add_jutiluduanExit(QWidget *sender) { highlight(sender, false); }
void Tform_add_chuzufang::Memo_add_beizhuEnter(QWidget *sender) { highlight(sender, true); }
void Tform_add_chuzufang::Memo_add_beizhuExit(QWidget *sender) { highlight(sender, false); }

TForm_add_chushoufang::TForm_add_chushoufang(QWidget *owner) : RegistrationScreen(owner, saleRegistration())
{
    using T = TForm_add_chushoufang;
    onClick(QStringLiteral("button_tijiaodengji"), &T::suiButton1Click);
    onClick(QStringLiteral("button_cancel"), &T::button_cancelClick);
    onFocus({QStringLiteral("Edit_add_luduan"), QStringLiteral("Edit_add_lianxiren"),
             QStringLiteral("Edit_add_lianxidianhua")},
            &T::Edit_add_luduanEnter, &T::Edit_add_luduanExit);
    onFocus({QStringLiteral("memo_add_beizhu")}, &T::memo_add_beizhuEnter, &T::memo_add_beizhuExit);
}
void TForm_add_chushoufang::suiButton1Click() { submit(); }
void TForm_add_chushoufang::button_cancelClick() { closeForm(); }
void TForm_add_chushoufang::Edit_add_luduanEnter(QWidget *sender) { highlight(sender, true); }
void TForm_add_chushoufang::Edit_add_luduanExit(QWidget *sender) { highlight(sender, false); }
void TForm_add_chushoufang::memo_add_beizhuEnter(QWidget *sender) { highlight(sender, true); }
void TForm_add_chushoufang::memo_add_beizhuExit(QWidget *sender) { highlight(sender, false); }

// --- detail ------------------------------------------------------------------------

Tform_chuzufang_xiangxi::Tform_chuzufang_xiangxi(QWidget *owner) : DetailScreen(owner, rentalDetail())
{
    using T = Tform_chuzufang_xiangxi;
    onClick(QStringLiteral("button_xiougai"), &T::suiButton1Click);
    onClick(QStringLiteral("button_tijiao"), &T::suiButton2Click);
    onClick(QStringLiteral("button_Delete"), &T::suiButton3Click);
    onClick(QStringLiteral("button_cancel"), &T::suiButton4Click);
    onFocus({QStringLiteral("dbEdit_luduan"), QStringLiteral("dbEdit_lianxiren"), QStringLiteral("dbedit_call"),
             QStringLiteral("DBEdit_huozuren")},
            &T::dbedit_callEnter, &T::dbEdit_luduanExit);
    onFocus({QStringLiteral("DBMemo_beizhu")}, &T::DBMemo_beizhuEnter, &T::DBMemo_beizhuExit);
}
void Tform_chuzufang_xiangxi::suiButton1Click() { startModification(); }
void Tform_chuzufang_xiangxi::suiButton2Click() { submitModification(); }
void Tform_chuzufang_xiangxi::suiButton3Click() { deleteRecord(); }
void Tform_chuzufang_xiangxi::suiButton4Click() { closeWindow(); }
void Tform_chuzufang_xiangxi::dbedit_callEnter(QWidget *sender) { highlight(sender, true); }
void Tform_chuzufang_xiangxi::dbEdit_luduanExit(QWidget *sender) { highlight(sender, false); }
void Tform_chuzufang_xiangxi::DBMemo_beizhuEnter(QWidget *sender) { highlight(sender, true); }
void Tform_chuzufang_xiangxi::DBMemo_beizhuExit(QWidget *sender) { highlight(sender, false); }

TForm_chushoufang_xiangxi::TForm_chushoufang_xiangxi(QWidget *owner) : DetailScreen(owner, saleDetail())
{
    using T = TForm_chushoufang_xiangxi;
    onClick(QStringLiteral("button_xiougai"), &T::suiButton1Click);
    onClick(QStringLiteral("button_tijiaoxiougai"), &T::suiButton2Click);
    onClick(QStringLiteral("button_shanchu"), &T::suiButton3Click);
    onClick(QStringLiteral("button_cancel"), &T::suiButton4Click);
    onFocus({QStringLiteral("DBEdit_suochuluduan"), QStringLiteral("DBEdit_lianxiren"),
             QStringLiteral("DBEdit_lianxidianhua"), QStringLiteral("DBEdit_goumairen")},
            &T::DBEdit_chushoujiageEnter, &T::DBEdit_chushoujiageExit);
    onFocus({QStringLiteral("DBMemo_beizhu")}, &T::DBMemo_beizhuEnter, &T::DBMemo_beizhuExit);
}
void TForm_chushoufang_xiangxi::suiButton1Click() { startModification(); }
void TForm_chushoufang_xiangxi::suiButton2Click() { submitModification(); }
void TForm_chushoufang_xiangxi::suiButton3Click() { deleteRecord(); }
void TForm_chushoufang_xiangxi::suiButton4Click() { closeWindow(); }
void TForm_chushoufang_xiangxi::DBEdit_chushoujiageEnter(QWidget *sender) { highlight(sender, true); }
void TForm_chushoufang_xiangxi::DBEdit_chushoujiageExit(QWidget *sender) { highlight(sender, false); }
void TForm_chushoufang_xiangxi::DBMemo_beizhuEnter(QWidget *sender) { highlight(sender, true); }
void TForm_chushoufang_xiangxi::DBMemo_beizhuExit(QWidget *sender) { highlight(sender, false); }

// --- search ------------------------------------------------------------------------

Tform_find_chuzufang::Tform_find_chuzufang(QWidget *owner) : SearchScreen(owner, rentalSearch())
{
    using T = Tform_find_chuzufang;
    onClick(QStringLiteral("Button_start"), &T::Button_startClick);
    onClick(QStringLiteral("button_view"), &T::button_viewClick);
    onClick(QStringLiteral("button_delete"), &T::button_deleteClick);
    onClick(QStringLiteral("button_cancel"), &T::button_cancelClick);
}
void Tform_find_chuzufang::Button_startClick() { search(); }
void Tform_find_chuzufang::button_viewClick() { view(); }
void Tform_find_chuzufang::button_deleteClick() { deleteRecord(); }
void Tform_find_chuzufang::button_cancelClick() { closeWindow(); }

TForm_find_chushoufang::TForm_find_chushoufang(QWidget *owner) : SearchScreen(owner, saleSearch())
{
    using T = TForm_find_chushoufang;
    onClick(QStringLiteral("Button_start"), &T::suiButton1Click);
    onClick(QStringLiteral("button_view"), &T::suiButton2Click);
    onClick(QStringLiteral("button_delete"), &T::button_deleteClick);
    onClick(QStringLiteral("button_close"), &T::suiButton4Click);
}
void TForm_find_chushoufang::suiButton1Click() { search(); }
void TForm_find_chushoufang::suiButton2Click() { view(); }
void TForm_find_chushoufang::button_deleteClick() { deleteRecord(); }
void TForm_find_chushoufang::suiButton4Click() { closeWindow(); }
