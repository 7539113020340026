#include "core/Clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace core {
namespace {

DatumTijd vanTm(const std::tm &tm)
{
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace

double SystemClock::monotonicSeconds() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double SystemClock::secondsSinceMidnight() const
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    const double fraction = duration<double>(now.time_since_epoch()).count();
    return tm.tm_hour * 3600.0 + tm.tm_min * 60.0 + tm.tm_sec + (fraction - std::floor(fraction));
}

DatumTijd SystemClock::now() const
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return vanTm(tm);
}

ManualClock::ManualClock(DatumTijd start)
    : m_start(start)
{}

void ManualClock::advance(double seconds)
{
    m_monotonic += seconds;
    m_sinceStart += seconds;
}

void ManualClock::set(DatumTijd moment)
{
    m_start = moment;
    m_sinceStart = 0.0;
}

DatumTijd ManualClock::now() const
{
    // Let the C library carry seconds into minutes, days, months and years.
    std::tm tm{};
    tm.tm_year = m_start.jaar - 1900;
    tm.tm_mon = m_start.maand - 1;
    tm.tm_mday = m_start.dag;
    tm.tm_hour = m_start.uur;
    tm.tm_min = m_start.minuut;
    tm.tm_sec = m_start.seconde + int(std::floor(m_sinceStart));
    tm.tm_isdst = 0;
    const std::time_t t = timegm(&tm);
    std::tm result{};
    gmtime_r(&t, &result);
    return vanTm(result);
}

double ManualClock::secondsSinceMidnight() const
{
    const DatumTijd d = now();
    return d.uur * 3600.0 + d.minuut * 60.0 + d.seconde + (m_sinceStart - std::floor(m_sinceStart));
}

} // namespace core
