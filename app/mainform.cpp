#include "app/mainform.h"

#include "app/about.h"
#include "app/change_password.h"
#include "app/logon.h"
#include "app/splash.h"
#include "app/startup.h"
#include "clients/client_windows.h"
#include "listings/listing_windows.h"
#include "maintenance/maintenance_windows.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/session.h"
#include "platform/shell.h"
#include "reports/report_holders.h"
#include "ui/art.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

TMainform *Mainform = nullptr;

QString supportMailAddress() { return QStringLiteral("support@velmoria.example"); }

namespace {
// The main menu: each menu with its items in order; an item without a
// handler is a separator line.
struct MenuItem {
    const char *name;
    const char *caption;
    void (TMainform::*handler)();
};
struct MenuDef {
    const char *name;
    const char *caption;
    std::initializer_list<MenuItem> items;
};

const MenuDef kMenus[] = {
    {"N18", "选择模块 &S",
     {{"N19", "出租房信息  &Z ", &TMainform::N19Click},
      {"N20", "出售房信息  &Q", &TMainform::N20Click},
      {"N21", "-", nullptr},
      {"N22", "求租人信息  &G", &TMainform::N22Click},
      {"N23", "求购人信息  &R", &TMainform::N23Click}}},
    {"D1", "数据登记 &D",
     {{"N24", "登记新出租房  &N", &TMainform::N24Click},
      {"C4", "登记新出售房  &C", &TMainform::C4Click},
      {"N25", "-", nullptr},
      {"R4", "登记新求租人  &R", &TMainform::R4Click},
      {"O3", "登记新求购人  &O", &TMainform::O3Click}}},
    {"F1", "信息查询 &F",
     {{"w2", "查询出租房  &w", &TMainform::w2Click},
      {"M1", "查询出售房  &M", &TMainform::M1Click},
      {"N27", "-", nullptr},
      {"N26", "查询求租人  &N", &TMainform::N26Click},
      {"B1", "查询求购人  &B", &TMainform::B1Click}}},
    {"N28", "报表打印和输出  &O",
     {{"Q1", "出租房信息输出  &Q", &TMainform::Q1Click},
      {"W3", "出售房信息输出  &W", &TMainform::W3Click},
      {"N29", "-", nullptr},
      {"E2", "求租人信息输出  &E", &TMainform::E2Click},
      {"B2", "求购人信息输出  &B", &TMainform::B2Click}}},
    {"T1", "数据库工具 &T",
     {{"B3", "数据库备份与恢复  &B", &TMainform::B3Click},
      {"C5", "数据库清理              &C", &TMainform::C5Click}}},
    {"N30", "帐户管理 &L", {{"C6", "更改管理员密码  &C", &TMainform::C6Click}}},
    {"Q2", "退出系统  &Q", {{"C1", "退出 &C", &TMainform::C1Click}}},
    {"N31", "系统相关 &S",
     {{"L2", "联系作者  &L", &TMainform::L2Click}, {"N33", "关于系统  &A", &TMainform::N33Click}}},
};

// Shows a screen without modality; one already open only comes to the front.
void showScreen(FormWindow *w)
{
    if (!w)
        raiseError(QStringLiteral("The window was not created"));
    w->showWindow();
}

// The menu in the colours of the DeepBlue theme: a light grey bar, white
// drop-downs with a grey band down their left side, dark blue highlight.
const char kMenuStyle[] =
    "QMenuBar { background: rgb(232,232,232); }"
    "QMenuBar::item { padding: 3px 8px; background: transparent; }"
    "QMenuBar::item:selected, QMenuBar::item:pressed { background: rgb(68,74,160); color: white; }"
    "QMenu { background: white; border: 1px solid black; padding: 0px; }"
    "QMenu::item { height: 21px; padding: 0px 24px 0px 8px; color: black;"
    " border-left: 26px solid rgb(214,211,206); }"
    "QMenu::item:selected { background: rgb(68,74,160); color: white; border: 1px solid rgb(68,74,160);"
    " border-left: 26px solid rgb(68,74,160); }"
    "QMenu::separator { height: 5px; margin: 0px; border-left: 26px solid rgb(214,211,206);"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:0.39 white,"
    " stop:0.4 rgb(132,130,132), stop:0.6 rgb(132,130,132), stop:0.61 white, stop:1 white); }";
}

TMainform::TMainform(QWidget *owner)
    : FormWindow(owner, QStringLiteral("Mainform"), QStringLiteral("Velmoria"), QSize(690, 510), 0)
{
    setMinimumSize(130, 50);
    setMaximumSize(800, 570);
    move(213, 20);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    suiMainMenu1 = new QMenuBar(this);
    suiMainMenu1->setObjectName(QStringLiteral("suiMainMenu1"));
    suiMainMenu1->setNativeMenuBar(false);
    suiMainMenu1->setStyleSheet(QString::fromLatin1(kMenuStyle));
    for (const MenuDef &m : kMenus) {
        QMenu *menu = suiMainMenu1->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(m.name));
        for (const MenuItem &it : m.items) {
            auto *a = new QAction(QString::fromUtf8(it.caption), menu);
            a->setObjectName(QString::fromLatin1(it.name));
            if (!it.handler)
                a->setSeparator(true);
            else
                connect(a, &QAction::triggered, this, guarded([this, h = it.handler](bool) { (this->*h)(); }));
            menu->addAction(a);
        }
    }
    layout->setMenuBar(suiMainMenu1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setMinimumSize(1, 1);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setPixmap(artPicture(QStringLiteral("main")));
    panelLayout->addWidget(Image1);
    layout->addWidget(Panel1);
}

void TMainform::FormCreate()
{
    session::setUserRole(2);
    const QString folder = executableFolder();
    session::setDatabasePaths(folder + QStringLiteral("data/house.mdb"), folder + QStringLiteral("data/admin.mdb"));
}

void TMainform::FormShow()
{
    if (flash_form)
        flash_form->hide();
    if (form_logon)
        form_logon->showModal();
    if (form_db_bak) {
        form_db_bak->loadBackupChoice();
        form_db_bak->startupBackup();
    }
}

void TMainform::FormClose()
{
    if (form_db_bak)
        form_db_bak->exitBackup();
}

void TMainform::showEvent(QShowEvent *e)
{
    FormWindow::showEvent(e);
    // The show handler runs once, after the window is on screen, so that the
    // main window stands behind the login dialog.
    if (!m_showQueued) {
        m_showQueued = true;
        QTimer::singleShot(0, this, [this] { runShowHandler(); });
    }
}

void TMainform::runShowHandler()
{
    m_inShowHandler = true;
    runGuarded([this] { FormShow(); });
    m_inShowHandler = false;
    m_showDone = true;
    // Closed while the login dialog was open: the run ends now.
    if (m_closed)
        endMessageLoop();
}

void TMainform::closeEvent(QCloseEvent *e)
{
    if (m_closed) {
        e->accept();
        return;
    }
    runGuarded([this] { FormClose(); });
    m_closed = true;
    e->accept();
    if (m_inShowHandler) {
        // The show handler finishes first (the login returns, the rest of it
        // runs), then the run ends.
        if (form_logon)
            form_logon->endModal();
    } else {
        endMessageLoop();
    }
}

void TMainform::N19Click() { showScreen(form_chuzufang); }
void TMainform::N20Click() { showScreen(Form_chugoufangxinxi); }
void TMainform::N22Click() { showScreen(Form_qiouzurenxinxi); }
void TMainform::N23Click() { showScreen(Form_qiougourenxinxi); }

void TMainform::N24Click()
{
    if (session::permitted(this))
        showScreen(form_add_chuzufang);
}
void TMainform::C4Click()
{
    if (session::permitted(this))
        showScreen(Form_add_chushoufang);
}
void TMainform::R4Click()
{
    if (session::permitted(this))
        showScreen(Form_add_qiouzuren);
}
void TMainform::O3Click()
{
    if (session::permitted(this))
        showScreen(form_add_qiougouren);
}

void TMainform::w2Click() { showScreen(form_find_chuzufang); }
void TMainform::M1Click() { showScreen(Form_find_chushoufang); }
void TMainform::N26Click() { showScreen(Form_find_qiouzuren); }
void TMainform::B1Click() { showScreen(Form_find_qiougouren); }

namespace {
// A report holder that failed to be created is reported, not followed.
template <typename Holder>
void preview(Holder *holder)
{
    if (!holder)
        raiseError(QStringLiteral("The window was not created"));
    holder->previewReport();
}
}

void TMainform::Q1Click() { preview(Form_out_chuzufang); }
void TMainform::W3Click() { preview(Form_out_chushoufang); }
void TMainform::E2Click() { preview(Form_out_qiouzuren); }
void TMainform::B2Click() { preview(Form_out_qiougouren); }

void TMainform::B3Click()
{
    if (session::permitted(this))
        showScreen(form_db_bak);
}
void TMainform::C5Click()
{
    if (session::permitted(this))
        showScreen(Form23);
}

void TMainform::C6Click() { showScreen(form_change_password); }

void TMainform::C1Click()
{
    if (askYesNo(this, QStringLiteral("提示"), QStringLiteral("真的要离开本系统吗？")))
        close();
}

void TMainform::L2Click() { openMailTo(supportMailAddress()); }

void TMainform::N33Click()
{
    if (Form_about)
        Form_about->showModal();
}
