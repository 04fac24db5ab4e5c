#pragma once
// The two listing kinds, rental and sale, as data: window names and captions,
// table, key and cross-reference columns, SQL texts, controls with their
// captions, list items and layout places, messages. The four listing screens
// are built from these tables only.
#include "data/dm.h"
#include "ui/dbcontrols.h"

#include <QDate>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

namespace listing {

enum class Input { List, Edit, Date, Memo, Key };
enum class Write { IfChosen, Always };

// One labelled input of a screen. Inputs are placed in two columns, in the
// order given; an input without caption stands right of the one before it.
struct Field {
    QString caption;
    QString control;
    Input input;
    QString column;
    QStringList items;   // lists: the items after the first (empty or "不限") one
    Write write = Write::Always;
    QString parameter;   // search criteria: the SQL parameter
    bool highlight = false;
};

struct Button {
    QString control;
    QString caption;
};

struct BrowseKind {
    QString objectName, caption;
    QSize size;
    Query *TDM::*query;
    DataSource *TDM::*source;
    Query *TDM::*clientQuery;
    QString crossReference;
    QString wholeTableSql, clientLookupSql;
    QString clientWindow, registrationWindow, detailWindow, searchWindow;
    QString timer;
    int interval;
    QVector<Field> boxes;   // read-only current-record edits
    QString crossReferenceBox;
    QVector<GridColumn> grid;
    QStringList navigatorHints;
    QString countLabel, countSuffix, untakenLabel;
    Button registerButton, details, lookup, search, viewAll;
};

struct RegistrationKind {
    QString objectName, caption;
    QSize size;
    Query *TDM::*query;
    QString crossReference;
    QString successMessage;
    QDate initialDate;
    QVector<Field> inputs;
    QString groupCaption;
    Button submit, close;
    bool memoScrollBar;
};

struct DetailKind {
    QString objectName, caption;
    QSize size;
    Query *TDM::*query;
    DataSource *TDM::*source;
    QString crossReference, crossReferenceBox;
    QVector<Field> fields;   // the key box first
    bool writeEmptyLists;    // sale: every list is written, also when empty
    bool crossReferenceFromBox;   // sale: an empty box shows "0" and the box's text is written
    QStringList navigatorHints;
    Button start, submit, remove, close;
};

struct SearchKind {
    QString objectName, caption;
    QSize size;
    Query *TDM::*query;
    DataSource *TDM::*source;
    QString searchSql;
    QVector<Field> criteria;
    QString countLabel;
    QVector<GridColumn> grid;
    QStringList navigatorHints;
    Button start, view, remove, close;
    QString detailWindow;
    QStringList hintControls;   // the two-line hint in the button group
    bool hintAsStaticText;
};

const BrowseKind &rentalBrowse();
const BrowseKind &saleBrowse();
const RegistrationKind &rentalRegistration();
const RegistrationKind &saleRegistration();
const DetailKind &rentalDetail();
const DetailKind &saleDetail();
const SearchKind &rentalSearch();
const SearchKind &saleSearch();

// The list items shared by every listing screen, without the leading item.
namespace items {
QStringList districts();
QStringList categories();
QStringList layouts();
QStringList areas();
QStringList floors();
QStringList decorations();
QStringList ownerships();
QStringList rents();
QStringList rentUnits();
QStringList prices();
}
}
