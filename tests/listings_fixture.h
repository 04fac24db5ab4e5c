#pragma once
// Fresh databases, the data module and the eight listing windows of both
// kinds, made for every test function; the kind of a data row ("rental",
// "sale") picks the windows, the table and its columns.
#include "listings/listing_windows.h"
#include "platform/session.h"
#include "tests/support/harness.h"
#include "tests/support/ui_driver.h"

#include <QAbstractItemView>
#include <QLabel>

#include <memory>

// The two listing kinds as the rows of a data-driven test.
inline void addKindRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("rental") << "rental";
    QTest::newRow("sale") << "sale";
}

struct KindNames {
    QString browse, registration, detail, search;
    QString table, key, crossReference;
    QString clientTable, clientWindow;
};

inline KindNames namesOf(const QString &kind)
{
    if (kind == QLatin1String("rental"))
        return {QStringLiteral("form_chuzufang"), QStringLiteral("form_add_chuzufang"),
                QStringLiteral("form_chuzufang_xiangxi"), QStringLiteral("form_find_chuzufang"),
                QStringLiteral("出租房信息表"), QStringLiteral("出租房号"), QStringLiteral("获租人"),
                QStringLiteral("求租人信息表"), QStringLiteral("Form_qiouzuren_xiangxi")};
    return {QStringLiteral("Form_chugoufangxinxi"), QStringLiteral("Form_add_chushoufang"),
            QStringLiteral("Form_chushoufang_xiangxi"), QStringLiteral("Form_find_chushoufang"),
            QStringLiteral("出售房信息表"), QStringLiteral("出购房号"), QStringLiteral("购买人"),
            QStringLiteral("求购人信息表"), QStringLiteral("Form_qiougouren_xiangxi")};
}

class ListingFixture {
public:
    ListingFixture()
    {
        dm = ws.makeDataModule();
        session::setUserRole(1);
        windows.emplace_back(new Tform_chuzufang);
        windows.emplace_back(new TForm_chugoufangxinxi);
        windows.emplace_back(new Tform_add_chuzufang);
        windows.emplace_back(new Tform_chuzufang_xiangxi);
        windows.emplace_back(new Tform_find_chuzufang);
        windows.emplace_back(new TForm_add_chushoufang);
        windows.emplace_back(new TForm_chushoufang_xiangxi);
        windows.emplace_back(new TForm_find_chushoufang);
    }
    ~ListingFixture()
    {
        windows.clear();
    }

    FormWindow *window(const QString &name) const
    {
        for (const auto &w : windows)
            if (w->objectName() == name)
                return w.get();
        return nullptr;
    }
    FormWindow *browse(const QString &kind) const { return window(namesOf(kind).browse); }
    FormWindow *registration(const QString &kind) const { return window(namesOf(kind).registration); }
    FormWindow *detail(const QString &kind) const { return window(namesOf(kind).detail); }
    FormWindow *search(const QString &kind) const { return window(namesOf(kind).search); }
    Query *query(const QString &kind) const
    {
        return kind == QLatin1String("rental") ? dm->Query_chuzufang : dm->Query_chushoufang;
    }
    Connection &db() const { return *dm->ADOConnection1; }
    void exec(const QString &sql) const { dm->ADOConnection1->exec(sql); }

    // Inserts a listing with the given columns straight into the table and
    // returns its key.
    qlonglong insert(const QString &kind, const QList<QPair<QString, QVariant>> &columns) const
    {
        QStringList names, marks;
        for (const auto &c : columns) {
            names << QLatin1Char('"') + c.first + QLatin1Char('"');
            marks << QStringLiteral("?");
        }
        Statement st(db(), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(namesOf(kind).table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (int i = 0; i < columns.size(); ++i)
            st.bind(i + 1, columns[i].second);
        st.step();
        return sqlite3_last_insert_rowid(db().handle());
    }
    // A house with every searched column filled in.
    qlonglong house(const QString &kind, const QString &district, const QString &phone,
                    const QVariant &crossReference = 0, const QString &contact = QStringLiteral("Chen")) const
    {
        QList<QPair<QString, QVariant>> c{{QStringLiteral("房产地域"), district},
                                          {QStringLiteral("房产类别"), QStringLiteral("高层楼")},
                                          {QStringLiteral("房间套型"), QStringLiteral("中套")},
                                          {QStringLiteral("所处路段"), QStringLiteral("Harbour Street")},
                                          {QStringLiteral("房间面积"), QStringLiteral("70-90 平方米")},
                                          {QStringLiteral("房间楼层"), QStringLiteral("3层")},
                                          {QStringLiteral("装修情况"), QStringLiteral("中等装修")},
                                          {QStringLiteral("房产权属"), QStringLiteral("个人产权")},
                                          {QStringLiteral("联系人"), contact},
                                          {QStringLiteral("联系电话"), phone},
                                          {QStringLiteral("登记日期"), QStringLiteral("2005-03-07 00:00:00")},
                                          {QStringLiteral("登记日期整数"), 20050307},
                                          {QStringLiteral("备注"), QStringLiteral("")},
                                          {namesOf(kind).crossReference, crossReference}};
        if (kind == QLatin1String("rental"))
            c << qMakePair(QStringLiteral("租金"), QVariant(QStringLiteral("500-700")))
              << qMakePair(QStringLiteral("租金单位"), QVariant(QStringLiteral("元/月")));
        else
            c << qMakePair(QStringLiteral("出售价格"), QVariant(QStringLiteral("60000-80000")));
        return insert(kind, c);
    }
    QString countLabel(const QString &kind) const
    {
        return kind == QLatin1String("rental") ? QStringLiteral("Label2") : QStringLiteral("labe_chushoufang");
    }
    QString untakenLabel(const QString &kind) const
    {
        return kind == QLatin1String("rental") ? QStringLiteral("Label4") : QStringLiteral("Label_kongxian");
    }
    QString searchCountLabel(const QString &kind) const
    {
        return kind == QLatin1String("rental") ? QStringLiteral("Label12") : QStringLiteral("Label_chushoufangcount");
    }
    int gridRows(QWidget *window) const
    {
        auto *g = child<QAbstractItemView>(window, QStringLiteral("DBGrid1"));
        return g ? g->model()->rowCount() : -1;
    }

    int rows(const QString &kind) const
    {
        return dbValue(db(), QStringLiteral("SELECT count(*) FROM ") + namesOf(kind).table).toInt();
    }
    QVariant cell(const QString &kind, qlonglong key, const QString &column) const
    {
        const KindNames n = namesOf(kind);
        return dbValue(db(), QStringLiteral("SELECT \"%1\" FROM %2 WHERE %3 = %4").arg(column, n.table, n.key).arg(key));
    }
    QString cellType(const QString &kind, qlonglong key, const QString &column) const
    {
        const KindNames n = namesOf(kind);
        return dbType(db(), QStringLiteral("SELECT \"%1\" FROM %2 WHERE %3 = %4").arg(column, n.table, n.key).arg(key));
    }
    QString labelText(QWidget *window, const QString &name) const
    {
        auto *l = child<QLabel>(window, name);
        return l ? l->text() : QStringLiteral("<missing>");
    }

    Workspace ws;
    BoxScript boxes;
    TDM *dm = nullptr;
    std::vector<std::unique_ptr<FormWindow>> windows;
};
