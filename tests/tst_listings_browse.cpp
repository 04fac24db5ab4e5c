// The rental and sale browse windows: the running counts over the shared
// query, show-all, the client lookup, the register gate.
#include "listings_fixture.h"

#include "platform/error.h"

class TestListingBrowse : public QObject {
    Q_OBJECT
    std::unique_ptr<ListingFixture> f;

private Q_SLOTS:
    void init() { f = std::make_unique<ListingFixture>(); }
    void cleanup() { f.reset(); }

    void kinds_data() { addKindRows(); }

    void countFollowsTheSharedQuery_data() { kinds_data(); }
    void countFollowsTheSharedQuery()
    {
        QFETCH(QString, kind);
        f->house(kind, QStringLiteral("城东"), QStringLiteral("111"));
        f->house(kind, QStringLiteral("城东南"), QStringLiteral("222"));
        f->house(kind, QStringLiteral("城西"), QStringLiteral("333"));
        FormWindow *browse = f->browse(kind);
        FormWindow *search = f->search(kind);
        const QString count = f->countLabel(kind);
        QCOMPARE(f->labelText(browse, count), QStringLiteral("0"));
        browse->showWindow();
        QTRY_COMPARE(f->labelText(browse, count), QStringLiteral("3"));

        // a search narrows the shared query: the browse count follows
        search->showWindow();
        choose(search, kind == QLatin1String("rental") ? QStringLiteral("ComboBox_diyu")
                                                       : QStringLiteral("ComboBox_fangchandiyu"),
               QStringLiteral("城东"));
        clickButton(search, QStringLiteral("Button_start"));
        QCOMPARE(f->labelText(search, f->searchCountLabel(kind)), QStringLiteral("2"));
        QTRY_COMPARE(f->labelText(browse, count), QStringLiteral("2"));
        QCOMPARE(f->gridRows(browse), 2);

        // a registration adds its row to whatever the query holds
        FormWindow *form = f->registration(kind);
        form->showWindow();
        clickButton(form, QStringLiteral("button_tijiaodengji"));
        QTRY_COMPARE(f->labelText(browse, count), QStringLiteral("3"));

        // show-all brings back the whole table, in the search grid too
        clickButton(browse, kind == QLatin1String("rental") ? QStringLiteral("suiButton1")
                                                            : QStringLiteral("button_view_all"));
        QTRY_COMPARE(f->labelText(browse, count), QStringLiteral("4"));
        QCOMPARE(f->gridRows(search), 4);

        // so does showing the closed browse window again
        clickButton(search, QStringLiteral("Button_start"));
        QTRY_COMPARE(f->labelText(browse, count), QStringLiteral("2"));
        browse->close();
        QCOMPARE(f->gridRows(search), 2);
        browse->showWindow();
        QTRY_COMPARE(f->labelText(browse, count), QStringLiteral("4"));
        QCOMPARE(f->gridRows(search), 4);
        // the search window's own count keeps what its search found
        QCOMPARE(f->labelText(search, f->searchCountLabel(kind)), QStringLiteral("2"));
    }

    void countKeptWhileClosed_data() { kinds_data(); }
    void countKeptWhileClosed()
    {
        QFETCH(QString, kind);
        f->house(kind, QStringLiteral("城南"), QStringLiteral("1"));
        FormWindow *browse = f->browse(kind);
        browse->showWindow();
        QTRY_COMPARE(f->labelText(browse, f->countLabel(kind)), QStringLiteral("1"));
        f->query(kind)->close();
        QTest::qWait(150);
        QCOMPARE(f->labelText(browse, f->countLabel(kind)), QStringLiteral("1"));
        QCOMPARE(f->gridRows(browse), 0);
    }

    void untakenCount_data() { kinds_data(); }
    // The idle label counts the houses of the selection that nobody took.
    void untakenCount()
    {
        QFETCH(QString, kind);
        const KindNames n = namesOf(kind);
        const qlonglong free0 = f->house(kind, QStringLiteral("城东"), QStringLiteral("1"), 0);
        f->house(kind, QStringLiteral("城东"), QStringLiteral("2"), QVariant());
        const qlonglong taken = f->house(kind, QStringLiteral("城西"), QStringLiteral("3"), 7);
        f->house(kind, QStringLiteral("城西"), QStringLiteral("4"), 9);
        FormWindow *browse = f->browse(kind);
        const QString untaken = f->untakenLabel(kind);
        browse->showWindow();
        QTRY_COMPARE(f->labelText(browse, untaken), QStringLiteral("2"));
        QCOMPARE(f->labelText(browse, f->countLabel(kind)), QStringLiteral("4"));

        // the first house gets a client in the detail window
        Query *q = f->query(kind);
        q->first();
        QCOMPARE(q->column(n.key).toLongLong(), free0);
        FormWindow *detail = f->detail(kind);
        detail->showWindow();
        clickButton(detail, QStringLiteral("button_xiougai"));
        typeInto(detail, n.crossReference == QStringLiteral("获租人") ? QStringLiteral("DBEdit_huozuren")
                                                                    : QStringLiteral("DBEdit_goumairen"),
                 QStringLiteral("5"));
        clickButton(detail, kind == QLatin1String("rental") ? QStringLiteral("button_tijiao")
                                                            : QStringLiteral("button_tijiaoxiougai"));
        QCOMPARE(f->cell(kind, free0, n.crossReference).toInt(), 5);
        QTRY_COMPARE(f->labelText(browse, untaken), QStringLiteral("1"));

        // a new registration is untaken; deleting a taken house leaves the idle count
        FormWindow *form = f->registration(kind);
        clickButton(form, QStringLiteral("button_tijiaodengji"));
        QTRY_COMPARE(f->labelText(browse, untaken), QStringLiteral("2"));
        q->first();
        while (q->column(n.key).toLongLong() != taken)
            q->next();
        f->boxes.answer(BoxAnswer::Yes);
        clickButton(detail, kind == QLatin1String("rental") ? QStringLiteral("button_Delete")
                                                            : QStringLiteral("button_shanchu"));
        QTRY_COMPARE(f->labelText(browse, f->countLabel(kind)), QStringLiteral("4"));
        QCOMPARE(f->labelText(browse, untaken), QStringLiteral("2"));
        // a search selection is counted as it is: the house now taken, then
        // the one never taken
        FormWindow *search = f->search(kind);
        typeInto(search, QStringLiteral("Edit_lianxidianhua"), QStringLiteral("1"));
        clickButton(search, QStringLiteral("Button_start"));
        QTRY_COMPARE(f->labelText(browse, f->countLabel(kind)), QStringLiteral("1"));
        QTRY_COMPARE(f->labelText(browse, untaken), QStringLiteral("0"));
        typeInto(search, QStringLiteral("Edit_lianxidianhua"), QStringLiteral("2"));
        clickButton(search, QStringLiteral("Button_start"));
        QTRY_COMPARE(f->labelText(browse, untaken), QStringLiteral("1"));
        QCOMPARE(f->labelText(browse, f->countLabel(kind)), QStringLiteral("1"));
    }

    void clientLookup_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QVariant>("stored");   // -1: the real client's key
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("found");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")}) {
            QTest::addRow("%s, 0", qPrintable(kind)) << kind << QVariant(0) << QString() << 0;
            QTest::addRow("%s, empty", qPrintable(kind)) << kind << QVariant() << QString() << 0;
            QTest::addRow("%s, a client", qPrintable(kind)) << kind << QVariant(-1) << QString() << 1;
            QTest::addRow("%s, beyond 32 bits", qPrintable(kind))
                << kind << QVariant(qlonglong(4294967296LL)) << QStringLiteral("'4294967296' is not a valid integer value.")
                << -1;
        }
    }
    void clientLookup()
    {
        QFETCH(QString, kind);
        QFETCH(QVariant, stored);
        QFETCH(QString, error);
        QFETCH(int, found);
        const KindNames n = namesOf(kind);
        f->exec(QStringLiteral("INSERT INTO %1 (姓名) VALUES ('Zhao')").arg(n.clientTable));
        f->exec(QStringLiteral("INSERT INTO %1 (姓名) VALUES ('Qian')").arg(n.clientTable));
        const qlonglong client = 2;
        if (stored == QVariant(-1))
            stored = client;
        const qlonglong key = f->house(kind, QStringLiteral("城北"), QStringLiteral("9"), stored);
        FormWindow clientWindow(nullptr, n.clientWindow, QStringLiteral("client"), QSize(200, 100), 0);
        FormWindow *browse = f->browse(kind);
        browse->showWindow();
        Query *clients = kind == QLatin1String("rental") ? f->dm->Query_qiouzuren : f->dm->Query_qiougouren;
        clients->open();   // the client screens had it open on the whole table

        clickButton(browse, QStringLiteral("button_huozurenxingxi"));

        const QString box = kind == QLatin1String("rental") ? QStringLiteral("DBEdit_huozuren") : QStringLiteral("DBEdit_goumairen");
        QVERIFY(clients->sql().endsWith(QStringLiteral("=:num")));
        if (found < 0) {
            QCOMPARE(f->boxes.texts(), QStringList{error});
            QCOMPARE(f->boxes.boxes.first().icon, BoxIcon::Stop);
            QVERIFY(!clients->isOpen());
            QVERIFY(!clientWindow.isVisible());
            return;
        }
        QVERIFY(f->boxes.boxes.isEmpty());
        QCOMPARE(clients->recordCount(), found);
        if (found)
            QCOMPARE(clients->column(QStringLiteral("姓名")).toString(), QStringLiteral("Qian"));
        QVERIFY(clientWindow.isVisible());
        QCOMPARE(child<QLineEdit>(browse, box)->text(), QString::number(stored.isNull() ? 0 : stored.toLongLong()));
        // the lookup shows "0" for an empty box without touching the record
        QCOMPARE(f->query(kind)->state(), QueryState::Browsing);
        QCOMPARE(f->cellType(kind, key, n.crossReference), stored.isNull() ? QStringLiteral("null") : QStringLiteral("integer"));
    }

    void buttonsAndTheRegisterGate_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        for (const QString kind : {QStringLiteral("rental"), QStringLiteral("sale")})
            for (int role : {0, 1, 2})
                QTest::addRow("%s, role %d", qPrintable(kind), role) << kind << role;
    }
    void buttonsAndTheRegisterGate()
    {
        QFETCH(QString, kind);
        QFETCH(int, role);
        session::setUserRole(role);
        FormWindow *browse = f->browse(kind);
        browse->showWindow();
        clickButton(browse, kind == QLatin1String("rental") ? QStringLiteral("button_dengji") : QStringLiteral("suiButton1"));
        if (role == 1) {
            QVERIFY(f->boxes.boxes.isEmpty());
            QVERIFY(f->registration(kind)->isVisible());
        } else {
            QCOMPARE(f->boxes.boxes.size(), 1);
            QCOMPARE(f->boxes.boxes.first().caption, QStringLiteral("权限不够"));
            QCOMPARE(f->boxes.boxes.first().ownerName, browse->objectName());
            QVERIFY(!f->registration(kind)->isVisible());
        }
        // details and search are open to everyone
        clickButton(browse, QStringLiteral("button_chuzufang_xiangxi"));
        QVERIFY(f->detail(kind)->isVisible());
        clickButton(browse, QStringLiteral("Button_chaxun"));
        QVERIFY(f->search(kind)->isVisible());
    }
};

QTEST_MAIN(TestListingBrowse)
#include "tst_listings_browse.moc"
