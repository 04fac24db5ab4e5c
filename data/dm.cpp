#include "data/dm.h"
#include "platform/session.h"

TDM *DM = nullptr;

QString databasePassword() { return QStringLiteral("qrvemplotarsin"); }

QString recordConnectionString(const QString &path)
{
    return QStringLiteral("Data Source=") + path + QStringLiteral(";Mode=Share Deny None");
}

QString adminConnectionString(const QString &path)
{
    return QStringLiteral("Data Source=") + path + QStringLiteral(";Key=") + databasePassword();
}

TDM::TDM(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DM"));
    auto named = [](auto *o, const char *name) {
        o->setObjectName(QString::fromLatin1(name));
        return o;
    };
    // A table query and its data source, created one after the other.
    auto table = [&](Query *&query, const char *queryName, DataSource *&source, const char *sourceName,
                     const QString &sql) {
        query = named(new Query(ADOConnection1, sql, this), queryName);
        source = named(new DataSource(query, this), sourceName);
    };
    ADOConnection1 = named(new Connection(this), "ADOConnection1");
    table(Query_chushoufang, "Query_chushoufang", ds_chushoufang, "ds_chushoufang", QStringLiteral("select * from 出售房信息表"));
    table(Query_chuzufang, "Query_chuzufang", ds_chuzufang, "ds_chuzufang", QStringLiteral("select * from 出租房信息表"));
    table(Query_qiougouren, "Query_qiougouren", ds_qiougouren, "ds_qiougouren", QStringLiteral("select * from 求购人信息表"));
    table(Query_qiouzuren, "Query_qiouzuren", ds_qiouzuren, "ds_qiouzuren", QStringLiteral("select * from 求租人信息表"));
    connect_admin = named(new Connection(this), "connect_admin");
    ADOQuery_admin = named(new Query(connect_admin, QStringLiteral("select * from 管理员表"), this), "ADOQuery_admin");
}

void TDM::DataModuleCreate()
{
    ADOConnection1->disconnect();
    ADOConnection1->setConnectionString(recordConnectionString(session::recordDatabasePath()));
    ADOConnection1->setLoginPrompt(false);
    ADOConnection1->connect();
    connect_admin->disconnect();
    connect_admin->setConnectionString(adminConnectionString(session::adminDatabasePath()));
    connect_admin->setLoginPrompt(false);
    // The key derivation of the keyed file runs beside the rest of the start-up;
    // the start-up waits for it once the windows are made.
    connect_admin->connectInBackground();
}
