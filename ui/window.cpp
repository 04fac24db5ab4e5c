#include "ui/window.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>

namespace {
QPointer<QWidget> g_main;
}

FormWindow *FormWindow::find(const QString &objectName)
{
    const QWidgetList tops = QApplication::allWidgets();
    for (QWidget *w : tops)
        if (w->objectName() == objectName)
            if (auto *f = qobject_cast<FormWindow *>(w))
                return f;
    return nullptr;
}

QWidget *FormWindow::mainWindow() { return g_main; }
void FormWindow::setMainWindow(QWidget *w) { g_main = w; }

FormWindow::FormWindow(QWidget *owner, const QString &objectName, const QString &caption, QSize clientSize,
                       int options)
    : QWidget(owner), m_options(options)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    Qt::WindowFlags f = (options & Dialog) ? Qt::Dialog : Qt::Window;
    f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (options & CloseAndMinimiseOnly)
        f |= Qt::WindowMinimizeButtonHint;
    else
        f |= Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint;
    setWindowFlags(f);
    resize(clientSize);
    if (options & FixedBorder)
        setFixedSize(clientSize);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWindow::showWindow()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void FormWindow::showEvent(QShowEvent *e)
{
    if (!m_placed) {
        m_placed = true;
        QRect area;
        if ((m_options & CentreOnMain) && g_main && g_main->isVisible())
            area = g_main->frameGeometry();
        else if ((m_options & (CentreOnMain | CentreOnScreen)) && screen())
            area = screen()->availableGeometry();
        if (area.isValid()) {
            QRect r = frameGeometry();
            r.moveCenter(area.center());
            move(r.topLeft());
        }
    }
    QWidget::showEvent(e);
}
