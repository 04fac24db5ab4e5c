#include "app/startup.h"

#include "platform/guard.h"
#include "platform/msgbox.h"
#include "ui/art.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QFont>
#include <QScreen>

namespace {
bool g_inLoop = false;

std::function<void(const QString &)> &observer()
{
    static std::function<void(const QString &)> o;
    return o;
}

void created(const QString &instance)
{
    if (observer())
        observer()(instance);
}

// Creates one window: construction and create handler each run guarded, so
// a failing window is reported and the start-up goes on with the next.
template <typename T>
void createWindow(T *&instance, QWidget *owner, const char *name)
{
    runGuarded([&] { instance = new T(owner); });
    if (instance) {
        if constexpr (requires(T *t) { t->FormCreate(); })
            runGuarded([&] { instance->FormCreate(); });
    }
    created(QString::fromLatin1(name));
}

template <typename T>
void destroy(T *&instance)
{
    delete instance;
    instance = nullptr;
}
}

void setStartupObserver(std::function<void(const QString &)> o) { observer() = std::move(o); }

void setupFonts()
{
    const QString sans = QStringLiteral("Noto Sans CJK SC");
    const QString serif = QStringLiteral("Noto Serif CJK SC");
    QFont::insertSubstitution(QStringLiteral("黑体"), sans);
    QFont::insertSubstitution(QStringLiteral("SimHei"), sans);
    QFont::insertSubstitution(QStringLiteral("宋体"), serif);
    QFont::insertSubstitution(QStringLiteral("SimSun"), serif);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(9);
    QApplication::setFont(f);
}

void setupLanguage(QApplication &app)
{
    // The interface is Chinese: Qt's own texts (message box buttons, the
    // calendar of the date pickers) follow it where a translation is installed.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    static QTranslator translator;
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

void createStartupWindows(QApplication &app)
{
    initArtResources();
    setupFonts();
    // The run ends when the main window closes, not with the last window.
    app.setQuitOnLastWindowClosed(false);

    createWindow(flash_form, nullptr, "flash_form");
    if (flash_form)
        flash_form->showAndPaint();
    setupLanguage(app);

    setApplicationTitle(QStringLiteral("Velmoria"));
    app.setWindowIcon(artPicture(QStringLiteral("icon")));

    createWindow(Mainform, nullptr, "Mainform");
    FormWindow::setMainWindow(Mainform);
    QWidget *owner = Mainform;

    runGuarded([] { DM = new TDM(); });
    if (DM)
        runGuarded([] { DM->DataModuleCreate(); });
    created(QStringLiteral("DM"));

    createWindow(form_logon, owner, "form_logon");
    createWindow(form_chuzufang, owner, "form_chuzufang");
    createWindow(Form_qiouzurenxinxi, owner, "Form_qiouzurenxinxi");
    createWindow(Form_chugoufangxinxi, owner, "Form_chugoufangxinxi");
    createWindow(Form_qiougourenxinxi, owner, "Form_qiougourenxinxi");
    createWindow(form_add_chuzufang, owner, "form_add_chuzufang");
    createWindow(form_chuzufang_xiangxi, owner, "form_chuzufang_xiangxi");
    createWindow(Form_qiouzuren_xiangxi, owner, "Form_qiouzuren_xiangxi");
    createWindow(form_find_chuzufang, owner, "form_find_chuzufang");
    createWindow(Form_find_qiouzuren, owner, "Form_find_qiouzuren");
    createWindow(Form_add_qiouzuren, owner, "Form_add_qiouzuren");
    createWindow(Form_add_chushoufang, owner, "Form_add_chushoufang");
    createWindow(Form_chushoufang_xiangxi, owner, "Form_chushoufang_xiangxi");
    createWindow(Form_find_chushoufang, owner, "Form_find_chushoufang");
    createWindow(Form_find_qiougouren, owner, "Form_find_qiougouren");
    createWindow(Form_qiougouren_xiangxi, owner, "Form_qiougouren_xiangxi");
    createWindow(form_add_qiougouren, owner, "form_add_qiougouren");
    createWindow(form_db_bak, owner, "form_db_bak");
    // An ordinary window, not kept above the main window.
    createWindow(form_change_password, nullptr, "form_change_password");
    createWindow(Form23, owner, "Form23");
    createWindow(form_clear_londing, owner, "form_clear_londing");
    createWindow(Form_out_chuzufang, owner, "Form_out_chuzufang");
    createWindow(Form_out_chushoufang, owner, "Form_out_chushoufang");
    createWindow(Form_out_qiouzuren, owner, "Form_out_qiouzuren");
    createWindow(Form_out_qiougouren, owner, "Form_out_qiougouren");
    createWindow(Form_about, owner, "Form_about");
    // The administrator database, keyed, finished connecting beside the window
    // creation; a failure there is shown now, and start-up goes on.
    if (DM)
        runGuarded([] { DM->connect_admin->finishConnecting(); });
}

void showMainWindow()
{
    if (!Mainform)
        return;
    // The maximised place, also where no window manager maximises it: the
    // work area, within the window's size limits.
    if (QScreen *s = Mainform->screen()) {
        const QRect area = s->availableGeometry();
        Mainform->setGeometry(QRect(area.topLeft(), area.size().boundedTo(Mainform->maximumSize())));
    }
    Mainform->showMaximized();
}

int runMessageLoop(QApplication &app)
{
    if (!Mainform)
        return 1;
    showMainWindow();
    g_inLoop = true;
    const int code = app.exec();
    g_inLoop = false;
    return code;
}

void endMessageLoop()
{
    if (g_inLoop)
        QCoreApplication::exit(0);
}

void destroyStartupWindows()
{
    destroy(Form_about);
    destroy(Form_out_qiougouren);
    destroy(Form_out_qiouzuren);
    destroy(Form_out_chushoufang);
    destroy(Form_out_chuzufang);
    destroy(form_clear_londing);
    destroy(Form23);
    destroy(form_change_password);
    destroy(form_db_bak);
    destroy(form_add_qiougouren);
    destroy(Form_qiougouren_xiangxi);
    destroy(Form_find_qiougouren);
    destroy(Form_find_chushoufang);
    destroy(Form_chushoufang_xiangxi);
    destroy(Form_add_chushoufang);
    destroy(Form_add_qiouzuren);
    destroy(Form_find_qiouzuren);
    destroy(form_find_chuzufang);
    destroy(Form_qiouzuren_xiangxi);
    destroy(form_chuzufang_xiangxi);
    destroy(form_add_chuzufang);
    destroy(Form_qiougourenxinxi);
    destroy(Form_chugoufangxinxi);
    destroy(Form_qiouzurenxinxi);
    destroy(form_chuzufang);
    destroy(form_logon);
    destroy(DM);
    FormWindow::setMainWindow(nullptr);
    destroy(Mainform);
    destroy(flash_form);
}
