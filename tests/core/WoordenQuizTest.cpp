// The quiz's words: accents folded, the lists read as the quiz plays them, the count the help
// gives, the best words after a game against a plain search, and the shipped lists themselves.
#include "TijdelijkeMap.h"

#include "core/Algemeen.h"
#include "core/quiz/BesteWoorden.h"
#include "core/quiz/QuizRad.h"
#include "core/quiz/WoordInvoer.h"
#include "core/quiz/WoordLijst.h"
#include "core/quiz/WoordZoeken.h"
#include "core/quiz/ZonderAccenten.h"
#include "core/RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace core;

namespace {

TEST(ZonderAccenten, AccentedLettersBecomePlainInTheirOwnCaseAndTheRestStays)
{
    for (const auto &[getypt, plat] : {std::pair{"café", "cafe"},
                                       {"IDEEËN", "IDEEEN"},
                                       {"naïef", "naief"},
                                       {"Crème", "Creme"},
                                       {"ĳsje", "ijsje"},
                                       {"façade", "facade"},
                                       {"łoś-1", "łoś-1"},
                                       {"kat", "kat"}})
        EXPECT_EQ(zonderAccenten(getypt), plat) << getypt;
}

TEST(WoordVoorraad, TheHelpRoundsTheCountDownToThousands)
{
    for (const auto &[aantal, tekst] :
         {std::pair{0, "0"}, {999, "999"}, {1000, "ruim 1.000"}, {101311, "ruim 101.000"}, {1234567, "ruim 1.234.000"}})
        EXPECT_EQ(ruimAantalWoorden(std::size_t(aantal)), tekst) << aantal;
}

TEST(WoordVoorraad, HoldsTheWordsALookupCanFindInUpperCaseAndNothingElse)
{
    TempDir map;
    fs::create_directory(map.pad / "Data");
    schrijf(map.pad / "Data" / "Woord-3.lst", "KAT\r\nrak\r\nTAK \r\nK4T\r\nKATTEN\r\nGEIT");
    schrijf(map.pad / "Data" / "Woord-4.lst", "GEIT\nCAF\xC9\r\n");
    const WoordVoorraad voorraad = WoordVoorraad::laad((map.pad / "Data").string());
    std::vector<std::string> woorden;
    for (const VoorraadWoord &w : voorraad.woorden())
        woorden.push_back(w.woord);
    EXPECT_EQ(woorden, (std::vector<std::string>{"KAT", "RAK", "GEIT"}));
}

// An installed program reads a list from the operator's folder once it was saved there, the
// shipped one otherwise; the editor offers the lists of both, each once.
TEST(LijstMappen, AnEditedListIsReadFromTheOperatorsFolderTheOthersFromTheShippedOne)
{
    TempDir eigen, meegeleverd;
    schrijf(meegeleverd.pad / "Woord-3.lst", "KAT\r\n");
    schrijf(meegeleverd.pad / "Woord-4.lst", "GEIT\r\n");
    schrijf(eigen.pad / "Woord-3.lst", "RAK\r\n");
    const LijstMappen mappen(eigen.pad.string(), meegeleverd.pad.string());
    EXPECT_EQ(ZoekWoord(mappen, "rak"), ZoekUitslag::Gevonden);
    EXPECT_EQ(ZoekWoord(mappen, "kat"), ZoekUitslag::NietGevonden) << "the edited list stands for the shipped one";
    EXPECT_EQ(ZoekWoord(mappen, "geit"), ZoekUitslag::Gevonden);
    EXPECT_EQ(ZoekWoord(mappen, "vogel"), ZoekUitslag::LijstOntbreekt);
    EXPECT_EQ(LijstBestanden(mappen), (std::vector<std::string>{"Woord-3.lst", "Woord-4.lst"}));
}

// The search, against every listed word put to the quiz's own entry check, on letters drawn
// as in a game: the same words, points and order (points, then length, then alphabet).
TEST(BesteWoorden, AreTheBestOfEveryWordTheEntryCheckWouldAccept)
{
    const WoordVoorraad voorraad = WoordVoorraad::laad(ALFABO_SOURCE_DIR "/assets/Data");
    Algemeen algemeen;
    algemeen.vulLetterWaarde();
    SeededRandom toeval(7);
    for (int spel = 0; spel < 12; ++spel) {
        std::array<std::string, 13> letters{};
        const auto trekkingen = kiesQuizLetters(toeval);
        for (std::size_t k = 0; k < trekkingen.size(); ++k)
            letters[k + 1] = std::string(1, trekkingen[k].letter);

        std::vector<std::tuple<int, int, std::string>> alle; // -points, -length, word
        for (const VoorraadWoord &w : voorraad.woorden())
            if (beoordeelWoord(w.woord, {}, letters).uitslag == InvoerUitslag::Geaccepteerd)
                alle.emplace_back(-woordPunten(w.woord, algemeen.LetterWaarde), -int(w.woord.size()), w.woord);
        std::sort(alle.begin(), alle.end());
        std::vector<BestWoord> verwacht;
        for (std::size_t i = 0; i < std::min(alle.size(), AantalBesteWoorden); ++i)
            verwacht.push_back({std::get<2>(alle[i]), -std::get<0>(alle[i])});

        EXPECT_EQ(besteWoorden(voorraad, letters, algemeen.LetterWaarde), verwacht) << spel;
    }
}

bool heeftKlinker(const std::string &woord) { return woord.find_first_of("AEIOUY") != std::string::npos; }

// The shipped lists: every line a playable word of its list, enough of them, the Dutch words
// with accents there in plain letters, the abbreviations and units gone.
TEST(GeleverdeLijsten, HoldPlainDutchWordsWithoutAbbreviations)
{
    const std::string data = ALFABO_SOURCE_DIR "/assets/Data";
    const WoordVoorraad voorraad = WoordVoorraad::laad(data);
    std::size_t regels = 0;
    for (int n = 2; n <= 9; ++n) {
        const std::string inhoud = lees(data + "/Woord-" + std::to_string(n) + ".lst");
        regels += std::size_t(std::count(inhoud.begin(), inhoud.end(), '\n'));
    }
    EXPECT_EQ(voorraad.aantal(), regels) << "a line that is no playable word";
    EXPECT_GE(voorraad.aantal(), 100000u);
    auto heeft = [&](const std::string &woord) {
        return std::ranges::any_of(voorraad.woorden(), [&](const VoorraadWoord &w) { return w.woord == woord; });
    };
    for (const char *woord : {"CAFE", "IDEEEN", "RUINE", "REUNIE", "PRIVE", "CREME"})
        EXPECT_TRUE(heeft(woord)) << woord;
    for (const char *woord : {"BTW", "TV", "WC", "PDF", "WWW", "CD", "GSM", "PC", "KM", "DVD", "CAO"})
        EXPECT_FALSE(heeft(woord)) << woord;
    EXPECT_LE(std::ranges::count_if(voorraad.woorden(), [](const VoorraadWoord &w) { return !heeftKlinker(w.woord); }),
              5);
}

} // namespace
