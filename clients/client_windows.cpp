#include "clients/client_windows.h"

TForm_qiouzurenxinxi *Form_qiouzurenxinxi = nullptr;
TForm_qiougourenxinxi *Form_qiougourenxinxi = nullptr;
TForm_qiouzuren_xiangxi *Form_qiouzuren_xiangxi = nullptr;
TForm_find_qiouzuren *Form_find_qiouzuren = nullptr;
TForm_add_qiouzuren *Form_add_qiouzuren = nullptr;
TForm_find_qiougouren *Form_find_qiougouren = nullptr;
TForm_qiougouren_xiangxi *Form_qiougouren_xiangxi = nullptr;
Tform_add_qiougouren *form_add_qiougouren = nullptr;

namespace {
// Every client screen: fixed border, kept on top of the main window, opened
// centred on it, close and minimise buttons only.
constexpr int kScreen = FormWindow::FixedBorder | FormWindow::StayOnTop | FormWindow::CentreOnMain
                        | FormWindow::CloseAndMinimiseOnly;
}

TForm_qiouzurenxinxi::TForm_qiouzurenxinxi(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_qiouzurenxinxi"), QStringLiteral("求租人信息"), QSize(612, 361), kScreen)
{
}

TForm_qiougourenxinxi::TForm_qiougourenxinxi(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_qiougourenxinxi"), QStringLiteral("求购人信息"), QSize(609, 356), kScreen)
{
}

TForm_qiouzuren_xiangxi::TForm_qiouzuren_xiangxi(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_qiouzuren_xiangxi"), QStringLiteral("求租人详细信息"), QSize(742, 490),
                 kScreen)
{
}

TForm_find_qiouzuren::TForm_find_qiouzuren(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_find_qiouzuren"), QStringLiteral("求租人信息查询系统"), QSize(676, 385),
                 kScreen)
{
}

TForm_add_qiouzuren::TForm_add_qiouzuren(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_add_qiouzuren"), QStringLiteral("新求租人登记表"), QSize(755, 448),
                 kScreen)
{
}

TForm_find_qiougouren::TForm_find_qiougouren(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_find_qiougouren"), QStringLiteral("求购人查询系统"), QSize(695, 345),
                 kScreen)
{
}

TForm_qiougouren_xiangxi::TForm_qiougouren_xiangxi(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_qiougouren_xiangxi"), QStringLiteral("求购人详细资料"), QSize(748, 456),
                 kScreen)
{
}

Tform_add_qiougouren::Tform_add_qiougouren(QWidget *owner)
    : FormWindow(owner, QStringLiteral("form_add_qiougouren"), QStringLiteral("求购人登记表"), QSize(750, 423), kScreen)
{
}
