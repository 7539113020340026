#pragma once

namespace core {
class Clock;
class ManualClock;
} // namespace core

namespace ui {

// `Wacht`: waits a number of seconds while window events (paints, clicks, key presses)
// keep running. Every animation of the program is paced by it.
class Wachter
{
public:
    virtual ~Wachter() = default;
    virtual void Wacht(float seconden) = 0;

    // Once the program is ending, every wait returns at once, so a running animation runs
    // out without keeping the program alive.
    void stopAlles() { m_gestopt = true; }
    bool gestopt() const { return m_gestopt; }

private:
    bool m_gestopt = false;
};

// Paced by the clock: sleeps in the event loop until the deadline, so it costs next to no
// processor time, and looks at the clock again after every wake-up.
class KlokWachter : public Wachter
{
public:
    explicit KlokWachter(const core::Clock &clock);
    void Wacht(float seconden) override;

private:
    const core::Clock &m_clock;
};

// For tests: moves a manual clock on and lets pending events run once, so waits are instant.
class DirecteWachter : public Wachter
{
public:
    explicit DirecteWachter(core::ManualClock &clock);
    void Wacht(float seconden) override;
    double totaalGewacht() const { return m_totaal; }
    int aantalWachten() const { return m_aantal; }

private:
    core::ManualClock &m_clock;
    double m_totaal = 0.0;
    int m_aantal = 0;
};

} // namespace ui
