#include "core/Algemeen.h"
#include "core/bingo/BingoRonde.h"
#include "core/bingo/BingoWeergave.h"
#include "core/RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace core;

namespace {

// Records what the round shows; a test may hook into the wheel's slow run, which in the
// program lets window events through.
class OpnameWeergave : public BingoWeergave
{
public:
    void toonBeurt(const std::string &tekst) override { beurt = tekst; }
    void toonRonde(const std::string &tekst) override { ronde = tekst; }
    void toonEindeRonde(const std::string &titel, const std::string &tekst) override
    {
        meldingen.push_back(titel + "|" + tekst);
    }
    void begintTrekking() override
    {
        EXPECT_FALSE(knopUit);
        knopUit = true;
    }
    void eindigtTrekking() override { knopUit = false; }
    void DraaiRondgang() override { ++rondgangen; }
    void DraaiNaar(int letter) override
    {
        draaiNaar.push_back(letter);
        if (tijdensDraaiNaar)
            tijdensDraaiNaar();
    }
    void DrukLetter(const LetterAfdruk &afdruk) override { gedrukt.push_back(afdruk); }
    void WisBord() override
    {
        ++gewist;
        gedrukt.clear();
    }

    std::string beurt, ronde;
    std::vector<std::string> meldingen;
    bool knopUit = false;
    int rondgangen = 0;
    int gewist = 0;
    std::vector<int> draaiNaar;
    std::vector<LetterAfdruk> gedrukt;
    std::function<void()> tijdensDraaiNaar;
};

// Plays back fixed numbers, then keeps returning the last one; counts reseeds.
class VasteReeks : public RandomSource
{
public:
    explicit VasteReeks(std::vector<double> waarden) : m_waarden(std::move(waarden)) {}
    void reseed() override { ++reseeds; }
    double next() override
    {
        ++trekkingen;
        const double waarde = m_waarden[std::min(m_index, m_waarden.size() - 1)];
        ++m_index;
        return waarde;
    }
    int reseeds = 0;
    int trekkingen = 0;

private:
    std::vector<double> m_waarden;
    std::size_t m_index = 0;
};

double waardeVoor(char letter) { return (letter - 'A' + 0.5) / 26.0; }

std::string gedrukteLetters(const OpnameWeergave &weergave)
{
    std::string letters;
    for (const LetterAfdruk &a : weergave.gedrukt)
        letters += a.letter;
    return letters;
}

struct Opstelling {
    explicit Opstelling(RandomSource &random) : ronde(state, random, weergave) { ronde.startNaOpstarten(); }
    Algemeen state;
    OpnameWeergave weergave;
    BingoRonde ronde;
};

const std::string EindeRonde1 =
    "Einde Ronde|Einde van ronde 1, klik op de button\r\nNieuw voor een volgende ronde...";

} // namespace

TEST(BingoRonde, StartUpBeginsWithRoundOneAndAnEmptyBoard)
{
    SeededRandom random(1);
    Opstelling o(random);
    EXPECT_EQ(o.state.RondeNummer, 1);
    EXPECT_EQ(o.state.LetterTeller, 0);
    EXPECT_EQ(o.weergave.ronde, "Ronde : 1");
    EXPECT_EQ(o.weergave.beurt, "Letter : 1");
    EXPECT_EQ(o.weergave.gewist, 1);
    EXPECT_EQ(o.state.BordX, 125);
    EXPECT_EQ(o.state.BordY, -5);
}

TEST(BingoRonde, TwentySixDrawsGiveEveryLetterOnce)
{
    SeededRandom random(20260305);
    Opstelling o(random);
    for (int n = 1; n <= 26; ++n) {
        o.ronde.TrekLetter();
        // Between draws the flags count exactly the letters drawn so far.
        EXPECT_EQ(std::count(o.state.Getrokken.begin() + 1, o.state.Getrokken.begin() + 27, 1), n);
    }
    std::string letters = gedrukteLetters(o.weergave);
    EXPECT_NE(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"); // shuffled, not in order
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(o.weergave.rondgangen, 26);
    EXPECT_TRUE(o.weergave.meldingen.empty());
    EXPECT_FALSE(o.weergave.knopUit);
    EXPECT_EQ(o.state.BordX, 413);
    EXPECT_EQ(o.state.BordY, 395);
}

TEST(BingoRonde, WheelStopsOnTheLetterThatIsPrinted)
{
    SeededRandom random(7);
    Opstelling o(random);
    for (int n = 0; n < 26; ++n)
        o.ronde.TrekLetter();
    ASSERT_EQ(o.weergave.draaiNaar.size(), 26u);
    for (std::size_t n = 0; n < 26; ++n)
        EXPECT_EQ(o.weergave.gedrukt[n].letter, char(64 + o.weergave.draaiNaar[n]));
}

TEST(BingoRonde, TurnLabelBeforeAndAfterTheFirstDraws)
{
    SeededRandom random(3);
    Opstelling o(random);
    EXPECT_EQ(o.weergave.beurt, "Letter : 1");
    o.ronde.TrekLetter();
    EXPECT_EQ(o.weergave.beurt, "Letter : 1");
    o.ronde.TrekLetter();
    EXPECT_EQ(o.weergave.beurt, "Letter : 2");
}

TEST(BingoRonde, RequestsAfterTheLastLetterShowTheEndOfRoundAndCountOn)
{
    SeededRandom random(5);
    Opstelling o(random);
    for (int n = 0; n < 26; ++n)
        o.ronde.TrekLetter();
    o.ronde.TrekLetter();
    EXPECT_EQ(o.weergave.beurt, "Letter : 27");
    ASSERT_EQ(o.weergave.meldingen.size(), 1u);
    EXPECT_EQ(o.weergave.meldingen[0], EindeRonde1);

    o.ronde.TrekLetter();
    EXPECT_EQ(o.weergave.beurt, "Letter : 28");
    EXPECT_EQ(o.weergave.meldingen.size(), 2u);
    // Nothing but the counter and the message: no wheel, no print, no busy state.
    EXPECT_EQ(o.weergave.rondgangen, 26);
    EXPECT_EQ(o.weergave.gedrukt.size(), 26u);
    EXPECT_FALSE(o.weergave.knopUit);
}

TEST(BingoRonde, CounterStopsAtItsTopInsteadOfWrapping)
{
    SeededRandom random(9);
    Opstelling o(random);
    for (int n = 0; n < 300; ++n)
        o.ronde.TrekLetter();
    EXPECT_EQ(o.state.LetterTeller, 255);
    EXPECT_EQ(o.weergave.beurt, "Letter : 255");
    EXPECT_EQ(o.weergave.meldingen.size(), 300u - 26u);
    EXPECT_EQ(o.weergave.meldingen.back(), EindeRonde1);
    EXPECT_EQ(o.weergave.gedrukt.size(), 26u);
}

TEST(BingoRonde, NewRoundClearsTheBoardAndOffersAllLettersAgain)
{
    SeededRandom random(11);
    Opstelling o(random);
    o.ronde.NieuweRonde();
    o.ronde.NieuweRonde(); // now round 3
    for (int n = 0; n < 10; ++n)
        o.ronde.TrekLetter();
    ASSERT_EQ(o.state.RondeNummer, 3);

    EXPECT_TRUE(o.ronde.NieuweRonde());
    EXPECT_EQ(o.weergave.ronde, "Ronde : 4");
    EXPECT_EQ(o.weergave.beurt, "Letter : 1");
    EXPECT_EQ(o.state.LetterTeller, 0);
    EXPECT_TRUE(o.weergave.gedrukt.empty());
    EXPECT_EQ(o.state.BordX, 125);
    EXPECT_EQ(o.state.BordY, -5);
    EXPECT_EQ(std::count(o.state.Getrokken.begin(), o.state.Getrokken.end(), 1), 0);

    for (int n = 0; n < 27; ++n)
        o.ronde.TrekLetter();
    std::string letters = gedrukteLetters(o.weergave);
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(o.weergave.meldingen.back(),
              "Einde Ronde|Einde van ronde 4, klik op de button\r\nNieuw voor een volgende ronde...");
}

TEST(BingoRonde, PressesDuringARunningDrawAreIgnored)
{
    // The wheel lets key presses through while it turns; the space bar pressed again and
    // again must still give exactly one letter.
    SeededRandom random(13);
    Opstelling o(random);
    bool nieuweRondeGelukt = true;
    o.weergave.tijdensDraaiNaar = [&] {
        EXPECT_TRUE(o.ronde.bezig());
        for (int n = 0; n < 5; ++n)
            o.ronde.TrekLetter();
        nieuweRondeGelukt = o.ronde.NieuweRonde();
    };
    o.ronde.TrekLetter();
    o.weergave.tijdensDraaiNaar = nullptr;

    EXPECT_FALSE(nieuweRondeGelukt);
    EXPECT_FALSE(o.ronde.bezig());
    EXPECT_EQ(o.state.LetterTeller, 1);
    EXPECT_EQ(o.weergave.beurt, "Letter : 1");
    EXPECT_EQ(o.weergave.gedrukt.size(), 1u);
    EXPECT_EQ(o.weergave.rondgangen, 1);
    EXPECT_EQ(o.weergave.gewist, 1);
    EXPECT_EQ(o.state.RondeNummer, 1);

    o.ronde.TrekLetter(); // and after the draw the next one works again
    EXPECT_EQ(o.weergave.gedrukt.size(), 2u);
}

TEST(BingoRonde, TakenLettersAreDrawnAgainWithAFreshSeedEachTime)
{
    // A, A, A, then B: the first draw takes A, the second retries until B comes up.
    VasteReeks random({waardeVoor('A'), waardeVoor('A'), waardeVoor('A'), waardeVoor('B')});
    Opstelling o(random);
    o.ronde.TrekLetter();
    o.ronde.TrekLetter();
    EXPECT_EQ(gedrukteLetters(o.weergave), "AB");
    EXPECT_EQ(random.trekkingen, 4);
    EXPECT_EQ(random.reseeds, 4);
}

TEST(BingoRonde, AGeneratorStuckOnOneNumberStillFinishesTheRound)
{
    VasteReeks random({waardeVoor('Q')});
    Opstelling o(random);
    for (int n = 0; n < 26; ++n)
        o.ronde.TrekLetter();
    std::string letters = gedrukteLetters(o.weergave);
    EXPECT_EQ(letters.front(), 'Q');
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(BingoRonde, LettersArePrintedCellByCellInTheLetterColour)
{
    SeededRandom random(17);
    Opstelling o(random);
    o.state.LetterKleur = {1, 2, 3};
    o.ronde.TrekLetter();
    o.ronde.TrekLetter();
    o.state.LetterKleur = {200, 0, 0};
    o.ronde.TrekLetter();
    o.ronde.TrekLetter();
    const auto &g = o.weergave.gedrukt;
    ASSERT_EQ(g.size(), 4u);
    const int basisX[] = {125, 221, 317, 28};
    const int basisY[] = {-5, -5, -5, 75};
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_EQ(g[n].wit.x, basisX[n] + horizontaleCorrectie(g[n].letter));
        EXPECT_EQ(g[n].wit.y, basisY[n]);
    }
    EXPECT_EQ(g[1].kleur, (Kleur{1, 2, 3}));
    EXPECT_EQ(g[2].kleur, (Kleur{200, 0, 0}));
}
