#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

// How many random inputs one reader test throws at its reader (or how many saves the kill
// test interrupts). By default a fixed count,
// small enough for every build; with ALFABO_FUZZ_SECONDEN=<seconds> in the environment
// each reader runs that long instead, for a longer search by hand:
//
//   ALFABO_FUZZ_SECONDEN=120 core_tests --gtest_filter='RandomInput*:RandomFiles*'
//
// The inputs come from a fixed seed either way, so case n is the same input in every run
// and a failure found in a long run repeats in a short one that reaches it.
// At the end the figures go to stdout, where the build logs keep them.
class FuzzBudget
{
public:
    FuzzBudget(const char *reader, long defaultCount, bool print = true)
        : m_reader(reader)
        , m_defaultCount(defaultCount)
        , m_print(print)
        , m_seconds(secondsFromEnvironment())
        , m_start(std::chrono::steady_clock::now())
    {
    }
    ~FuzzBudget()
    {
        // A crash never gets here; an assertion that stopped the test is reported by the test.
        if (!m_print)
            return;
        std::printf("[fuzz] %-34s %9ld inputs in %7.2f s (%s), crashes: none\n", m_reader, m_done, elapsed(),
                    m_seconds > 0 ? "ALFABO_FUZZ_SECONDEN" : "default count");
        std::fflush(stdout);
    }
    FuzzBudget(const FuzzBudget &) = delete;
    FuzzBudget &operator=(const FuzzBudget &) = delete;

    // Whether to try one more input; counts the inputs handed out.
    bool more()
    {
        const bool go = m_seconds > 0 ? (m_done % 64 != 0 || elapsed() < m_seconds) : m_done < m_defaultCount;
        if (go)
            ++m_done;
        return go;
    }
    // The number of the input now under test, for failure messages.
    long caseNumber() const { return m_done - 1; }
    long done() const { return m_done; }
    double elapsed() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    static double secondsFromEnvironment()
    {
        const char *text = std::getenv("ALFABO_FUZZ_SECONDEN");
        return text ? std::atof(text) : 0.0;
    }

    const char *m_reader;
    long m_defaultCount;
    bool m_print;
    double m_seconds;
    std::chrono::steady_clock::time_point m_start;
    long m_done = 0;
};
