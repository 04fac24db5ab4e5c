#pragma once
// Process-wide values shared by every window: the user role and the two
// database paths.
#include <QString>

class QWidget;

namespace session {
// 2 after the main window's creation, 0 after the login dialog's creation,
// then 1 (administrator) or 2 (ordinary user) after a login.
int userRole();
void setUserRole(int role);

QString recordDatabasePath();
QString adminDatabasePath();
void setDatabasePaths(const QString &record, const QString &admin);

// The permission gate: true for the administrator; for anyone else shows the
// "权限不够" box owned by `owner` and returns false.
bool permitted(QWidget *owner);
}
