#include "listings/listing_screens.h"

#include "data/schema.h"
#include "platform/msgbox.h"
#include "platform/session.h"
#include "ui/record_actions.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

// The picture strip of a listing screen: the program's picture of its kind
// (a house with a key for rent, a tower for sale) once the program has loaded
// its pictures, otherwise the listings' own.
static QString listingStrip(Query *TDM::*query)
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(listings);
        return true;
    }();
    Q_UNUSED(loaded);
    const QString own = query == &TDM::Query_chuzufang ? QStringLiteral(":/art/strip_1.jpg")
                                                       : QStringLiteral(":/art/strip_2.jpg");
    return QFile::exists(own) ? own : QStringLiteral(":/listings/strip.jpg");
}

namespace listing {

namespace {
const int Left = ScreenWindow::StripWidth + 12;
const int RowHeight = 32;
const int BoxHeight = 24;

struct Place {
    QRect label, control;
};

// Places the inputs in two columns from `top`, one row every RowHeight
// pixels, each caption right-aligned beside its box. An input without a
// caption shares the box cell of the one before it, to its right; the memo
// takes a full-width row of its own.
QVector<Place> arrange(const QVector<Field> &fields, int width, int top, int labelWidth, int memoHeight)
{
    QVector<Place> out(fields.size());
    const int gap = 14;
    const int columnWidth = (width - gap) / 2;
    int slot = 0;
    for (int i = 0; i < fields.size(); ++i) {
        const Field &f = fields[i];
        if (f.input == Input::Memo) {
            const int y = top + ((slot + 1) / 2) * RowHeight;
            out[i].label = QRect(Left, y, labelWidth, BoxHeight);
            out[i].control = QRect(Left + labelWidth + 4, y, width - labelWidth - 4, memoHeight);
            slot = ((slot + 1) / 2) * 2 + 2 * ((memoHeight + RowHeight - 1) / RowHeight);
            continue;
        }
        if (f.caption.isEmpty() && i > 0) {
            QRect &before = out[i - 1].control;
            const int first = before.width() * 11 / 20;
            out[i].control = QRect(before.x() + first + 4, before.y(), before.width() - first - 4, BoxHeight);
            before.setWidth(first);
            continue;
        }
        const int x = Left + (slot % 2) * (columnWidth + gap);
        const int y = top + (slot / 2) * RowHeight;
        out[i].label = QRect(x, y, labelWidth, BoxHeight);
        out[i].control = QRect(x + labelWidth + 4, y, columnWidth - labelWidth - 4, BoxHeight);
        ++slot;
    }
    return out;
}

QStringList withFirst(const QString &first, const QStringList &items)
{
    QStringList all{first};
    all << items;
    return all;
}

void showNamed(const QString &name)
{
    if (FormWindow *w = FormWindow::find(name))
        w->showWindow();
}

QLabel *captionLabel(QLabel *l)
{
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QString inputText(const ScreenWindow *w, const Field &f)
{
    if (f.input == Input::List)
        return w->control<QComboBox>(f.control)->currentText();
    if (f.input == Input::Memo)
        return w->control<QPlainTextEdit>(f.control)->toPlainText();
    return w->control<QLineEdit>(f.control)->text();
}

QComboBox *fixedList(QComboBox *box, const QStringList &items)
{
    box->setEditable(false);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(12);
    return box;
}
}

// --- browse ------------------------------------------------------------------------------

BrowseScreen::BrowseScreen(QWidget *owner, const BrowseKind &kind)
    : ScreenWindow(owner, kind.objectName, kind.caption, kind.size, listingStrip(kind.query)), m_kind(kind),
      m_query(DM->*kind.query), m_clientQuery(DM->*kind.clientQuery)
{
    DataSource *source = DM->*kind.source;
    const int width = kind.size.width() - Left - 10;

    auto *grid = place(new DBGrid, this, QStringLiteral("DBGrid1"), QRect(Left, 10, width - 170, 236));
    grid->bind(source);
    grid->setColumns(kind.grid);

    QGroupBox *group = addGroup(QStringLiteral("GroupBox1"), QStringLiteral("数据操作"),
                                QRect(Left + width - 160, 4, 160, 190));
    const QList<Button> groupButtons{kind.registerButton, kind.details, kind.lookup, kind.search};
    for (int i = 0; i < groupButtons.size(); ++i)
        addButton(group, groupButtons[i].control, groupButtons[i].caption, QRect(12, 26 + i * 40, 136, 30));

    // The current record, in two columns under the grid.
    const int boxLeft[2] = {Left, Left + (width - 170) / 2 + 6};
    const int boxWidth = (width - 170) / 2 - 6;
    for (int i = 0; i < kind.boxes.size(); ++i) {
        const Field &f = kind.boxes[i];
        const int x = boxLeft[i % 2], y = 256 + (i / 2) * RowHeight;
        addLabel(this, QStringLiteral("Label_") + f.control, f.caption, QRect(x, y, 74, BoxHeight));
        auto *box = place(new DBEdit, this, f.control, QRect(x + 78, y, boxWidth - 78, BoxHeight));
        box->bind(source, f.column);
        box->setReadOnly(true);
    }

    auto *nav = place(new DBNavigator, this, QStringLiteral("DBNavigator1"), QRect(Left + width - 160, 210, 160, 28));
    nav->bind(source);
    nav->setButtons({DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last,
                     DBNavigator::Refresh},
                    kind.navigatorHints);
    addButton(this, kind.viewAll.control, kind.viewAll.caption, QRect(Left + width - 160, 248, 160, 30));

    // The count line.
    const int y = kind.size.height() - 36;
    int x = Left;
    auto line = [&](const QString &name, const QString &text, int w) {
        QLabel *l = captionLabel(addLabel(this, name, text, QRect(x, y, w, 22)));
        x += w;
        return l;
    };
    line(QStringLiteral("Label_gongyou"), QStringLiteral("当前共有："), 72);
    QLabel *count = line(kind.countLabel, QStringLiteral("0"), 54);
    line(QStringLiteral("Label_danwei"), kind.countSuffix, 70);
    QLabel *untaken = line(kind.untakenLabel, QStringLiteral("0"), 54);
    line(QStringLiteral("Label_kongxianwenzi"), QStringLiteral("个空闲"), 60);
    for (QLabel *l : {count, untaken}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold; padding-right: 4px;"));
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(kind.timer);
    m_timer->setInterval(kind.interval);
    m_count = new CountDisplay(m_query, count, untaken, kind.crossReference, this);
    m_timer->start();
}

void BrowseScreen::showEvent(QShowEvent *e)
{
    ScreenWindow::showEvent(e);
    if (!e->spontaneous())
        runGuarded([this] { FormShow(); });
}

void BrowseScreen::FormShow() { viewAll(); }

void BrowseScreen::viewAll() { m_query->requery(m_kind.wholeTableSql); }

void BrowseScreen::registerNew()
{
    if (!session::permitted(this))
        return;
    showNamed(m_kind.registrationWindow);
}

void BrowseScreen::showDetails() { showNamed(m_kind.detailWindow); }

void BrowseScreen::showSearch() { showNamed(m_kind.searchWindow); }

void BrowseScreen::lookupClient()
{
    auto *box = control<DBEdit>(m_kind.crossReferenceBox);
    if (box->text().isEmpty()) {
        // the display only: the record keeps what it holds
        const QSignalBlocker quiet(box);
        box->setText(QStringLiteral("0"));
    }
    m_clientQuery->close();
    m_clientQuery->setSql(m_kind.clientLookupSql);
    m_clientQuery->bind(QStringLiteral("num"), textToInteger(box->text()));
    m_clientQuery->open();
    showNamed(m_kind.clientWindow);
}

void BrowseScreen::countTick() { m_count->tick(); }

// --- registration ---------------------------------------------------------------------------

RegistrationScreen::RegistrationScreen(QWidget *owner, const RegistrationKind &kind)
    : ScreenWindow(owner, kind.objectName, kind.caption, kind.size, listingStrip(kind.query)), m_kind(kind), m_query(DM->*kind.query)
{
    const int width = kind.size.width() - Left - 14;
    const QVector<Place> places = arrange(kind.inputs, width, 18, 96, 112);
    for (int i = 0; i < kind.inputs.size(); ++i) {
        const Field &f = kind.inputs[i];
        if (!f.caption.isEmpty())
            addLabel(this, QStringLiteral("Label_") + f.control, f.caption, places[i].label);
        switch (f.input) {
        case Input::List:
            fixedList(place(new QComboBox, this, f.control, places[i].control), withFirst(QString(), f.items));
            break;
        case Input::Edit:
            place(new QLineEdit, this, f.control, places[i].control);
            break;
        case Input::Date: {
            auto *picker = place(new QDateTimeEdit, this, f.control, places[i].control);
            picker->setDisplayFormat(QStringLiteral("yyyy-M-d"));
            picker->setCalendarPopup(true);
            picker->setDateTime(QDateTime(kind.initialDate, QTime(0, 0)));
            break;
        }
        case Input::Memo: {
            auto *memo = place(new QPlainTextEdit, this, f.control, places[i].control);
            if (kind.memoScrollBar)
                memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            break;
        }
        case Input::Key:
            break;
        }
    }
    QGroupBox *group = addGroup(QStringLiteral("GroupBox1"), kind.groupCaption,
                                QRect(Left, kind.size.height() - 84, width, 70));
    addButton(group, kind.submit.control, kind.submit.caption, QRect(width / 2 - 170, 26, 150, 32));
    addButton(group, kind.close.control, kind.close.caption, QRect(width / 2 + 20, 26, 150, 32));
}

void RegistrationScreen::highlight(QWidget *w, bool focused) { showFocusHighlight(w, focused); }

void RegistrationScreen::submit()
{
    Query *q = m_query;
    // Both kinds open their table query when it is closed.
    q->open();
    q->insert();
    try {
        QDateTime when;
        for (const Field &f : m_kind.inputs) {
            if (f.input == Input::Date) {
                when = control<QDateTimeEdit>(f.control)->dateTime();
                continue;
            }
            const QString text = inputText(this, f);
            if (f.write == Write::Always || !text.isEmpty())
                q->setColumn(f.column, text);
        }
        q->setColumn(QStringLiteral("登记日期"), when);
        q->setColumn(QStringLiteral("登记日期整数"), registrationDateInteger(when.date()));
        q->setColumn(m_kind.crossReference, 0);
        q->post();
    } catch (...) {
        // No half-made row stays behind in any grid; the inputs stay for
        // another attempt and the error is shown by the guard.
        if (q->state() == QueryState::Inserting)
            q->cancel();
        throw;
    }
    q->refresh();
    notice(this, QStringLiteral("提示"), m_kind.successMessage);
}

// --- detail -----------------------------------------------------------------------------------

DetailScreen::DetailScreen(QWidget *owner, const DetailKind &kind)
    : ScreenWindow(owner, kind.objectName, kind.caption, kind.size, listingStrip(kind.query)), m_kind(kind), m_query(DM->*kind.query)
{
    DataSource *source = DM->*kind.source;
    const int width = kind.size.width() - Left - 14;
    const QVector<Place> places = arrange(kind.fields, width, 14, 96, 84);
    for (int i = 0; i < kind.fields.size(); ++i) {
        const Field &f = kind.fields[i];
        if (!f.caption.isEmpty())
            addLabel(this, QStringLiteral("Label_") + f.control, f.caption, places[i].label);
        switch (f.input) {
        case Input::Key:
        case Input::Edit: {
            auto *box = place(new DBEdit, this, f.control, places[i].control);
            box->bind(source, f.column);
            box->setReadOnly(true);
            break;
        }
        case Input::List: {
            auto *box = place(new DBComboBox, this, f.control, places[i].control);
            box->setItems(withFirst(QStringLiteral("不限"), f.items));
            box->setKeepForeignValue(true);
            box->setMaxVisibleItems(12);
            box->bind(source, f.column);
            break;
        }
        case Input::Date: {
            auto *picker = place(new DBDatePicker, this, f.control, places[i].control);
            picker->bind(source, f.column);
            break;
        }
        case Input::Memo: {
            auto *memo = place(new DBMemo, this, f.control, places[i].control);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            memo->bind(source, f.column);
            memo->setReadOnly(true);
            break;
        }
        }
    }
    const int bottom = kind.size.height();
    auto *nav = place(new DBNavigator, this, QStringLiteral("DBNavigator1"), QRect(Left, bottom - 108, 170, 28));
    nav->bind(source);
    nav->setButtons({DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last,
                     DBNavigator::Refresh},
                    kind.navigatorHints);
    QGroupBox *group = addGroup(QStringLiteral("GroupBox1"), QStringLiteral("数据操作"),
                                QRect(Left, bottom - 72, width, 62));
    const QList<Button> buttons{kind.start, kind.submit, kind.remove, kind.close};
    const int step = (width - 24) / 4;
    for (int i = 0; i < buttons.size(); ++i)
        addButton(group, buttons[i].control, buttons[i].caption, QRect(12 + i * step, 22, step - 12, 30));

    connect(m_query, &Query::stateChanged, this, [this] { queryStateChanged(); });
    setMode(false);
}

QList<QWidget *> DetailScreen::lockableControls() const
{
    QList<QWidget *> out;
    for (const Field &f : m_kind.fields)
        if (f.input != Input::Key)
            out << control<QWidget>(f.control);
    return out;
}

// View mode: every control but the key box read-only (the date picker
// too), "提交修改" off, navigator on; modification mode the reverse.
void DetailScreen::setMode(bool modifying)
{
    m_modifying = modifying;
    for (QWidget *w : lockableControls())
        setControlLocked(w, !modifying);
    control<QWidget>(m_kind.submit.control)->setEnabled(modifying);
    control<QWidget>(QStringLiteral("DBNavigator1"))->setEnabled(!modifying);
}

// When another window posts, drops, moves, refreshes or re-queries the
// shared query, the pending change is gone: back to view mode, showing what
// the query now holds.
void DetailScreen::queryStateChanged()
{
    if (!m_modifying || m_submitting)
        return;
    const QueryState s = m_query->state();
    if (s != QueryState::Editing && s != QueryState::Inserting)
        setMode(false);
}

void DetailScreen::highlight(QWidget *w, bool focused) { showFocusHighlight(w, focused); }

void DetailScreen::startModification()
{
    if (!session::permitted(this))
        return;
    for (QWidget *w : lockableControls())
        setControlLocked(w, false);
    try {
        m_query->open();
        m_query->edit();
    } catch (...) {
        setMode(false);
        throw;
    }
    setMode(true);
}

void DetailScreen::submitModification()
{
    Query *q = m_query;
    m_submitting = true;
    const auto done = qScopeGuard([this] {
        m_submitting = false;
        queryStateChanged();
    });
    QDateTime when;
    for (const Field &f : m_kind.fields) {
        if (f.input == Input::Date) {
            auto *picker = control<DBDatePicker>(f.control);
            // A record without a date (a new one begun on an empty table)
            // shows a blank picker; unless a date was picked it takes today's.
            when = picker->isBlank() ? QDateTime(QDate::currentDate(), QTime(0, 0)) : picker->value();
            continue;
        }
        if (f.input == Input::Key || f.input == Input::Memo || f.column == m_kind.crossReference)
            continue;
        const QString text = inputText(this, f);
        if (f.input == Input::Edit || m_kind.writeEmptyLists || f.write == Write::Always || !text.isEmpty())
            q->setColumn(f.column, text);
    }
    q->setColumn(QStringLiteral("登记日期"), when);
    q->setColumn(QStringLiteral("登记日期整数"), registrationDateInteger(when.date()));

    auto *box = control<DBEdit>(m_kind.crossReferenceBox);
    const QString memo = control<QPlainTextEdit>(QStringLiteral("DBMemo_beizhu"))->toPlainText();
    if (m_kind.crossReferenceFromBox) {
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
        q->setColumn(m_kind.crossReference, box->text());
        q->setColumn(QStringLiteral("备注"), memo);
    } else {
        q->setColumn(QStringLiteral("备注"), memo);
        if (box->text().isEmpty())
            q->setColumn(m_kind.crossReference, 0);
    }
    q->post();
    notice(this, QStringLiteral("提示"), QStringLiteral("修改成功！"));
    q->refresh();
    setMode(false);
}

void DetailScreen::deleteRecord() { deleteCurrentRecord(this, m_query); }

// --- search -----------------------------------------------------------------------------------

SearchScreen::SearchScreen(QWidget *owner, const SearchKind &kind)
    : ScreenWindow(owner, kind.objectName, kind.caption, kind.size, listingStrip(kind.query)), m_kind(kind), m_query(DM->*kind.query)
{
    DataSource *source = DM->*kind.source;
    const int width = kind.size.width() - Left - 14;
    QLabel *heading = captionLabel(addLabel(this, QStringLiteral("Label_tiaojian"), QStringLiteral("请选择查询条件"),
                                            QRect(Left, 6, 200, 22)));
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    const QVector<Place> places = arrange(kind.criteria, width, 32, 96, 0);
    for (int i = 0; i < kind.criteria.size(); ++i) {
        const Field &f = kind.criteria[i];
        if (!f.caption.isEmpty())
            addLabel(this, QStringLiteral("Label_") + f.control, f.caption, places[i].label);
        if (f.input == Input::List)
            fixedList(place(new QComboBox, this, f.control, places[i].control), withFirst(QString(), f.items));
        else
            place(new QLineEdit, this, f.control, places[i].control);
    }

    const int top = 32 + ((places.size() + 1) / 2) * RowHeight + 2;
    const int bottom = kind.size.height();
    auto *grid = place(new DBGrid, this, QStringLiteral("DBGrid1"), QRect(Left, top, width - 176, bottom - top - 46));
    grid->bind(source);
    grid->setColumns(kind.grid);
    auto *nav = place(new DBNavigator, this, QStringLiteral("DBNavigator1"), QRect(Left, bottom - 38, 136, 28));
    nav->bind(source);
    nav->setButtons({DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last},
                    kind.navigatorHints);
    int x = Left + 160;
    auto line = [&](const QString &name, const QString &text, int w) {
        QLabel *l = captionLabel(addLabel(this, name, text, QRect(x, bottom - 36, w, 24)));
        x += w;
        return l;
    };
    line(QStringLiteral("Label_gongzhaodao"), QStringLiteral("共找到："), 60);
    QLabel *count = line(kind.countLabel, QStringLiteral("0"), 50);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold; padding-right: 4px;"));
    line(QStringLiteral("Label_tiaojilu"), QStringLiteral("条记录"), 60);

    QGroupBox *group = addGroup(QStringLiteral("GroupBox1"), QStringLiteral("查询操作"),
                                QRect(Left + width - 166, top - 6, 166, bottom - top - 4));
    const QList<Button> buttons{kind.start, kind.view, kind.remove, kind.close};
    for (int i = 0; i < buttons.size(); ++i)
        addButton(group, buttons[i].control, buttons[i].caption, QRect(14, 24 + i * 38, 138, 30));
    const QStringList hint{QStringLiteral("如要进行数据修"), QStringLiteral("改点击详细信息")};
    for (int i = 0; i < 2; ++i) {
        QLabel *l = captionLabel(addLabel(group, kind.hintControls[i], hint[i], QRect(14, 186 + i * 20, 138, 20)));
        if (kind.hintAsStaticText)
            l->setFrameStyle(QFrame::NoFrame);
        l->setStyleSheet(QStringLiteral("color: #303080;"));
    }
}

void SearchScreen::search()
{
    Query *q = m_query;
    q->close();
    q->setSql(m_kind.searchSql);
    for (const Field &f : m_kind.criteria)
        q->bind(f.parameter, QString(QLatin1Char('%') + inputText(this, f) + QLatin1Char('%')));
    q->open();
    control<QLabel>(m_kind.countLabel)->setText(QString::number(q->recordCount()));
    q->refresh();
}

void SearchScreen::view() { showNamed(m_kind.detailWindow); }

void SearchScreen::deleteRecord() { deleteCurrentRecord(this, m_query); }
}
