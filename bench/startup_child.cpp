// Our side of the start-up and count-timer figures: the program's own
// start-up sequence, with the login answered at once from code. It prints
// "shown" when the main window is visible and its show handler has run.
// With --idle S it then shows every browse window, stays idle S seconds and
// prints the CPU time it used meanwhile.
#include "app/modal.h"
#include "app/startup.h"
#include "bench/measure.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    double idle = 0;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--idle")
            idle = QByteArray(argv[i + 1]).toDouble();

    int created = 0;
    setStartupObserver([&](const QString &) { ++created; });
    // The login dialog is closed as soon as it runs (user role 0).
    ModalWindow::setModalHook([](ModalWindow *w) { QTimer::singleShot(0, w, [w] { w->endModal(); }); });
    createStartupWindows(app);

    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!Mainform || !Mainform->isVisible() || !Mainform->showHandlerDone())
            return;
        poll.stop();
        std::printf("shown\nwindows %d\n", created);
        std::fflush(stdout);
        if (idle <= 0) {
            QCoreApplication::quit();
            return;
        }
        int browse = 0, timers = 0;
        for (const char *name : {"form_chuzufang", "Form_qiouzurenxinxi", "Form_chugoufangxinxi", "Form_qiougourenxinxi"}) {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() != QLatin1String(name))
                    continue;
                ++browse;
                if (auto *f = qobject_cast<FormWindow *>(w))
                    f->showWindow();
                else
                    w->show();
                for (QTimer *t : w->findChildren<QTimer *>())
                    timers += t->isActive() ? 1 : 0;
            }
        }
        std::printf("browse %d\ntimers %d\n", browse, timers);
        std::fflush(stdout);
        // Let the shown windows settle before the idle time starts.
        QTimer::singleShot(500, [idle] {
            const double cpu0 = bench::cpuSeconds(), wall0 = bench::nowSeconds();
            QTimer::singleShot(int(idle * 1000), [cpu0, wall0] {
                std::printf("cpu %.6f\nwall %.6f\n", bench::cpuSeconds() - cpu0, bench::nowSeconds() - wall0);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        });
    });
    poll.start();
    showMainWindow();
    const int code = app.exec();
    std::_Exit(code);  // the figures are out; skip tearing the windows down
}
