#pragma once
// Data-bound controls. Each attaches to a DataSource and a column and follows
// its query at once: cursor moves, re-queries, inserts, deletes, posts,
// refreshes and close (a closed query shows nothing). Typing into an editable
// bound control puts its query into editing and keeps the typed value in the
// query's row buffer; moving the cursor then posts the changed row.
#include "data/query.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QToolButton>
#include <QVector>
#include <QWidget>

// Bound single-line edit.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &field);
    DataSource *dataSource() const { return m_source; }
    QString field() const { return m_field; }
    void reload();   // show the current value again

private:
    void userEdited(const QString &text);
    QPointer<DataSource> m_source;
    QString m_field;
    bool m_loading = false;
    bool m_writing = false;   // our own change is going into the row buffer
};

// Bound drop-down list that accepts only its own items. It shows the column's
// value when it is one of the items and nothing otherwise; with
// setKeepForeignValue(true) a stored value that is not an item is shown as it
// is (as an extra entry) and is written back unchanged unless the user picks
// another item.
class DBComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &field);
    void setItems(const QStringList &items);
    QStringList items() const { return m_items; }
    void setKeepForeignValue(bool keep) { m_keepForeign = keep; reload(); }
    bool keepsForeignValue() const { return m_keepForeign; }
    DataSource *dataSource() const { return m_source; }
    QString field() const { return m_field; }
    void reload();

private:
    void userPicked(int index);
    QPointer<DataSource> m_source;
    QString m_field;
    QStringList m_items;
    bool m_keepForeign = false;
    bool m_loading = false;
    bool m_writing = false;
};

// Bound multi-line memo.
class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &field);
    DataSource *dataSource() const { return m_source; }
    QString field() const { return m_field; }
    void reload();

private:
    void userEdited();
    QPointer<DataSource> m_source;
    QString m_field;
    bool m_loading = false;
    bool m_writing = false;
};

// Bound date picker (a drop-down calendar). It shows the date part in the
// short form yyyy-M-d and carries the stored time of day, which a changed
// date keeps. Shows nothing while the query is closed or the value is null.
class DBDatePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit DBDatePicker(QWidget *parent = nullptr);
    void bind(DataSource *source, const QString &field);
    DataSource *dataSource() const { return m_source; }
    QString field() const { return m_field; }
    // The date and the time of day the picker carries.
    QDateTime value() const;
    bool isBlank() const { return m_blank; }
    void reload();
    // Stepping a blank picker starts from today.
    void stepBy(int steps) override;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void userChanged(const QDateTime &shown);
    void showBlank();
    void openCalendarOnToday();
    QPointer<DataSource> m_source;
    QString m_field;
    bool m_loading = false;
    bool m_writing = false;
    bool m_blank = true;
    QTime m_time;
};

struct GridColumn {
    QString field;
    QString title;
    int width;   // pixels
};

// Adapts a query to a table model: one row per result row, the given
// columns, values in their display form. Answers in constant time.
// The row header marks the current row ("▶", "I" while editing, "*" while
// inserting).
class QueryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QueryModel(QObject *parent = nullptr);
    void setQuery(Query *query);
    Query *query() const { return m_query; }
    void setColumns(const QVector<GridColumn> &columns);
    const QVector<GridColumn> &columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void resetFromQuery();
    void lookUpFields();
    void markCursor();
    void rowsRefreshed();
    QPointer<Query> m_query;
    QVector<GridColumn> m_columns;
    mutable QVector<int> m_fieldIndex;   // column -> query column, -1 when missing
    int m_rows = 0;                      // rows the views know of
    int m_markedRow = -1;                // row whose header carries the marker
};

// Bound read-only grid: the given columns, titles and widths; the current
// row is the query's cursor, and a click on a row moves the cursor there.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);
    void bind(DataSource *source);
    void setColumns(const QVector<GridColumn> &columns);
    DataSource *dataSource() const { return m_source; }
    QueryModel *queryModel() const { return m_model; }

private:
    void applyWidths();
    void showCursor();                    // select and reveal the query's cursor row
    void userMovedTo(int row);
    QPointer<DataSource> m_source;
    QueryModel *m_model;
    bool m_syncing = false;
};

// Record navigator: the buttons asked for, each with its hint (tooltip).
class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Refresh };
    explicit DBNavigator(QWidget *parent = nullptr);
    void bind(DataSource *source);
    // The visible buttons in their order and their hints.
    void setButtons(const QList<Button> &buttons, const QStringList &hints);
    QToolButton *button(Button b) const;
    DataSource *dataSource() const { return m_source; }

private:
    void updateEnabled();
    void clicked(Button b);
    QPointer<DataSource> m_source;
    QList<QToolButton *> m_buttons;   // indexed by Button
};
