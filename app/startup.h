#pragma once
// The program's start-up: the splash window, the application title and the
// 28 windows of the system created once, in their fixed order, each creation
// and create handler run through the guard.
#include "app/about.h"
#include "app/change_password.h"
#include "app/logon.h"
#include "app/mainform.h"
#include "app/splash.h"
#include "clients/client_windows.h"
#include "data/dm.h"
#include "listings/listing_windows.h"
#include "maintenance/maintenance_windows.h"
#include "reports/report_holders.h"

#include <QString>
#include <functional>

class QApplication;

// Maps the face names the windows ask for (黑体, SimHei, 宋体, SimSun,
// "MS Sans Serif") to installed faces and sets the program's font.
void setupFonts();
// Chinese locale for Qt's own texts, with Qt's Chinese translation when installed.
void setupLanguage(QApplication &app);

// Steps 2 to 4 of the start-up: shows and paints the splash, sets the
// application title "Velmoria", then creates Mainform, DM, form_logon, the
// screens, the tool windows, the report holders and Form_about, in order.
void createStartupWindows(QApplication &app);

// Makes the main window visible, maximised; its show handler then runs from
// the event loop (splash hidden, login shown modally, backup choice, start-up
// backup). A test or benchmark answers the login through
// ModalWindow::setModalHook and waits for Mainform->showHandlerDone().
void showMainWindow();

// Runs the message loop until the main window closes; returns its code.
int runMessageLoop(QApplication &app);
// Ends the message loop when it runs (the main window has closed).
void endMessageLoop();

// Frees every window and the data module, in reverse order of creation (at
// the end of the process, and between the runs of a test).
void destroyStartupWindows();

// Called after each creation step with the instance name (a test records the
// order and the user role after each step).
void setStartupObserver(std::function<void(const QString &instance)> observer);
