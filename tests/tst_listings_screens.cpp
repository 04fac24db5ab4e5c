// What the eight listing windows show: captions, frames, list items, grid
// columns, navigator hints, buttons in their groups, captions beside boxes.
#include "listings_fixture.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

class TestListingScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<ListingFixture> f;

private Q_SLOTS:
    void init() { f = std::make_unique<ListingFixture>(); }
    void cleanup() { f.reset(); }

    void frames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rental browse") << "form_chuzufang" << "出租房信息";
        QTest::newRow("sale browse") << "Form_chugoufangxinxi" << "出售房信息";
        QTest::newRow("rental registration") << "form_add_chuzufang" << "新出租房登记表";
        QTest::newRow("sale registration") << "Form_add_chushoufang" << "登记新出售房";
        QTest::newRow("rental detail") << "form_chuzufang_xiangxi" << "出租房详细资料";
        QTest::newRow("sale detail") << "Form_chushoufang_xiangxi" << "出售房详细资料";
        QTest::newRow("rental search") << "form_find_chuzufang" << "出租房信息查询系统";
        QTest::newRow("sale search") << "Form_find_chushoufang" << "出售房查询系统";
    }
    void frames()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        FormWindow *w = f->window(window);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        const int expected = FormWindow::FixedBorder | FormWindow::StayOnTop | FormWindow::CentreOnMain |
                             FormWindow::CloseAndMinimiseOnly;
        QCOMPARE(w->options(), expected);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        // the picture strip down the left side
        auto *strip = child<QLabel>(w, QStringLiteral("Image_strip"));
        QVERIFY(strip && !strip->pixmap().isNull());
        QCOMPARE(strip->geometry(), QRect(0, 0, strip->width(), w->height()));
        // no control of the window or of its group boxes stands outside its
        // parent or over the strip
        for (QWidget *c : w->findChildren<QWidget *>()) {
            QWidget *p = c->parentWidget();
            if (c == strip || !(p == w || qobject_cast<QGroupBox *>(p)))
                continue;
            QVERIFY2(p->rect().contains(c->geometry()), qPrintable(c->objectName()));
            if (p == w)
                QVERIFY2(c->x() >= strip->width(), qPrintable(c->objectName()));
        }
    }

    void listItems_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("items");
        const QStringList districts{"城东", "城西", "城南", "城北", "城东南", "城东北", "城西南", "城西北", "城市中心", "城郊区"};
        const QStringList categories{"高层楼", "一般居民楼", "写字楼", "别墅", "商住综合", "门面房", "厂房仓库", "平房"};
        const QStringList layouts{"单室套", "小套", "中套", "大套", "特大套", "跃层", "错层", "复式"};
        const QStringList areas{"50平方米以下", "50-70 平方米", "70-90 平方米", "90-110 平方米", "110-150 平方米", "150平方米以上"};
        const QStringList floors{"1层", "2层", "3层", "4层", "5层", "6层", "7层", "8层", "8层以上"};
        const QStringList decorations{"一般装修", "中等装修", "精致装修", "豪华装修"};
        const QStringList ownerships{"个人产权", "单位产权", "集体产权", "房改房", "居住权"};
        const QStringList rents{"100以下", "100-300", "300-500", "500-700", "700-1000", "1000-3000",
                                "3000-5000", "5000-7000", "7000-9000", "9000-10000", "10000以上"};
        const QStringList units{"元/天", "元/月", "元/半年", "元/年"};
        const QStringList prices{"10000以下", "10000-20000", "20000-40000", "40000-60000", "60000-80000", "80000-100000", "100000以上"};
        auto row = [](const char *name, const char *window, const char *control, const QString &first, const QStringList &its) {
            QTest::newRow(name) << QString::fromLatin1(window) << QString::fromLatin1(control) << (QStringList{first} + its);
        };
        const QString e, any = QStringLiteral("不限");
        row("add rental district", "form_add_chuzufang", "ComboBox_add_fangchandiyu", e, districts);
        row("add rental category", "form_add_chuzufang", "ComboBox_add_fangchanleibie", e, categories);
        row("add rental layout", "form_add_chuzufang", "ComboBox_add_fangjiantaoxing", e, layouts);
        row("add rental area", "form_add_chuzufang", "ComboBox_add_fangwumianjie", e, areas);
        row("add rental floor", "form_add_chuzufang", "ComboBox_add_fangjianlouceng", e, floors);
        row("add rental rent", "form_add_chuzufang", "ComboBox1_zujing", e, rents);
        row("add rental unit", "form_add_chuzufang", "ComboBox_add_zujing_shijian", e, units);
        row("add rental decoration", "form_add_chuzufang", "ComboBox_add_zhuangxiouqingkuang", e, decorations);
        row("add rental ownership", "form_add_chuzufang", "ComboBox_add_fangchanquanshu", e, ownerships);
        row("add sale category", "Form_add_chushoufang", "ComboBox_add_fangchanleixing", e, categories);
        row("add sale layout", "Form_add_chushoufang", "ComboBox_add_fangjianleixing", e, layouts);
        row("add sale area", "Form_add_chushoufang", "ComboBox_add_fangjianmianji", e, areas);
        row("add sale price", "Form_add_chushoufang", "ComboBox1", e, prices);
        row("rental detail district", "form_chuzufang_xiangxi", "dbComboBox_diyu", any, districts);
        row("rental detail layout", "form_chuzufang_xiangxi", "dbDBComboBox_fangjiantaoxing", any, layouts);
        row("rental detail unit", "form_chuzufang_xiangxi", "DBComboBox_zujingdanwei", any, units);
        row("rental detail ownership", "form_chuzufang_xiangxi", "dbComboBox_chanquan", any, ownerships);
        row("sale detail price", "Form_chushoufang_xiangxi", "DBComboBox_chushoujiage", any, prices);
        row("sale detail area", "Form_chushoufang_xiangxi", "DBComboBox_fangwumianji", any, areas);
        row("rental search unit", "form_find_chuzufang", "ComboBox_danwei", e, units);
        row("rental search rent", "form_find_chuzufang", "ComboBox_zujing", e, rents);
        row("rental search decoration", "form_find_chuzufang", "ComboBox_zhuangxiouqingkuang", e, decorations);
        row("sale search price", "Form_find_chushoufang", "ComboBox_chushoujiage", e, prices);
        row("sale search layout", "Form_find_chushoufang", "ComboBox_fangjiantaoxing", e, layouts);
        row("sale search floor", "Form_find_chushoufang", "ComboBox_louceng", e, floors);
    }
    void listItems()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QStringList, items);
        auto *box = child<QComboBox>(f->window(window), control);
        QVERIFY(box);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        QCOMPARE(shown, items);
        QVERIFY(!box->isEditable());
        QCOMPARE(box->currentIndex(), -1);   // nothing chosen at start
    }

    void gridsAndNavigators_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("columns");   // title:width
        QTest::addColumn<QStringList>("hints");
        const QStringList four{"第一条记录", "上一条记录", "下一条记录", "最后一条记录"};
        QTest::newRow("rental browse") << "form_chuzufang"
                                       << QStringList{"出租房号:60", "所处路段:60", "联系人:60", "联系电话:60", "获租人:60"}
                                       << (four + QStringList{"刷新数据"});
        QTest::newRow("sale browse") << "Form_chugoufangxinxi"
                                     << QStringList{"出购房号:55", "所处路段:80", "联系人:55", "联系电话:55", "购买人:60"}
                                     << (four + QStringList{"刷新记录"});
        QTest::newRow("rental search") << "form_find_chuzufang"
                                       << QStringList{"出租房号:52", "所处路段:100", "联系人:80", "联系电话:80", "获租人:50"} << four;
        QTest::newRow("sale search") << "Form_find_chushoufang"
                                     << QStringList{"出售价格:80", "联系人:60", "联系电话:60", "购买人:60"} << four;
        QTest::newRow("rental detail") << "form_chuzufang_xiangxi" << QStringList{} << (four + QStringList{"刷新数据"});
        QTest::newRow("sale detail") << "Form_chushoufang_xiangxi" << QStringList{} << (four + QStringList{"刷新记录"});
    }
    void gridsAndNavigators()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, hints);
        FormWindow *w = f->window(window);
        if (!columns.isEmpty()) {
            auto *grid = child<QTableView>(w, QStringLiteral("DBGrid1"));
            QVERIFY(grid);
            QStringList shown;
            for (int c = 0; c < grid->model()->columnCount(); ++c)
                shown << grid->model()->headerData(c, Qt::Horizontal).toString() + QLatin1Char(':') +
                             QString::number(grid->columnWidth(c));
            QCOMPARE(shown, columns);
        }
        auto *nav = child<QWidget>(w, QStringLiteral("DBNavigator1"));
        QVERIFY(nav);
        QStringList shownHints;
        for (QToolButton *b : nav->findChildren<QToolButton *>())
            if (b->isVisibleTo(nav))
                shownHints << b->toolTip();
        QCOMPARE(shownHints, hints);
    }

    void buttonsInTheirGroups_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("group");   // empty: on the window itself
        QTest::addColumn<QStringList>("buttons");   // name=caption
        QTest::newRow("rental browse") << "form_chuzufang" << "数据操作"
            << QStringList{"button_dengji=登记新出租房 &D", "button_chuzufang_xiangxi=查看详细资料 &V",
                           "button_huozurenxingxi=查看获租人信息 &H", "Button_chaxun=查询房屋信息 &F"};
        QTest::newRow("rental show all") << "form_chuzufang" << "" << QStringList{"suiButton1=全部显示 &A"};
        QTest::newRow("sale browse") << "Form_chugoufangxinxi" << "数据操作"
            << QStringList{"suiButton1=登记新出售房 &D", "button_chuzufang_xiangxi=查看详细资料 &V",
                           "button_huozurenxingxi=查看购买人信息 &H", "Button_chaxun=查询房屋信息 &F"};
        QTest::newRow("sale show all") << "Form_chugoufangxinxi" << "" << QStringList{"button_view_all=全部显示 &A"};
        QTest::newRow("rental registration") << "form_add_chuzufang" << "数据操作"
            << QStringList{"button_tijiaodengji=提交登记 &A", "button_cancel=关闭 &C"};
        QTest::newRow("sale registration") << "Form_add_chushoufang" << "数据操作："
            << QStringList{"button_tijiaodengji=提交登记  &A", "button_cancel=关闭 &C"};
        QTest::newRow("rental detail") << "form_chuzufang_xiangxi" << "数据操作"
            << QStringList{"button_xiougai=开始修改 &K", "button_tijiao=提交修改 &T", "button_Delete=删除记录  &D",
                           "button_cancel=关闭 &C"};
        QTest::newRow("sale detail") << "Form_chushoufang_xiangxi" << "数据操作"
            << QStringList{"button_xiougai=开始修改 &K", "button_tijiaoxiougai=提交修改 &T", "button_shanchu=删除记录 &D",
                           "button_cancel=关闭 &C"};
        QTest::newRow("rental search") << "form_find_chuzufang" << "查询操作"
            << QStringList{"Button_start=开始查找 &K", "button_view=该房详细信息 &X", "button_delete=删除该记录 &D",
                           "button_cancel=关闭 &C"};
        QTest::newRow("sale search") << "Form_find_chushoufang" << "查询操作"
            << QStringList{"Button_start=开始查找 &K", "button_view=该房详细信息 &X", "button_delete=删除记录 &D",
                           "button_close=关闭 &C"};
    }
    void buttonsInTheirGroups()
    {
        QFETCH(QString, window);
        QFETCH(QString, group);
        QFETCH(QStringList, buttons);
        FormWindow *w = f->window(window);
        for (const QString &b : buttons) {
            const QString name = b.section(QLatin1Char('='), 0, 0);
            auto *button = child<QAbstractButton>(w, name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->text(), b.section(QLatin1Char('='), 1));
            auto *box = qobject_cast<QGroupBox *>(button->parentWidget());
            if (group.isEmpty())
                QCOMPARE(button->parentWidget(), static_cast<QWidget *>(w));
            else
                QVERIFY2(box && box->title() == group, qPrintable(name));
        }
    }

    void captionsBesideBoxes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rental browse key") << "form_chuzufang" << "DBEdit_chuzufanghao" << "出租房号：";
        QTest::newRow("sale browse road") << "Form_chugoufangxinxi" << "DBEdit_suozailuduan" << "所在路段：";
        QTest::newRow("sale browse buyer") << "Form_chugoufangxinxi" << "DBEdit_goumairen" << "购买人：";
        QTest::newRow("rental add area") << "form_add_chuzufang" << "ComboBox_add_fangwumianjie" << "房间面积(m2)：";
        QTest::newRow("rental add date") << "form_add_chuzufang" << "DateTimePicker_add_dengjiriqi" << "登记日期：";
        QTest::newRow("sale add price") << "Form_add_chushoufang" << "ComboBox1" << "出售价格(元)：";
        QTest::newRow("sale add memo") << "Form_add_chushoufang" << "memo_add_beizhu" << "备注：";
        QTest::newRow("rental detail tenant") << "form_chuzufang_xiangxi" << "DBEdit_huozuren" << "获租人号：";
        QTest::newRow("rental detail area") << "form_chuzufang_xiangxi" << "dbComboBox_mianji" << "房屋面积(m2)：";
        QTest::newRow("sale detail key") << "Form_chushoufang_xiangxi" << "DBEdit_chushoufanghao" << "出售房号：";
        QTest::newRow("rental search road") << "form_find_chuzufang" << "Edit_luduan" << "所在路段：";
        QTest::newRow("sale search road") << "Form_find_chushoufang" << "Edit_suochuluduan" << "所处路段：";
    }
    void captionsBesideBoxes()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        FormWindow *w = f->window(window);
        QWidget *box = child(w, control);
        QVERIFY(box);
        QLabel *found = nullptr;
        for (QLabel *l : w->findChildren<QLabel *>())
            if (l->text() == caption && l->geometry().top() == box->geometry().top())
                found = l;
        QVERIFY2(found, qPrintable(caption));
        QVERIFY(found->geometry().right() < box->geometry().left());
        QVERIFY(box->geometry().left() - found->geometry().right() < 12);
    }

    void countTimers_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("timer");
        QTest::addColumn<int>("interval");
        QTest::newRow("rental browse") << "form_chuzufang" << "Timer_chuzufang" << 10;
        QTest::newRow("sale browse") << "Form_chugoufangxinxi" << "Timer" << 100;
    }
    // The count timer runs from creation on, before the window was ever shown.
    void countTimers()
    {
        QFETCH(QString, window);
        QFETCH(QString, timer);
        QFETCH(int, interval);
        FormWindow *w = f->window(window);
        QVERIFY(!w->isVisible());
        auto *t = w->findChild<QTimer *>(timer);
        QVERIFY2(t, qPrintable(timer));
        QCOMPARE(t->interval(), interval);
        QVERIFY(t->isActive());
    }

    void countLines_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("line");
        QTest::newRow("rental browse") << "form_chuzufang" << QStringList{"当前共有：", "0", "个出租房", "0", "个空闲"};
        QTest::newRow("sale browse") << "Form_chugoufangxinxi" << QStringList{"当前共有：", "0", "个出售房", "0", "个空闲"};
        QTest::newRow("rental search") << "form_find_chuzufang" << QStringList{"共找到：", "0", "条记录"};
        QTest::newRow("sale search") << "Form_find_chushoufang" << QStringList{"共找到：", "0", "条记录"};
    }
    // The count line reads left to right on one row.
    void countLines()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, line);
        FormWindow *w = f->window(window);
        QList<QLabel *> row;
        auto *first = [&]() -> QLabel * {
            for (QLabel *l : w->findChildren<QLabel *>())
                if (l->text() == line.first())
                    return l;
            return nullptr;
        }();
        QVERIFY(first);
        for (QLabel *l : w->findChildren<QLabel *>())
            if (l->parentWidget() == w && l->geometry().top() == first->geometry().top())
                row << l;
        std::sort(row.begin(), row.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
        QStringList texts;
        for (QLabel *l : row)
            texts << l->text();
        QCOMPARE(texts, line);
    }
};

QTEST_MAIN(TestListingScreens)
#include "tst_listings_screens.moc"
