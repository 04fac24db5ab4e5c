#pragma once
// The main window: the menu from which every screen, report and tool is
// reached; its show handler runs the login and the start-up backup, its
// close handler the exit backup. Closing it ends the run.
#include "ui/window.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;

class TMainform : public FormWindow {
    Q_OBJECT
public:
    explicit TMainform(QWidget *owner = nullptr);

    void FormCreate();
    void FormShow();
    void FormClose();

    void N19Click();
    void N20Click();
    void N22Click();
    void N23Click();
    void N24Click();
    void C4Click();
    void R4Click();
    void O3Click();
    void w2Click();
    void M1Click();
    void N26Click();
    void B1Click();
    void Q1Click();
    void W3Click();
    void E2Click();
    void B2Click();
    void B3Click();
    void C5Click();
    void C6Click();
    void C1Click();
    void L2Click();
    void N33Click();

    // True once the show handler has run to its end.
    bool showHandlerDone() const { return m_showDone; }
    // True once the window has closed: the run is over.
    bool isClosed() const { return m_closed; }

    QMenuBar *suiMainMenu1;
    QFrame *Panel1;
    QLabel *Image1;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void runShowHandler();

    bool m_showQueued = false;
    bool m_inShowHandler = false;
    bool m_showDone = false;
    bool m_closed = false;
};

// The support address that "联系作者" writes to.
QString supportMailAddress();

extern TMainform *Mainform;
