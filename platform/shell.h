#pragma once
#include <QString>

// Opens a "mailto:" address with the desktop's mail program; the result is
// ignored, as a mail program that fails to start is not reported.
void openMailTo(const QString &address);

// Replaces the desktop call in tests: receives the URL instead.
void setMailOpener(void (*opener)(const QString &url));
