// Files far beyond their usual size, and texts with characters that Windows-1252 cannot
// hold, through every file of the program.

#include "TempDir.h"
#include "support/GroteWoordenlijst.h"

#include "core/Algemeen.h"
#include "core/bestanden/Instellingen.h"
#include "core/quiz/ScoreLijst.h"
#include "core/quiz/WoordLijst.h"
#include "core/quiz/WoordZoeken.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

constexpr std::size_t MiljoenWoorden = 1000000;

std::string kleineLetters(std::string woord)
{
    for (char &c : woord)
        c = char(c - 'A' + 'a');
    return woord;
}

} // namespace

TEST(GroteBestanden, AListOfAMillionWordsLoadsSavesAndIsSearched)
{
    TempDir dir;
    const std::string inhoud = groteWoordenlijst(MiljoenWoorden);
    dir.write("Woord-9.lst", inhoud);

    WoordLijst lijst;
    ASSERT_TRUE(lijst.LaadWoordenlijst(dir.file("Woord-9.lst")));
    ASSERT_EQ(lijst.count(), MiljoenWoorden);
    EXPECT_EQ(lijst.words().front(), kleineLetters(groteLijstWoord(0)));
    EXPECT_EQ(lijst.words()[MiljoenWoorden / 2], kleineLetters(groteLijstWoord(MiljoenWoorden / 2)));
    EXPECT_EQ(lijst.words().back(), kleineLetters(groteLijstWoord(MiljoenWoorden - 1)));

    // Unchanged, the list is written back byte for byte.
    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-9.lst")));
    EXPECT_TRUE(dir.read("Woord-9.lst") == inhoud);

    const std::string map = dir.path().string();
    for (const std::size_t i : {std::size_t(0), MiljoenWoorden / 3, MiljoenWoorden - 1}) {
        EXPECT_EQ(ZoekWoord(map, groteLijstWoord(i)), ZoekUitslag::Gevonden) << i;
        EXPECT_EQ(ZoekWoord(map, kleineLetters(groteLijstWoord(i))), ZoekUitslag::Gevonden) << i;
    }
    // Between two words of the list (they lie 5,000,003 apart, so no two share eight
    // letters), and past its end.
    std::string tussen = groteLijstWoord(7);
    tussen.back() = tussen.back() == 'Z' ? 'Y' : char(tussen.back() + 1);
    EXPECT_EQ(ZoekWoord(map, tussen), ZoekUitslag::NietGevonden);
    EXPECT_EQ(ZoekWoord(map, "ZZZZZZZZZ"), ZoekUitslag::NietGevonden);
}

// A name, an advertisement text and a word of 100,000 characters each, with characters
// Windows-1252 has and has not: what fits comes back as it was, every other character
// (Chinese, an emoji of four UTF-8 bytes) as one "?".
TEST(GroteBestanden, LongTextsAndForeignCharactersInEveryFile)
{
    struct Tekst {
        const char *wat;
        std::string tekst;
        std::string terug;
    };
    const std::string lang(100000, 'x');
    const Tekst teksten[] = {
        {"long", lang, lang},
        {"long with quotes and commas", "\"" + lang + ",\"", "\"" + lang + ",\""},
        {"Chinese", "\u4E2D\u6587 " + lang, "?? " + lang},
        {"emoji", "Zo\u00EB \U0001F600\U0001F389!", "Zo\u00EB ??" "!"},
        {"emoji only", "\U0001F600", "?"},
    };
    for (const Tekst &t : teksten) {
        SCOPED_TRACE(t.wat);
        TempDir dir;

        Algemeen instellingen;
        instellingen.zetStartwaarden();
        instellingen.ReclameTekst = t.tekst;
        ASSERT_TRUE(BewaarInstellingen(instellingen, dir.file("a.ini")));
        Algemeen gelezen;
        gelezen.zetStartwaarden();
        EXPECT_TRUE(LaadInstellingen(gelezen, dir.file("a.ini")));
        EXPECT_TRUE(gelezen.ReclameTekst == t.terug);

        ScoreLijst scores;
        scores.VoegScoreToe(12, t.tekst);
        scores.VoegScoreToe(5, "Een");
        ASSERT_TRUE(scores.BewaarScorelijst(dir.file("s.lib")));
        ScoreLijst scoresGelezen;
        ASSERT_TRUE(scoresGelezen.LaadScorelijst(dir.file("s.lib")));
        ASSERT_EQ(scoresGelezen.count(), 2u);
        EXPECT_EQ(scoresGelezen.ascending()[0], "0005 - Een");
        EXPECT_TRUE(scoresGelezen.ascending()[1] == "0012 - " + t.terug);

        // The editor refuses such words before they reach its list; the list itself
        // still writes whatever it holds as one line each.
        WoordLijst woorden;
        woorden.add(t.tekst);
        woorden.add("kat");
        ASSERT_TRUE(woorden.BewaarWoordenlijst(dir.file("w.lst")));
        WoordLijst woordenGelezen;
        ASSERT_TRUE(woordenGelezen.LaadWoordenlijst(dir.file("w.lst")));
        EXPECT_EQ(woordenGelezen.count(), 2u);
    }
}
