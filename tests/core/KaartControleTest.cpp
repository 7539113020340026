// A claimed card against the drawn letters: what is still missing, and which lines of a 5 x 5
// card are full, Free cells counting as drawn.
#include "core/kaarten/KaartControle.h"

#include "core/kaarten/BladCode.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

using Getrokken = std::array<std::uint8_t, 28>;

// The letters of the given cells (column, row) drawn.
Getrokken trek(const BingoKaart &kaart, std::initializer_list<std::pair<int, int>> cellen)
{
    Getrokken getrokken{};
    for (const auto &[kolom, rij] : cellen)
        getrokken[std::size_t(kaart.letter(kolom, rij))] = 1;
    return getrokken;
}

TEST(KaartControle, NamesTheMissingLettersAndEveryFullLineWithFreeCellsCountingAsDrawn)
{
    const BingoKaart kaart = kaartenVanBlad({KaartSoort::Bingo, false, 12345})[0]; // free corners
    Getrokken alles{};
    alles.fill(1);
    struct Geval {
        Getrokken getrokken;
        std::size_t ontbrekend;
        std::vector<std::string> lijnen;
    };
    for (const Geval &geval : {
             Geval{{}, 21, {}},
             Geval{trek(kaart, {{2, 1}, {3, 1}, {4, 1}}), 18, {"Rij 1 vol"}},
             Geval{trek(kaart, {{2, 2}, {3, 3}, {4, 4}, {3, 1}, {3, 2}, {3, 4}, {3, 5}}),
                   14,
                   {"Kolom 3 vol", "Diagonaal van linksboven vol"}},
             Geval{alles,
                   0,
                   {"Rij 1 vol", "Rij 2 vol", "Rij 3 vol", "Rij 4 vol", "Rij 5 vol", "Kolom 1 vol", "Kolom 2 vol",
                    "Kolom 3 vol", "Kolom 4 vol", "Kolom 5 vol", "Diagonaal van linksboven vol",
                    "Diagonaal van rechtsboven vol"}},
         }) {
        const KaartUitslag uitslag = controleerKaart(kaart, geval.getrokken);
        EXPECT_EQ(uitslag.ontbrekend.size(), geval.ontbrekend);
        EXPECT_EQ(uitslag.volleLijnen, geval.lijnen);
        for (const int letter : uitslag.ontbrekend)
            EXPECT_EQ(geval.getrokken[std::size_t(letter)], 0) << kaartLetterTeken(letter);
    }
    EXPECT_EQ(uitslagTekst(controleerKaart(kaart, alles)), "Volle kaart!");
}

// The letters under the wide cards' middle piece are not on the paper: those cells are Free.
TEST(KaartControle, TheMiddlePieceOfAWideCardCountsAsMarked)
{
    for (const bool middenstuk : {false, true})
        for (const BingoKaart &kaart : kaartenVanBlad({KaartSoort::Breed, middenstuk, 31}))
            for (int kolom = 1; kolom <= kaart.kolommen(); ++kolom)
                for (int rij = 1; rij <= kaart.rijen(); ++rij)
                    EXPECT_EQ(kaart.isFree(kolom, rij), middenstuk && kolom == MiddenstukKolom);
}

TEST(KaartControle, SaysEachMissingLetterOnceAndNamesNoLinesOnOtherCards)
{
    BingoKaart kaart(4, 4);
    for (int kolom = 1; kolom <= 4; ++kolom)
        for (int rij = 1; rij <= 4; ++rij)
            kaart.setLetter(kolom, rij, kolom == 1 ? 26 : (kolom == 2 ? 11 : 1)); // Z, K, A
    Getrokken getrokken{};
    getrokken[1] = 1;
    EXPECT_EQ(uitslagTekst(controleerKaart(kaart, getrokken)), "Nog 2 letters: K, Z");
    getrokken[11] = 1;
    EXPECT_EQ(uitslagTekst(controleerKaart(kaart, getrokken)), "Nog 1 letter: Z");
    getrokken[26] = 1;
    EXPECT_TRUE(controleerKaart(kaart, getrokken).vol() && controleerKaart(kaart, getrokken).volleLijnen.empty());
}

} // namespace
