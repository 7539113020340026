#include "core/RandomSource.h"

#include "core/Clock.h"

#include <bit>
#include <cstring>

namespace core {
namespace {

std::uint64_t splitmix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double toUnit(std::uint64_t bits)
{
    return double(bits >> 11) * (1.0 / 9007199254740992.0); // 53 bits -> [0, 1)
}

} // namespace

int RandomSource::nextInRange(int n)
{
    const int r = int(next() * n) + 1;
    return r > n ? n : r; // guards against a source that returns 1.0
}

ClockSeededRandom::ClockSeededRandom(const Clock &clock)
    : m_clock(clock)
    , m_state(0x853C49E6748FEA9Bull)
{
    reseed();
}

void ClockSeededRandom::reseed()
{
    const double now = m_clock.monotonicSeconds() + m_clock.secondsSinceMidnight();
    m_state ^= std::bit_cast<std::uint64_t>(now);
    splitmix64(m_state);
}

double ClockSeededRandom::next() { return toUnit(splitmix64(m_state)); }

double SeededRandom::next() { return toUnit(splitmix64(m_state)); }

} // namespace core
