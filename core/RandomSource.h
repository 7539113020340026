#pragma once

#include <cstdint>

namespace core {

class Clock;

// Uniform numbers in [0, 1). The draws reseed from the clock before every choice;
// a reseed mixes the clock into the generator's state and never restarts a sequence,
// so several reseeds within one clock tick still give fresh numbers.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;

    // A whole number in 1..n from one next(): floor(u x n) + 1.
    int nextInRange(int n);
};

// The program's generator: splitmix64 state, clock mixed in on reseed.
class ClockSeededRandom : public RandomSource
{
public:
    explicit ClockSeededRandom(const Clock &clock);
    void reseed() override;
    double next() override;

private:
    const Clock &m_clock;
    std::uint64_t m_state;
};

// A fixed sequence for tests and repeatable sheets: reseed() changes nothing.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed)
        : m_state(seed)
    {}
    void reseed() override {}
    double next() override;

private:
    std::uint64_t m_state;
};

} // namespace core
