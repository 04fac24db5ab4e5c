#include "bench/measure.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace bench {

double nowSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto sec = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return sec(u.ru_utime) + sec(u.ru_stime);
}

long long residentBytes()
{
    malloc_trim(0);
    FILE *f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return -1;
    long long size = 0, resident = 0;
    const int n = std::fscanf(f, "%lld %lld", &size, &resident);
    std::fclose(f);
    if (n != 2)
        return -1;
    return resident * sysconf(_SC_PAGESIZE);
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QList<QByteArray> parts = f.readAll().split(' ');
    if (parts.size() < 3)
        return QStringLiteral("?");
    return QString::fromLatin1(parts[0] + ' ' + parts[1] + ' ' + parts[2]);
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Figure::ratio() const
{
    const double f = floorMedian();
    return f > 0 ? oursMedian() / f : 0;
}

bool Figure::met() const
{
    if (limitValue >= 0)
        return oursMedian() <= limitValue;
    if (floorSamples.empty())
        return oursMedian() <= goal;
    return ratio() <= goal;
}

void alternate(Figure &f, int rounds, const std::function<double()> &ours, const std::function<double()> &floor,
               bool warmUp)
{
    f.load = loadAverage();
    if (warmUp) {
        ours();
        floor();
    }
    for (int r = 0; r < rounds; ++r) {
        if (r % 2 == 0) {
            f.oursSamples.push_back(ours());
            f.floorSamples.push_back(floor());
        } else {
            f.floorSamples.push_back(floor());
            f.oursSamples.push_back(ours());
        }
    }
    f.measured = true;
}

namespace {
QString number(double v)
{
    if (v >= 100)
        return QString::number(v, 'f', 0);
    if (v >= 10)
        return QString::number(v, 'f', 1);
    return QString::number(v, 'f', 2);
}

QString samples(const std::vector<double> &v)
{
    QStringList s;
    for (double x : v)
        s << number(x);
    return s.join(QLatin1Char(' '));
}

QString csvField(QString s)
{
    if (s.contains(QLatin1Char(',')) || s.contains(QLatin1Char('"'))) {
        s.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + s + QLatin1Char('"');
    }
    return s;
}
}  // namespace

void printTable(const std::vector<Figure> &figures)
{
    QTextStream out(stdout);
    auto pad = [](const QString &s, int w) {
        // Chinese characters take two columns on a terminal.
        int width = 0;
        for (QChar c : s)
            width += c.unicode() >= 0x2E80 ? 2 : 1;
        return s + QString(std::max(0, w - width), QLatin1Char(' '));
    };
    out << pad(QStringLiteral("figure"), 16) << pad(QStringLiteral("ours (median)"), 16)
        << pad(QStringLiteral("floor (median)"), 16) << pad(QStringLiteral("ratio"), 8)
        << pad(QStringLiteral("goal"), 24) << QStringLiteral("verdict") << '\n';
    for (const Figure &f : figures) {
        out << pad(f.name, 16);
        if (!f.measured) {
            out << QStringLiteral("not measurable yet: ") << f.note << '\n';
            continue;
        }
        out << pad(number(f.oursMedian()) + QLatin1Char(' ') + f.unit, 16);
        out << pad(f.floorSamples.empty() ? QStringLiteral("-") : number(f.floorMedian()) + QLatin1Char(' ') + f.unit, 16);
        out << pad(f.floorSamples.empty() ? QStringLiteral("-") : QString::number(f.ratio(), 'f', 2), 8);
        out << pad(f.goalText, 24) << (f.met() ? QStringLiteral("met") : QStringLiteral("MISSED")) << '\n';
    }
    out << '\n';
    for (const Figure &f : figures) {
        out << f.name << QStringLiteral(": ours = ") << f.ours << QStringLiteral("; floor = ") << f.floor << '\n';
        if (f.measured) {
            out << QStringLiteral("    load at start ") << f.load << QStringLiteral("; ours samples [") << samples(f.oursSamples)
                << QStringLiteral("]");
            if (!f.floorSamples.empty())
                out << QStringLiteral(" floor samples [") << samples(f.floorSamples) << QStringLiteral("]");
            out << '\n';
        }
        if (!f.note.isEmpty() && f.measured)
            out << QStringLiteral("    ") << f.note << '\n';
    }
    out.flush();
}

bool writeCsv(const QString &path, const std::vector<Figure> &figures, const QString &header)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (const QString &line : header.split(QLatin1Char('\n')))
        out << QStringLiteral("# ") << line << '\n';
    out << "figure,unit,ours_median,floor_median,ratio,goal,verdict,load_at_start,ours_samples,floor_samples,note\n";
    for (const Figure &f : figures) {
        QStringList row;
        row << csvField(f.name) << f.unit;
        if (f.measured) {
            row << QString::number(f.oursMedian(), 'g', 6)
                << (f.floorSamples.empty() ? QString() : QString::number(f.floorMedian(), 'g', 6))
                << (f.floorSamples.empty() ? QString() : QString::number(f.ratio(), 'f', 3)) << csvField(f.goalText)
                << (f.met() ? QStringLiteral("met") : QStringLiteral("missed")) << f.load << samples(f.oursSamples)
                << samples(f.floorSamples);
        } else {
            row << QString() << QString() << QString() << csvField(f.goalText) << QStringLiteral("not measurable yet")
                << QString() << QString() << QString();
        }
        row << csvField(f.note);
        out << row.join(QLatin1Char(',')) << '\n';
    }
    return true;
}

}  // namespace bench
