#include "core/quiz/QuizRad.h"
#include "core/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace core;

namespace {

class VasteWaarde : public RandomSource
{
public:
    explicit VasteWaarde(double waarde) : m_waarde(waarde) {}
    void reseed() override { ++reseeds; }
    double next() override { return m_waarde; }
    int reseeds = 0;

private:
    double m_waarde;
};

} // namespace

TEST(QuizRad, TableHasEveryLetterAndTheCommonOnesMoreOften)
{
    std::map<char, int> aantal;
    for (const RadPositie &p : QuizRadTabel)
        ++aantal[p.letter];
    ASSERT_EQ(aantal.size(), 26u);
    for (const auto &[letter, n] : aantal) {
        const int verwacht = letter == 'E' ? 4 : letter == 'A' ? 3 : letter == 'O' ? 2 : 1;
        EXPECT_EQ(n, verwacht) << letter;
    }
    EXPECT_EQ(quizRadPositie(1).letter, 'A');
    EXPECT_EQ(quizRadPositie(32).letter, 'Z');
}

TEST(QuizRad, RimPointsLieOnTheCircle)
{
    for (int p = 1; p <= QuizRadPosities; ++p) {
        const RadPositie punt = quizRadPositie(p);
        const double dx = punt.x - 300.0, dy = punt.y - 300.0;
        EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 212.0, 3.0) << "sector " << p;
    }
}

TEST(QuizRad, StoppingPositionCoversOneToThirtyTwo)
{
    struct Geval {
        double r;
        int positie;
    };
    const Geval gevallen[] = {{0.0, 1}, {0.03124, 1}, {0.03125, 2}, {0.5, 17}, {0.999999, 32}};
    for (const Geval &g : gevallen) {
        VasteWaarde random(g.r);
        EXPECT_EQ(kiesQuizPositie(random), g.positie) << g.r;
        EXPECT_EQ(random.reseeds, 1);
    }
}

TEST(QuizRad, LetterChancesFollowTheirNumberOfSectors)
{
    // Chi-square over 26 letters, expected counts from the number of sectors per letter.
    SeededRandom random(424242);
    constexpr int Spellen = 4000;
    std::map<char, int> gezien;
    for (int s = 0; s < Spellen; ++s)
        for (const QuizTrekking &t : kiesQuizLetters(random)) {
            EXPECT_EQ(t.letter, quizRadPositie(t.positie).letter);
            ++gezien[t.letter];
        }
    std::map<char, int> sectoren;
    for (const RadPositie &p : QuizRadTabel)
        ++sectoren[p.letter];

    const double trekkingen = Spellen * AantalQuizLetters;
    double chiKwadraat = 0.0;
    for (const auto &[letter, n] : sectoren) {
        const double verwacht = trekkingen * n / 32.0;
        const double verschil = gezien[letter] - verwacht;
        chiKwadraat += verschil * verschil / verwacht;
    }
    // 25 degrees of freedom: 52.6 is the 0.1 % critical value.
    EXPECT_LT(chiKwadraat, 52.6);
    EXPECT_NEAR(gezien['E'] / trekkingen, 4.0 / 32, 0.01);
    EXPECT_NEAR(gezien['A'] / trekkingen, 3.0 / 32, 0.01);
    EXPECT_NEAR(gezien['O'] / trekkingen, 2.0 / 32, 0.01);
}

TEST(QuizRad, RepeatsAreKept)
{
    VasteWaarde random(1.0 / 32 + 1e-9); // always sector 2, an E
    const auto letters = kiesQuizLetters(random);
    for (const QuizTrekking &t : letters) {
        EXPECT_EQ(t.positie, 2);
        EXPECT_EQ(t.letter, 'E');
    }
    EXPECT_EQ(random.reseeds, 12);
}

TEST(QuizRad, AnimationIsAFullTurnAndThenOnToTheStop)
{
    struct Geval {
        int r;
        std::size_t stappen;
        char laatste;
    };
    const Geval gevallen[] = {{1, 33, 'A'}, {9, 41, 'B'}, {32, 64, 'Z'}};
    for (const Geval &g : gevallen) {
        SCOPED_TRACE(g.r);
        const auto stappen = quizRadStappen(g.r);
        ASSERT_EQ(stappen.size(), g.stappen);
        for (std::size_t i = 0; i < stappen.size(); ++i) {
            EXPECT_EQ(stappen[i].positie, int(i % 32) + 1);
            EXPECT_DOUBLE_EQ(stappen[i].wacht, 0.05);
        }
        EXPECT_EQ(stappen.back().positie, g.r);
        EXPECT_EQ(stappen.back().punt.letter, g.laatste);
        EXPECT_NEAR(totaleWachttijd(stappen), 0.05 * double(g.stappen), 1e-9);
    }
    // r = 32 makes the second turn a full one too.
    const auto twee = quizRadStappen(32);
    EXPECT_EQ(twee[31].punt.x, twee[63].punt.x);
    EXPECT_EQ(twee[63].punt.y, 93);
}

TEST(QuizRad, LettersArePrintedInTwoRowsOfSix)
{
    const Kleur kleur{150, 150, 150};
    for (int k = 1; k <= 12; ++k) {
        const LetterAfdruk a = quizLetterAfdruk(k, 'B', kleur);
        const int kolom = (k - 1) % 6;
        EXPECT_EQ(a.wit, (DrukPunt{19 + 80 * kolom, k <= 6 ? 0 : 80})) << k;
        EXPECT_EQ(a.gekleurd, (DrukPunt{20 + 80 * kolom, k <= 6 ? 1 : 81})) << k;
        EXPECT_EQ(a.kleur, kleur);
    }
    struct Geval {
        char letter;
        int k;
        int x;
    };
    const Geval gevallen[] = {{'I', 1, 26}, {'J', 2, 102}, {'M', 7, 15}, {'W', 12, 409}, {'E', 7, 19}};
    for (const Geval &g : gevallen)
        EXPECT_EQ(quizLetterAfdruk(g.k, g.letter, kleur).wit.x, g.x) << g.letter;
}
