#include "bench/windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <stdexcept>

namespace bench {
namespace {

struct ChildRun {
    bool ok = false;
    double shownSeconds = 0;   // from the start of the process to its "shown" line
    QStringList lines;         // everything it printed
    QString error;
};

// Starts a child program under the offscreen platform and waits for it to end.
ChildRun runChild(const QString &program, const QStringList &args, const QString &workDir, int timeoutMs)
{
    ChildRun r;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    const double t0 = nowSeconds();
    p.start(program, args);
    if (!p.waitForStarted(timeoutMs)) {
        r.error = QStringLiteral("%1 did not start: %2").arg(program, p.errorString());
        return r;
    }
    QByteArray buffer;
    bool shown = false;
    const double deadline = t0 + timeoutMs / 1000.0;
    while (p.state() != QProcess::NotRunning && nowSeconds() < deadline) {
        p.waitForReadyRead(50);
        buffer += p.readAllStandardOutput();
        if (!shown && buffer.contains("shown\n")) {
            r.shownSeconds = nowSeconds() - t0;
            shown = true;
        }
    }
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(5000);
        r.error = QStringLiteral("%1 did not finish in time").arg(program);
        return r;
    }
    buffer += p.readAllStandardOutput();
    if (!shown && buffer.contains("shown\n")) {
        r.shownSeconds = nowSeconds() - t0;  // printed at the very end
        shown = true;
    }
    for (const QByteArray &l : buffer.split('\n'))
        if (!l.isEmpty())
            r.lines << QString::fromUtf8(l);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        r.error = QStringLiteral("%1 ended with code %2: %3")
                      .arg(program)
                      .arg(p.exitCode())
                      .arg(QString::fromUtf8(p.readAllStandardError()).trimmed());
        return r;
    }
    if (!shown) {
        r.error = QStringLiteral("%1 never showed its main window").arg(program);
        return r;
    }
    r.ok = true;
    return r;
}

QString benchFolder() { return QCoreApplication::applicationDirPath(); }

// The program's start-up needs its data folder beside the executable: a
// folder with a copy of the start-up child and of the filled registers.
QString prepareProgramFolder(const QString &dataDir, QString *error)
{
    const QString folder = dataDir + QStringLiteral("/program");
    QDir().mkpath(folder + QStringLiteral("/data"));
    const QString exe = folder + QStringLiteral("/velmoria_bench_startup");
    const QStringList copies[] = {
        {benchFolder() + QStringLiteral("/velmoria_bench_startup"), exe},
        {dataDir + QStringLiteral("/registers.mdb"), folder + QStringLiteral("/data/house.mdb")},
        {QStringLiteral(VELMORIA_SHIPPED_DATA "/admin.mdb"), folder + QStringLiteral("/data/admin.mdb")},
    };
    for (const QStringList &c : copies) {
        QFile::remove(c[1]);
        if (!QFile::copy(c[0], c[1])) {
            *error = QStringLiteral("cannot copy %1").arg(c[0]);
            return QString();
        }
        QFile(c[1]).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder;
}

QString lineValue(const QStringList &lines, const QString &key)
{
    for (const QString &l : lines)
        if (l.startsWith(key + QLatin1Char(' ')))
            return l.mid(key.size() + 1);
    return QString();
}

}  // namespace

Figure startupFigure(const QString &dataDir, int rounds)
{
    Figure f;
    f.name = QStringLiteral("start-up");
    f.unit = QStringLiteral("ms");
    f.ours = QStringLiteral("launch of the program's start-up sequence to the main window shown, 28 windows created (offscreen)");
    f.floor = QStringLiteral("a bare Qt Widgets program showing one maximised window with a menu (offscreen)");
    f.goal = 3.0;
    f.goalText = QStringLiteral("<= 3x");
    const QString bare = benchFolder() + QStringLiteral("/velmoria_bench_bare");
    auto floorRun = [&] {
        const ChildRun r = runChild(bare, {}, dataDir, 60000);
        if (!r.ok)
            throw std::runtime_error(r.error.toStdString());
        return r.shownSeconds * 1000.0;
    };
    QString error;
    const QString folder = prepareProgramFolder(dataDir, &error);
    if (folder.isEmpty()) {
        f.note = error;
        return f;
    }
    int windows = 0;
    auto oursRun = [&] {
        const ChildRun r = runChild(folder + QStringLiteral("/velmoria_bench_startup"), {}, folder, 120000);
        if (!r.ok)
            throw std::runtime_error(r.error.toStdString());
        windows = lineValue(r.lines, QStringLiteral("windows")).toInt();
        return r.shownSeconds * 1000.0;
    };
    try {
        alternate(f, rounds, oursRun, floorRun);
        f.note = QStringLiteral("the start-up reported %1 creation steps before the main window was shown").arg(windows);
    } catch (const std::exception &e) {
        f.oursSamples.clear();
        f.floorSamples.clear();
        f.measured = false;
        f.note = QString::fromStdString(e.what());
    }
    return f;
}

Figure countTimerFigure(const QString &dataDir, double idleSeconds)
{
    Figure f;
    f.name = QStringLiteral("count timer");
    f.unit = QStringLiteral("% core");
    f.ours = QStringLiteral("CPU (user + system) of the idle program after start-up, every browse window shown with its "
                            "count timer running, over %1 s")
                 .arg(idleSeconds);
    f.floor = QStringLiteral("none: a share of one core");
    f.goal = 2.0;
    f.goalText = QStringLiteral("<= 2 % of one core");
    QString error;
    const QString folder = prepareProgramFolder(dataDir, &error);
    if (folder.isEmpty()) {
        f.note = error;
        return f;
    }
    const ChildRun r = runChild(folder + QStringLiteral("/velmoria_bench_startup"),
                                {QStringLiteral("--idle"), QString::number(idleSeconds)}, folder,
                                int(idleSeconds * 1000) + 120000);
    if (!r.ok) {
        f.note = r.error;
        return f;
    }
    const int browse = lineValue(r.lines, QStringLiteral("browse")).toInt();
    const int timers = lineValue(r.lines, QStringLiteral("timers")).toInt();
    if (browse == 0 || timers == 0) {
        f.note = QStringLiteral("the start-up made %1 browse windows with %2 active count timers: nothing to measure")
                     .arg(browse)
                     .arg(timers);
        return f;
    }
    const double cpu = lineValue(r.lines, QStringLiteral("cpu")).toDouble();
    const double wall = lineValue(r.lines, QStringLiteral("wall")).toDouble();
    f.load = loadAverage();
    f.oursSamples.push_back(100.0 * cpu / wall);
    f.measured = true;
    f.note = QStringLiteral("%1 browse windows shown, %2 active timers; %3 s CPU over %4 s")
                 .arg(browse)
                 .arg(timers)
                 .arg(cpu, 0, 'f', 3)
                 .arg(wall, 0, 'f', 2);
    return f;
}

}  // namespace bench
