#pragma once
#include <QString>

// The executable's folder with its trailing separator.
QString executableFolder();
// Makes executableFolder() answer `folder` instead (a test runs the start-up
// in a fresh folder); an empty text restores the real folder.
void setExecutableFolder(const QString &folder);

// Copies src over dst (an existing dst is replaced). The copy is written to a
// temporary file beside dst, flushed to disk and then renamed over dst, so a
// failed copy never leaves dst half written. Returns false on any failure.
bool copyFile(const QString &src, const QString &dst);
