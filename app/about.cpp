#include "app/about.h"

#include "platform/guard.h"
#include "ui/art.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

TForm_about *Form_about = nullptr;

namespace {
QFont simHei(int px)
{
    QFont f(QStringLiteral("黑体"));
    f.setPixelSize(px);
    return f;
}
}

TForm_about::TForm_about(QWidget *owner)
    : ModalWindow(owner, QStringLiteral("Form_about"), QStringLiteral("关于本系统"), QSize(420, 239),
                  FixedBorder | StayOnTop | CentreOnScreen)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 420, 239);
    Image1->setScaledContents(true);
    Image1->setPixmap(artPicture(QStringLiteral("about")));

    Label1 = new QLabel(QStringLiteral("Velmoria"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(simHei(29));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, 26, 420, 44);

    Label2 = new QLabel(QStringLiteral("VER 1.0"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(simHei(20));
    Label2->setGeometry(262, 78, 130, 30);

    for (QLabel *l : {Label1, Label2}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        l->setAttribute(Qt::WA_TranslucentBackground);
    }
    for (QLabel *l : {Image1, Label1, Label2})
        l->installEventFilter(this);
}

void TForm_about::Label9Click() { close(); }

bool TForm_about::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        runGuarded([&] { Label9Click(); });
        return true;
    }
    return ModalWindow::eventFilter(watched, event);
}

void TForm_about::mousePressEvent(QMouseEvent *e)
{
    runGuarded([&] { Label9Click(); });
    e->accept();
}
