#include "ui/toolkit/Wachter.h"

#include "core/Clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace ui {

KlokWachter::KlokWachter(const core::Clock &clock)
    : m_clock(clock)
{}

void KlokWachter::Wacht(float seconden)
{
    const double einde = m_clock.monotonicSeconds() + double(seconden);
    while (!gestopt()) {
        const double rest = einde - m_clock.monotonicSeconds();
        if (rest <= 0.0)
            return;
        // A precise single-shot timer ends a local event loop at the deadline; meanwhile the
        // loop handles every event and the thread sleeps instead of polling.
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(std::max(1, int(std::ceil(rest / m_clock.speed() * 1000.0))));
        loop.exec();
    }
}

DirecteWachter::DirecteWachter(core::ManualClock &clock)
    : m_clock(clock)
{}

void DirecteWachter::Wacht(float seconden)
{
    m_clock.advance(double(seconden));
    m_totaal += double(seconden);
    ++m_aantal;
    QCoreApplication::processEvents();
}

} // namespace ui
