#pragma once
// Record patterns shared by the browse, detail and search screens of every
// register: the guarded deletion, the running count with its "not taken"
// companion, the lock of bound controls and the focus highlight of free-text
// boxes.
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QLabel;
class QWidget;
class Query;

// Deletes the current record of `query` the way every screen does: the
// permission gate first, then the question, the empty check, the delete and
// the refresh. Boxes are owned by `owner`.
void deleteCurrentRecord(QWidget *owner, Query *query);

// Counts, incrementally, the rows of a query's result whose cross-reference
// column names nobody (null, empty text or 0). It follows the query's
// signals, so reading the count costs nothing.
class UntakenCounter : public QObject {
    Q_OBJECT
public:
    UntakenCounter(Query *query, const QString &column, QObject *parent = nullptr);
    // The count; a result that changed without a signal is counted afresh.
    int count();
    static bool isUntaken(const QVariant &crossReference);

private:
    void rebuild();
    bool rowUntaken(int row) const;
    void inserted(int row);
    void removed(int row);
    void changed(int row);

    Query *m_query;
    QString m_column;
    int m_col = -1;
    std::vector<char> m_flags;
    int m_count = 0;
};

// The running count: at every tick (the screen's count timer calls it),
// while the query is open, the count label shows the record count and the
// optional second label the untaken count; while it is closed both keep what
// they show.
class CountDisplay : public QObject {
    Q_OBJECT
public:
    CountDisplay(Query *query, QLabel *countLabel, QLabel *untakenLabel = nullptr,
                 const QString &crossReferenceColumn = QString(), QObject *parent = nullptr);
    void tick();

private:
    Query *m_query;
    QPointer<QLabel> m_count;
    QPointer<QLabel> m_untaken;
    UntakenCounter *m_counter = nullptr;
};

// Read-only (locked) or editable bound control: edits, memos and date
// pickers become read-only; drop-down lists ignore the mouse, the keys and
// the wheel while locked.
void setControlLocked(QWidget *control, bool locked);
bool isControlLocked(const QWidget *control);

// The focus highlight of free-text boxes: money green (C0DCC0) while the box
// has the focus, white otherwise.
void showFocusHighlight(QWidget *control, bool focused);
