// Registering houses for rent and for sale through the real forms, checked
// column by column in the database.
#include "listings_fixture.h"

#include <QDateTimeEdit>

namespace {
struct ListInput {
    QString control, column, item;
};

// The lists of each form with an item to pick in each.
QList<ListInput> listsOf(const QString &kind)
{
    if (kind == QLatin1String("rental"))
        return {{QStringLiteral("ComboBox_add_fangchandiyu"), QStringLiteral("房产地域"), QStringLiteral("城东南")},
                {QStringLiteral("ComboBox_add_fangchanleibie"), QStringLiteral("房产类别"), QStringLiteral("商住综合")},
                {QStringLiteral("ComboBox_add_fangjiantaoxing"), QStringLiteral("房间套型"), QStringLiteral("特大套")},
                {QStringLiteral("ComboBox_add_fangwumianjie"), QStringLiteral("房间面积"), QStringLiteral("50-70 平方米")},
                {QStringLiteral("ComboBox_add_fangjianlouceng"), QStringLiteral("房间楼层"), QStringLiteral("8层以上")},
                {QStringLiteral("ComboBox1_zujing"), QStringLiteral("租金"), QStringLiteral("1000-3000")},
                {QStringLiteral("ComboBox_add_zujing_shijian"), QStringLiteral("租金单位"), QStringLiteral("元/年")},
                {QStringLiteral("ComboBox_add_zhuangxiouqingkuang"), QStringLiteral("装修情况"), QStringLiteral("豪华装修")},
                {QStringLiteral("ComboBox_add_fangchanquanshu"), QStringLiteral("房产权属"), QStringLiteral("房改房")}};
    return {{QStringLiteral("ComboBox_add_fangchandiyu"), QStringLiteral("房产地域"), QStringLiteral("城郊区")},
            {QStringLiteral("ComboBox_add_fangchanleixing"), QStringLiteral("房产类别"), QStringLiteral("别墅")},
            {QStringLiteral("ComboBox_add_fangjianleixing"), QStringLiteral("房间套型"), QStringLiteral("复式")},
            {QStringLiteral("ComboBox_add_fangjianmianji"), QStringLiteral("房间面积"), QStringLiteral("110-150 平方米")},
            {QStringLiteral("ComboBox1"), QStringLiteral("出售价格"), QStringLiteral("100000以上")},
            {QStringLiteral("ComboBox_add_fangjianlouceng"), QStringLiteral("房间楼层"), QStringLiteral("1层")},
            {QStringLiteral("ComboBox_add_zhuangxiouqingkuang"), QStringLiteral("装修情况"), QStringLiteral("一般装修")},
            {QStringLiteral("ComboBox_add_fangchanquanshu"), QStringLiteral("房产权属"), QStringLiteral("居住权")}};
}

struct TextInput {
    QString control, column, text;
};

QList<TextInput> textsOf(const QString &kind)
{
    const bool rental = kind == QLatin1String("rental");
    return {{rental ? QStringLiteral("Edit_add_jutiluduan") : QStringLiteral("Edit_add_luduan"),
             QStringLiteral("所处路段"), QStringLiteral("Elm Road 12")},
            {QStringLiteral("Edit_add_lianxiren"), QStringLiteral("联系人"), QStringLiteral("Wang")},
            {QStringLiteral("Edit_add_lianxidianhua"), QStringLiteral("联系电话"), QStringLiteral("13905511234")},
            {rental ? QStringLiteral("Memo_add_beizhu") : QStringLiteral("memo_add_beizhu"), QStringLiteral("备注"),
             QStringLiteral("south facing")}};
}

QString successOf(const QString &kind)
{
    return kind == QLatin1String("rental") ? QStringLiteral("新出租房添加成功！") : QStringLiteral("新出售房添加成功！");
}
}

class TestListingRegistration : public QObject {
    Q_OBJECT
    std::unique_ptr<ListingFixture> f;

private Q_SLOTS:
    void init() { f = std::make_unique<ListingFixture>(); }
    void cleanup() { f.reset(); }

    void registersEveryColumn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("chooseLists");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("dateInteger");
        QTest::newRow("rental, lists left empty") << "rental" << false << "2004-02-02" << 20040202;
        QTest::newRow("rental, every list chosen") << "rental" << true << "2004-02-02" << 20040202;
        QTest::newRow("sale, lists left empty") << "sale" << false << "2004-02-05" << 20040205;
        QTest::newRow("sale, every list chosen") << "sale" << true << "2004-02-05" << 20040205;
    }
    void registersEveryColumn()
    {
        QFETCH(QString, kind);
        QFETCH(bool, chooseLists);
        QFETCH(QString, date);
        QFETCH(int, dateInteger);
        FormWindow *form = f->registration(kind);
        form->showWindow();
        // Nothing has opened the table query: the form opens it itself.
        QVERIFY(!f->query(kind)->isOpen());
        if (chooseLists)
            for (const ListInput &l : listsOf(kind))
                choose(form, l.control, l.item);
        for (const TextInput &t : textsOf(kind))
            typeInto(form, t.control, t.text);
        clickButton(form, QStringLiteral("button_tijiaodengji"));

        QCOMPARE(f->boxes.texts(), QStringList{successOf(kind)});
        QCOMPARE(f->boxes.boxes.first().caption, QStringLiteral("提示"));
        QCOMPARE(f->boxes.boxes.first().ownerName, form->objectName());
        QCOMPARE(f->rows(kind), 1);
        const KindNames n = namesOf(kind);
        const qlonglong key = dbValue(f->db(), QStringLiteral("SELECT %1 FROM %2").arg(n.key, n.table)).toLongLong();
        for (const ListInput &l : listsOf(kind)) {
            if (chooseLists) {
                QCOMPARE(f->cell(kind, key, l.column).toString(), l.item);
            } else if (l.column == QStringLiteral("租金单位")) {
                // the rent unit is always written: an empty choice gives empty text
                QCOMPARE(f->cellType(kind, key, l.column), QStringLiteral("text"));
                QCOMPARE(f->cell(kind, key, l.column).toString(), QString());
            } else {
                QVERIFY2(f->cellType(kind, key, l.column) == QStringLiteral("null"), qPrintable(l.column));
            }
        }
        for (const TextInput &t : textsOf(kind))
            QCOMPARE(f->cell(kind, key, t.column).toString(), t.text);
        QVERIFY(f->cell(kind, key, QStringLiteral("登记日期")).toString().startsWith(date));
        QCOMPARE(f->cellType(kind, key, QStringLiteral("登记日期整数")), QStringLiteral("integer"));
        QCOMPARE(f->cell(kind, key, QStringLiteral("登记日期整数")).toInt(), dateInteger);
        QCOMPARE(f->cellType(kind, key, n.crossReference), QStringLiteral("integer"));
        QCOMPARE(f->cell(kind, key, n.crossReference).toInt(), 0);
        // the shared query shows the new row with the key the database gave it
        QCOMPARE(f->query(kind)->columnText(n.key), QString::number(key));
    }

    void pickedDateAndEmptyFirstItem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("rental") << "rental";
        QTest::newRow("sale") << "sale";
    }
    // A picked date gives its integer; picking the empty first item again
    // counts as not chosen.
    void pickedDateAndEmptyFirstItem()
    {
        QFETCH(QString, kind);
        FormWindow *form = f->registration(kind);
        form->showWindow();
        auto *picker = child<QDateTimeEdit>(form, QStringLiteral("DateTimePicker_add_dengjiriqi"));
        picker->setDate(QDate(2005, 10, 1));
        choose(form, QStringLiteral("ComboBox_add_fangchandiyu"), QStringLiteral("城北"));
        choose(form, QStringLiteral("ComboBox_add_fangchandiyu"), QString());
        clickButton(form, QStringLiteral("button_tijiaodengji"));
        const KindNames n = namesOf(kind);
        const qlonglong key = dbValue(f->db(), QStringLiteral("SELECT max(%1) FROM %2").arg(n.key, n.table)).toLongLong();
        QCOMPARE(f->cell(kind, key, QStringLiteral("登记日期整数")).toInt(), 200501001);
        QVERIFY(f->cell(kind, key, QStringLiteral("登记日期")).toString().startsWith(QStringLiteral("2005-10-01")));
        QCOMPARE(f->cellType(kind, key, QStringLiteral("房产地域")), QStringLiteral("null"));
    }

    void twoSubmitsGiveTwoRows_data() { pickedDateAndEmptyFirstItem_data(); }
    void twoSubmitsGiveTwoRows()
    {
        QFETCH(QString, kind);
        FormWindow *form = f->registration(kind);
        form->showWindow();
        for (const ListInput &l : listsOf(kind))
            choose(form, l.control, l.item);
        for (const TextInput &t : textsOf(kind))
            typeInto(form, t.control, t.text);
        clickButton(form, QStringLiteral("button_tijiaodengji"));
        clickButton(form, QStringLiteral("button_tijiaodengji"));
        QCOMPARE(f->boxes.texts(), (QStringList{successOf(kind), successOf(kind)}));
        const KindNames n = namesOf(kind);
        QCOMPARE(f->rows(kind), 2);
        // the two rows differ only in their key
        QStringList others;
        for (const QString &c : f->query(kind)->columnNames())
            if (c != n.key)
                others << QLatin1Char('"') + c + QLatin1Char('"');
        QCOMPARE(dbValue(f->db(), QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT %1 FROM %2)")
                                      .arg(others.join(QLatin1Char(',')), n.table)).toInt(), 1);
        QCOMPARE(dbValue(f->db(), QStringLiteral("SELECT count(DISTINCT %1) FROM %2").arg(n.key, n.table)).toInt(), 2);
        QCOMPARE(f->query(kind)->recordCount(), 2);
        // the inputs stay for the next similar house
        QCOMPARE(child<QLineEdit>(form, QStringLiteral("Edit_add_lianxiren"))->text(), QStringLiteral("Wang"));
    }

    void failedSaveKeepsNothingButTheInputs_data() { pickedDateAndEmptyFirstItem_data(); }
    void failedSaveKeepsNothingButTheInputs()
    {
        QFETCH(QString, kind);
        const KindNames n = namesOf(kind);
        f->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'disk is full'); END")
                    .arg(n.table));
        FormWindow *browse = f->browse(kind);
        browse->showWindow();
        FormWindow *form = f->registration(kind);
        form->showWindow();
        choose(form, QStringLiteral("ComboBox_add_fangchandiyu"), QStringLiteral("城西"));
        for (const TextInput &t : textsOf(kind))
            typeInto(form, t.control, t.text);
        clickButton(form, QStringLiteral("button_tijiaodengji"));

        QCOMPARE(f->boxes.boxes.size(), 1);
        QCOMPARE(f->boxes.boxes.first().icon, BoxIcon::Stop);
        QVERIFY2(f->boxes.boxes.first().text.contains(QStringLiteral("disk is full")), qPrintable(f->boxes.boxes.first().text));
        QCOMPARE(f->rows(kind), 0);
        // no phantom row in the shared query, its grids or its count
        QCOMPARE(f->query(kind)->state(), QueryState::Browsing);
        QCOMPARE(f->query(kind)->recordCount(), 0);
        QCOMPARE(child<QAbstractItemView>(browse, QStringLiteral("DBGrid1"))->model()->rowCount(), 0);
        // every input kept for another attempt
        QCOMPARE(child<QComboBox>(form, QStringLiteral("ComboBox_add_fangchandiyu"))->currentText(), QStringLiteral("城西"));
        for (const TextInput &t : textsOf(kind)) {
            QWidget *w = child(form, t.control);
            const QString text = qobject_cast<QLineEdit *>(w) ? qobject_cast<QLineEdit *>(w)->text()
                                                               : qobject_cast<QPlainTextEdit *>(w)->toPlainText();
            QCOMPARE(text, t.text);
        }

        f->boxes.clear();
        f->exec(QStringLiteral("DROP TRIGGER refuse"));
        clickButton(form, QStringLiteral("button_tijiaodengji"));
        QCOMPARE(f->boxes.texts(), QStringList{successOf(kind)});
        QCOMPARE(f->rows(kind), 1);
        QCOMPARE(dbValue(f->db(), QStringLiteral("SELECT 房产地域 FROM ") + n.table).toString(), QStringLiteral("城西"));
        QTRY_COMPARE(f->labelText(browse, kind == QLatin1String("rental") ? QStringLiteral("Label2")
                                                                          : QStringLiteral("labe_chushoufang")),
                     QStringLiteral("1"));
    }

    void focusHighlight_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("highlighted");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")}) {
            for (const TextInput &t : textsOf(kind))
                QTest::addRow("%s %s", qPrintable(kind), qPrintable(t.control)) << kind << t.control << true;
            QTest::addRow("%s list", qPrintable(kind)) << kind << QStringLiteral("ComboBox_add_fangchandiyu") << false;
            QTest::addRow("%s date", qPrintable(kind)) << kind << QStringLiteral("DateTimePicker_add_dengjiriqi") << false;
        }
    }
    void focusHighlight()
    {
        QFETCH(QString, kind);
        QFETCH(QString, control);
        QFETCH(bool, highlighted);
        const QColor green(0xC0, 0xDC, 0xC0), white(0xFF, 0xFF, 0xFF);
        FormWindow *form = f->registration(kind);
        form->showWindow();
        QApplication::setActiveWindow(form);
        QWidget *w = child(form, control);
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
        QCOMPARE(w->palette().color(QPalette::Base) == green, highlighted);
        child(form, QStringLiteral("button_cancel"))->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!w->hasFocus());
        if (highlighted)
            QCOMPARE(w->palette().color(QPalette::Base), white);
        QVERIFY(w->palette().color(QPalette::Base) != green);
    }

    void closeHidesAndKeepsInputs_data() { pickedDateAndEmptyFirstItem_data(); }
    void closeHidesAndKeepsInputs()
    {
        QFETCH(QString, kind);
        FormWindow *form = f->registration(kind);
        form->showWindow();
        typeInto(form, QStringLiteral("Edit_add_lianxiren"), QStringLiteral("Li"));
        clickButton(form, QStringLiteral("button_cancel"));
        QVERIFY(!form->isVisible());
        form->showWindow();
        QCOMPARE(child<QLineEdit>(form, QStringLiteral("Edit_add_lianxiren"))->text(), QStringLiteral("Li"));
        QCOMPARE(f->rows(kind), 0);
    }
};

QTEST_MAIN(TestListingRegistration)
#include "tst_listings_registration.moc"
