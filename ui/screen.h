#pragma once
// Base of the register screens: a FormWindow with the picture strip down its
// left side, helpers that place labelled controls at their layout positions,
// and the wiring of controls to the window's named handlers, each run
// through the guard.
#include "platform/guard.h"
#include "ui/window.h"

#include <QAbstractButton>
#include <QHash>
#include <QList>
#include <QRect>
#include <QTimer>
#include <QStringList>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

class ScreenWindow : public FormWindow {
    Q_OBJECT
public:
    // `strip`: the resource path of the picture down the left side.
    ScreenWindow(QWidget *owner, const QString &objectName, const QString &caption, QSize clientSize,
                 const QString &strip);

    // A control of this window by its name; fails when it has none.
    template <typename W>
    W *control(const QString &name) const
    {
        W *w = findChild<W *>(name);
        if (!w)
            raiseError(QStringLiteral("Control '%1' not found").arg(name));
        return w;
    }

    // The width of the picture strip; screens place their controls right of it.
    static constexpr int StripWidth = 96;

protected:
    QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &r);
    QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QRect &r);
    QGroupBox *addGroup(const QString &name, const QString &caption, const QRect &r);
    template <typename W>
    W *place(W *w, QWidget *parent, const QString &name, const QRect &r)
    {
        w->setParent(parent ? parent : this);
        w->setObjectName(name);
        w->setGeometry(r);
        return w;
    }

    // Connects a button's click to a handler of the window, guarded.
    template <typename T>
    void onClick(const QString &button, void (T::*handler)())
    {
        T *self = static_cast<T *>(this);
        connect(control<QAbstractButton>(button), &QAbstractButton::clicked, this,
                guarded([self, handler](auto &&...) { (self->*handler)(); }));
    }
    // Connects a timer of the window to a handler, guarded.
    template <typename T>
    void onTimer(const QString &timer, void (T::*handler)())
    {
        T *self = static_cast<T *>(this);
        connect(control<QTimer>(timer), &QTimer::timeout, this, guarded([self, handler](auto &&...) { (self->*handler)(); }));
    }
    // Connects focus in and out of the controls to a handler pair taking the
    // control (the sender), guarded.
    template <typename T>
    void onFocus(const QStringList &controls, void (T::*enter)(QWidget *), void (T::*exit)(QWidget *))
    {
        T *self = static_cast<T *>(this);
        for (const QString &name : controls) {
            QWidget *w = control<QWidget>(name);
            m_focusIn[w] = [self, enter](QWidget *s) { (self->*enter)(s); };
            m_focusOut[w] = [self, exit](QWidget *s) { (self->*exit)(s); };
            w->installEventFilter(this);
        }
    }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QWidget *, std::function<void(QWidget *)>> m_focusIn, m_focusOut;
};
