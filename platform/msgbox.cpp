#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace {
BoxResponder &responder()
{
    static BoxResponder r;
    return r;
}
QString &titleStore()
{
    static QString t;
    return t;
}
}

void setBoxResponder(BoxResponder r) { responder() = std::move(r); }

QString applicationTitle()
{
    return titleStore().isEmpty() ? QCoreApplication::applicationName() : titleStore();
}

void setApplicationTitle(const QString &title)
{
    // Kept here only: as the application's display name the window system
    // would append it to every window caption ("登陆系统 — Velmoria").
    titleStore() = title;
}

BoxAnswer messageBox(QWidget *owner, const QString &caption, const QString &text, BoxIcon icon,
                     BoxButtons buttons)
{
    if (responder()) {
        BoxRecord rec{owner ? owner->objectName() : QString(), caption, text, icon, buttons};
        return responder()(rec);
    }
    QMessageBox::Icon qicon = QMessageBox::Information;
    switch (icon) {
    case BoxIcon::Information: qicon = QMessageBox::Information; break;
    case BoxIcon::Stop: qicon = QMessageBox::Critical; break;
    case BoxIcon::Warning: qicon = QMessageBox::Warning; break;
    case BoxIcon::Question: qicon = QMessageBox::Question; break;
    }
    QMessageBox box(qicon, caption, text,
                    buttons == BoxButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    owner);
    box.setWindowModality(Qt::ApplicationModal);
    const int r = box.exec();
    if (buttons == BoxButtons::Ok)
        return BoxAnswer::Ok;
    return r == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

QString withFullStop(const QString &message)
{
    if (message.endsWith(QLatin1Char('.')))
        return message;
    return message + QLatin1Char('.');
}

void showDefaultError(const QString &message)
{
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    messageBox(owner, applicationTitle(), withFullStop(message), BoxIcon::Stop, BoxButtons::Ok);
}
