#include "ui/record_actions.h"

#include "data/query.h"
#include "platform/msgbox.h"
#include "platform/session.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void deleteCurrentRecord(QWidget *owner, Query *query)
{
    if (!session::permitted(owner))
        return;
    if (!askYesNo(owner, QStringLiteral("提示"), QStringLiteral("注意！ 该操作将删除该数据,是否继续？")))
        return;
    if (query->recordCount() == 0) {
        notice(owner, QStringLiteral("删除出错"), QStringLiteral("记录已经为空！"));
        return;
    }
    query->open();
    query->remove();
    query->refresh();
}

// --- untaken count -------------------------------------------------------------

UntakenCounter::UntakenCounter(Query *query, const QString &column, QObject *parent)
    : QObject(parent), m_query(query), m_column(column)
{
    connect(query, &Query::opened, this, &UntakenCounter::rebuild);
    connect(query, &Query::rowsRefreshed, this, &UntakenCounter::rebuild);
    connect(query, &Query::closed, this, &UntakenCounter::rebuild);
    connect(query, &Query::rowInserted, this, &UntakenCounter::inserted);
    connect(query, &Query::rowRemoved, this, &UntakenCounter::removed);
    connect(query, &Query::rowChanged, this, &UntakenCounter::changed);
    rebuild();
}

bool UntakenCounter::isUntaken(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return true;
    if (v.typeId() == QMetaType::LongLong)   // the stored form: a whole number
        return v.toLongLong() == 0;
    const QString t = Query::displayForm(v).trimmed();
    if (t.isEmpty())
        return true;
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    return ok && n == 0;
}

int UntakenCounter::count()
{
    if (m_query->isOpen() && int(m_flags.size()) != m_query->rowCount())
        rebuild();
    return m_count;
}

bool UntakenCounter::rowUntaken(int row) const
{
    return m_col >= 0 && isUntaken(m_query->value(row, m_col));
}

void UntakenCounter::rebuild()
{
    m_flags.clear();
    m_count = 0;
    if (!m_query->isOpen())
        return;
    m_col = m_query->columnIndex(m_column);
    const int n = m_query->rowCount();
    m_flags.resize(size_t(n));
    for (int r = 0; r < n; ++r) {
        m_flags[size_t(r)] = rowUntaken(r);
        m_count += m_flags[size_t(r)];
    }
}

void UntakenCounter::inserted(int row)
{
    if (row < 0 || row > int(m_flags.size()))
        return rebuild();
    const char f = rowUntaken(row);
    m_flags.insert(m_flags.begin() + row, f);
    m_count += f;
}

void UntakenCounter::removed(int row)
{
    if (row < 0 || row >= int(m_flags.size()))
        return rebuild();
    m_count -= m_flags[size_t(row)];
    m_flags.erase(m_flags.begin() + row);
}

void UntakenCounter::changed(int row)
{
    if (row < 0 || row >= int(m_flags.size()))
        return;
    const char f = rowUntaken(row);
    m_count += f - m_flags[size_t(row)];
    m_flags[size_t(row)] = f;
}

// --- count display --------------------------------------------------------------

CountDisplay::CountDisplay(Query *query, QLabel *countLabel, QLabel *untakenLabel,
                           const QString &crossReferenceColumn, QObject *parent)
    : QObject(parent), m_query(query), m_count(countLabel), m_untaken(untakenLabel)
{
    if (untakenLabel)
        m_counter = new UntakenCounter(query, crossReferenceColumn, this);
}

void CountDisplay::tick()
{
    if (!m_query->isOpen())
        return;
    auto show = [](QLabel *label, int n) {
        const QString t = QString::number(n);
        if (label && label->text() != t)
            label->setText(t);
    };
    show(m_count, m_query->recordCount());
    if (m_counter)
        show(m_untaken, m_counter->count());
}

// --- locking ----------------------------------------------------------------------

namespace {
const char *const kLocked = "velmoriaLocked";

class LockFilter : public QObject {
public:
    static LockFilter *instance()
    {
        static LockFilter *f = new LockFilter;
        return f;
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!o->property(kLocked).toBool())
            return false;
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
        }
    }
};
}

void setControlLocked(QWidget *control, bool locked)
{
    if (!control)
        return;
    control->setProperty(kLocked, locked);
    if (auto *e = qobject_cast<QLineEdit *>(control))
        e->setReadOnly(locked);
    else if (auto *m = qobject_cast<QPlainTextEdit *>(control))
        m->setReadOnly(locked);
    else if (auto *s = qobject_cast<QAbstractSpinBox *>(control))
        s->setReadOnly(locked);
    if (qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractSpinBox *>(control)) {
        control->removeEventFilter(LockFilter::instance());
        control->installEventFilter(LockFilter::instance());
    }
}

bool isControlLocked(const QWidget *control) { return control && control->property(kLocked).toBool(); }

void showFocusHighlight(QWidget *control, bool focused)
{
    if (!control)
        return;
    QPalette p = control->palette();
    p.setColor(QPalette::Base, focused ? QColor(0xC0, 0xDC, 0xC0) : QColor(0xFF, 0xFF, 0xFF));
    control->setPalette(p);
}
