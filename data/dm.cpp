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
    auto named = [](QObject *o, const char *name) {
        o->setObjectName(QString::fromLatin1(name));
        return o;
    };
    ADOConnection1 = new Connection(this);
    named(ADOConnection1, "ADOConnection1");
    Query_chushoufang = new Query(ADOConnection1, QStringLiteral("select * from 出售房信息表"), this);
    named(Query_chushoufang, "Query_chushoufang");
    ds_chushoufang = new DataSource(Query_chushoufang, this);
    named(ds_chushoufang, "ds_chushoufang");
    Query_chuzufang = new Query(ADOConnection1, QStringLiteral("select * from 出租房信息表"), this);
    named(Query_chuzufang, "Query_chuzufang");
    ds_chuzufang = new DataSource(Query_chuzufang, this);
    named(ds_chuzufang, "ds_chuzufang");
    Query_qiougouren = new Query(ADOConnection1, QStringLiteral("select * from 求购人信息表"), this);
    named(Query_qiougouren, "Query_qiougouren");
    ds_qiougouren = new DataSource(Query_qiougouren, this);
    named(ds_qiougouren, "ds_qiougouren");
    Query_qiouzuren = new Query(ADOConnection1, QStringLiteral("select * from 求租人信息表"), this);
    named(Query_qiouzuren, "Query_qiouzuren");
    ds_qiouzuren = new DataSource(Query_qiouzuren, this);
    named(ds_qiouzuren, "ds_qiouzuren");
    connect_admin = new Connection(this);
    named(connect_admin, "connect_admin");
    ADOQuery_admin = new Query(connect_admin, QStringLiteral("select * from 管理员表"), this);
    named(ADOQuery_admin, "ADOQuery_admin");
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
    connect_admin->connect();
}
