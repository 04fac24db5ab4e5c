#pragma once
// The data module: the two connections, the four table queries with their
// data sources and the admin query, created once and shared by every screen.
#include "data/engine.h"
#include "data/query.h"

#include <QObject>

class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject *parent = nullptr);

    // Connects both databases from the two paths of the session.
    void DataModuleCreate();

    // Declared in this order.
    Connection *ADOConnection1;
    Query *Query_chushoufang;
    DataSource *ds_chushoufang;
    Query *Query_chuzufang;
    DataSource *ds_chuzufang;
    Query *Query_qiougouren;
    DataSource *ds_qiougouren;
    Query *Query_qiouzuren;
    DataSource *ds_qiouzuren;
    Connection *connect_admin;
    Query *ADOQuery_admin;

    // The four table queries, in the order the start-up backup opens them.
    QList<Query *> tableQueries() const
    {
        return {Query_chuzufang, Query_chushoufang, Query_qiouzuren, Query_qiougouren};
    }
};

// The database password of the administrator database.
QString databasePassword();
// Connection descriptions in the engine's form.
QString recordConnectionString(const QString &path);
QString adminConnectionString(const QString &path);

// The single instance, created at start-up.
extern TDM *DM;
