#include "data/schema.h"
#include "platform/error.h"

using K = ColumnKind;

QString TableDef::keyColumn() const
{
    for (const ColumnDef &c : columns)
        if (c.kind == K::Key || c.kind == K::TextKey)
            return QString::fromUtf8(c.name);
    return QString();
}

QStringList TableDef::columnNames() const
{
    QStringList out;
    for (const ColumnDef &c : columns)
        out << QString::fromUtf8(c.name);
    return out;
}

QString TableDef::createSql() const
{
    QStringList cols;
    for (const ColumnDef &c : columns) {
        const QString n = QStringLiteral("\"%1\"").arg(QString::fromUtf8(c.name));
        switch (c.kind) {
        case K::Key:
            // Keys come from the engine, start at 1 and are never reused.
            cols << n + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
            break;
        case K::TextKey:
            cols << n + QStringLiteral(" TEXT PRIMARY KEY NOT NULL");
            break;
        case K::Date:
            cols << n + QStringLiteral(" DATETIME");
            break;
        case K::DateInteger:
            cols << n + QStringLiteral(" INTEGER CHECK (%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN -2147483648 AND 2147483647))").arg(n);
            break;
        case K::CrossReference:
            // A number column: text that is no whole number is refused.
            cols << n + QStringLiteral(" INTEGER CONSTRAINT \"%2 must be a whole number\" CHECK (%1 IS NULL OR typeof(%1) = 'integer')")
                            .arg(n, QString::fromUtf8(c.name));
            break;
        default:
            cols << n + QStringLiteral(" TEXT");
            break;
        }
    }
    return QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(QString::fromUtf8(name), cols.join(QStringLiteral(", ")));
}

namespace schema {
const TableDef &rentals()
{
    static const TableDef t{"出租房信息表",
                            {{"出租房号", K::Key},
                             {"房产地域", K::Label},
                             {"房产类别", K::Label},
                             {"房间套型", K::Label},
                             {"所处路段", K::Text},
                             {"房间面积", K::Label},
                             {"房间楼层", K::Label},
                             {"租金", K::Label},
                             {"租金单位", K::Label},
                             {"装修情况", K::Label},
                             {"房产权属", K::Label},
                             {"联系人", K::Text},
                             {"联系电话", K::Text},
                             {"登记日期", K::Date},
                             {"登记日期整数", K::DateInteger},
                             {"备注", K::LongText},
                             {"获租人", K::CrossReference}}};
    return t;
}

const TableDef &sales()
{
    static const TableDef t{"出售房信息表",
                            {{"出购房号", K::Key},
                             {"房产地域", K::Label},
                             {"房产类别", K::Label},
                             {"房间套型", K::Label},
                             {"所处路段", K::Text},
                             {"房间面积", K::Label},
                             {"出售价格", K::Label},
                             {"房间楼层", K::Label},
                             {"装修情况", K::Label},
                             {"房产权属", K::Label},
                             {"联系人", K::Text},
                             {"联系电话", K::Text},
                             {"登记日期", K::Date},
                             {"登记日期整数", K::DateInteger},
                             {"备注", K::LongText},
                             {"购买人", K::CrossReference}}};
    return t;
}

const TableDef &rentSeekers()
{
    static const TableDef t{"求租人信息表",
                            {{"求租人号", K::Key},
                             {"姓名", K::Text},
                             {"年龄", K::NumberText},
                             {"性别", K::Label},
                             {"籍贯", K::Text},
                             {"身份证号", K::Text},
                             {"已收取中介费用(元)", K::NumberText},
                             {"工作", K::Text},
                             {"联系电话", K::Text},
                             {"婚姻状况", K::Label},
                             {"合租情况", K::Label},
                             {"登记时间", K::Date},
                             {"登记日期整数", K::DateInteger},
                             {"备注", K::LongText},
                             {"现租住房号", K::CrossReference},
                             {"期望房产地域", K::Label},
                             {"期望房产类别", K::Label},
                             {"期望房间套型", K::Label},
                             {"期望房屋面积", K::Label},
                             {"期望租金", K::Label},
                             {"期望租金单位", K::Label},
                             {"期望房间楼层", K::Label},
                             {"期望装修情况", K::Label},
                             {"期望房产权属", K::Label},
                             {"期望所处路段", K::Text},
                             {"要求备注", K::LongText}}};
    return t;
}

const TableDef &buyers()
{
    static const TableDef t{"求购人信息表",
                            {{"求购人号", K::Key},
                             {"姓名", K::Text},
                             {"年龄", K::NumberText},
                             {"性别", K::Label},
                             {"籍贯", K::Text},
                             {"身份证", K::Text},
                             {"收取中介费用(元)", K::NumberText},
                             {"联系电话", K::Text},
                             {"登记时间", K::Date},
                             {"登记日期整数", K::DateInteger},
                             {"备注", K::LongText},
                             {"现已购买的房号", K::CrossReference},
                             {"期望房产区域", K::Label},
                             {"期望房产类别", K::Label},
                             {"期望房间类型", K::Label},
                             {"期望房屋面积", K::Label},
                             {"期望出售价格", K::Label},
                             {"期望房间楼层", K::Label},
                             {"期望装修情况", K::Label},
                             {"期望房产权属", K::Label},
                             {"期望所处路段", K::Text},
                             {"要求备注", K::LongText}}};
    return t;
}

const TableDef &admins()
{
    // 用户名 identifies the row when the password is rewritten.
    static const TableDef t{"管理员表", {{"用户名", K::TextKey}, {"密码", K::Text}}};
    return t;
}

std::vector<const TableDef *> recordTables() { return {&rentals(), &sales(), &rentSeekers(), &buyers()}; }

const ColumnDef *findColumn(const QString &table, const QString &column)
{
    for (const TableDef *t : {&rentals(), &sales(), &rentSeekers(), &buyers(), &admins()}) {
        if (table != QString::fromUtf8(t->name))
            continue;
        for (const ColumnDef &c : t->columns)
            if (column.compare(QString::fromUtf8(c.name), Qt::CaseInsensitive) == 0)
                return &c;
    }
    return nullptr;
}
}

QString shortDateText(const QDate &d) { return d.toString(QStringLiteral("yyyy-M-d")); }

QString displayDateTime(const QDateTime &dt)
{
    if (!dt.isValid())
        return QString();
    QString s = shortDateText(dt.date());
    if (dt.time() != QTime(0, 0))
        s += QLatin1Char(' ') + dt.time().toString(QStringLiteral("H:mm:ss"));
    return s;
}

int textToInteger(const QString &text)
{
    bool ok = false;
    const QString t = text.trimmed();
    const int v = t.toInt(&ok, 10);
    if (!ok || t.isEmpty())
        raiseError(msg::notInteger(text));
    return v;
}

int registrationDateInteger(const QDate &d)
{
    QString s = shortDateText(d);
    s.replace(QLatin1Char('-'), QLatin1Char('0'));
    return textToInteger(s);
}
