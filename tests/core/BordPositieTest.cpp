#include "core/Algemeen.h"
#include "core/bingo/BordPositie.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace core;

namespace {

// Prints letters 1..n (as A) and returns where each one's text started.
std::vector<DrukPunt> vulBord(Algemeen &state, int n)
{
    std::vector<DrukPunt> posities;
    for (int teller = 1; teller <= n; ++teller) {
        state.LetterTeller = std::uint8_t(teller);
        posities.push_back({state.BordX, state.BordY});
        schuifBordPositie(state);
    }
    return posities;
}

} // namespace

TEST(BordPositie, StartIsTheSecondCellOfTheFirstRow)
{
    Algemeen state;
    state.BordX = 7;
    state.BordY = 300;
    zetBordStart(state);
    EXPECT_EQ(state.BordX, 125);
    EXPECT_EQ(state.BordY, -5);
}

TEST(BordPositie, TheTwentySixLettersFillTheCellTable)
{
    Algemeen state;
    zetBordStart(state);
    const auto posities = vulBord(state, 26);

    const int rijY[] = {-5, 75, 155, 235, 315, 395};
    const std::vector<int> middenX = {125, 221, 317};
    const std::vector<int> volX = {28, 124, 220, 316, 412};
    std::vector<DrukPunt> verwacht;
    for (int rij = 0; rij < 6; ++rij)
        for (const int x : (rij == 0 || rij == 5) ? middenX : volX)
            verwacht.push_back({x, rijY[rij]});
    ASSERT_EQ(verwacht.size(), 26u);
    EXPECT_EQ(posities, verwacht);

    // After the last letter the position stands beyond the used cells.
    EXPECT_EQ(state.BordX, 413);
    EXPECT_EQ(state.BordY, 395);
}

TEST(BordPositie, NoCellIsUsedTwiceAndNoCornerAtAll)
{
    Algemeen state;
    zetBordStart(state);
    std::set<std::pair<int, int>> cellen;
    for (const DrukPunt &p : vulBord(state, 26)) {
        const int kolom = (p.x + 10) / 96; // 0..4; letters start a little inside their cell
        const int rij = (p.y + 10) / 80;   // 0..5
        EXPECT_TRUE(cellen.insert({kolom, rij}).second);
        const bool hoek = (kolom == 0 || kolom == 4) && (rij == 0 || rij == 5);
        EXPECT_FALSE(hoek) << kolom << "," << rij;
    }
}

TEST(BordPositie, NarrowAndWideLettersAreShiftedAndTheColouredCopyLiesOnePixelOff)
{
    struct Geval {
        int letter;
        int witX;
    };
    const Geval gevallen[] = {{'I' - 64, 132}, {'J' - 64, 128}, {'M' - 64, 121}, {'W' - 64, 115}, {'A' - 64, 125},
                              {'Z' - 64, 125}};
    Algemeen state;
    state.LetterKleur = {10, 20, 30};
    zetBordStart(state);
    for (const Geval &g : gevallen) {
        const LetterAfdruk afdruk = bordAfdruk(state, g.letter);
        SCOPED_TRACE(afdruk.letter);
        EXPECT_EQ(afdruk.letter, char(64 + g.letter));
        EXPECT_EQ(afdruk.wit, (DrukPunt{g.witX, -5}));
        EXPECT_EQ(afdruk.gekleurd, (DrukPunt{g.witX + 1, -4}));
        EXPECT_EQ(afdruk.kleur, (Kleur{10, 20, 30}));
    }
}

TEST(BordPositie, ColourIsTakenAtPrintTime)
{
    Algemeen state;
    zetBordStart(state);
    const LetterAfdruk eerst = bordAfdruk(state, 1);
    state.LetterKleur = {255, 0, 0};
    EXPECT_EQ(eerst.kleur, (Kleur{150, 150, 150}));
    EXPECT_EQ(bordAfdruk(state, 1).kleur, (Kleur{255, 0, 0}));
}
