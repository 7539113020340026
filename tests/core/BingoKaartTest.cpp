#include "core/kaarten/BingoKaart.h"
#include "core/Clock.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

using namespace core;

namespace {

// Hands out letter numbers in a given order and counts the reseeds, so a test can
// follow every single draw.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<int> letters) : m_letters(std::move(letters)) {}
    void reseed() override { ++reseeds; }
    double next() override
    {
        const int letter = m_letters.at(m_position++ % m_letters.size());
        return (letter - 1 + 0.5) / 26.0;
    }
    int draws() const { return int(m_position); }
    int reseeds = 0;

private:
    std::vector<int> m_letters;
    std::size_t m_position = 0;
};

class FixedRandom : public RandomSource
{
public:
    explicit FixedRandom(double u) : m_u(u) {}
    void reseed() override {}
    double next() override { return m_u; }

private:
    double m_u;
};

bool isCorner(int kolom, int rij)
{
    return (kolom == 1 || kolom == 5) && (rij == 1 || rij == 5);
}

// Pearson's chi-square of observed counts against equal expectations.
double chiSquare(const std::vector<int> &counts)
{
    double total = 0;
    for (int c : counts)
        total += c;
    const double expected = total / double(counts.size());
    double sum = 0;
    for (int c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

} // namespace

TEST(TrekKaartLetter, MapsTheUnitIntervalOntoOneToTwentySix)
{
    const struct {
        double u;
        int letter;
    } cases[] = {
        {0.0, 1}, {0.999 / 26, 1}, {1.001 / 26, 2}, {0.5, 14}, {25.001 / 26, 26}, {0.9999999999, 26},
    };
    for (const auto &c : cases) {
        FixedRandom random(c.u);
        EXPECT_EQ(TrekKaartLetter(random), c.letter) << "u = " << c.u;
    }
}

TEST(TrekKaartLetter, ReseedsBeforeEveryDraw)
{
    ScriptedRandom random({3, 4, 5});
    for (int i = 0; i < 3; ++i)
        TrekKaartLetter(random);
    EXPECT_EQ(random.reseeds, 3);
}

TEST(VulKaartUniek, FillsColumnByColumnAndDrawsAgainOnAUsedLetter)
{
    // Column 1 gets A..E, then column 2 draws A (used), B (used) and only then F.
    std::vector<int> script{1, 2, 3, 4, 5, 1, 2, 6};
    for (int letter = 7; letter <= 26; ++letter)
        script.push_back(letter);
    ScriptedRandom random(script);

    const BingoKaart kaart = VulKaartUniek(random);

    EXPECT_EQ(random.draws(), 27);
    EXPECT_EQ(random.reseeds, 27);
    for (int rij = 1; rij <= 5; ++rij)
        EXPECT_EQ(kaart.letter(1, rij), rij);
    EXPECT_EQ(kaart.letter(2, 1), 6);
    EXPECT_EQ(kaart.letter(2, 2), 7);
    EXPECT_EQ(kaart.letter(5, 5), 25);
}

TEST(VulKaartUniek, EveryCardHoldsTwentyFiveDifferentLettersWithFreeCorners)
{
    SeededRandom random(20260305);
    std::array<int, 27> ontbreekt{}; // how often each letter is the one left off a card
    for (int n = 0; n < 10000; ++n) {
        const BingoKaart kaart = VulKaartUniek(random);
        ASSERT_EQ(kaart.kolommen(), 5);
        ASSERT_EQ(kaart.rijen(), 5);

        std::set<int> alle;
        std::set<int> zichtbaar;
        for (int kolom = 1; kolom <= 5; ++kolom) {
            for (int rij = 1; rij <= 5; ++rij) {
                const int letter = kaart.letter(kolom, rij);
                ASSERT_GE(letter, 1);
                ASSERT_LE(letter, 26);
                ASSERT_EQ(kaart.isFree(kolom, rij), isCorner(kolom, rij)) << kolom << "," << rij;
                alle.insert(letter);
                if (!kaart.isFree(kolom, rij))
                    zichtbaar.insert(letter);
            }
        }
        ASSERT_EQ(alle.size(), 25u) << "card " << n;
        ASSERT_EQ(zichtbaar.size(), 21u) << "card " << n;
        for (int letter = 1; letter <= 26; ++letter)
            if (!alle.count(letter))
                ++ontbreekt[std::size_t(letter)];
    }
    // The retry must not favour any letter: each one is left off about 1 card in 26.
    EXPECT_LT(chiSquare(std::vector<int>(ontbreekt.begin() + 1, ontbreekt.end())), 60.0);
}

TEST(VulKaartUniek, CompletesWithTheProgramsGeneratorWhileTheClockStandsStill)
{
    // A retry loop runs well within one clock tick; a reseed that restarted the
    // sequence from the clock would draw the same used letter for ever.
    ManualClock clock;
    ClockSeededRandom random(clock);
    std::set<int> eersteLetters;
    for (int n = 0; n < 200; ++n) {
        const BingoKaart kaart = VulKaartUniek(random);
        std::set<int> alle;
        for (int kolom = 1; kolom <= 5; ++kolom)
            for (int rij = 1; rij <= 5; ++rij)
                alle.insert(kaart.letter(kolom, rij));
        ASSERT_EQ(alle.size(), 25u);
        eersteLetters.insert(kaart.letter(1, 1));
    }
    EXPECT_GT(eersteLetters.size(), 20u) << "cards repeat although the generator moved on";
}

TEST(VulKaartWillekeurig, FillsColumnByColumnWithOneDrawPerCell)
{
    ScriptedRandom random({1, 2, 3, 4, 5, 6});
    const BingoKaart kaart = VulKaartWillekeurig(random, 3, 2);
    EXPECT_EQ(random.draws(), 6);
    EXPECT_EQ(random.reseeds, 6);
    const int verwacht[3][2] = {{1, 2}, {3, 4}, {5, 6}};
    for (int kolom = 1; kolom <= 3; ++kolom)
        for (int rij = 1; rij <= 2; ++rij) {
            EXPECT_EQ(kaart.letter(kolom, rij), verwacht[kolom - 1][rij - 1]);
            EXPECT_FALSE(kaart.isFree(kolom, rij));
        }
}

TEST(VulKaartWillekeurig, KeepsRepeatedLettersWithoutDrawingAgain)
{
    FixedRandom random(0.3);
    const BingoKaart kaart = VulKaartWillekeurig(random, 4, 4);
    for (int kolom = 1; kolom <= 4; ++kolom)
        for (int rij = 1; rij <= 4; ++rij)
            EXPECT_EQ(kaart.letter(kolom, rij), 8);
}

TEST(VulKaartWillekeurig, EachCellIsUniformAndIndependentOfItsNeighbour)
{
    constexpr int Kaarten = 20000;
    SeededRandom random(4242);
    std::vector<std::vector<int>> perCel(25, std::vector<int>(26));
    std::vector<int> paren(26 * 26); // cell (1,1) against cell (1,2)
    int kaartenMetHerhaling = 0;

    for (int n = 0; n < Kaarten; ++n) {
        const BingoKaart kaart = VulKaartWillekeurig(random, 5, 5);
        std::set<int> verschillend;
        for (int kolom = 1; kolom <= 5; ++kolom)
            for (int rij = 1; rij <= 5; ++rij) {
                const int letter = kaart.letter(kolom, rij);
                ASSERT_GE(letter, 1);
                ASSERT_LE(letter, 26);
                ++perCel[std::size_t((kolom - 1) * 5 + rij - 1)][std::size_t(letter - 1)];
                verschillend.insert(letter);
            }
        ++paren[std::size_t((kaart.letter(1, 1) - 1) * 26 + kaart.letter(1, 2) - 1)];
        if (verschillend.size() < 25)
            ++kaartenMetHerhaling;
    }

    // 25 degrees of freedom: 60 lies far beyond the 0.1 % point (52.6).
    for (std::size_t cel = 0; cel < perCel.size(); ++cel)
        EXPECT_LT(chiSquare(perCel[cel]), 60.0) << "cell " << cel;
    // 675 degrees of freedom: the 0.1 % point is about 800.
    EXPECT_LT(chiSquare(paren), 800.0);
    // 25 letters out of 26 all different is rare; almost every card repeats one.
    EXPECT_GT(kaartenMetHerhaling, Kaarten * 99 / 100);
}

TEST(VulKaartWillekeurig, MakesTheSizesOfTheOtherKinds)
{
    SeededRandom random(7);
    const struct {
        int kolommen, rijen;
    } maten[] = {{5, 5}, {4, 4}, {12, 5}};
    for (const auto &m : maten) {
        const BingoKaart kaart = VulKaartWillekeurig(random, m.kolommen, m.rijen);
        EXPECT_EQ(kaart.kolommen(), m.kolommen);
        EXPECT_EQ(kaart.rijen(), m.rijen);
        EXPECT_GE(kaart.letter(m.kolommen, m.rijen), 1);
    }
}
