#include "listings/listing_windows.h"

Tform_chuzufang *form_chuzufang = nullptr;
TForm_chugoufangxinxi *Form_chugoufangxinxi = nullptr;
Tform_add_chuzufang *form_add_chuzufang = nullptr;
Tform_chuzufang_xiangxi *form_chuzufang_xiangxi = nullptr;
Tform_find_chuzufang *form_find_chuzufang = nullptr;
TForm_add_chushoufang *Form_add_chushoufang = nullptr;
TForm_chushoufang_xiangxi *Form_chushoufang_xiangxi = nullptr;
TForm_find_chushoufang *Form_find_chushoufang = nullptr;

namespace {
// Every listing screen: fixed border, kept on top of the main window, opened
// centred on it, close and minimise buttons only.
constexpr int kScreen = FormWindow::FixedBorder | FormWindow::StayOnTop | FormWindow::CentreOnMain
                        | FormWindow::CloseAndMinimiseOnly;
}

Tform_chuzufang::Tform_chuzufang(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_chuzufang"), QStringLiteral("出租房信息"), QSize(640, 400), kScreen)
{
}

TForm_chugoufangxinxi::TForm_chugoufangxinxi(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_chugoufangxinxi"), QStringLiteral("出售房信息"), QSize(640, 400),
                 kScreen)
{
}

Tform_add_chuzufang::Tform_add_chuzufang(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_add_chuzufang"), QStringLiteral("新出租房登记表"), QSize(700, 460),
                 kScreen)
{
}

Tform_chuzufang_xiangxi::Tform_chuzufang_xiangxi(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_chuzufang_xiangxi"), QStringLiteral("出租房详细资料"),
                 QSize(700, 480), kScreen)
{
}

Tform_find_chuzufang::Tform_find_chuzufang(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_find_chuzufang"), QStringLiteral("出租房信息查询系统"),
                 QSize(680, 420), kScreen)
{
}

TForm_add_chushoufang::TForm_add_chushoufang(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_add_chushoufang"), QStringLiteral("登记新出售房"), QSize(700, 460),
                 kScreen)
{
}

TForm_chushoufang_xiangxi::TForm_chushoufang_xiangxi(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_chushoufang_xiangxi"), QStringLiteral("出售房详细资料"),
                 QSize(700, 480), kScreen)
{
}

TForm_find_chushoufang::TForm_find_chushoufang(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_find_chushoufang"), QStringLiteral("出售房查询系统"),
                 QSize(680, 420), kScreen)
{
}
