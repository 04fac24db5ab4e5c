// The rental and sale search windows: substring criteria joined by "and",
// nulls never found, "%" typed acting as a wildcard, delete and view.
#include "listings_fixture.h"

namespace {
bool rental(const QString &kind) { return kind == QLatin1String("rental"); }
QString districtList(const QString &kind)
{
    return rental(kind) ? QStringLiteral("ComboBox_diyu") : QStringLiteral("ComboBox_fangchandiyu");
}
}

class TestListingSearch : public QObject {
    Q_OBJECT
    std::unique_ptr<ListingFixture> f;

    // Five houses; the last has no category and is never found.
    void seed(const QString &kind)
    {
        f->house(kind, QStringLiteral("城东"), QStringLiteral("13905511234"), 0, QStringLiteral("A"));
        f->house(kind, QStringLiteral("城东南"), QStringLiteral("13805519999"), 0, QStringLiteral("B"));
        f->house(kind, QStringLiteral("城东北"), QStringLiteral("0551-2345678"), 0, QStringLiteral("C"));
        f->house(kind, QStringLiteral("城西"), QStringLiteral("13905510000"), 0, QStringLiteral("D"));
        const qlonglong e = f->house(kind, QStringLiteral("城东"), QStringLiteral("13900000000"), 0, QStringLiteral("E"));
        f->exec(QStringLiteral("UPDATE %1 SET 房产类别 = NULL WHERE %2 = %3").arg(namesOf(kind).table, namesOf(kind).key).arg(e));
    }
    QStringList foundContacts(const QString &kind)
    {
        QStringList out;
        Query *q = f->query(kind);
        const int col = q->columnIndex(QStringLiteral("联系人"));
        for (int r = 0; r < q->rowCount(); ++r)
            out << q->displayText(r, col);
        out.sort();
        return out;
    }

private Q_SLOTS:
    void init() { f = std::make_unique<ListingFixture>(); }
    void cleanup() { f.reset(); }

    void criteria_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QStringList>("found");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")}) {
            QTest::addRow("%s, every criterion empty", qPrintable(kind))
                << kind << QString() << QString() << QStringList{"A", "B", "C", "D"};
            QTest::addRow("%s, 城东 finds 城东南 and 城东北", qPrintable(kind))
                << kind << QStringLiteral("城东") << QString() << QStringList{"A", "B", "C"};
            QTest::addRow("%s, part of a telephone number", qPrintable(kind))
                << kind << QString() << QStringLiteral("5511") << QStringList{"A"};
            QTest::addRow("%s, a typed %% is a wildcard", qPrintable(kind))
                << kind << QString() << QStringLiteral("139%0000") << QStringList{"D"};
            QTest::addRow("%s, criteria joined by and", qPrintable(kind))
                << kind << QStringLiteral("城东") << QStringLiteral("1390") << QStringList{"A"};
            QTest::addRow("%s, nothing found", qPrintable(kind))
                << kind << QStringLiteral("城郊区") << QString() << QStringList{};
        }
    }
    void criteria()
    {
        QFETCH(QString, kind);
        QFETCH(QString, district);
        QFETCH(QString, phone);
        QFETCH(QStringList, found);
        seed(kind);
        FormWindow *search = f->search(kind);
        search->showWindow();
        if (!district.isEmpty())
            choose(search, districtList(kind), district);
        typeInto(search, QStringLiteral("Edit_lianxidianhua"), phone);
        clickButton(search, QStringLiteral("Button_start"));
        QVERIFY(f->boxes.boxes.isEmpty());
        QCOMPARE(foundContacts(kind), found);
        QCOMPARE(f->labelText(search, f->searchCountLabel(kind)), QString::number(found.size()));
        QCOMPARE(f->gridRows(search), found.size());

        // one parameter per criterion, each the box's text between two "%"
        Query *q = f->query(kind);
        QCOMPARE(q->parameterNames().size(), rental(kind) ? 12 : 11);
        QCOMPARE(q->parameterValue(QStringLiteral("diyu")).toString(), QLatin1Char('%') + district + QLatin1Char('%'));
        QCOMPARE(q->parameterValue(QStringLiteral("lianxidianhua")).toString(), QLatin1Char('%') + phone + QLatin1Char('%'));
        QCOMPARE(q->parameterValue(QStringLiteral("luduan")).toString(), QStringLiteral("%%"));
    }

    // A rental registered with the yearly unit is found by the yearly unit.
    void yearlyRentFound()
    {
        FormWindow *form = f->registration(QStringLiteral("rental"));
        const QList<QPair<QString, QString>> lists{
            {QStringLiteral("ComboBox_add_fangchandiyu"), QStringLiteral("城南")},
            {QStringLiteral("ComboBox_add_fangchanleibie"), QStringLiteral("平房")},
            {QStringLiteral("ComboBox_add_fangjiantaoxing"), QStringLiteral("小套")},
            {QStringLiteral("ComboBox_add_fangwumianjie"), QStringLiteral("50平方米以下")},
            {QStringLiteral("ComboBox_add_fangjianlouceng"), QStringLiteral("2层")},
            {QStringLiteral("ComboBox1_zujing"), QStringLiteral("100以下")},
            {QStringLiteral("ComboBox_add_zujing_shijian"), QStringLiteral("元/年")},
            {QStringLiteral("ComboBox_add_zhuangxiouqingkuang"), QStringLiteral("精致装修")},
            {QStringLiteral("ComboBox_add_fangchanquanshu"), QStringLiteral("单位产权")}};
        for (const auto &l : lists)
            choose(form, l.first, l.second);
        clickButton(form, QStringLiteral("button_tijiaodengji"));
        f->house(QStringLiteral("rental"), QStringLiteral("城南"), QStringLiteral("1"));   // 元/月
        FormWindow *search = f->search(QStringLiteral("rental"));
        choose(search, QStringLiteral("ComboBox_danwei"), QStringLiteral("元/年"));
        clickButton(search, QStringLiteral("Button_start"));
        QCOMPARE(f->labelText(search, QStringLiteral("Label12")), QStringLiteral("1"));
        QCOMPARE(f->query(QStringLiteral("rental"))->columnText(QStringLiteral("房间楼层")), QStringLiteral("2层"));
    }

    void deleteAndView_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")})
            for (int role : {1, 2})
                QTest::addRow("%s, role %d", qPrintable(kind), role) << kind << role;
    }
    void deleteAndView()
    {
        QFETCH(QString, kind);
        QFETCH(int, role);
        seed(kind);
        FormWindow *search = f->search(kind);
        search->showWindow();
        choose(search, districtList(kind), QStringLiteral("城东"));
        clickButton(search, QStringLiteral("Button_start"));
        QCOMPARE(f->labelText(search, f->searchCountLabel(kind)), QStringLiteral("3"));

        session::setUserRole(role);
        f->boxes.answer(BoxAnswer::Yes);
        clickButton(search, QStringLiteral("button_delete"));
        if (role == 1) {
            QCOMPARE(f->boxes.texts(), QStringList{QStringLiteral("注意！ 该操作将删除该数据,是否继续？")});
            QCOMPARE(f->rows(kind), 4);
            QCOMPARE(f->gridRows(search), 2);
        } else {
            QCOMPARE(f->boxes.boxes.size(), 1);
            QCOMPARE(f->boxes.boxes.first().caption, QStringLiteral("权限不够"));
            QCOMPARE(f->boxes.boxes.first().ownerName, search->objectName());
            QCOMPARE(f->rows(kind), 5);
        }
        // the count keeps what the search found
        QCOMPARE(f->labelText(search, f->searchCountLabel(kind)), QStringLiteral("3"));

        // view shows the detail window on the current found record
        clickButton(search, QStringLiteral("button_view"));
        FormWindow *detail = f->detail(kind);
        QVERIFY(detail->isVisible());
        const QString keyBox = rental(kind) ? QStringLiteral("dbedit_fanghao") : QStringLiteral("DBEdit_chushoufanghao");
        QCOMPARE(child<QLineEdit>(detail, keyBox)->text(), f->query(kind)->columnText(namesOf(kind).key));
        // closing keeps the selection in the shared query
        clickButton(search, rental(kind) ? QStringLiteral("button_cancel") : QStringLiteral("button_close"));
        QVERIFY(!search->isVisible());
        QCOMPARE(f->query(kind)->recordCount(), role == 1 ? 2 : 3);
    }
};

QTEST_MAIN(TestListingSearch)
#include "tst_listings_search.moc"
