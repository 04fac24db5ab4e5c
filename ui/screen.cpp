#include "ui/screen.h"

#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QLinearGradient>
#include <QPushButton>

namespace {
// The decorative strip down the left side of every screen: the given
// picture, or a painted one when it cannot be read.
// Screens of one kind share a strip: each picture is read and scaled once.
QPixmap stripPicture(const QString &path, QSize size)
{
    static QHash<QString, QPixmap> made;
    const QString key = path + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height());
    const auto it = made.constFind(key);
    if (it != made.constEnd())
        return it.value();
    QPixmap picture(path);
    if (!picture.isNull()) {
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        made.insert(key, picture);
        return picture;
    }
    QPixmap p(size);
    QPainter g(&p);
    QLinearGradient grad(0, 0, size.width(), size.height());
    grad.setColorAt(0, QColor(24, 54, 112));
    grad.setColorAt(1, QColor(92, 140, 196));
    g.fillRect(p.rect(), grad);
    return p;
}
}

ScreenWindow::ScreenWindow(QWidget *owner, const QString &objectName, const QString &caption, QSize clientSize,
                           const QString &strip)
    : FormWindow(owner, objectName, caption, clientSize, FixedBorder | StayOnTop | CentreOnMain | CloseAndMinimiseOnly)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(232, 232, 232));
    setPalette(pal);
    setAutoFillBackground(true);
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image_strip"));
    image->setGeometry(0, 0, StripWidth, clientSize.height());
    image->setPixmap(stripPicture(strip, image->size()));
}

QLabel *ScreenWindow::addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &r)
{
    auto *l = place(new QLabel(text), parent, name, r);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QPushButton *ScreenWindow::addButton(QWidget *parent, const QString &name, const QString &caption, const QRect &r)
{
    auto *b = place(new QPushButton(caption), parent, name, r);
    b->setAutoDefault(false);
    return b;
}

QGroupBox *ScreenWindow::addGroup(const QString &name, const QString &caption, const QRect &r)
{
    return place(new QGroupBox(caption), this, name, r);
}

bool ScreenWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto *w = qobject_cast<QWidget *>(watched);
        const auto &handlers = event->type() == QEvent::FocusIn ? m_focusIn : m_focusOut;
        const auto it = handlers.constFind(w);
        if (it != handlers.constEnd()) {
            const auto handler = it.value();
            runGuarded([&] { handler(w); });
        }
    }
    return FormWindow::eventFilter(watched, event);
}
