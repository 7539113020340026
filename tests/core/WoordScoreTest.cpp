#include "core/Algemeen.h"
#include "core/quiz/WoordScore.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

LetterWaardeTabel waarden()
{
    Algemeen state;
    state.vulLetterWaarde();
    return state.LetterWaarde;
}

} // namespace

TEST(WoordScore, PointsAreTheSumOfTheLetterValues)
{
    struct Geval {
        const char *woord;
        int punten;
    };
    const Geval gevallen[] = {
        {"KAT", 7}, {"kat", 7}, {"Kat", 7}, {"QUIZ", 22}, {"quiz", 22}, {"", 0},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 109}, {"k\xC3\xA9t", 6}, {"a-b", 4},
    };
    const auto tabel = waarden();
    for (const Geval &g : gevallen)
        EXPECT_EQ(woordPunten(g.woord, tabel), g.punten) << g.woord;
}

TEST(WoordScore, ListLinesMatchWholeAndWithoutRegardToCase)
{
    TempDir map;
    map.write("Woord-3.lst", "AAP\r\nkat \r\nKAT\r\nDAK\r\n");
    map.write("Woord-4.lst", "boom\nkaas\nKOEK"); // LF only, no line end after the last
    map.write("Woord-5.lst", "KAT  \r\n kater\r\nhond\r\n");
    map.write("Woord-2.lst", "\r\n\r\nAB\r\n");
    struct Geval {
        const char *woord;
        ZoekUitslag uitslag;
    };
    const Geval gevallen[] = {
        {"kat", ZoekUitslag::Gevonden},      {"KAT", ZoekUitslag::Gevonden},
        {"aap", ZoekUitslag::Gevonden},      {"dak", ZoekUitslag::Gevonden},
        {"bok", ZoekUitslag::NietGevonden},  {"KAAS", ZoekUitslag::Gevonden},
        {"Koek", ZoekUitslag::Gevonden},     {"BOOM", ZoekUitslag::Gevonden},
        {"kater", ZoekUitslag::NietGevonden}, // the line has a blank in front
        {"ab", ZoekUitslag::Gevonden},       {"AA", ZoekUitslag::NietGevonden},
        {"TAFEL", ZoekUitslag::NietGevonden},
        {"zesjes", ZoekUitslag::LijstOntbreekt},
    };
    for (const Geval &g : gevallen)
        EXPECT_EQ(ZoekWoord(map.path().string(), g.woord), g.uitslag) << g.woord;
}

TEST(WoordScore, ALineWithATrailingBlankDoesNotMatch)
{
    TempDir map;
    map.write("Woord-3.lst", "KAT \r\n");
    EXPECT_EQ(ZoekWoord(map.path().string(), "KAT"), ZoekUitslag::NietGevonden);
}

TEST(WoordScore, AccentedLettersCompareInWindows1252)
{
    TempDir map;
    map.write("Woord-4.lst", "CAF\xC9\r\n"); // CAFÉ in Windows-1252
    EXPECT_EQ(ZoekWoord(map.path().string(), "caf\xC3\xA9"), ZoekUitslag::Gevonden);
}

TEST(WoordScore, CheckMarksScoresAndTotals)
{
    TempDir map;
    map.write("Woord-3.lst", "KAT\r\nRAT\r\n");
    map.write("Woord-4.lst", "QUIZ\r\n");
    const auto uitslag = ControleerWoorden({"kat", "Quiz", "kar", "RAT"}, map.path().string(), waarden());
    ASSERT_EQ(uitslag.woorden.size(), 4u);
    const char *markeringen[] = {"V", "V", "X", "V"};
    const char *punten[] = {"7", "22", "", "8"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_STREQ(uitslag.woorden[i].markering(), markeringen[i]);
        EXPECT_EQ(uitslag.woorden[i].puntenTekst(), punten[i]);
    }
    EXPECT_EQ(uitslag.woorden[0].markeringKleur(), (Kleur{0, 150, 0}));
    EXPECT_EQ(uitslag.woorden[2].markeringKleur(), (Kleur{150, 0, 0}));
    EXPECT_EQ(uitslag.woorden[2].punten, 0);
    EXPECT_EQ(uitslag.totaal, 37);
    EXPECT_TRUE(uitslag.ontbrekendeLijsten.empty());
}

TEST(WoordScore, NoWordsScoreZero)
{
    TempDir map;
    const auto uitslag = ControleerWoorden({}, map.path().string(), waarden());
    EXPECT_TRUE(uitslag.woorden.empty());
    EXPECT_EQ(uitslag.totaal, 0);
    EXPECT_TRUE(ontbrekendeLijstenMelding(uitslag.ontbrekendeLijsten).empty());
}

TEST(WoordScore, AMissingListCountsAsNotFoundAndIsReportedOnce)
{
    TempDir map;
    map.write("Woord-3.lst", "KAT\r\n");
    const auto uitslag =
        ControleerWoorden({"kat", "kaas", "boom", "kater", "kat"}, map.path().string(), waarden());
    const char *markeringen[] = {"V", "X", "X", "X", "V"};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_STREQ(uitslag.woorden[i].markering(), markeringen[i]) << i;
    EXPECT_EQ(uitslag.totaal, 14);
    EXPECT_EQ(uitslag.ontbrekendeLijsten, (std::vector<int>{4, 5}));
    EXPECT_EQ(ontbrekendeLijstenMelding({4}),
              "De woordenlijst Woord-4.lst ontbreekt in de map Data.\r\n"
              "Woorden van die lengte zijn als niet gevonden (X) geteld.");
    EXPECT_EQ(ontbrekendeLijstenMelding({4, 5, 7}),
              "De woordenlijsten Woord-4.lst, Woord-5.lst en Woord-7.lst ontbreken in de map Data.\r\n"
              "Woorden van die lengte zijn als niet gevonden (X) geteld.");
}

TEST(WoordScore, LetterValuesDisplayMatchesTheValueTable)
{
    // Every "X = n" pair in the display must agree with the values the score uses.
    const std::string tekst = WaardeTekst;
    EXPECT_STREQ(WaardeTitel, "Waarde");
    EXPECT_EQ(tekst.rfind("Letter Waarde\r\n\r\nA = 1      N = 2\r\n", 0), 0u);
    EXPECT_EQ(tekst.substr(tekst.size() - 17), "M = 5     Z = 5\r\n");
    const auto tabel = waarden();
    int paren = 0;
    for (std::size_t i = 0; i + 1 < tekst.size(); ++i) {
        const char c = tekst[i];
        if (c < 'A' || c > 'Z' || (i > 0 && tekst[i - 1] != '\n' && tekst[i - 1] != ' '))
            continue;
        const auto gelijk = tekst.find("= ", i);
        if (gelijk == std::string::npos || tekst.find_first_not_of(' ', i + 1) != gelijk)
            continue;
        EXPECT_EQ(std::stoi(tekst.substr(gelijk + 2)), tabel[std::size_t(c)]) << c;
        ++paren;
    }
    EXPECT_EQ(paren, 26);
    int regels = 0;
    for (std::size_t p = tekst.find("\r\n"); p != std::string::npos; p = tekst.find("\r\n", p + 2))
        ++regels;
    EXPECT_EQ(regels, 15);
    EXPECT_NE(tekst.find("\r\nI   = 2      V = 5\r\nJ   = 5     W = 5\r\n"), std::string::npos);
}
