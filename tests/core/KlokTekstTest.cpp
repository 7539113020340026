#include "core/Clock.h"
#include "core/KlokTekst.h"

#include <gtest/gtest.h>

using namespace core;

TEST(KlokTekst, DayAndHourWithoutLeadingZero)
{
    struct Geval {
        DatumTijd moment;
        const char *tekst;
    };
    const Geval gevallen[] = {
        {{2026, 3, 5, 9, 7, 3}, "5 Maart 2026 / 9:07:03"},
        {{2026, 4, 1, 0, 0, 0}, "1 April 2026 / 0:00:00"},
        {{2025, 12, 31, 23, 59, 59}, "31 December 2025 / 23:59:59"},
        {{2026, 1, 10, 10, 10, 10}, "10 Januari 2026 / 10:10:10"},
    };
    for (const Geval &g : gevallen)
        EXPECT_EQ(KlokTekst(g.moment), g.tekst);
}

TEST(KlokTekst, EveryMonthHasItsDutchName)
{
    const char *namen[] = {"Januari", "Februari", "Maart",     "April",   "Mei",      "Juni",
                           "Juli",    "Augustus", "September", "Oktober", "November", "December"};
    for (int maand = 1; maand <= 12; ++maand)
        EXPECT_EQ(KlokTekst({2026, maand, 2, 8, 0, 0}), "2 " + std::string(namen[maand - 1]) + " 2026 / 8:00:00");
}

TEST(KlokTekst, MidnightTurnsToTheNextDay)
{
    ManualClock klok({2026, 2, 28, 23, 59, 59});
    EXPECT_EQ(KlokTekst(klok.now()), "28 Februari 2026 / 23:59:59");
    klok.advance(1.0);
    EXPECT_EQ(KlokTekst(klok.now()), "1 Maart 2026 / 0:00:00");
}
