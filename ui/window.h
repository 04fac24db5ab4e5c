#pragma once
// Base of the system's windows: created once at start-up, shown without
// modality, hidden (never destroyed) when closed. The options give the frame:
// fixed border, kept on top of the main window, centred on the main window or
// on the screen, close and minimise buttons only.
#include <QSize>
#include <QString>
#include <QWidget>

class FormWindow : public QWidget {
    Q_OBJECT
public:
    enum Option {
        FixedBorder = 1,
        StayOnTop = 2,          // above the main window (owned by it)
        CentreOnMain = 4,
        CentreOnScreen = 8,
        CloseAndMinimiseOnly = 16,
        Dialog = 32,            // dialog border
    };
    FormWindow(QWidget *owner, const QString &objectName, const QString &caption, QSize clientSize,
               int options);

    // Shows the window without modality and brings it to the front; a window
    // already visible is only brought to the front.
    void showWindow();
    int options() const { return m_options; }

    // The main window, owner of the windows kept on top of it.
    // A window of the system by its instance name, wherever it was created.
    static FormWindow *find(const QString &objectName);

    static QWidget *mainWindow();
    static void setMainWindow(QWidget *w);

protected:
    void showEvent(QShowEvent *e) override;

private:
    int m_options;
    bool m_placed = false;
};
