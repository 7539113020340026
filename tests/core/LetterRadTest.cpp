#include "core/bingo/LetterRad.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace core;

TEST(LetterRad, TableHoldsTheAlphabetInOrder)
{
    for (int i = 1; i <= AantalLetters; ++i)
        EXPECT_EQ(letterPositie(i).letter, char(64 + i)) << "row " << i;
    EXPECT_EQ(WijzerStart.x, 300);
    EXPECT_EQ(WijzerStart.y, 90);
}

TEST(LetterRad, EndPointsLieNearTheRimCircle)
{
    // A mistyped coordinate would throw the pointer off the picture's letter ring.
    for (int i = 1; i <= AantalLetters; ++i) {
        const RadPositie p = letterPositie(i);
        const double dx = p.x - 300.0, dy = p.y - 300.0;
        EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 211.0, 4.0) << "row " << i;
    }
}

TEST(LetterRad, FullSweepVisitsEveryLetterOnceIn1Point3Seconds)
{
    const auto stappen = DraaiRondgangStappen();
    ASSERT_EQ(stappen.size(), 26u);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(stappen[i].positie, i + 1);
        EXPECT_EQ(stappen[i].punt.letter, char('A' + i));
        EXPECT_DOUBLE_EQ(stappen[i].wacht, 0.05);
    }
    EXPECT_NEAR(totaleWachttijd(stappen), 1.3, 1e-9);
}

TEST(LetterRad, RunToLetterSlowsDownAndEndsOnIt)
{
    struct Geval {
        int letter;
        std::size_t stappen;
        double duur;
        double laatsteWacht;
        int eindX, eindY;
    };
    const Geval gevallen[] = {
        {1, 1, 0.06, 0.06, 300, 90},     // A
        {11, 11, 1.21, 0.16, 442, 456},  // K
        {26, 26, 4.81, 0.31, 252, 93},   // Z
    };
    for (const Geval &g : gevallen) {
        SCOPED_TRACE(g.letter);
        const auto stappen = DraaiNaarStappen(g.letter);
        ASSERT_EQ(stappen.size(), g.stappen);
        EXPECT_EQ(stappen.front().punt.letter, 'A'); // the run always starts at A
        EXPECT_EQ(stappen.back().punt.letter, char(64 + g.letter));
        EXPECT_EQ(stappen.back().punt.x, g.eindX);
        EXPECT_EQ(stappen.back().punt.y, g.eindY);
        EXPECT_NEAR(stappen.back().wacht, g.laatsteWacht, 1e-12);
        EXPECT_NEAR(totaleWachttijd(stappen), g.duur, 1e-9);
    }
}

TEST(LetterRad, EveryStepOfTheRunWaitsAHundredthLongerThanTheOneBefore)
{
    const auto stappen = DraaiNaarStappen(26);
    for (std::size_t i = 1; i < stappen.size(); ++i)
        EXPECT_NEAR(stappen[i].wacht - stappen[i - 1].wacht, 0.01, 1e-12) << "step " << i + 1;
}

TEST(LetterRad, WholeDrawOfZAndOfA)
{
    EXPECT_EQ(DraaiRondgangStappen().size() + DraaiNaarStappen(26).size(), 52u);
    EXPECT_EQ(DraaiRondgangStappen().size() + DraaiNaarStappen(1).size(), 27u);
    EXPECT_NEAR(totaleWachttijd(DraaiRondgangStappen()) + totaleWachttijd(DraaiNaarStappen(26)), 6.11, 1e-9);
    EXPECT_NEAR(totaleWachttijd(DraaiRondgangStappen()) + totaleWachttijd(DraaiNaarStappen(1)), 1.36, 1e-9);
}
