#pragma once
// The five tables, their columns and the kinds in which the system treats them;
// the date display form and the registration-date integer.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

enum class ColumnKind { Key, TextKey, Label, Text, NumberText, LongText, Date, DateInteger, CrossReference };

struct ColumnDef {
    const char *name;
    ColumnKind kind;
};

struct TableDef {
    const char *name;
    std::vector<ColumnDef> columns;
    QString keyColumn() const;
    QString createSql() const;
    QStringList columnNames() const;
};

namespace schema {
const TableDef &rentals();      // 出租房信息表
const TableDef &sales();        // 出售房信息表
const TableDef &rentSeekers();  // 求租人信息表
const TableDef &buyers();       // 求购人信息表
const TableDef &admins();       // 管理员表
// The four record tables, in the order of the record database.
std::vector<const TableDef *> recordTables();
// A column of one of the five tables by name; null when there is none.
const ColumnDef *findColumn(const QString &table, const QString &column);
}

// The date's short form, yyyy-M-d.
QString shortDateText(const QDate &d);
// A date/time as bound controls show it: the short date, followed by a blank
// and H:mm:ss when the time of day is not midnight.
QString displayDateTime(const QDateTime &dt);
// 登记日期整数: the short date with every "-" replaced by "0", read as a
// 32-bit integer (2005-3-7 gives 20050307, 2005-10-1 gives 200501001).
// Throws "'%s' is not a valid integer value" when the text is no integer.
int registrationDateInteger(const QDate &d);
// Converts text to a 32-bit integer as the runtime does, or throws the same error.
int textToInteger(const QString &text);
