#include "ui/dbcontrols.h"
#include "platform/guard.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

namespace {

Query *queryOf(const DataSource *source) { return source ? source->query() : nullptr; }

// The current row's value of a column; null when the query is closed, has no
// current row or lacks the column.
QVariant currentValue(const DataSource *source, const QString &field)
{
    const Query *q = queryOf(source);
    if (!q || !q->isOpen() || q->cursor() < 0)
        return QVariant();
    const int col = q->columnIndex(field);
    return col < 0 ? QVariant() : q->value(q->cursor(), col);
}

// Makes a control show its column again on every signal of the query, and
// drops what it followed before.
template <typename Control>
void follow(Control *control, Query *before, Query *query)
{
    if (before)
        QObject::disconnect(before, nullptr, control, nullptr);
    if (!query)
        return;
    const auto reload = [control] { control->reload(); };
    QObject::connect(query, &Query::opened, control, reload);
    QObject::connect(query, &Query::closed, control, reload);
    QObject::connect(query, &Query::cursorMoved, control, reload);
    QObject::connect(query, &Query::rowChanged, control, reload);
    QObject::connect(query, &Query::rowInserted, control, reload);
    QObject::connect(query, &Query::rowRemoved, control, reload);
    QObject::connect(query, &Query::rowsRefreshed, control, reload);
    QObject::connect(query, &Query::stateChanged, control, reload);
}

// A user's change of a bound control: the query enters editing when it is
// browsing and the value goes into the row buffer. While it runs, `writing`
// keeps the control from being reloaded under the user's hands. An error is
// shown by the guard; false then.
bool writeUserValue(const DataSource *source, const QString &field, const QVariant &value, bool &writing)
{
    Query *q = queryOf(source);
    if (!q)
        return true;
    writing = true;
    const bool ok = runGuarded([&] {
        if (q->state() != QueryState::Inserting && q->state() != QueryState::Editing)
            q->edit();   // fails on a closed query
        q->setColumn(field, value);
    });
    writing = false;
    return ok;
}

// A flag set for the time of a scope.
class Raise {
public:
    explicit Raise(bool &flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~Raise() { m_flag = m_old; }

private:
    bool &m_flag;
    bool m_old;
};

} // namespace

// --- DBEdit ---------------------------------------------------------------------

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
}

void DBEdit::bind(DataSource *source, const QString &field)
{
    follow(this, queryOf(m_source), queryOf(source));
    m_source = source;
    m_field = field;
    reload();
}

void DBEdit::reload()
{
    if (m_writing)
        return;
    const QString text = Query::displayForm(currentValue(m_source, m_field));
    if (text == this->text())
        return;   // keeps the caret where it is
    Raise loading(m_loading);
    setText(text);
    setCursorPosition(0);
}

void DBEdit::userEdited(const QString &text)
{
    if (m_loading || isReadOnly() || !m_source)
        return;
    if (!writeUserValue(m_source, m_field, text, m_writing))
        reload();
}

// --- DBComboBox -----------------------------------------------------------------

namespace {
// Marks the extra entry that shows a stored value which is not an item.
constexpr int ForeignRole = Qt::UserRole + 1;
}

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &DBComboBox::userPicked);
}

void DBComboBox::bind(DataSource *source, const QString &field)
{
    follow(this, queryOf(m_source), queryOf(source));
    m_source = source;
    m_field = field;
    reload();
}

void DBComboBox::setItems(const QStringList &items)
{
    Raise loading(m_loading);
    m_items = items;
    clear();
    addItems(items);
    setCurrentIndex(-1);
    reload();
}

void DBComboBox::reload()
{
    if (m_writing)
        return;
    Raise loading(m_loading);
    const QVariant v = currentValue(m_source, m_field);
    const QString text = Query::displayForm(v);
    const int item = v.isNull() ? -1 : int(m_items.indexOf(text));
    const bool foreign = m_keepForeign && item < 0 && !text.isEmpty();

    // Entries: the items, then the foreign value when it is kept.
    const int last = count() - 1;
    const bool hasExtra = last >= 0 && itemData(last, ForeignRole).toBool();
    if (hasExtra && (!foreign || itemText(last) != text))
        removeItem(last);
    if (foreign && !(hasExtra && itemText(last) == text)) {
        addItem(text);
        setItemData(count() - 1, true, ForeignRole);
    }
    setCurrentIndex(foreign ? count() - 1 : item);
}

void DBComboBox::userPicked(int index)
{
    if (m_loading || !m_source)
        return;
    const QString picked = index < 0 ? QString() : itemText(index);
    const QVariant stored = currentValue(m_source, m_field);
    if (!stored.isNull() && Query::displayForm(stored) == picked)
        return;   // the value it holds: nothing changes
    if (!writeUserValue(m_source, m_field, picked, m_writing))
        reload();
}

// --- DBMemo ---------------------------------------------------------------------

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::userEdited);
}

void DBMemo::bind(DataSource *source, const QString &field)
{
    follow(this, queryOf(m_source), queryOf(source));
    m_source = source;
    m_field = field;
    reload();
}

void DBMemo::reload()
{
    if (m_writing)
        return;
    const QString text = Query::displayForm(currentValue(m_source, m_field));
    if (text == toPlainText())
        return;
    Raise loading(m_loading);
    setPlainText(text);
}

void DBMemo::userEdited()
{
    if (m_loading || isReadOnly() || !m_source)
        return;
    if (!writeUserValue(m_source, m_field, toPlainText(), m_writing))
        reload();
}

// --- DBDatePicker ---------------------------------------------------------------

namespace {
// The picker's lowest date stands for "no date" and shows as a blank.
const QDate BlankDate(100, 1, 1);
}

DBDatePicker::DBDatePicker(QWidget *parent) : QDateTimeEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-M-d"));
    setMinimumDate(BlankDate);
    setSpecialValueText(QStringLiteral(" "));
    showBlank();
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &DBDatePicker::userChanged);
}

void DBDatePicker::bind(DataSource *source, const QString &field)
{
    follow(this, queryOf(m_source), queryOf(source));
    m_source = source;
    m_field = field;
    reload();
}

QDateTime DBDatePicker::value() const
{
    if (m_blank)
        return QDateTime();
    return QDateTime(date(), m_time.isValid() ? m_time : QTime(0, 0));
}

void DBDatePicker::showBlank()
{
    Raise loading(m_loading);
    m_blank = true;
    m_time = QTime();
    setDateTime(QDateTime(BlankDate, QTime(0, 0)));
}

void DBDatePicker::reload()
{
    if (m_writing)
        return;
    const QVariant v = currentValue(m_source, m_field);
    QDateTime dt;
    if (v.typeId() == QMetaType::QDateTime)
        dt = v.toDateTime();
    else if (v.typeId() == QMetaType::QDate)
        dt = QDateTime(v.toDate(), QTime(0, 0));
    if (!dt.isValid() || dt.date() <= BlankDate) {
        showBlank();
        return;
    }
    Raise loading(m_loading);
    m_blank = false;
    m_time = dt.time();
    setDateTime(QDateTime(dt.date(), QTime(0, 0)));
}

void DBDatePicker::userChanged(const QDateTime &shown)
{
    if (m_loading || !m_source)
        return;
    if (isReadOnly() || shown.date() <= BlankDate) {
        reload();
        return;
    }
    const QDateTime picked(shown.date(), m_time.isValid() ? m_time : QTime(0, 0));
    if (!writeUserValue(m_source, m_field, picked, m_writing)) {
        reload();
        return;
    }
    m_blank = false;
}

// A blank picker opens its calendar on the current month rather than on the
// blank's far-away date.
void DBDatePicker::openCalendarOnToday()
{
    if (!m_blank || !calendarWidget())
        return;
    const QDate today = QDate::currentDate();
    calendarWidget()->setCurrentPage(today.year(), today.month());
}

void DBDatePicker::stepBy(int steps)
{
    if (m_blank && !isReadOnly()) {
        Raise loading(m_loading);
        const Section section = currentSection();
        setDate(QDate::currentDate());
        setCurrentSection(section);
    }
    QDateTimeEdit::stepBy(steps);
}

void DBDatePicker::mousePressEvent(QMouseEvent *e)
{
    if (isReadOnly()) {
        e->accept();
        return;   // a read-only picker does not open its calendar
    }
    QDateTimeEdit::mousePressEvent(e);
    openCalendarOnToday();
}

void DBDatePicker::keyPressEvent(QKeyEvent *e)
{
    QDateTimeEdit::keyPressEvent(e);
    openCalendarOnToday();
}

// --- QueryModel -----------------------------------------------------------------

QueryModel::QueryModel(QObject *parent) : QAbstractTableModel(parent) {}

void QueryModel::setQuery(Query *query)
{
    if (m_query)
        disconnect(m_query, nullptr, this, nullptr);
    m_query = query;
    if (query) {
        connect(query, &Query::opened, this, &QueryModel::resetFromQuery);
        connect(query, &Query::closed, this, &QueryModel::resetFromQuery);
        connect(query, &QObject::destroyed, this, &QueryModel::resetFromQuery);
        connect(query, &Query::rowInserted, this, [this](int row) {
            beginInsertRows(QModelIndex(), row, row);
            ++m_rows;
            if (m_markedRow >= row)
                ++m_markedRow;
            endInsertRows();
        });
        connect(query, &Query::rowRemoved, this, [this](int row) {
            if (row < 0 || row >= m_rows)
                return;
            beginRemoveRows(QModelIndex(), row, row);
            --m_rows;
            if (m_markedRow == row)
                m_markedRow = -1;
            else if (m_markedRow > row)
                --m_markedRow;
            endRemoveRows();
        });
        connect(query, &Query::rowChanged, this, [this](int row) {
            if (row >= 0 && row < m_rows && !m_columns.isEmpty())
                Q_EMIT dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
        });
        connect(query, &Query::rowsRefreshed, this, &QueryModel::rowsRefreshed);
        connect(query, &Query::cursorMoved, this, &QueryModel::markCursor);
        connect(query, &Query::stateChanged, this, &QueryModel::markCursor);
    }
    resetFromQuery();
}

void QueryModel::setColumns(const QVector<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    lookUpFields();
    endResetModel();
}

void QueryModel::lookUpFields()
{
    m_fieldIndex.resize(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c)
        m_fieldIndex[c] = (m_query && m_query->isOpen()) ? m_query->columnIndex(m_columns[c].field) : -1;
}

void QueryModel::resetFromQuery()
{
    beginResetModel();
    m_rows = (m_query && m_query->isOpen()) ? m_query->rowCount() : 0;
    m_markedRow = (m_query && m_query->isOpen()) ? m_query->cursor() : -1;
    lookUpFields();
    endResetModel();
}

void QueryModel::rowsRefreshed()
{
    if (m_rows > 0 && !m_columns.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, int(m_columns.size()) - 1));
}

void QueryModel::markCursor()
{
    const int old = m_markedRow;
    m_markedRow = (m_query && m_query->isOpen()) ? m_query->cursor() : -1;
    if (m_markedRow >= m_rows)
        m_markedRow = -1;
    if (old >= 0 && old < m_rows)
        Q_EMIT headerDataChanged(Qt::Vertical, old, old);
    if (m_markedRow >= 0 && m_markedRow != old)
        Q_EMIT headerDataChanged(Qt::Vertical, m_markedRow, m_markedRow);
}

int QueryModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

int QueryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant QueryModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !m_query || index.row() >= m_rows)
        return QVariant();
    const int col = m_fieldIndex.value(index.column(), -1);
    if (col < 0)
        return QVariant();
    return m_query->displayText(index.row(), col);
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
            return m_columns[section].title;
        return QVariant();
    }
    if (role == Qt::DisplayRole && section == m_markedRow && m_query) {
        switch (m_query->state()) {
        case QueryState::Inserting: return QStringLiteral("*");
        case QueryState::Editing: return QStringLiteral("I");
        default: return QString(QChar(0x25B6));   // ▶
        }
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}

Qt::ItemFlags QueryModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags;
}

// --- DBGrid ---------------------------------------------------------------------

DBGrid::DBGrid(QWidget *parent) : QTableView(parent), m_model(new QueryModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // Every row has the same height, so a large result costs nothing to lay out.
    QHeaderView *rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setMinimumSectionSize(fontMetrics().height() + 2);
    rows->setFixedWidth(fontMetrics().height());
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);

    // The model's own changes, made while following the query, are no user moves.
    auto hold = [this] { m_syncing = true; };
    auto release = [this] {
        m_syncing = false;
        showCursor();
    };
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, hold);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, hold);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, hold);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this, release] {
        applyWidths();
        release();
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, release);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, release);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_syncing && current.isValid())
                    userMovedTo(current.row());
            });
}

void DBGrid::bind(DataSource *source)
{
    if (Query *before = queryOf(m_source))
        disconnect(before, nullptr, this, nullptr);
    m_source = source;
    m_model->setQuery(queryOf(source));   // the model follows the query first
    if (Query *q = queryOf(source))
        connect(q, &Query::cursorMoved, this, &DBGrid::showCursor);
    showCursor();
}

void DBGrid::setColumns(const QVector<GridColumn> &columns)
{
    m_model->setColumns(columns);   // resets: the widths follow
}

void DBGrid::applyWidths()
{
    const QVector<GridColumn> &cols = m_model->columns();
    for (int c = 0; c < cols.size(); ++c)
        setColumnWidth(c, cols[c].width);
}

void DBGrid::showCursor()
{
    Raise syncing(m_syncing);
    const Query *q = queryOf(m_source);
    const int row = (q && q->isOpen()) ? q->cursor() : -1;
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clear();
        return;
    }
    const int col = std::max(0, currentIndex().column());
    if (col >= m_model->columnCount())
        return;
    const QModelIndex idx = m_model->index(row, col);
    if (currentIndex() != idx || !selectionModel()->isRowSelected(row, QModelIndex()))
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(idx, QAbstractItemView::EnsureVisible);
}

void DBGrid::userMovedTo(int row)
{
    Query *q = queryOf(m_source);
    if (!q || !q->isOpen() || row == q->cursor())
        return;
    if (!runGuarded([&] { q->moveTo(row); })) {
        // The cursor stayed where it was; the view finishes handling the
        // click first, then shows the cursor's row again.
        showCursor();
        QMetaObject::invokeMethod(this, &DBGrid::showCursor, Qt::QueuedConnection);
    }
}

// --- DBNavigator ----------------------------------------------------------------

namespace {
// The button faces: bars and triangles as on a tape recorder, and a circular
// arrow for refresh.
QIcon navigatorIcon(DBNavigator::Button b, const QColor &ink)
{
    const int s = 16;
    QPixmap pm(s * 2, s * 2);
    pm.setDevicePixelRatio(2);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto triangle = [&](qreal x, bool left) {
        QPainterPath path;
        if (left) {
            path.moveTo(x + 5, 3.5);
            path.lineTo(x, 8);
            path.lineTo(x + 5, 12.5);
        } else {
            path.moveTo(x, 3.5);
            path.lineTo(x + 5, 8);
            path.lineTo(x, 12.5);
        }
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (b) {
    case DBNavigator::First:
        p.drawRect(QRectF(4, 3.5, 1.6, 9));
        triangle(6.5, true);
        break;
    case DBNavigator::Prior: triangle(5.5, true); break;
    case DBNavigator::Next: triangle(5.5, false); break;
    case DBNavigator::Last:
        triangle(4.5, false);
        p.drawRect(QRectF(10.4, 3.5, 1.6, 9));
        break;
    case DBNavigator::Refresh: {
        QPen pen(ink, 1.6);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5, 3.5, 9, 9), 100 * 16, 290 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        QPainterPath head;
        head.moveTo(7.2, 1.2);
        head.lineTo(10.6, 3.8);
        head.lineTo(7.0, 6.2);
        head.closeSubpath();
        p.drawPath(head);
        break;
    }
    }
    p.end();
    return QIcon(pm);
}
}

DBNavigator::DBNavigator(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    static const char *const names[] = {"first", "prior", "next", "last", "refresh"};
    for (int b = First; b <= Refresh; ++b) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(names[b]));
        button->setIcon(navigatorIcon(Button(b), palette().color(QPalette::ButtonText)));
        button->setAutoRaise(false);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, b] { clicked(Button(b)); });
        row->addWidget(button);
        m_buttons << button;
    }
    updateEnabled();
}

QToolButton *DBNavigator::button(Button b) const { return m_buttons.value(int(b)); }

void DBNavigator::setButtons(const QList<Button> &buttons, const QStringList &hints)
{
    auto *row = static_cast<QHBoxLayout *>(layout());
    for (QToolButton *b : std::as_const(m_buttons)) {
        row->removeWidget(b);
        b->hide();
    }
    for (int i = 0; i < buttons.size(); ++i) {
        QToolButton *b = button(buttons[i]);
        if (!b)
            continue;
        b->setToolTip(hints.value(i));
        b->setStatusTip(hints.value(i));
        b->setAccessibleName(hints.value(i));
        row->addWidget(b);
        b->show();
    }
}

void DBNavigator::bind(DataSource *source)
{
    if (Query *before = queryOf(m_source))
        disconnect(before, nullptr, this, nullptr);
    m_source = source;
    if (Query *q = queryOf(source)) {
        const auto update = [this] { updateEnabled(); };
        connect(q, &Query::opened, this, update);
        connect(q, &Query::closed, this, update);
        connect(q, &Query::cursorMoved, this, update);
        connect(q, &Query::rowInserted, this, update);
        connect(q, &Query::rowRemoved, this, update);
        connect(q, &Query::rowsRefreshed, this, update);
        connect(q, &Query::stateChanged, this, update);
    }
    updateEnabled();
}

void DBNavigator::updateEnabled()
{
    const Query *q = queryOf(m_source);
    const bool open = q && q->isOpen();
    const int cursor = open ? q->cursor() : -1;
    const int rows = open ? q->rowCount() : 0;
    const bool atFirst = cursor <= 0;
    const bool atLast = cursor < 0 || cursor >= rows - 1;
    m_buttons[First]->setEnabled(open && !atFirst);
    m_buttons[Prior]->setEnabled(open && !atFirst);
    m_buttons[Next]->setEnabled(open && !atLast);
    m_buttons[Last]->setEnabled(open && !atLast);
    m_buttons[Refresh]->setEnabled(open);
}

void DBNavigator::clicked(Button b)
{
    Query *q = queryOf(m_source);
    if (!q)
        return;
    runGuarded([&] {
        switch (b) {
        case First: q->first(); break;
        case Prior: q->prior(); break;
        case Next: q->next(); break;
        case Last: q->last(); break;
        case Refresh: q->refresh(); break;
        }
    });
    updateEnabled();
}
