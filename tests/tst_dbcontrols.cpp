// The data-bound controls against a real table: what they show, how they
// follow the shared query, and what a user's change does to the database.
#include "tests/support/harness.h"
#include "ui/dbcontrols.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

// Chinese text arrives as an input method's committed string.
void typeChinese(QWidget *w, const QString &text)
{
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(w, &e);
}

const QString Key = QStringLiteral("出租房号");

// One window with one control of each kind, all on the same data source.
struct Screen {
    QWidget window;
    DBGrid *grid;
    DBEdit *edit;
    DBComboBox *combo;
    DBMemo *memo;
    DBDatePicker *picker;
    DBNavigator *nav;

    explicit Screen(DataSource *ds)
    {
        auto *box = new QVBoxLayout(&window);
        grid = new DBGrid(&window);
        grid->setColumns({{Key, Key, 60}, {QStringLiteral("联系人"), QStringLiteral("联系人"), 80},
                          {QStringLiteral("登记日期"), QStringLiteral("登记日期"), 140}});
        grid->bind(ds);
        edit = new DBEdit(&window);
        edit->bind(ds, QStringLiteral("联系人"));
        combo = new DBComboBox(&window);
        combo->setItems({QStringLiteral("不限"), QStringLiteral("元/天"), QStringLiteral("元/月"), QStringLiteral("元/年")});
        combo->bind(ds, QStringLiteral("租金单位"));
        memo = new DBMemo(&window);
        memo->bind(ds, QStringLiteral("备注"));
        picker = new DBDatePicker(&window);
        picker->bind(ds, QStringLiteral("登记日期"));
        nav = new DBNavigator(&window);
        nav->setButtons({DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last, DBNavigator::Refresh},
                        {QStringLiteral("第一条记录"), QStringLiteral("上一条记录"), QStringLiteral("下一条记录"),
                         QStringLiteral("最后一条记录"), QStringLiteral("刷新数据")});
        nav->bind(ds);
        for (QWidget *w : {static_cast<QWidget *>(grid), static_cast<QWidget *>(edit), static_cast<QWidget *>(combo),
                           static_cast<QWidget *>(memo), static_cast<QWidget *>(picker), static_cast<QWidget *>(nav)})
            box->addWidget(w);
        window.resize(420, 520);
        window.show();
    }

    // Clicks a grid row as a user would.
    void clickRow(int row)
    {
        const QModelIndex idx = grid->model()->index(row, 1);
        grid->scrollTo(idx);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(idx).center());
    }
    int gridRow() const
    {
        const QModelIndex cur = grid->currentIndex();
        return cur.isValid() && grid->selectionModel()->isRowSelected(cur.row(), QModelIndex()) ? cur.row() : -1;
    }
    QString gridText(int row, int col) const { return grid->model()->index(row, col).data().toString(); }
};

} // namespace

class TestDbControls : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<BoxScript> boxes;
    Query *q = nullptr;
    DataSource *ds = nullptr;

    void exec(const QString &sql) { DM->ADOConnection1->exec(sql); }

    // Three rentals, keys 1..3, with Chinese texts, one date with a time of day.
    void addRows()
    {
        exec(QStringLiteral(
            "INSERT INTO 出租房信息表 (所处路段, 联系人, 联系电话, 登记日期, 备注, 租金单位, 获租人) VALUES "
            "('人民路', '张三', '13800000001', '2005-03-07 21:39:24', '南北通透', '元/月', 0),"
            "('解放路', '李四', '13800000002', '2006-10-01 00:00:00', '近地铁', '元/一年', 0),"
            "('中山路', '王五', '13800000003', NULL, NULL, NULL, 0)"));
    }

    // A column of a row as the database holds it.
    QVariant stored(int key, const QString &column)
    {
        Query probe(DM->ADOConnection1, QStringLiteral("select * from 出租房信息表 where 出租房号=:num"));
        probe.bind(QStringLiteral("num"), key);
        probe.open();
        return probe.isEmpty() ? QVariant(QStringLiteral("<no row>")) : probe.column(column);
    }

private Q_SLOTS:
    void init()
    {
        ws = std::make_unique<Workspace>();
        ws->makeDataModule();
        boxes = std::make_unique<BoxScript>();
        q = DM->Query_chuzufang;
        ds = DM->ds_chuzufang;
        addRows();
    }
    void cleanup()
    {
        boxes.reset();
        ws.reset();
    }

    // A user's change stays in the row buffer until the cursor moves; the
    // move (a grid click) writes it, and only to its own row.
    void userChangePostedByCursorMove_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("edit") << "edit" << "联系人" << QVariant(QStringLiteral("张三丰"));
        QTest::newRow("memo") << "memo" << "备注" << QVariant(QStringLiteral("南北通透，带车位"));
        QTest::newRow("list") << "combo" << "租金单位" << QVariant(QStringLiteral("元/天"));
        QTest::newRow("date picker") << "picker" << "登记日期" << QVariant(QDateTime(QDate(2006, 3, 7), QTime(21, 39, 24)));
    }
    void userChangePostedByCursorMove()
    {
        QFETCH(QString, control);
        QFETCH(QString, column);
        QFETCH(QVariant, expected);
        Screen s(ds);
        q->open();
        const QVariant before = stored(1, column);
        if (control == "edit") {
            s.edit->setFocus();
            s.edit->end(false);
            typeChinese(s.edit, QStringLiteral("丰"));
        } else if (control == "memo") {
            s.memo->moveCursor(QTextCursor::End);
            typeChinese(s.memo, QStringLiteral("，带车位"));
        } else if (control == "combo") {
            // the user opens the list and takes "元/天"
            s.combo->setFocus();
            QTest::keyClick(s.combo, Qt::Key_Up);
        } else {
            // the year section is the first one; Up steps it by one
            s.picker->setFocus();
            s.picker->setCurrentSection(QDateTimeEdit::YearSection);
            QTest::keyClick(s.picker, Qt::Key_Up);
        }
        QCOMPARE(q->state(), QueryState::Editing);
        QCOMPARE(q->column(column), expected);
        QCOMPARE(stored(1, column), before);   // not written yet

        s.clickRow(2);
        QCOMPARE(q->cursor(), 2);
        QCOMPARE(q->state(), QueryState::Browsing);
        QCOMPARE(stored(1, column), expected);
        QCOMPARE(stored(2, column), QVariant(column == "租金单位" ? QStringLiteral("元/一年")
                                             : column == "联系人"  ? QStringLiteral("李四")
                                             : column == "备注"    ? QStringLiteral("近地铁")
                                                                   : QVariant(QDateTime(QDate(2006, 10, 1), QTime(0, 0)))));
        QVERIFY(boxes->boxes.isEmpty());
    }

    // Read-only controls never put the query into editing.
    void readOnlyControlsDoNotEdit()
    {
        Screen s(ds);
        q->open();
        s.edit->setReadOnly(true);
        s.memo->setReadOnly(true);
        s.picker->setReadOnly(true);
        QTest::keyClicks(s.edit, QStringLiteral("x"));
        QTest::keyClicks(s.memo, QStringLiteral("x"));
        s.picker->setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(s.picker, Qt::Key_Up);
        QCOMPARE(q->state(), QueryState::Browsing);
        QCOMPARE(s.edit->text(), QStringLiteral("张三"));
        QCOMPARE(s.picker->text(), QStringLiteral("2005-3-7"));
    }

    // The same query in two windows: each follows what the other does.
    void twoWindowsFollowEachOther()
    {
        Screen a(ds), b(ds);
        q->open();
        a.edit->end(false);
        typeChinese(a.edit, QStringLiteral("甲"));
        QCOMPARE(b.edit->text(), QStringLiteral("张三甲"));
        typeChinese(b.memo, QStringLiteral("乙"));
        QCOMPARE(a.memo->toPlainText(), QStringLiteral("乙南北通透"));
        QCOMPARE(a.gridText(0, 1), QStringLiteral("张三甲"));   // the grid shows the pending row

        b.clickRow(1);
        QCOMPARE(q->cursor(), 1);
        QCOMPARE(a.gridRow(), 1);
        QCOMPARE(a.edit->text(), QStringLiteral("李四"));
        QCOMPARE(a.combo->currentIndex(), -1);
        QCOMPARE(a.picker->text(), QStringLiteral("2006-10-1"));
        QCOMPARE(stored(1, QStringLiteral("联系人")), QVariant(QStringLiteral("张三甲")));
        QCOMPARE(stored(1, QStringLiteral("备注")), QVariant(QStringLiteral("乙南北通透")));

        a.clickRow(2);
        QCOMPARE(b.gridRow(), 2);
        QCOMPARE(b.edit->text(), QStringLiteral("王五"));
    }

    // The grid's current row is the cursor, whoever moves it; a far move
    // scrolls the row into view.
    void gridRowIsCursor_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("row");
        QTest::newRow("last") << "last" << 199;
        QTest::newRow("moveTo") << "moveTo" << 150;
        QTest::newRow("first after last") << "first" << 0;
        QTest::newRow("next") << "next" << 1;
        QTest::newRow("prior at first") << "prior" << 0;
    }
    void gridRowIsCursor()
    {
        QFETCH(QString, move);
        QFETCH(int, row);
        exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 197) "
                            "INSERT INTO 出租房信息表 (联系人) SELECT '客户' || i FROM n"));
        Screen s(ds);
        q->open();
        QCOMPARE(s.gridRow(), 0);
        if (move == "last") q->last();
        if (move == "moveTo") q->moveTo(150);
        if (move == "first") { q->last(); q->first(); }
        if (move == "next") q->next();
        if (move == "prior") q->prior();
        QCOMPARE(q->cursor(), row);
        QCOMPARE(s.gridRow(), row);
        const QRect cell = s.grid->visualRect(s.grid->model()->index(row, 0));
        QVERIFY2(s.grid->viewport()->rect().contains(cell.center()), "the current row is scrolled into view");
        QCOMPARE(s.grid->model()->headerData(row, Qt::Vertical).toString(), QString(QChar(0x25B6)));

        // and the other way: a click on a row moves the cursor there
        s.clickRow(row == 0 ? 1 : row - 1);
        QCOMPARE(q->cursor(), row == 0 ? 1 : row - 1);
        QCOMPARE(s.edit->text(), q->columnText(QStringLiteral("联系人")));
    }

    // A click below an untouched new row drops the new row and lands on the
    // row clicked; below a typed-in new row it posts it first.
    void clickBelowPendingNewRow_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("current");
        QTest::newRow("untouched") << false << 3 << 2;
        QTest::newRow("typed in") << true << 4 << 3;
    }
    void clickBelowPendingNewRow()
    {
        QFETCH(bool, typed);
        QFETCH(int, rows);
        QFETCH(int, current);
        Screen s(ds);
        q->open();
        q->next();
        q->insert();
        if (typed)
            typeChinese(s.edit, QStringLiteral("赵六"));
        s.clickRow(3);   // 王五, below the new row
        QCOMPARE(q->state(), QueryState::Browsing);
        QCOMPARE(q->rowCount(), rows);
        QCOMPARE(q->cursor(), current);
        QCOMPARE(s.edit->text(), QStringLiteral("王五"));
        QCOMPARE(s.gridRow(), current);
        QCOMPARE(s.grid->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(s.grid->model()->rowCount(), rows);
        QCOMPARE(stored(4, QStringLiteral("联系人")), typed ? QVariant(QStringLiteral("赵六")) : QVariant(QStringLiteral("<no row>")));
    }

    // Inserts, deletes, refreshes, re-queries and closes show at once in the
    // grid and in every bound control.
    void queryChangesShowAtOnce_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("picker");
        QTest::newRow("insert") << "insert" << 4 << 1 << "" << "" << " ";
        QTest::newRow("insert dropped by a move") << "insert+move" << 3 << 2 << "王五" << "" << " ";
        QTest::newRow("insert posted and refreshed") << "insert+post" << 4 << 1 << "赵六" << "" << " ";
        QTest::newRow("delete") << "delete" << 2 << 1 << "王五" << "" << " ";
        QTest::newRow("delete the last row") << "delete last" << 2 << 1 << "李四" << "近地铁" << "2006-10-1";
        QTest::newRow("refresh") << "refresh" << 3 << 1 << "李四（改）" << "近地铁" << "2007-1-2";
        QTest::newRow("re-query") << "requery" << 1 << 0 << "王五" << "" << " ";
        QTest::newRow("close") << "close" << 0 << -1 << "" << "" << " ";
    }
    void queryChangesShowAtOnce()
    {
        QFETCH(QString, op);
        QFETCH(int, rows);
        QFETCH(int, current);
        QFETCH(QString, edit);
        QFETCH(QString, memo);
        QFETCH(QString, picker);
        Screen s(ds);
        q->open();
        q->moveTo(op == "delete last" ? 2 : 1);
        if (op == "insert") q->insert();
        if (op == "insert+move") { q->insert(); q->moveTo(3); }
        if (op == "insert+post") {
            q->insert();
            q->setColumn(QStringLiteral("联系人"), QStringLiteral("赵六"));
            q->post();
            q->refresh();
        }
        if (op == "delete" || op == "delete last") q->remove();
        if (op == "refresh") {
            exec(QStringLiteral("UPDATE 出租房信息表 SET 联系人='李四（改）', 登记日期='2007-01-02 08:00:00' WHERE 出租房号=2"));
            q->refresh();
        }
        if (op == "requery")
            q->requery(QStringLiteral("select * from 出租房信息表 where 联系人 like:n"), {{QStringLiteral("n"), QStringLiteral("%王%")}});
        if (op == "close") q->close();

        // showing values never edits
        QCOMPARE(q->state(), op == "insert" ? QueryState::Inserting : op == "close" ? QueryState::Closed : QueryState::Browsing);
        QCOMPARE(s.grid->model()->rowCount(), rows);
        QCOMPARE(s.gridRow(), current);
        QCOMPARE(s.edit->text(), edit);
        QCOMPARE(s.memo->toPlainText(), memo);
        QCOMPARE(s.picker->text(), picker);
        QCOMPARE(s.picker->isBlank(), picker == " ");
        if (current >= 0)
            QCOMPARE(s.gridText(current, 1), edit);
        if (op == "insert+post")
            QCOMPARE(s.gridText(1, 0), QStringLiteral("4"));   // the key the database gave it
        if (op == "close")
            QCOMPARE(s.combo->currentIndex(), -1);
    }

    // A list shows its column's value only when it is one of its items; kept
    // foreign values show as they are and go back unchanged.
    void listShowsItemsOnly_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("keepForeign");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("entries");
        const QVariant null;
        QTest::newRow("item") << QVariant(QStringLiteral("元/月")) << false << 2 << "元/月" << 4;
        QTest::newRow("not an item") << QVariant(QStringLiteral("元/一年")) << false << -1 << "" << 4;
        QTest::newRow("null") << null << false << -1 << "" << 4;
        QTest::newRow("empty text") << QVariant(QString(QLatin1String(""))) << false << -1 << "" << 4;
        QTest::newRow("item, kept") << QVariant(QStringLiteral("元/月")) << true << 2 << "元/月" << 4;
        QTest::newRow("not an item, kept") << QVariant(QStringLiteral("元/一年")) << true << 4 << "元/一年" << 5;
        QTest::newRow("null, kept") << null << true << -1 << "" << 4;
    }
    void listShowsItemsOnly()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, keepForeign);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, entries);
        Screen s(ds);
        s.combo->setKeepForeignValue(keepForeign);
        q->open();
        q->edit();
        q->setColumn(QStringLiteral("租金单位"), value);
        q->post();
        QVERIFY(!s.combo->isEditable());
        QCOMPARE(s.combo->currentIndex(), index);
        QCOMPARE(s.combo->currentText(), text);
        QCOMPARE(s.combo->count(), entries);
        // another row and back: the extra entry belongs to its row only
        q->next();
        QCOMPARE(s.combo->count(), keepForeign ? 5 : 4);   // row 2 holds "元/一年"
        q->next();
        QCOMPARE(s.combo->count(), 4);
        q->first();
        QCOMPARE(s.combo->currentText(), text);
    }

    void keptForeignValueWrittenBackUnlessChanged()
    {
        Screen s(ds);
        s.combo->setKeepForeignValue(true);
        q->open();
        q->next();   // 元/一年
        QCOMPARE(s.combo->currentText(), QStringLiteral("元/一年"));
        // a submit writes the list's text: the stored value comes back unchanged
        q->edit();
        q->setColumn(QStringLiteral("租金单位"), s.combo->currentText());
        q->post();
        QCOMPARE(stored(2, QStringLiteral("租金单位")), QVariant(QStringLiteral("元/一年")));
        // the user picks another item: that one is written
        s.combo->setFocus();
        QTest::keyClick(s.combo, Qt::Key_Home);   // "不限"
        QCOMPARE(q->column(QStringLiteral("租金单位")), QVariant(QStringLiteral("不限")));
        q->post();
        QCOMPARE(stored(2, QStringLiteral("租金单位")), QVariant(QStringLiteral("不限")));
        QCOMPARE(s.combo->count(), 4);
        QCOMPARE(s.combo->currentIndex(), 0);
    }

    // The picker shows the date, carries the time of day, and a picked date
    // keeps that time.
    void datePickerKeepsTimeOfDay()
    {
        Screen s(ds);
        QVERIFY(s.picker->isBlank());
        q->open();
        QCOMPARE(s.picker->text(), QStringLiteral("2005-3-7"));
        QCOMPARE(s.picker->value(), QDateTime(QDate(2005, 3, 7), QTime(21, 39, 24)));
        // a pick in the drop-down calendar
        QTest::mouseClick(s.picker, Qt::LeftButton, {}, QPoint(s.picker->width() - 6, s.picker->height() / 2));
        QCalendarWidget *cal = s.picker->calendarWidget();
        QVERIFY(cal);
        cal->setSelectedDate(QDate(2005, 3, 9));
        QCOMPARE(q->state(), QueryState::Editing);
        QCOMPARE(q->column(QStringLiteral("登记日期")), QVariant(QDateTime(QDate(2005, 3, 9), QTime(21, 39, 24))));
        q->post();
        QCOMPARE(stored(1, QStringLiteral("登记日期")), QVariant(QDateTime(QDate(2005, 3, 9), QTime(21, 39, 24))));
        QCOMPARE(s.picker->text(), QStringLiteral("2005-3-9"));
        // stepping a blank picker starts from today, at midnight
        q->last();
        QVERIFY(s.picker->isBlank());
        s.picker->setFocus();
        QTest::keyClick(s.picker, Qt::Key_Up);
        const QDateTime stepped = q->column(QStringLiteral("登记日期")).toDateTime();
        const QDate today = QDate::currentDate();
        QVERIFY2(QList<QDate>({today.addDays(1), today.addMonths(1), today.addYears(1)}).contains(stepped.date()),
                 qPrintable(stepped.toString(Qt::ISODate)));
        QCOMPARE(stepped.time(), QTime(0, 0));
        q->cancel();
        // null shows blank, and so does a closed query
        q->last();
        QVERIFY(s.picker->isBlank());
        QVERIFY(!s.picker->value().isValid());
        QCOMPARE(s.picker->text().trimmed(), QString());
        q->first();
        QVERIFY(!s.picker->isBlank());
        q->close();
        QVERIFY(s.picker->isBlank());
        QCOMPARE(s.picker->text().trimmed(), QString());
    }

    // Navigator: its buttons move the cursor, are enabled where they can go,
    // and carry their hints.
    void navigatorMovesCursor_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("after");
        QTest::newRow("first") << 2 << int(DBNavigator::First) << 0;
        QTest::newRow("prior") << 2 << int(DBNavigator::Prior) << 1;
        QTest::newRow("next") << 0 << int(DBNavigator::Next) << 1;
        QTest::newRow("last") << 0 << int(DBNavigator::Last) << 2;
        QTest::newRow("refresh") << 1 << int(DBNavigator::Refresh) << 1;
    }
    void navigatorMovesCursor()
    {
        QFETCH(int, start);
        QFETCH(int, button);
        QFETCH(int, after);
        Screen s(ds);
        q->open();
        q->moveTo(start);
        exec(QStringLiteral("UPDATE 出租房信息表 SET 联系人='改过' WHERE 出租房号=2"));
        QToolButton *b = s.nav->button(DBNavigator::Button(button));
        QVERIFY(b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(q->cursor(), after);
        QCOMPARE(s.gridRow(), after);
        if (button == DBNavigator::Refresh)
            QCOMPARE(s.edit->text(), QStringLiteral("改过"));
        QVERIFY(boxes->boxes.isEmpty());
    }

    void navigatorEnabledAndHints_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("enabled");   // first prior next last refresh, as 0/1
        QTest::newRow("closed") << "closed" << "00000";
        QTest::newRow("first row") << "first" << "00111";
        QTest::newRow("middle row") << "middle" << "11111";
        QTest::newRow("last row") << "last" << "11001";
        QTest::newRow("empty result") << "empty" << "00001";
        QTest::newRow("one row") << "one" << "00001";
    }
    void navigatorEnabledAndHints()
    {
        QFETCH(QString, where);
        QFETCH(QString, enabled);
        Screen s(ds);
        if (where != "closed") q->open();
        if (where == "middle") q->next();
        if (where == "last") q->last();
        if (where == "empty")
            q->requery(QStringLiteral("select * from 出租房信息表 where 出租房号=:num"), {{QStringLiteral("num"), 0}});
        if (where == "one")
            q->requery(QStringLiteral("select * from 出租房信息表 where 出租房号=:num"), {{QStringLiteral("num"), 2}});
        QString got;
        for (int b = DBNavigator::First; b <= DBNavigator::Refresh; ++b)
            got += s.nav->button(DBNavigator::Button(b))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(got, enabled);
        const QStringList hints{QStringLiteral("第一条记录"), QStringLiteral("上一条记录"), QStringLiteral("下一条记录"),
                                QStringLiteral("最后一条记录"), QStringLiteral("刷新数据")};
        for (int b = DBNavigator::First; b <= DBNavigator::Refresh; ++b)
            QCOMPARE(s.nav->button(DBNavigator::Button(b))->toolTip(), hints[b]);
    }

    void navigatorShowsOnlyItsButtons()
    {
        DBNavigator nav;
        nav.setButtons({DBNavigator::Next, DBNavigator::First}, {QStringLiteral("下"), QStringLiteral("首")});
        nav.show();
        QVERIFY(nav.button(DBNavigator::Next)->isVisible());
        QVERIFY(nav.button(DBNavigator::First)->isVisible());
        QVERIFY(!nav.button(DBNavigator::Last)->isVisible());
        QVERIFY(nav.button(DBNavigator::Next)->x() < nav.button(DBNavigator::First)->x());
        QCOMPARE(nav.button(DBNavigator::First)->toolTip(), QStringLiteral("首"));
    }

    // A control bound anew follows only its new query.
    void rebindFollowsOnlyNewSource()
    {
        Screen s(ds);
        s.edit->bind(DM->ds_chushoufang, QStringLiteral("联系人"));
        s.grid->bind(DM->ds_chushoufang);
        s.nav->bind(DM->ds_chushoufang);
        q->open();
        QCOMPARE(s.edit->text(), QString());
        QCOMPARE(s.grid->model()->rowCount(), 0);
        QVERIFY(!s.nav->button(DBNavigator::Refresh)->isEnabled());
        QCOMPARE(s.memo->toPlainText(), QStringLiteral("南北通透"));   // still on the rentals
        DM->Query_chushoufang->open();
        QVERIFY(s.nav->button(DBNavigator::Refresh)->isEnabled());
    }

    // A failing write is shown in the default error box; nothing moves and
    // the controls show what the query holds.
    void errorsAreShown()
    {
        Screen s(ds);
        DBEdit tenant;
        tenant.bind(ds, QStringLiteral("获租人"));
        tenant.show();
        q->open();
        QTest::keyClicks(&tenant, QStringLiteral("x"));   // "0x": not a whole number
        QCOMPARE(q->state(), QueryState::Editing);
        s.clickRow(1);   // the move posts, the database refuses
        QCOMPARE(boxes->boxes.size(), 1);
        QCOMPARE(boxes->boxes[0].icon, BoxIcon::Stop);
        QVERIFY(boxes->boxes[0].text.contains(QStringLiteral("获租人")));
        QCOMPARE(q->cursor(), 0);
        QTRY_COMPARE(s.gridRow(), 0);
        QCOMPARE(q->state(), QueryState::Editing);   // the change is still pending
        QCOMPARE(stored(1, QStringLiteral("获租人")), QVariant(qlonglong(0)));

        q->cancel();
        q->close();
        boxes->clear();
        typeChinese(s.edit, QStringLiteral("张"));
        QCOMPARE(boxes->texts(), QStringList{QStringLiteral("Cannot perform this operation on a closed dataset.")});
        QCOMPARE(s.edit->text(), QString());
    }
};

QTEST_MAIN(TestDbControls)
#include "tst_dbcontrols.moc"
