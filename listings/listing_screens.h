#pragma once
// The four listing screens, each one implementation for both kinds, built
// from the kind tables. The specified window classes derive from these and
// only name their handlers.
#include "listings/listing_kinds.h"
#include "ui/screen.h"

#include <QPointer>

class QLabel;
class QTimer;
class CountDisplay;

namespace listing {

// Browse window: grid, current-record boxes, navigator, running count and
// the buttons leading to the other screens.
class BrowseScreen : public ScreenWindow {
    Q_OBJECT
public:
    BrowseScreen(QWidget *owner, const BrowseKind &kind);
    const BrowseKind &kind() const { return m_kind; }
    Query *query() const { return m_query; }

    // Each show of the hidden window brings back the whole table.
    void FormShow();

protected:
    void viewAll();
    void registerNew();
    void showDetails();
    void lookupClient();
    void showSearch();
    void countTick();
    void showEvent(QShowEvent *e) override;

private:
    const BrowseKind &m_kind;
    Query *m_query;
    Query *m_clientQuery;
    QTimer *m_timer;
    CountDisplay *m_count;
};

// Registration form: fixed-choice lists, edits, date picker and memo; the
// submit appends one record through the shared table query.
class RegistrationScreen : public ScreenWindow {
    Q_OBJECT
public:
    RegistrationScreen(QWidget *owner, const RegistrationKind &kind);
    const RegistrationKind &kind() const { return m_kind; }

protected:
    void submit();
    void closeForm() { close(); }
    void highlight(QWidget *w, bool focused);

private:
    const RegistrationKind &m_kind;
    Query *m_query;
};

// Detail window: every column of the current record in bound controls,
// modified in two steps or deleted by the administrator.
class DetailScreen : public ScreenWindow {
    Q_OBJECT
public:
    DetailScreen(QWidget *owner, const DetailKind &kind);
    const DetailKind &kind() const { return m_kind; }
    bool modifying() const { return m_modifying; }

protected:
    void startModification();
    void submitModification();
    void deleteRecord();
    void closeWindow() { close(); }
    void highlight(QWidget *w, bool focused);

private:
    void setMode(bool modifying);
    void queryStateChanged();
    QList<QWidget *> lockableControls() const;

    const DetailKind &m_kind;
    Query *m_query;
    bool m_modifying = false;
    bool m_submitting = false;
};

// Search window: the criteria, the result grid bound to the shared query,
// view and delete of the found record.
class SearchScreen : public ScreenWindow {
    Q_OBJECT
public:
    SearchScreen(QWidget *owner, const SearchKind &kind);
    const SearchKind &kind() const { return m_kind; }

protected:
    void search();
    void view();
    void deleteRecord();
    void closeWindow() { close(); }

private:
    const SearchKind &m_kind;
    Query *m_query;
};
}
