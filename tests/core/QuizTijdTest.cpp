#include "core/quiz/QuizTijd.h"

#include <gtest/gtest.h>

using namespace core;

TEST(QuizTijd, CountdownShowsMinutesAndSecondsAndOneBlank)
{
    struct Geval {
        int resterend;
        const char *tekst;
    };
    const Geval gevallen[] = {
        {179, "02:59 "}, {5, "00:05 "}, {600, "10:00 "}, {899, "14:59 "}, {0, "00:00 "},
        {59, "00:59 "},  {60, "01:00 "}, {6000, "100:00 "},
    };
    for (const Geval &g : gevallen)
        EXPECT_EQ(QuizTijdTekst(g.resterend), g.tekst) << g.resterend;
}

TEST(QuizTijd, StartCaptionHasNoBlank)
{
    EXPECT_STREQ(QuizTijdBijStart, "00:00");
}

TEST(QuizTijd, BelowZeroShowsZero)
{
    EXPECT_EQ(QuizTijdTekst(-1), "00:00 ");
    EXPECT_EQ(QuizTijdTekst(-61), "00:00 ");
}

TEST(QuizTijd, AGameNeedsAtLeastOneSecond)
{
    // The countdown ends only on exactly 0, so 0 or less would run for ever.
    EXPECT_FALSE(isBruikbareQuizTijd(0));
    EXPECT_FALSE(isBruikbareQuizTijd(-5));
    EXPECT_FALSE(isBruikbareQuizTijd(INT32_MIN));
    EXPECT_TRUE(isBruikbareQuizTijd(1));
    EXPECT_TRUE(isBruikbareQuizTijd(150));
    EXPECT_NE(std::string(OnbruikbareQuizTijdMelding).find("1 seconde"), std::string::npos);
}
