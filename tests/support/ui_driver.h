#pragma once
// Drives windows as a user does: find controls by name, type, pick list
// items with the keyboard, click buttons; reads the database with SQL.
#include "data/engine.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <sqlcipher/sqlite3.h>

template <typename W = QWidget>
W *child(QWidget *window, const QString &name)
{
    W *w = window->findChild<W *>(name);
    if (!w)
        qWarning("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return w;
}

// Clicks a button of the window.
inline void clickButton(QWidget *window, const QString &name)
{
    auto *b = child<QAbstractButton>(window, name);
    QVERIFY2(b, qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton);
}

// Replaces the text of an edit or memo by typing.
inline void typeInto(QWidget *window, const QString &name, const QString &text)
{
    QWidget *w = child(window, name);
    QVERIFY2(w, qPrintable(name));
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
        m->selectAll();
        QTest::keyClick(m, Qt::Key_Delete);
    }
    if (!text.isEmpty())
        QTest::keyClicks(w, text);
}

// Picks an item of a drop-down list with the keyboard (Home, then Down).
inline void choose(QWidget *window, const QString &name, const QString &item)
{
    auto *box = child<QComboBox>(window, name);
    QVERIFY2(box, qPrintable(name));
    const int index = box->findText(item, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(name + QStringLiteral(": ") + item));
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentText(), item);
}

// One value straight from the database (null when no row).
inline QVariant dbValue(Connection &c, const QString &sql)
{
    Statement st(c, sql);
    if (!st.step())
        return QVariant();
    switch (sqlite3_column_type(st.get(), 0)) {
    case SQLITE_NULL: return QVariant();
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(st.get(), 0)));
    default: return QVariant(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.get(), 0))));
    }
}

// The storage class of one value: "null", "integer", "text", ...
inline QString dbType(Connection &c, const QString &sql) { return dbValue(c, QStringLiteral("SELECT typeof((%1))").arg(sql)).toString(); }
