// Developer tool: runs the real start-up in a fresh folder with sample rows,
// signs in as administrator, shows each screen in turn and saves a picture of
// it into the folder given (default: screens/). Not part of the program.
#include "data/engine.h"
#include "platform/msgbox.h"
#include "tests/support/startup_run.h"
#include "ui/window.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QtTest>

static void sampleRows(const QString &house)
{
    Connection c;
    c.setConnectionString(QStringLiteral("Data Source=") + house);
    c.connect();
    const char *districts[] = {"城东", "城西", "城南", "城北", "城东南"};
    for (int i = 0; i < 12; ++i) {
        c.exec(QStringLiteral("insert into 出租房信息表 (房产地域, 房产类别, 房间套型, 所处路段, 房间面积, 房间楼层, 租金, 租金单位, 装修情况, 房产权属, 联系人, 联系电话, 登记日期, 登记日期整数, 备注, 获租人) "
                              "values ('%1', '住宅', '两室一厅', '人民路%2号', '60-80平方米', '3楼', '800-1000元', '元/月', '简单装修', '个人产权', '王先生', '1380013%3', '2005-03-07 21:39:24', 20050307, '朝南，采光好', %4)")
                   .arg(QString::fromUtf8(districts[i % 5])).arg(i + 1).arg(1000 + i).arg(i % 3 == 0 ? 1 : 0));
        c.exec(QStringLiteral("insert into 出售房信息表 (房产地域, 房产类别, 房间套型, 所处路段, 房间面积, 出售价格, 房间楼层, 装修情况, 房产权属, 联系人, 联系电话, 登记日期, 登记日期整数, 备注, 购买人) "
                              "values ('%1', '住宅', '三室两厅', '解放路%2号', '100-120平方米', '30-40万元', '5楼', '精装修', '个人产权', '李女士', '1390013%3', '2005-10-01 00:00:00', 200501001, '学区房', 0)")
                   .arg(QString::fromUtf8(districts[(i + 2) % 5])).arg(i + 10).arg(2000 + i));
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens")).absolutePath();
    QDir().mkpath(out);
    setBoxResponder([](const BoxRecord &r) {
        qInfo("box: %s / %s", qPrintable(r.caption), qPrintable(r.text));
        return r.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    });
    StartupRun run;
    sampleRows(run.folder() + QStringLiteral("data/house.mdb"));
    if (!run.run([](Tform_logon *d) { loginAsAdministrator(d, QStringLiteral("velmoria")); }))
        return 1;
    QTest::qWait(200);
    const QStringList windows = {
        "form_chuzufang", "Form_chugoufangxinxi", "form_add_chuzufang", "Form_add_chushoufang",
        "form_chuzufang_xiangxi", "Form_chushoufang_xiangxi", "form_find_chuzufang", "Form_find_chushoufang",
        "Form_qiouzurenxinxi", "Form_qiougourenxinxi", "Form_add_qiouzuren", "form_add_qiougouren",
        "Form_qiouzuren_xiangxi", "Form_qiougouren_xiangxi", "Form_find_qiouzuren", "Form_find_qiougouren",
        "form_db_bak", "Form23", "form_change_password"};
    for (const QString &name : windows) {
        FormWindow *w = FormWindow::find(name);
        if (!w)
            continue;
        w->showWindow();
        QTest::qWait(150);
        w->grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
        w->hide();
    }
    return 0;
}
