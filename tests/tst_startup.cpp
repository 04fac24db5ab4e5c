// The start-up sequence, the main window's menu and hooks, the permission
// gate, the exit paths and the about box, run in a fresh folder.
#include "app/modal.h"
#include "app/startup.h"
#include "platform/session.h"
#include "platform/shell.h"
#include "tests/support/startup_run.h"
#include "ui/art.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

QAction *menuItem(const QString &name)
{
    return Mainform ? Mainform->findChild<QAction *>(name) : nullptr;
}

struct Step {
    QString instance;
    QString className;
    QString caption;
    int role;  // the user role once the step is done
};

QString g_mailUrl;
void recordMail(const QString &url) { g_mailUrl = url; }


} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void creationOrderCaptionsAndRoles();
    void mainWindowAfterOrdinaryLogin();
    void errorInCreateHandlerIsShownAndStartupGoesOn();
    void menuHasExactlyTheCommands();
    void shellWindowFrames_data();
    void shellWindowFrames();
    void commandsAndGate_data();
    void commandsAndGate();
    void sameCommandTwiceShowsOneWindow();
    void exitConfirmation_data();
    void exitConfirmation();
    void titleBarCloseMakesExitBackupWithoutQuestion();
    void startupBackupAfterLogin();
    void storedChoiceDecidesBothBackups_data();
    void storedChoiceDecidesBothBackups();
    void loginExitButtonEndsTheRun_data();
    void loginExitButtonEndsTheRun();
    void aboutBoxClosesOnAnyClick_data();
    void aboutBoxClosesOnAnyClick();
    void contactOpensMailToSupport();
    void picturesDecode_data();
    void picturesDecode();
    void fontNamesMapToInstalledFaces_data();
    void fontNamesMapToInstalledFaces();
};

void TestStartup::creationOrderCaptionsAndRoles()
{
    StartupRun run;
    BoxScript boxes;
    QList<Step> seen;
    QStringList splashState;
    setStartupObserver([&](const QString &instance) {
        Step s{instance, QString(), QString(), session::userRole()};
        if (instance == QLatin1String("DM")) {
            s.className = QString::fromLatin1(DM->metaObject()->className());
        } else if (QWidget *w = FormWindow::find(instance)) {
            s.className = QString::fromLatin1(w->metaObject()->className());
            s.caption = w->windowTitle();
        }
        seen << s;
        if (instance != QLatin1String("flash_form"))
            splashState << QStringLiteral("%1:%2:%3")
                               .arg(instance, flash_form && flash_form->isVisible() ? "splash" : "no splash",
                                    applicationTitle());
    });
    run.create();

    const QList<Step> expected = {
        {"flash_form", "Tflash_form", "", 0},
        {"Mainform", "TMainform", "Velmoria", 2},
        {"DM", "TDM", "", 2},
        {"form_logon", "Tform_logon", "登陆系统", 0},
        {"form_chuzufang", "Tform_chuzufang", "出租房信息", 0},
        {"Form_qiouzurenxinxi", "TForm_qiouzurenxinxi", "求租人信息", 0},
        {"Form_chugoufangxinxi", "TForm_chugoufangxinxi", "出售房信息", 0},
        {"Form_qiougourenxinxi", "TForm_qiougourenxinxi", "求购人信息", 0},
        {"form_add_chuzufang", "Tform_add_chuzufang", "新出租房登记表", 0},
        {"form_chuzufang_xiangxi", "Tform_chuzufang_xiangxi", "出租房详细资料", 0},
        {"Form_qiouzuren_xiangxi", "TForm_qiouzuren_xiangxi", "求租人详细信息", 0},
        {"form_find_chuzufang", "Tform_find_chuzufang", "出租房信息查询系统", 0},
        {"Form_find_qiouzuren", "TForm_find_qiouzuren", "求租人信息查询系统", 0},
        {"Form_add_qiouzuren", "TForm_add_qiouzuren", "新求租人登记表", 0},
        {"Form_add_chushoufang", "TForm_add_chushoufang", "登记新出售房", 0},
        {"Form_chushoufang_xiangxi", "TForm_chushoufang_xiangxi", "出售房详细资料", 0},
        {"Form_find_chushoufang", "TForm_find_chushoufang", "出售房查询系统", 0},
        {"Form_find_qiougouren", "TForm_find_qiougouren", "求购人查询系统", 0},
        {"Form_qiougouren_xiangxi", "TForm_qiougouren_xiangxi", "求购人详细资料", 0},
        {"form_add_qiougouren", "Tform_add_qiougouren", "求购人登记表", 0},
        {"form_db_bak", "Tform_db_bak", "数据库备份选项", 0},
        {"form_change_password", "Tform_change_password", "更改管理员密码", 0},
        {"Form23", "TForm23", "数据库清理选项", 0},
        {"form_clear_londing", "Tform_clear_londing", "请等待...", 0},
        {"Form_out_chuzufang", "TForm_out_chuzufang", "", 0},
        {"Form_out_chushoufang", "TForm_out_chushoufang", "", 0},
        {"Form_out_qiouzuren", "TForm_out_qiouzuren", "", 0},
        {"Form_out_qiougouren", "TForm_out_qiougouren", "", 0},
        {"Form_about", "TForm_about", "关于本系统", 0},
    };
    QCOMPARE(seen.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const Step &e = expected[i];
        const Step &s = seen[i];
        QCOMPARE(s.instance, e.instance);
        QCOMPARE(s.className, e.className);
        if (e.instance != QLatin1String("flash_form") && e.instance != QLatin1String("DM")) {
            QCOMPARE(s.caption, e.caption);
        }
        if (i > 0) // the role before the main window is whatever it was
            QCOMPARE(s.role, e.role);
    }
    // The splash is on screen and the title set before the first window.
    for (const QString &s : splashState)
        QCOMPARE(s.section(QLatin1Char(':'), 1), QStringLiteral("splash:Velmoria"));
    // The data module connected with the paths of the main window's folder.
    QCOMPARE(session::recordDatabasePath(), run.folder() + QStringLiteral("data/house.mdb"));
    QCOMPARE(session::adminDatabasePath(), run.folder() + QStringLiteral("data/admin.mdb"));
    QVERIFY(DM->ADOConnection1->connected());
    QVERIFY(DM->connect_admin->connected());
    QVERIFY(boxes.boxes.isEmpty());
    // No screen is visible yet, and the main window owns the screens.
    QVERIFY(!Mainform->isVisible());
    QCOMPARE(form_chuzufang->parentWidget(), static_cast<QWidget *>(Mainform));
}

void TestStartup::mainWindowAfterOrdinaryLogin()
{
    StartupRun run;
    BoxScript boxes;
    run.create();
    bool loginWasModalOverMain = false;
    QVERIFY(run.start([&](Tform_logon *d) {
        loginWasModalOverMain = Mainform->isVisible() && d->isVisible()
                                && QApplication::activeModalWidget() == d && !flash_form->isVisible()
                                && session::userRole() == 0;
        loginAsOrdinaryUser(d);
    }));
    QVERIFY(loginWasModalOverMain);
    QVERIFY(Mainform->isVisible());
    QVERIFY(Mainform->isMaximized());
    QCOMPARE(Mainform->windowTitle(), QStringLiteral("Velmoria"));
    QVERIFY(!flash_form->isVisible());
    QVERIFY(!form_logon->isVisible());
    QCOMPARE(session::userRole(), 2);
    QCOMPARE(form_db_bak->backupChoice(), Tform_db_bak::Choice::Manual);
    QVERIFY(!Mainform->isClosed());
    QVERIFY(boxes.boxes.isEmpty());
    // The table queries stay closed until a screen opens them.
    for (Query *q : DM->tableQueries())
        QVERIFY(!q->isOpen());
}

void TestStartup::errorInCreateHandlerIsShownAndStartupGoesOn()
{
    StartupRun run(true, false); // no administrator database
    BoxScript boxes;
    QVERIFY(run.run(loginAsOrdinaryUser));
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Velmoria"));
    QCOMPARE(boxes.boxes[0].icon, BoxIcon::Stop);
    QVERIFY(boxes.boxes[0].text.endsWith(QLatin1Char('.')));
    // Every later window exists and the ordinary login still worked.
    QVERIFY(Form_about);
    QVERIFY(form_change_password);
    QCOMPARE(session::userRole(), 2);
    QVERIFY(Mainform->isVisible());
}

void TestStartup::shellWindowFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<bool>("frameless");
    QTest::addColumn<bool>("maximiseButton");
    QTest::addColumn<QString>("owner");     // the window kept above ("" for none)
    QTest::addColumn<QPoint>("place");      // the designed place; (-1,-1): centred on the screen
    const QPoint centred(-1, -1);
    QTest::newRow("main") << "Mainform" << QSize(690, 510) << QSize(130, 50) << QSize(800, 570) << false << true
                          << "" << QPoint(213, 20);
    QTest::newRow("splash") << "flash_form" << QSize(560, 384) << QSize(560, 384) << QSize(560, 384) << true
                            << false << "" << centred;
    QTest::newRow("login") << "form_logon" << QSize(262, 164) << QSize(262, 164) << QSize(262, 164) << false
                           << false << "Mainform" << centred;
    QTest::newRow("password") << "form_change_password" << QSize(310, 215) << QSize(310, 215) << QSize(310, 215)
                              << false << false << "" << QPoint(268, 142);
    QTest::newRow("about") << "Form_about" << QSize(420, 239) << QSize(420, 239) << QSize(420, 239) << true
                           << false << "Mainform" << centred;
}

void TestStartup::shellWindowFrames()
{
    QFETCH(QString, name);
    QFETCH(QSize, client);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    QFETCH(bool, frameless);
    QFETCH(bool, maximiseButton);
    QFETCH(QString, owner);
    QFETCH(QPoint, place);
    StartupRun run;
    run.create();
    FormWindow *w = FormWindow::find(name);
    QVERIFY(w);
    QVERIFY(w->isWindow());
    QCOMPARE(w->size(), client);
    QCOMPARE(w->minimumSize(), minimum);
    QCOMPARE(w->maximumSize(), maximum);
    const Qt::WindowFlags f = w->windowFlags();
    QCOMPARE(bool(f & Qt::FramelessWindowHint), frameless);
    if (!frameless) {
        QVERIFY(f & Qt::WindowCloseButtonHint);
        QVERIFY(f & Qt::WindowMinimizeButtonHint);
    }
    QCOMPARE(bool(f & Qt::WindowMaximizeButtonHint), maximiseButton);
    QCOMPARE(w->parentWidget() ? w->parentWidget()->objectName() : QString(), owner);
    if (place != QPoint(-1, -1)) {
        QCOMPARE(w->pos(), place);
    } else {
        w->show();
        QCOMPARE(w->frameGeometry().center(), w->screen()->availableGeometry().center());
        w->hide();
    }
}

void TestStartup::menuHasExactlyTheCommands()
{
    StartupRun run;
    run.create();
    // Menu name and caption, then its items as name=caption ("-" a separator).
    const QList<QStringList> expected = {
        {"N18", "选择模块 &S", "N19=出租房信息  &Z ", "N20=出售房信息  &Q", "N21=-", "N22=求租人信息  &G",
         "N23=求购人信息  &R"},
        {"D1", "数据登记 &D", "N24=登记新出租房  &N", "C4=登记新出售房  &C", "N25=-", "R4=登记新求租人  &R",
         "O3=登记新求购人  &O"},
        {"F1", "信息查询 &F", "w2=查询出租房  &w", "M1=查询出售房  &M", "N27=-", "N26=查询求租人  &N",
         "B1=查询求购人  &B"},
        {"N28", "报表打印和输出  &O", "Q1=出租房信息输出  &Q", "W3=出售房信息输出  &W", "N29=-",
         "E2=求租人信息输出  &E", "B2=求购人信息输出  &B"},
        {"T1", "数据库工具 &T", "B3=数据库备份与恢复  &B", "C5=数据库清理              &C"},
        {"N30", "帐户管理 &L", "C6=更改管理员密码  &C"},
        {"Q2", "退出系统  &Q", "C1=退出 &C"},
        {"N31", "系统相关 &S", "L2=联系作者  &L", "N33=关于系统  &A"},
    };
    const QList<QAction *> bar = Mainform->suiMainMenu1->actions();
    QCOMPARE(bar.size(), expected.size());
    for (int m = 0; m < expected.size(); ++m) {
        QMenu *menu = bar[m]->menu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), expected[m][0]);
        QCOMPARE(menu->title(), expected[m][1]);
        QStringList items;
        for (QAction *a : menu->actions()) {
            QCOMPARE(a->isSeparator(), a->text() == QLatin1String("-"));
            items << a->objectName() + QLatin1Char('=') + a->text();
        }
        QCOMPARE(items, expected[m].mid(2));
    }
    // The blanks of the cleanup item are kept: fourteen before the accelerator.
    QVERIFY(menuItem("C5")->text().contains(QString(14, QLatin1Char(' ')) + QStringLiteral("&C")));
}

enum class Login { Ordinary, ClosedWithTitleBar, Administrator };

void TestStartup::commandsAndGate_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("gated");
    const struct {
        const char *item, *window;
        bool gated;
    } rows[] = {
        {"N19", "form_chuzufang", false},        {"N20", "Form_chugoufangxinxi", false},
        {"N22", "Form_qiouzurenxinxi", false},   {"N23", "Form_qiougourenxinxi", false},
        {"N24", "form_add_chuzufang", true},     {"C4", "Form_add_chushoufang", true},
        {"R4", "Form_add_qiouzuren", true},      {"O3", "form_add_qiougouren", true},
        {"w2", "form_find_chuzufang", false},    {"M1", "Form_find_chushoufang", false},
        {"N26", "Form_find_qiouzuren", false},   {"B1", "Form_find_qiougouren", false},
        {"B3", "form_db_bak", true},             {"C5", "Form23", true},
        {"C6", "form_change_password", false},
    };
    for (const auto &r : rows)
        QTest::newRow(r.item) << QString::fromLatin1(r.item) << QString::fromLatin1(r.window) << r.gated;
}

void TestStartup::commandsAndGate()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(bool, gated);
    for (Login login : {Login::Ordinary, Login::ClosedWithTitleBar, Login::Administrator}) {
        const char *who = login == Login::Ordinary ? "ordinary" : login == Login::Administrator ? "admin" : "closed";
        StartupRun run;
        BoxScript boxes;
        QVERIFY(run.run([login](Tform_logon *d) {
            if (login == Login::Ordinary)
                loginAsOrdinaryUser(d);
            else if (login == Login::Administrator)
                loginAsAdministrator(d, QStringLiteral("velmoria"));
            else
                closeLoginWithTitleBar(d);
        }));
        QCOMPARE(session::userRole(), login == Login::Ordinary ? 2 : login == Login::Administrator ? 1 : 0);
        QVERIFY(boxes.boxes.isEmpty());
        QAction *a = menuItem(item);
        QVERIFY(a);
        a->trigger();
        FormWindow *w = FormWindow::find(window);
        QVERIFY(w);
        const bool refused = gated && login != Login::Administrator;
        QVERIFY2(w->isVisible() == !refused, who);
        if (refused) {
            QCOMPARE(boxes.boxes.size(), 1);
            QCOMPARE(boxes.boxes[0],
                     informationBox(QStringLiteral("Mainform"), QStringLiteral("权限不够"),
                                    QStringLiteral("你没有此操作的权限！如仍出现此情况,请与系统管理员联系。")));
        } else {
            QVERIFY2(boxes.boxes.isEmpty(), who);
            // Shown without modality: the main window stays usable.
            QVERIFY(!w->isModal());
            QVERIFY(!QApplication::activeModalWidget());
        }
    }
}

void TestStartup::sameCommandTwiceShowsOneWindow()
{
    StartupRun run;
    QVERIFY(run.run(loginAsOrdinaryUser));
    auto countNamed = [](const QString &name) {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += w->objectName() == name && w->isVisible();
        return n;
    };
    menuItem("N19")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(form_chuzufang));
    menuItem("N22")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(Form_qiouzurenxinxi));
    // The second command brings the open window to the front.
    menuItem("N19")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(form_chuzufang));
    QCOMPARE(countNamed("form_chuzufang"), 1);
    QCOMPARE(FormWindow::find("form_chuzufang"), static_cast<FormWindow *>(form_chuzufang));
    // Closed, it is only hidden, and the command shows the same window again.
    form_chuzufang->close();
    QVERIFY(!form_chuzufang->isVisible());
    menuItem("N19")->trigger();
    QVERIFY(form_chuzufang->isVisible());
    QCOMPARE(countNamed("form_chuzufang"), 1);
}

void TestStartup::exitConfirmation_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("backupMade");
    QTest::newRow("no, choice end") << false << "end" << false;
    QTest::newRow("yes, choice end") << true << "end" << true;
    QTest::newRow("yes, choice begin") << true << "begin" << false;
    QTest::newRow("yes, manual") << true << "" << false;
}

void TestStartup::exitConfirmation()
{
    QFETCH(bool, yes);
    QFETCH(QString, choice);
    QFETCH(bool, backupMade);
    StartupRun run;
    run.setBackupChoice(choice);
    BoxScript boxes;
    QVERIFY(run.run(loginAsOrdinaryUser));
    // Only the exit is looked at: drop a start-up backup.
    QFile::remove(run.backupPath());
    boxes.answer(yes ? BoxAnswer::Yes : BoxAnswer::No);
    menuItem("C1")->trigger();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0], informationBox(QStringLiteral("Mainform"), QStringLiteral("提示"),
                                            QStringLiteral("真的要离开本系统吗？"), BoxButtons::YesNo));
    QCOMPARE(Mainform->isClosed(), yes);
    QCOMPARE(Mainform->isVisible(), !yes);
    QCOMPARE(QFile::exists(run.backupPath()), backupMade);
}

void TestStartup::titleBarCloseMakesExitBackupWithoutQuestion()
{
    StartupRun run;
    run.setBackupChoice(QStringLiteral("end"));
    BoxScript boxes;
    QVERIFY(run.run(loginAsOrdinaryUser));
    QVERIFY(!QFile::exists(run.backupPath()));
    QVERIFY(Mainform->close());
    QVERIFY(boxes.boxes.isEmpty());
    QVERIFY(Mainform->isClosed());
    QVERIFY(QFile::exists(run.backupPath()));
    QFile a(run.backupPath()), b(run.folder() + QStringLiteral("data/house.mdb"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

void TestStartup::startupBackupAfterLogin()
{
    StartupRun run;
    run.setBackupChoice(QStringLiteral("begin"));
    bool backupBeforeLoginReturned = true;
    QVERIFY(run.run([&](Tform_logon *d) {
        backupBeforeLoginReturned = QFile::exists(run.backupPath());
        loginAsOrdinaryUser(d);
    }));
    QVERIFY(!backupBeforeLoginReturned);
    QVERIFY(QFile::exists(run.backupPath()));
    QCOMPARE(form_db_bak->backupChoice(), Tform_db_bak::Choice::Begin);
    // The four table queries hold their whole tables before any screen shows.
    QVERIFY(DM->ADOConnection1->connected());
    for (Query *q : DM->tableQueries()) {
        QVERIFY(q->isOpen());
        QVERIFY(q->sql().startsWith(QStringLiteral("select * from ")));
    }
}

void TestStartup::storedChoiceDecidesBothBackups_data()
{
    QTest::addColumn<QString>("iniText");   // the whole option.ini; "-" for no file
    QTest::addColumn<bool>("backupFolder");
    QTest::addColumn<int>("choice");        // Tform_db_bak::Choice
    QTest::addColumn<bool>("atStart");      // a backup file after the start
    QTest::addColumn<bool>("atExit");       // a backup file after the exit
    using C = Tform_db_bak::Choice;
    QTest::newRow("no file") << "-" << true << int(C::Manual) << false << false;
    QTest::newRow("no section") << "[other]\nvalue=begin\n" << true << int(C::Manual) << false << false;
    QTest::newRow("empty value") << "[radio_button]\nvalue=\n" << true << int(C::Manual) << false << false;
    QTest::newRow("begin") << "[radio_button]\nvalue=begin\n" << true << int(C::Begin) << true << false;
    QTest::newRow("end") << "[radio_button]\nvalue=end\n" << true << int(C::End) << false << true;
    QTest::newRow("Begin, other case") << "[radio_button]\nvalue=Begin\n" << true << int(C::NoneSelected) << false
                                       << false;
    QTest::newRow("END, other case") << "[radio_button]\nvalue=END\n" << true << int(C::NoneSelected) << false
                                     << false;
    QTest::newRow("something else") << "[radio_button]\nvalue=daily\n" << true << int(C::NoneSelected) << false
                                    << false;
    QTest::newRow("section and key in other case")
        << "[Radio_Button]\nVALUE=end\n" << true << int(C::End) << false << true;
    // The folder db_bak is never created: the copies fail without a word.
    QTest::newRow("begin, no db_bak") << "[radio_button]\nvalue=begin\n" << false << int(C::Begin) << false << false;
    QTest::newRow("end, no db_bak") << "[radio_button]\nvalue=end\n" << false << int(C::End) << false << false;
}

void TestStartup::storedChoiceDecidesBothBackups()
{
    QFETCH(QString, iniText);
    QFETCH(bool, backupFolder);
    QFETCH(int, choice);
    QFETCH(bool, atStart);
    QFETCH(bool, atExit);
    StartupRun run;
    if (iniText != QLatin1String("-")) {
        QFile ini(run.folder() + QStringLiteral("option.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(iniText.toUtf8());
    }
    if (backupFolder)
        QDir(run.folder()).mkpath(QStringLiteral("db_bak"));
    BoxScript boxes;
    QVERIFY(run.run(loginAsOrdinaryUser));
    QCOMPARE(int(form_db_bak->backupChoice()), choice);
    QCOMPARE(QFile::exists(run.backupPath()), atStart);
    // The start-up backup reconnects and opens the tables even when its copy failed.
    const bool begin = choice == int(Tform_db_bak::Choice::Begin);
    for (Query *q : DM->tableQueries())
        QCOMPARE(q->isOpen(), begin);
    QFile::remove(run.backupPath());
    QVERIFY(Mainform->close());
    QCOMPARE(QFile::exists(run.backupPath()), atExit);
    QVERIFY(boxes.boxes.isEmpty());
    QCOMPARE(QDir(run.folder()).exists(QStringLiteral("db_bak")), backupFolder);
}

void TestStartup::loginExitButtonEndsTheRun_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("backupMade");
    // The close handler runs before the choice is loaded: no exit backup.
    QTest::newRow("choice end") << "end" << false;
    // The rest of the show handler still runs: the start-up backup is made.
    QTest::newRow("choice begin") << "begin" << true;
}

void TestStartup::loginExitButtonEndsTheRun()
{
    QFETCH(QString, choice);
    QFETCH(bool, backupMade);
    StartupRun run;
    run.setBackupChoice(choice);
    BoxScript boxes;
    bool loginOpenWhenMainClosed = false;
    QVERIFY(run.run([&](Tform_logon *d) {
        d->edit_password->setText(QStringLiteral("velmoria"));
        QTest::mouseClick(d->button_cancel, Qt::LeftButton);
        loginOpenWhenMainClosed = Mainform->isClosed() && d->isModalRunning();
    }));
    QVERIFY(loginOpenWhenMainClosed);
    QVERIFY(Mainform->isClosed());
    QVERIFY(!Mainform->isVisible());
    QVERIFY(!form_logon->isVisible());
    QCOMPARE(session::userRole(), 0);
    QCOMPARE(form_db_bak->backupChoice(),
             choice == "end" ? Tform_db_bak::Choice::End : Tform_db_bak::Choice::Begin);
    QCOMPARE(QFile::exists(run.backupPath()), backupMade);
    QVERIFY(boxes.boxes.isEmpty());
}

void TestStartup::aboutBoxClosesOnAnyClick_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("picture") << "Image1";
    QTest::newRow("title") << "Label1";
    QTest::newRow("version") << "Label2";
}

void TestStartup::aboutBoxClosesOnAnyClick()
{
    QFETCH(QString, part);
    StartupRun run;
    QVERIFY(run.run(loginAsOrdinaryUser));
    bool modalWhenShown = false;
    bool clicked = false;
    ModalWindow::setModalHook([&](ModalWindow *w) {
        if (w != Form_about)
            return;
        modalWhenShown = QApplication::activeModalWidget() == Form_about;
        QLabel *l = Form_about->findChild<QLabel *>(part);
        QVERIFY(l);
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(5, 5));
        clicked = true;
    });
    menuItem("N33")->trigger();   // returns once the box has closed
    QVERIFY(clicked);
    QVERIFY(modalWhenShown);
    QVERIFY(!Form_about->isVisible());
    QVERIFY(Mainform->isVisible());
}

void TestStartup::contactOpensMailToSupport()
{
    StartupRun run;
    QVERIFY(run.run(loginAsOrdinaryUser));
    g_mailUrl.clear();
    setMailOpener(recordMail);
    menuItem("L2")->trigger();
    setMailOpener(nullptr);
    QCOMPARE(g_mailUrl, QStringLiteral("mailto:") + supportMailAddress());
    QVERIFY(supportMailAddress().contains(QLatin1Char('@')));
}

void TestStartup::picturesDecode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("splash") << "splash" << QSize(560, 384);
    QTest::newRow("main") << "main" << QSize(1024, 720);
    QTest::newRow("about") << "about" << QSize(420, 239);
    QTest::newRow("icon") << "icon" << QSize(64, 64);
    for (int i = 1; i <= 4; ++i)
        QTest::newRow(qPrintable(QStringLiteral("strip_%1").arg(i)))
            << QStringLiteral("strip_%1").arg(i) << QSize(120, 450);
}

void TestStartup::picturesDecode()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    initArtResources();
    QImageReader reader(QStringLiteral(":/art/") + name + QStringLiteral(".jpg"));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(img.size(), size);
    QCOMPARE(artPicture(name).size(), size);
}

void TestStartup::fontNamesMapToInstalledFaces_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("face");
    QTest::newRow("黑体") << "黑体" << "Noto Sans CJK SC";
    QTest::newRow("SimHei") << "SimHei" << "Noto Sans CJK SC";
    QTest::newRow("宋体") << "宋体" << "Noto Serif CJK SC";
    QTest::newRow("SimSun") << "SimSun" << "Noto Serif CJK SC";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Noto Sans CJK SC";
}

void TestStartup::fontNamesMapToInstalledFaces()
{
    QFETCH(QString, asked);
    QFETCH(QString, face);
    setupFonts();
    QCOMPARE(QFontInfo(QFont(asked)).family(), face);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
