#pragma once
// What the benchmarks that run the program in their own process share: the process's CPU clock,
// and message boxes that answer "Ja" at once, so that no dialog stops a measurement.

#include "ui/toolkit/Dialogen.h"

#include <ctime>

namespace bench {

// The CPU seconds of all threads of this process so far.
inline double cpuSeconden()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

class GeenDialogen : public ui::Dialogen
{
public:
    ui::Antwoord melding(QWidget *, const QString &, const QString &, ui::Knoppen, ui::Icoon) override
    {
        return ui::Antwoord::Ja;
    }
    QString invoer(QWidget *, const QString &, const QString &) override { return {}; }
};

} // namespace bench
