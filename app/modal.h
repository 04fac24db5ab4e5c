#pragma once
// A window of the system that is shown modally: showModal() returns when the
// window is hidden (closed by its own buttons, its title bar or the program).
#include "ui/window.h"

#include <functional>

class QEventLoop;

class ModalWindow : public FormWindow {
    Q_OBJECT
public:
    ModalWindow(QWidget *owner, const QString &objectName, const QString &caption, QSize clientSize,
                int options);

    void showModal();
    bool isModalRunning() const { return m_loop != nullptr; }
    // Ends a running modal showing by hiding the window.
    void endModal();

    // Called once the modal loop of any such window runs, with the window:
    // lets a test or a benchmark answer a modal window from code.
    static void setModalHook(std::function<void(ModalWindow *)> hook);

protected:
    void hideEvent(QHideEvent *e) override;

private:
    QEventLoop *m_loop = nullptr;
};
