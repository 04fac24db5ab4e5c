// The floor of the start-up figure: a bare Qt Widgets program showing one
// maximised window with a menu. It prints "shown" once the window has been
// shown and the event loop has run, then quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Velmoria"));
    QMenu *m = w.menuBar()->addMenu(QStringLiteral("选择模块 &S"));
    m->addAction(QStringLiteral("出租房信息  &Z "));
    w.showMaximized();
    QTimer::singleShot(0, &app, [] {
        std::printf("shown\n");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}
