#pragma once
// Clocks, resident memory and the figure table of the benchmark.
#include <QString>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace bench {

double nowSeconds();            // monotonic
double cpuSeconds();            // user + system time of this process
long long residentBytes();      // resident set, after giving freed heap back
QString loadAverage();          // the three load averages of the machine

double median(std::vector<double> v);

// One line of the result: our side against its floor.
struct Figure {
    QString name;
    QString unit;            // "ms", "MB", "% core"
    QString ours;            // what was measured on our side
    QString floor;           // what the floor is
    std::vector<double> oursSamples;
    std::vector<double> floorSamples;
    double goal = 0;         // the largest ratio allowed
    QString goalText;
    QString note;            // why nothing was measured, or a detail
    QString load;            // load averages when the figure started
    bool measured = false;
    // A figure whose limit is not a plain ratio (memory) sets these.
    double limitValue = -1;  // our median must not exceed this (in unit)

    double oursMedian() const { return median(oursSamples); }
    double floorMedian() const { return median(floorSamples); }
    double ratio() const;
    bool met() const;
};

// Runs ours and floor `rounds` times, alternating which goes first, after
// one untimed warm-up of each; each callable returns its own elapsed time in
// the figure's unit.
void alternate(Figure &f, int rounds, const std::function<double()> &ours, const std::function<double()> &floor,
               bool warmUp = true);

void printTable(const std::vector<Figure> &figures);
bool writeCsv(const QString &path, const std::vector<Figure> &figures, const QString &header);

}  // namespace bench
