#include "reports/report_holders.h"

TForm_out_chuzufang *Form_out_chuzufang = nullptr;
TForm_out_chushoufang *Form_out_chushoufang = nullptr;
TForm_out_qiouzuren *Form_out_qiouzuren = nullptr;
TForm_out_qiougouren *Form_out_qiougouren = nullptr;

// The holders carry no caption of their own and are never shown. The report
// layouts and their preview are not built yet: previewReport returns at once.

TForm_out_chuzufang::TForm_out_chuzufang(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_out_chuzufang"), QString(), QSize(0, 0), 0)
{
}
void TForm_out_chuzufang::previewReport() {}

TForm_out_chushoufang::TForm_out_chushoufang(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_out_chushoufang"), QString(), QSize(0, 0), 0)
{
}
void TForm_out_chushoufang::previewReport() {}

TForm_out_qiouzuren::TForm_out_qiouzuren(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_out_qiouzuren"), QString(), QSize(0, 0), 0)
{
}
void TForm_out_qiouzuren::previewReport() {}

TForm_out_qiougouren::TForm_out_qiougouren(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Form_out_qiougouren"), QString(), QSize(0, 0), 0)
{
}
void TForm_out_qiougouren::previewReport() {}
