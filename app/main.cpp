#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    createStartupWindows(app);
    const int code = runMessageLoop(app);
    destroyStartupWindows();
    return code;
}
