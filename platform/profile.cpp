#include "platform/profile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {
// Section header name of a line, or a null string when the line is none.
QString sectionOf(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool keyMatches(const QString &line, const QString &key, QString *value = nullptr)
{
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}

QStringList readLines(const QString &file, bool *endsWithNewline)
{
    QFile f(file);
    *endsWithNewline = true;
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString all = QString::fromUtf8(f.readAll());
    if (all.isEmpty())
        return {};
    QStringList lines = all.split(QLatin1Char('\n'));
    *endsWithNewline = all.endsWith(QLatin1Char('\n'));
    if (*endsWithNewline)
        lines.removeLast();
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    return lines;
}
}

QString readProfileString(const QString &file, const QString &section, const QString &key,
                          const QString &def)
{
    bool nl = true;
    const QStringList lines = readLines(file, &nl);
    bool inSection = false;
    for (const QString &line : lines) {
        const QString s = sectionOf(line);
        if (!s.isNull()) {
            inSection = s.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString v;
        if (inSection && keyMatches(line, key, &v))
            return v;
    }
    return def;
}

bool writeProfileString(const QString &file, const QString &section, const QString &key,
                        const QString &value)
{
    bool nl = true;
    QStringList lines = readLines(file, &nl);
    const QString entry = key + QLatin1Char('=') + value;
    int sectionLine = -1;
    int lastInSection = -1;
    bool done = false;
    for (int i = 0; i < lines.size() && !done; ++i) {
        const QString s = sectionOf(lines[i]);
        if (!s.isNull()) {
            if (sectionLine >= 0)
                break; // left our section without finding the key
            if (s.compare(section, Qt::CaseInsensitive) == 0) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (sectionLine >= 0) {
            if (!lines[i].trimmed().isEmpty())
                lastInSection = i;
            if (keyMatches(lines[i], key)) {
                lines[i] = entry;
                done = true;
            }
        }
    }
    if (!done) {
        if (sectionLine >= 0) {
            lines.insert(lastInSection + 1, entry);
        } else {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        }
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QString text = lines.join(QStringLiteral("\r\n"));
    text += QStringLiteral("\r\n");
    out.write(text.toUtf8());
    return out.commit();
}
