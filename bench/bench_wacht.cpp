// How well Wacht keeps time on the real clock: a 2-second wait should last 2 s within
// 20 ms, let a 100 ms timer fire about 20 times, and use only a sliver of one core.
#include "Meten.h"

#include "core/Clock.h"
#include "ui/toolkit/Wachter.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    core::SystemClock klok;
    ui::KlokWachter wachter(klok);

    std::printf("%-6s %12s %12s %10s %12s\n", "run", "duration s", "error ms", "ticks", "CPU % core");
    double worstError = 0.0;
    double worstCpu = 0.0;
    for (int run = 1; run <= 3; ++run) {
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(100);
        const double cpuBefore = bench::cpuSeconden();
        const double before = klok.monotonicSeconds();
        wachter.Wacht(2.0f);
        const double duration = klok.monotonicSeconds() - before;
        const double cpu = (bench::cpuSeconden() - cpuBefore) / duration * 100.0;
        const double error = (duration - 2.0) * 1000.0;
        std::printf("%-6d %12.4f %12.2f %10d %12.2f\n", run, duration, error, ticks, cpu);
        worstError = std::max(worstError, std::abs(error));
        worstCpu = std::max(worstCpu, cpu);
    }
    std::printf("Wacht(2): worst error %.2f ms (target 20 ms), worst CPU %.2f %% of one core (target 5 %%)\n",
                worstError, worstCpu);
    std::printf("TABEL|Wacht(2) on the real clock, worst of 3: error / CPU|%.1f ms / %.1f %% of one core|"
                "20 ms / < 5 %%|%s\n",
                worstError, worstCpu, worstError <= 20.0 && worstCpu < 5.0 ? "yes" : "no");
    return 0;
}
