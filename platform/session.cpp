#include "platform/session.h"
#include "platform/msgbox.h"

namespace {
int g_role = 0;
QString g_recordPath;
QString g_adminPath;
}

namespace session {
int userRole() { return g_role; }
void setUserRole(int role) { g_role = role; }
QString recordDatabasePath() { return g_recordPath; }
QString adminDatabasePath() { return g_adminPath; }
void setDatabasePaths(const QString &record, const QString &admin)
{
    g_recordPath = record;
    g_adminPath = admin;
}

bool permitted(QWidget *owner)
{
    if (g_role == 1)
        return true;
    notice(owner, QStringLiteral("权限不够"),
           QStringLiteral("你没有此操作的权限！如仍出现此情况,请与系统管理员联系。"));
    return false;
}
}
