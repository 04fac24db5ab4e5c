#include "data/dm.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/session.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationTitle(QStringLiteral("Velmoria"));
    session::setUserRole(2);
    session::setDatabasePaths(executableFolder() + QStringLiteral("data/house.mdb"),
                              executableFolder() + QStringLiteral("data/admin.mdb"));
    TDM dm;
    DM = &dm;
    runGuarded([&] { dm.DataModuleCreate(); });
    return 0;
}
