#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString &folderOverride()
{
    static QString f;
    return f;
}
}

void setExecutableFolder(const QString &folder) { folderOverride() = folder; }

QString executableFolder()
{
    QString dir = folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

bool copyFile(const QString &src, const QString &dst)
{
    QFile in(src);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(dst);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buf[1 << 16];
    for (;;) {
        const qint64 n = in.read(buf, sizeof buf);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buf, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}
