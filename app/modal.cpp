#include "app/modal.h"

#include <QEventLoop>
#include <QHideEvent>
#include <QPointer>
#include <QTimer>

namespace {
std::function<void(ModalWindow *)> &modalHook()
{
    static std::function<void(ModalWindow *)> h;
    return h;
}
}

void ModalWindow::setModalHook(std::function<void(ModalWindow *)> hook) { modalHook() = std::move(hook); }

ModalWindow::ModalWindow(QWidget *owner, const QString &objectName, const QString &caption, QSize clientSize,
                         int options)
    : FormWindow(owner, objectName, caption, clientSize, options)
{
    setWindowModality(Qt::ApplicationModal);
}

void ModalWindow::showModal()
{
    if (m_loop)
        return;
    QEventLoop loop;
    m_loop = &loop;
    showWindow();
    if (modalHook()) {
        QPointer<ModalWindow> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && self->m_loop && modalHook())
                modalHook()(self);
        });
    }
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
}

void ModalWindow::endModal() { hide(); }

void ModalWindow::hideEvent(QHideEvent *e)
{
    FormWindow::hideEvent(e);
    if (m_loop && !e->spontaneous())
        m_loop->quit();
}
