#include "app/splash.h"

#include "ui/art.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>

Tflash_form *flash_form = nullptr;

Tflash_form::Tflash_form(QWidget *owner)
    : FormWindow(owner, QStringLiteral("flash_form"), QString(), QSize(560, 384), FixedBorder | CentreOnScreen)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 560, 384);
    Image1->setScaledContents(true);
    Image1->setPixmap(artPicture(QStringLiteral("splash")));
}

void Tflash_form::showAndPaint()
{
    show();
    // Wait briefly for the window system to map the window, then paint it
    // so that it is on screen during the rest of the start-up.
    QElapsedTimer t;
    t.start();
    while (windowHandle() && !windowHandle()->isExposed() && t.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    repaint();
    QApplication::processEvents();
}
