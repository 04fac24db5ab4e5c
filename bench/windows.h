#pragma once
// The figures that need the program's windows: start-up time and the idle
// cost of the browse windows' count timers. Both run child programs, so each
// measurement starts from a fresh process.
#include "bench/measure.h"

class QApplication;

namespace bench {
Figure startupFigure(const QString &dataDir, int rounds);
Figure countTimerFigure(const QString &dataDir, double idleSeconds);
}
