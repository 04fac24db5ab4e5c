#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
void (*g_opener)(const QString &) = nullptr;
}

void setMailOpener(void (*opener)(const QString &url)) { g_opener = opener; }

void openMailTo(const QString &address)
{
    const QString url = QStringLiteral("mailto:") + address;
    if (g_opener) {
        g_opener(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}
