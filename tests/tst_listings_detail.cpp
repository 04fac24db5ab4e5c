// The rental and sale detail windows: modification in two steps, the lock
// of view mode, stored values outside the lists, deletion, and what happens
// when another window moves the shared query during a modification.
#include "listings_fixture.h"

#include "ui/record_actions.h"

#include <QDateTimeEdit>

namespace {
bool rental(const QString &kind) { return kind == QLatin1String("rental"); }

struct DetailNames {
    QString submit, remove, crossBox, contact, category, district, key;
    QStringList lockable, highlighted;
};

DetailNames detailNames(const QString &kind)
{
    if (rental(kind))
        return {QStringLiteral("button_tijiao"), QStringLiteral("button_Delete"), QStringLiteral("DBEdit_huozuren"),
                QStringLiteral("dbEdit_lianxiren"), QStringLiteral("dbComboBox_leibie"), QStringLiteral("dbComboBox_diyu"),
                QStringLiteral("dbedit_fanghao"),
                {QStringLiteral("dbComboBox_diyu"), QStringLiteral("dbComboBox_leibie"),
                 QStringLiteral("dbDBComboBox_fangjiantaoxing"), QStringLiteral("dbEdit_luduan"),
                 QStringLiteral("dbComboBox_mianji"), QStringLiteral("dbComboBox_louceng"),
                 QStringLiteral("DBComboBox_zujing"), QStringLiteral("DBComboBox_zujingdanwei"),
                 QStringLiteral("dbComboBox_zhuangxiou"), QStringLiteral("dbComboBox_chanquan"),
                 QStringLiteral("DBEdit_huozuren"), QStringLiteral("DBDateTimePicker_dengji"),
                 QStringLiteral("dbEdit_lianxiren"), QStringLiteral("dbedit_call"), QStringLiteral("DBMemo_beizhu")},
                {QStringLiteral("dbEdit_luduan"), QStringLiteral("dbEdit_lianxiren"), QStringLiteral("dbedit_call"),
                 QStringLiteral("DBEdit_huozuren"), QStringLiteral("DBMemo_beizhu")}};
    return {QStringLiteral("button_tijiaoxiougai"), QStringLiteral("button_shanchu"), QStringLiteral("DBEdit_goumairen"),
            QStringLiteral("DBEdit_lianxiren"), QStringLiteral("DBComboBox_fangchanleibie"),
            QStringLiteral("DBComboBox_fangchandiyu"), QStringLiteral("DBEdit_chushoufanghao"),
            {QStringLiteral("DBComboBox_fangchandiyu"), QStringLiteral("DBComboBox_fangchanleibie"),
             QStringLiteral("DBComboBox_fangjiantaoxing"), QStringLiteral("DBEdit_suochuluduan"),
             QStringLiteral("DBComboBox_fangwumianji"), QStringLiteral("DBComboBox_chushoujiage"),
             QStringLiteral("DBComboBox_fangjianlouceng"), QStringLiteral("DBComboBox_zhuangxiouqingkuang"),
             QStringLiteral("DBComboBox_fangchanquanshu"), QStringLiteral("DBEdit_goumairen"),
             QStringLiteral("DBDateTimePicker_dengji"), QStringLiteral("DBEdit_lianxiren"),
             QStringLiteral("DBEdit_lianxidianhua"), QStringLiteral("DBMemo_beizhu")},
            {QStringLiteral("DBEdit_suochuluduan"), QStringLiteral("DBEdit_lianxiren"), QStringLiteral("DBEdit_lianxidianhua"),
             QStringLiteral("DBEdit_goumairen"), QStringLiteral("DBMemo_beizhu")}};
}

// The column whose stored value is not among the detail list's items, the
// value and its list.
struct Foreign {
    QString column, value, control;
};
Foreign foreignOf(const QString &kind)
{
    if (rental(kind))
        return {QStringLiteral("租金单位"), QStringLiteral("元/一年"), QStringLiteral("DBComboBox_zujingdanwei")};
    return {QStringLiteral("出售价格"), QStringLiteral("面议"), QStringLiteral("DBComboBox_chushoujiage")};
}
}

class TestListingDetail : public QObject {
    Q_OBJECT
    std::unique_ptr<ListingFixture> f;

    // One house with an unset district and a stored value outside the
    // lists, shown through the browse window; the detail window shown.
    qlonglong seed(const QString &kind, FormWindow **detail)
    {
        const qlonglong key = f->house(kind, QStringLiteral("城南"), QStringLiteral("555"), 4);
        const Foreign fo = foreignOf(kind);
        f->exec(QStringLiteral("UPDATE %1 SET 房产地域 = NULL, \"%2\" = '%3'").arg(namesOf(kind).table, fo.column, fo.value));
        f->browse(kind)->showWindow();
        *detail = f->detail(kind);
        (*detail)->showWindow();
        return key;
    }
    bool viewMode(QWidget *detail, const QString &kind)
    {
        const DetailNames d = detailNames(kind);
        bool locked = true;
        for (const QString &c : d.lockable)
            locked = locked && isControlLocked(child(detail, c));
        return locked && isControlLocked(child(detail, d.key)) == false && child<QLineEdit>(detail, d.key)->isReadOnly() &&
               !child(detail, d.submit)->isEnabled() && child(detail, QStringLiteral("DBNavigator1"))->isEnabled();
    }
    bool modificationMode(QWidget *detail, const QString &kind)
    {
        const DetailNames d = detailNames(kind);
        bool open = true;
        for (const QString &c : d.lockable)
            open = open && !isControlLocked(child(detail, c));
        return open && child<QLineEdit>(detail, d.key)->isReadOnly() && child(detail, d.submit)->isEnabled() &&
               !child(detail, QStringLiteral("DBNavigator1"))->isEnabled();
    }

private Q_SLOTS:
    void init() { f = std::make_unique<ListingFixture>(); }
    void cleanup() { f.reset(); }

    void kinds_data() { addKindRows(); }

    void modifyInTwoSteps_data() { kinds_data(); }
    void modifyInTwoSteps()
    {
        QFETCH(QString, kind);
        const DetailNames d = detailNames(kind);
        const KindNames n = namesOf(kind);
        const Foreign fo = foreignOf(kind);
        FormWindow *detail = nullptr;
        const qlonglong key = seed(kind, &detail);
        QVERIFY(viewMode(detail, kind));
        QCOMPARE(child<QComboBox>(detail, fo.control)->currentText(), fo.value);
        QCOMPARE(child<QComboBox>(detail, d.district)->currentText(), QString());
        QCOMPARE(child<QLineEdit>(detail, d.key)->text(), QString::number(key));

        clickButton(detail, QStringLiteral("button_xiougai"));
        QVERIFY(modificationMode(detail, kind));
        QCOMPARE(f->query(kind)->state(), QueryState::Editing);
        choose(detail, d.category, QStringLiteral("别墅"));
        typeInto(detail, d.contact, QStringLiteral("Sun"));
        typeInto(detail, d.crossBox, QString());
        clickButton(detail, d.submit);

        QCOMPARE(f->boxes.texts(), QStringList{QStringLiteral("修改成功！")});
        QCOMPARE(f->boxes.boxes.first().caption, QStringLiteral("提示"));
        QCOMPARE(f->cell(kind, key, QStringLiteral("房产类别")).toString(), QStringLiteral("别墅"));
        QCOMPARE(f->cell(kind, key, QStringLiteral("联系人")).toString(), QStringLiteral("Sun"));
        // an emptied cross-reference is stored as 0
        QCOMPARE(f->cellType(kind, key, n.crossReference), QStringLiteral("integer"));
        QCOMPARE(f->cell(kind, key, n.crossReference).toInt(), 0);
        // a list showing empty: rental leaves the column alone, sale writes empty text
        QCOMPARE(f->cellType(kind, key, QStringLiteral("房产地域")), rental(kind) ? QStringLiteral("null") : QStringLiteral("text"));
        // a stored value outside the list goes back unchanged
        QCOMPARE(f->cell(kind, key, fo.column).toString(), fo.value);
        QCOMPARE(f->cell(kind, key, QStringLiteral("登记日期整数")).toInt(), 20050307);
        QCOMPARE(f->cell(kind, key, QStringLiteral("所处路段")).toString(), QStringLiteral("Harbour Street"));
        QVERIFY(viewMode(detail, kind));
        QCOMPARE(f->query(kind)->state(), QueryState::Browsing);
        QCOMPARE(child<QLineEdit>(detail, d.crossBox)->text(), QStringLiteral("0"));
    }

    void aFailedSubmitStaysInModification_data() { kinds_data(); }
    void aFailedSubmitStaysInModification()
    {
        QFETCH(QString, kind);
        const DetailNames d = detailNames(kind);
        const KindNames n = namesOf(kind);
        FormWindow *detail = nullptr;
        const qlonglong key = seed(kind, &detail);
        clickButton(detail, QStringLiteral("button_xiougai"));
        typeInto(detail, d.crossBox, QStringLiteral("abc"));
        clickButton(detail, d.submit);
        QCOMPARE(f->boxes.boxes.size(), 1);
        QCOMPARE(f->boxes.boxes.first().icon, BoxIcon::Stop);
        QVERIFY(modificationMode(detail, kind));
        QCOMPARE(f->cell(kind, key, n.crossReference).toInt(), 4);
        // corrected, the same modification goes through
        f->boxes.clear();
        typeInto(detail, d.crossBox, QStringLiteral("12"));
        clickButton(detail, d.submit);
        QCOMPARE(f->boxes.texts(), QStringList{QStringLiteral("修改成功！")});
        QCOMPARE(f->cell(kind, key, n.crossReference).toInt(), 12);
        QVERIFY(viewMode(detail, kind));
    }

    void datePickerOnlyInModification_data() { kinds_data(); }
    void datePickerOnlyInModification()
    {
        QFETCH(QString, kind);
        const DetailNames d = detailNames(kind);
        FormWindow *detail = nullptr;
        const qlonglong key = seed(kind, &detail);
        auto *picker = child<QDateTimeEdit>(detail, QStringLiteral("DBDateTimePicker_dengji"));
        QCOMPARE(picker->date(), QDate(2005, 3, 7));
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(f->query(kind)->state(), QueryState::Browsing);
        QCOMPARE(picker->date(), QDate(2005, 3, 7));

        clickButton(detail, QStringLiteral("button_xiougai"));
        picker->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(picker->date(), QDate(2005, 3, 8));
        clickButton(detail, d.submit);
        QVERIFY(f->cell(kind, key, QStringLiteral("登记日期")).toString().startsWith(QStringLiteral("2005-03-08")));
        QCOMPARE(f->cell(kind, key, QStringLiteral("登记日期整数")).toInt(), 20050308);
    }

    void anotherWindowEndsTheModification_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("written");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")}) {
            QTest::addRow("%s, show all", qPrintable(kind)) << kind << "show all" << false;
            QTest::addRow("%s, refresh", qPrintable(kind)) << kind << "refresh" << true;
            QTest::addRow("%s, grid move", qPrintable(kind)) << kind << "grid move" << true;
            QTest::addRow("%s, search", qPrintable(kind)) << kind << "search" << false;
        }
    }
    // The detail window never stays in a mode whose submit would fail.
    void anotherWindowEndsTheModification()
    {
        QFETCH(QString, kind);
        QFETCH(QString, action);
        QFETCH(bool, written);
        const DetailNames d = detailNames(kind);
        FormWindow *detail = nullptr;
        const qlonglong key = seed(kind, &detail);
        f->house(kind, QStringLiteral("城北"), QStringLiteral("666"));
        FormWindow *browse = f->browse(kind);
        clickButton(browse, rental(kind) ? QStringLiteral("suiButton1") : QStringLiteral("button_view_all"));
        clickButton(detail, QStringLiteral("button_xiougai"));
        typeInto(detail, d.contact, QStringLiteral("Zhou"));

        if (action == QLatin1String("show all")) {
            clickButton(browse, rental(kind) ? QStringLiteral("suiButton1") : QStringLiteral("button_view_all"));
        } else if (action == QLatin1String("refresh")) {
            auto *nav = child<DBNavigator>(browse, QStringLiteral("DBNavigator1"));
            QTest::mouseClick(nav->button(DBNavigator::Refresh), Qt::LeftButton);
        } else if (action == QLatin1String("grid move")) {
            auto *grid = child<QAbstractItemView>(browse, QStringLiteral("DBGrid1"));
            const QRect cell = grid->visualRect(grid->model()->index(1, 0));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(f->query(kind)->cursor(), 1);
        } else {
            clickButton(f->search(kind), QStringLiteral("Button_start"));
        }
        QVERIFY(viewMode(detail, kind));
        QCOMPARE(f->cell(kind, key, QStringLiteral("联系人")).toString(), written ? QStringLiteral("Zhou") : QStringLiteral("Chen"));
        // the window shows what the query now holds
        QCOMPARE(child<QLineEdit>(detail, d.contact)->text(), f->query(kind)->columnText(QStringLiteral("联系人")));
        // and a new modification works as ever
        clickButton(detail, QStringLiteral("button_xiougai"));
        typeInto(detail, d.contact, QStringLiteral("Wu"));
        clickButton(detail, d.submit);
        QCOMPARE(f->boxes.texts(), QStringList{QStringLiteral("修改成功！")});
    }

    void modifyOnAnEmptyTableRegisters_data() { kinds_data(); }
    void modifyOnAnEmptyTableRegisters()
    {
        QFETCH(QString, kind);
        const DetailNames d = detailNames(kind);
        const KindNames n = namesOf(kind);
        f->browse(kind)->showWindow();
        FormWindow *detail = f->detail(kind);
        detail->showWindow();
        clickButton(detail, QStringLiteral("button_xiougai"));
        QCOMPARE(f->query(kind)->state(), QueryState::Inserting);
        typeInto(detail, d.contact, QStringLiteral("Ma"));
        clickButton(detail, d.submit);
        QCOMPARE(f->boxes.texts(), QStringList{QStringLiteral("修改成功！")});
        QCOMPARE(f->rows(kind), 1);
        const qlonglong key = dbValue(f->db(), QStringLiteral("SELECT %1 FROM %2").arg(n.key, n.table)).toLongLong();
        QCOMPARE(f->cell(kind, key, QStringLiteral("联系人")).toString(), QStringLiteral("Ma"));
        QCOMPARE(f->cell(kind, key, n.crossReference).toInt(), 0);
        QCOMPARE(f->cellType(kind, key, QStringLiteral("登记日期整数")), QStringLiteral("integer"));
        QCOMPARE(child<QLineEdit>(detail, d.key)->text(), QString::number(key));
    }

    void ordinaryUserMeetsTheGateFirst_data() { kinds_data(); }
    void ordinaryUserMeetsTheGateFirst()
    {
        QFETCH(QString, kind);
        const DetailNames d = detailNames(kind);
        FormWindow *detail = nullptr;
        seed(kind, &detail);
        session::setUserRole(2);
        f->boxes.answer(BoxAnswer::Yes);
        clickButton(detail, QStringLiteral("button_xiougai"));
        clickButton(detail, d.remove);
        QCOMPARE(f->boxes.boxes.size(), 2);
        for (const BoxRecord &b : f->boxes.boxes) {
            QCOMPARE(b.caption, QStringLiteral("权限不够"));
            QCOMPARE(b.ownerName, detail->objectName());
        }
        QVERIFY(viewMode(detail, kind));
        QCOMPARE(f->rows(kind), 1);
        // browsing stays open to everyone
        auto *nav = child<DBNavigator>(detail, QStringLiteral("DBNavigator1"));
        QVERIFY(nav->isEnabled());
    }

    void deletion_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("houses");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("left");
        const QString question = QStringLiteral("注意！ 该操作将删除该数据,是否继续？");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")}) {
            QTest::addRow("%s, No", qPrintable(kind)) << kind << 2 << false << QStringList{question} << 2;
            QTest::addRow("%s, Yes", qPrintable(kind)) << kind << 2 << true << QStringList{question} << 1;
            QTest::addRow("%s, empty table", qPrintable(kind))
                << kind << 0 << true << QStringList{question, QStringLiteral("记录已经为空！")} << 0;
        }
    }
    void deletion()
    {
        QFETCH(QString, kind);
        QFETCH(int, houses);
        QFETCH(bool, yes);
        QFETCH(QStringList, texts);
        QFETCH(int, left);
        QList<qlonglong> keys;
        for (int i = 0; i < houses; ++i)
            keys << f->house(kind, QStringLiteral("城东"), QString::number(i));
        f->browse(kind)->showWindow();
        FormWindow *detail = f->detail(kind);
        detail->showWindow();
        if (houses)
            f->query(kind)->last();
        f->boxes.answer(yes ? BoxAnswer::Yes : BoxAnswer::No);
        clickButton(detail, detailNames(kind).remove);
        QCOMPARE(f->boxes.texts(), texts);
        QCOMPARE(f->boxes.boxes.first().caption, QStringLiteral("提示"));
        QCOMPARE(f->boxes.boxes.first().buttons, BoxButtons::YesNo);
        if (texts.size() > 1)
            QCOMPARE(f->boxes.boxes.last().caption, QStringLiteral("删除出错"));
        QCOMPARE(f->rows(kind), left);
        QCOMPARE(f->query(kind)->recordCount(), left);
        if (houses && yes) {
            // the last row went: the cursor is on the new last row, shown here
            QCOMPARE(f->cell(kind, keys.last(), QStringLiteral("联系人")), QVariant());
            QCOMPARE(child<QLineEdit>(detail, detailNames(kind).key)->text(), QString::number(keys.first()));
        }
    }

    void focusHighlight_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("highlighted");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")}) {
            const DetailNames d = detailNames(kind);
            for (const QString &c : d.highlighted)
                QTest::addRow("%s %s", qPrintable(kind), qPrintable(c)) << kind << c << true;
            QTest::addRow("%s key", qPrintable(kind)) << kind << d.key << false;
            QTest::addRow("%s list", qPrintable(kind)) << kind << d.district << false;
        }
    }
    // In view mode too.
    void focusHighlight()
    {
        QFETCH(QString, kind);
        QFETCH(QString, control);
        QFETCH(bool, highlighted);
        FormWindow *detail = nullptr;
        seed(kind, &detail);
        QApplication::setActiveWindow(detail);
        QWidget *w = child(detail, control);
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
        QCOMPARE(w->palette().color(QPalette::Base) == QColor(0xC0, 0xDC, 0xC0), highlighted);
        child(detail, QStringLiteral("button_cancel"))->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!w->hasFocus());
        if (highlighted)
            QCOMPARE(w->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
        QVERIFY(w->palette().color(QPalette::Base) != QColor(0xC0, 0xDC, 0xC0));
    }
};

QTEST_MAIN(TestListingDetail)
#include "tst_listings_detail.moc"
