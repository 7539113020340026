#pragma once

namespace core {

struct DatumTijd {
    int jaar = 2000;
    int maand = 1; // 1..12
    int dag = 1;
    int uur = 0;
    int minuut = 0;
    int seconde = 0;
};

// Time as the program sees it. Tests use ManualClock so nothing waits for real seconds.
class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds on a clock that only moves forward and keeps counting across midnight;
    // animations are paced with it.
    virtual double monotonicSeconds() const = 0;
    // Seconds since local midnight, with fractions.
    virtual double secondsSinceMidnight() const = 0;
    // Today's local date and time of day.
    virtual DatumTijd now() const = 0;
    // How many monotonic seconds pass in one real second; a wait sleeps the real time
    // that this clock needs to reach its deadline.
    virtual double speed() const { return 1.0; }
};

class SystemClock : public Clock
{
public:
    double monotonicSeconds() const override;
    double secondsSinceMidnight() const override;
    DatumTijd now() const override;
};

// The system's date and time with animation time running a number of times faster; lets
// an end-to-end test play whole games in seconds without changing any of the program's timings.
class VersneldeKlok : public SystemClock
{
public:
    explicit VersneldeKlok(double factor)
        : m_factor(factor > 0.0 ? factor : 1.0)
    {}
    double monotonicSeconds() const override { return SystemClock::monotonicSeconds() * m_factor; }
    double speed() const override { return m_factor; }

private:
    double m_factor;
};

// A clock that moves only when told to.
class ManualClock : public Clock
{
public:
    explicit ManualClock(DatumTijd start = {2026, 3, 5, 9, 7, 3});

    double monotonicSeconds() const override { return m_monotonic; }
    double secondsSinceMidnight() const override;
    DatumTijd now() const override;

    void advance(double seconds);
    void set(DatumTijd moment);

private:
    double m_monotonic = 1000.0;
    DatumTijd m_start;
    double m_sinceStart = 0.0; // seconds after m_start
};

} // namespace core
