// The rules of both games and of the card maker: the bingo round with its wheel and board, the
// cards, the quiz wheel, the judging and scoring of quiz words, and the texts built from numbers.

#include "core/Algemeen.h"
#include "core/bingo/BingoRonde.h"
#include "core/bingo/BingoWeergave.h"
#include "core/bingo/BordPositie.h"
#include "core/bingo/LetterRad.h"
#include "core/bingo/RondeBewaring.h"
#include "core/GetalTekst.h"
#include "core/kaarten/BingoKaart.h"
#include "core/kaarten/PaginaAantal.h"
#include "core/KlokTekst.h"
#include "core/quiz/QuizRad.h"
#include "core/quiz/QuizTijd.h"
#include "core/quiz/ScoreTeksten.h"
#include "core/quiz/WoordInvoer.h"
#include "core/quiz/WoordTeksten.h"
#include "core/spraak/Roepnamen.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <set>

using namespace core;

namespace {

const std::string Alfabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Plays back fixed numbers in [0, 1), then keeps returning the last one; counts draws and reseeds.
struct VasteReeks : RandomSource {
    explicit VasteReeks(std::vector<double> w) { waarden = std::move(w); }
    void reseed() override { ++reseeds; }
    double next() override { return waarden[std::min(std::size_t(trekkingen++), waarden.size() - 1)]; }
    std::vector<double> waarden;
    int reseeds = 0, trekkingen = 0;
};

// A bingo round on a screen that records what it shows as one text: [captions], <end-of-round
// messages>, { and } around a draw, o for the wheel's sweep, >X for its run to X, the printed
// letter, W for a cleared board. Keys may be pressed from inside every step, as the wheel runs
// let window events through.
struct Bingo : BingoWeergave {
    explicit Bingo(RandomSource &random)
        : ronde(state, random, *this)
    {
        ronde.startNaOpstarten();
    }
    void toon(const std::string &wat) { log += wat, tussendoor(); }
    void toonBeurt(const std::string &tekst) override { toon("[" + tekst + "]"); }
    void toonRonde(const std::string &tekst) override { toon("[" + tekst + "]"); }
    void toonEindeRonde(const std::string &titel, const std::string &t) override { toon("<" + titel + "|" + t + ">"); }
    void begintTrekking() override { toon("{"); }
    void eindigtTrekking() override { toon("}"); }
    void DraaiRondgang() override { toon("o"); }
    void DraaiNaar(int letter) override { toon(">" + std::string(1, char(64 + letter))); }
    void DrukLetter(const LetterAfdruk &afdruk) override { toon(std::string(1, gedrukt.emplace_back(afdruk).letter)); }
    void WisBord() override { toon("W"); }

    Algemeen state;
    BingoRonde ronde;
    std::string log;
    std::vector<LetterAfdruk> gedrukt;
    std::function<void()> tussendoor = [] {};
};

} // namespace

// Every run begins with round 1. 26 draws give every letter once, shuffled, each in its own cell;
// the wheel stops on the letter that is printed, and the key stays off until it stands on the
// board. Presses while the wheel turns (it lets window events through), or asking for a new
// round then, change nothing. After the 26th letter a press only counts on (to the top of its
// byte, not wrapping back into the round) and shows the end of the round, until a new round
// clears the board and starts again.
TEST(BingoRonde, ARoundDrawsEveryLetterOnceIntoItsCellThenOnlyCountsOnUntilTheNextRound)
{
    SeededRandom random(20260305);
    Bingo b(random);
    EXPECT_EQ(b.log, "W[Ronde : 2][Letter : 1][Ronde : 1][Letter : 1]");
    int binnen = 0; // steps of a draw at which both a new draw and a new round were refused
    b.tussendoor = [&] { binnen += b.ronde.bezig() && (b.ronde.TrekLetter(), !b.ronde.NieuweRonde()); };
    const std::string nieuw = ", klik op de button\r\nNieuw voor een volgende ronde...>";
    for (int ronde = 1; ronde <= 2; ++ronde) {
        std::string letters;
        for (int n = 1; n <= 300; ++n) {
            b.log.clear();
            b.state.LetterKleur = {n, 0, 0}; // taken when the letter is printed
            b.ronde.TrekLetter();
            const std::string beurt = "[Letter : " + std::to_string(std::min(n, 255)) + "]";
            if (n > 26) {
                EXPECT_EQ(b.log, beurt + "<Einde Ronde|Einde van ronde " + std::to_string(ronde) + nieuw);
                continue;
            }
            const LetterAfdruk &a = b.gedrukt.back();
            letters += a.letter;
            // Cells of 96 by 80 from (28, -5) in rows of five; the first and last row use their middle three.
            const int cel = n + (n > 3) + (n > 23), x = 28 + 96 * (cel % 5) + (cel < 5 || cel > 24);
            EXPECT_TRUE(b.log == beurt + "{o>" + a.letter + a.letter + "}" && a.kleur == (Kleur{n, 0, 0})
                        && a.wit == (DrukPunt{x + horizontaleCorrectie(a.letter), -5 + 80 * (cel / 5)})
                        && a.gekleurd == (DrukPunt{a.wit.x + 1, a.wit.y + 1})
                        && vakVan(a) == (BordVak{cel % 5, cel / 5}))
                << ronde << ", " << n << ": " << b.log;
        }
        EXPECT_NE(letters, Alfabet);
        std::sort(letters.begin(), letters.end());
        EXPECT_TRUE(letters == Alfabet && b.state.LetterTeller == 255 && binnen == 26 * 5 && !b.ronde.bezig());
        binnen = 0;
        b.log.clear();
        EXPECT_TRUE(b.ronde.NieuweRonde() && b.log == "W[Ronde : " + std::to_string(ronde + 1) + "][Letter : 1]");
    }
}

// A kept round, taken up by a new program: the same letters printed where they stood, without
// the wheel, and the round goes on from there as if never cut off.
TEST(BingoRonde, AKeptRoundIsTakenUpWithItsBoardAndGoesOnAsBefore)
{
    for (const int getrokken : {0, 10, 26}) {
        SeededRandom random(77), zelfde(77);
        Bingo eerst(random), later(zelfde);
        eerst.ronde.NieuweRonde();
        for (int n = 0; n < getrokken; ++n)
            eerst.ronde.TrekLetter();
        const std::optional<RondeStand> stand = leesRondeStand(rondeBestandTekst(eerst.ronde.stand()));
        ASSERT_TRUE(stand);
        EXPECT_EQ(stand->letters.size(), std::size_t(getrokken));
        later.log.clear();
        later.ronde.herstel(*stand);
        EXPECT_TRUE(later.log.find('{') == std::string::npos && later.log.find('>') == std::string::npos) << later.log;
        EXPECT_EQ(later.gedrukt, eerst.gedrukt) << getrokken;
        EXPECT_TRUE(later.state.Getrokken == eerst.state.Getrokken && later.state.BordX == eerst.state.BordX
                    && later.state.BordY == eerst.state.BordY && later.ronde.stand() == eerst.ronde.stand())
            << getrokken;
        eerst.ronde.TrekLetter(), later.ronde.TrekLetter();
        EXPECT_EQ(later.ronde.stand().letters.size(), eerst.ronde.stand().letters.size());
    }
}

// A round file that is damaged or not one of this program's is not taken up.
TEST(RondeBewaring, AFileThatIsNoWholeRoundIsNotRead)
{
    const std::string goed = "Alfabo Lotto ronde\r\n3\r\n2\r\nQB\r\n";
    ASSERT_EQ(leesRondeStand(goed), (RondeStand{3, 2, {17, 2}}));
    for (const std::string &fout :
         {std::string(), std::string("[Ronde]\r\n3\r\n2\r\nQB\r\n"), goed.substr(0, goed.size() - 2),
          std::string("Alfabo Lotto ronde\r\n0\r\n2\r\nQB\r\n"), std::string("Alfabo Lotto ronde\r\n3\r\n1\r\nQB\r\n"),
          std::string("Alfabo Lotto ronde\r\n3\r\n2\r\nQQ\r\n"), std::string("Alfabo Lotto ronde\r\n3\r\n2\r\nqb\r\n"),
          std::string("Alfabo Lotto ronde\r\ndrie\r\n2\r\nQB\r\n"), goed + goed})
        EXPECT_FALSE(leesRondeStand(fout)) << fout;
}

// A taken letter is drawn again, with a fresh seed before every attempt; a generator stuck on one
// number still finishes the round.
TEST(BingoRonde, TakenLettersAreDrawnAgainWithAFreshSeedEachTime)
{
    VasteReeks random({0.5 / 26, 0.5 / 26, 0.5 / 26, 1.5 / 26}), vast({16.5 / 26});
    Bingo b(random), q(vast);
    b.ronde.TrekLetter();
    b.ronde.TrekLetter();
    EXPECT_TRUE(b.log.ends_with("{o>AA}[Letter : 2]{o>BB}") && random.trekkingen == 4 && random.reseeds == 4);
    std::set<char> letters;
    for (int n = 0; n < 26; ++n, letters.insert(q.gedrukt.back().letter))
        q.ronde.TrekLetter();
    EXPECT_TRUE(q.gedrukt.front().letter == 'Q' && letters.size() == 26);
}

// A mistyped coordinate would throw the pointer off the picture's ring: the end points of both
// wheels lie on the rim. The bingo draw sweeps all letters A to Z,
// then runs from A on to the letter, slowing down; the quiz wheel turns once over its 32 sectors,
// then on to its stop.
TEST(Raderen, EndPointsLieOnTheRimAndTheRunsStopOnTheChosenLetter)
{
    for (const RadPositie &p : LetterPositie)
        EXPECT_NEAR(std::hypot(p.x - 300, p.y - 300), 211.0, 4.0) << p.letter;
    for (const RadPositie &p : QuizRadTabel)
        EXPECT_NEAR(std::hypot(p.x - 300, p.y - 300), 212.0, 4.0) << p.letter;
    for (std::size_t k = 1; k <= 26; ++k) {
        const auto naar = DraaiNaarStappen(int(k)), stappen = quizRadStappen(int(k));
        EXPECT_TRUE(LetterPositie[k - 1].letter == Alfabet[k - 1]
                    && DraaiRondgangStappen()[k - 1].punt.letter == Alfabet[k - 1] && naar.size() == k
                    && naar.back().punt.letter == Alfabet[k - 1] && naar[0].punt.letter == 'A'
                    && (k == 1 || naar[k - 1].wacht > naar[k - 2].wacht) && stappen.size() == 32 + k
                    && stappen.back().punt.x == QuizRadTabel[k - 1].x)
            << k;
    }
    // The sweep takes 1.3 s, the run to A 0.06 s and to Z 4.81 s; a quiz letter 0.05 s a sector.
    EXPECT_NEAR(totaleWachttijd(DraaiRondgangStappen()) + totaleWachttijd(DraaiNaarStappen(1)), 1.36, 1e-9);
    EXPECT_NEAR(totaleWachttijd(DraaiNaarStappen(26)) + totaleWachttijd(quizRadStappen(32)), 4.81 + 3.2, 1e-9);
}

// Column by column, each top to bottom; a letter already on the card is drawn again, with a fresh
// seed before every draw. Then 25 different letters, the four corners free, and no letter favoured
// by the retry: each is left off about one card in 26. With the program's own generator and the
// clock standing still, as a card is filled well within one clock tick.
TEST(BingoKaart, AUniqueCardHoldsTwentyFiveDifferentLettersAndOtherCardsADrawPerCell)
{
    VasteReeks reeks({0.5 / 26, 1.5 / 26, 2.5 / 26, 3.5 / 26, 4.5 / 26, 0.5 / 26, 1.5 / 26});
    for (int letter = 6; letter <= 26; ++letter)
        reeks.waarden.push_back((letter - 0.5) / 26);
    const BingoKaart g = VulKaartUniek(reeks);
    EXPECT_TRUE(reeks.trekkingen == 27 && reeks.reseeds == 27 && g.letter(2, 1) == 6 && g.letter(5, 5) == 25);
    ManualClock klok;
    ClockSeededRandom random(klok);
    std::vector<int> ontbreekt(26);
    for (int n = 0; n < 10000; ++n) {
        const BingoKaart kaart = VulKaartUniek(random);
        std::set<int> alle;
        for (int cel = 0; cel < 25; ++cel) {
            alle.insert(kaart.letter(cel / 5 + 1, cel % 5 + 1));
            ASSERT_EQ(kaart.isFree(cel / 5 + 1, cel % 5 + 1), cel / 5 % 4 == 0 && cel % 5 % 4 == 0) << cel;
        }
        ASSERT_TRUE(alle.size() == 25 && *alle.begin() >= 1 && *alle.rbegin() <= 26);
        for (int letter = 1; letter <= 26; ++letter)
            ontbreekt[std::size_t(letter - 1)] += !alle.count(letter);
    }
    for (const int n : ontbreekt)
        EXPECT_NEAR(n, 10000 / 26.0, 100) << "letters left off cards";
    // Cards of other kinds: one draw per cell in the same order, [0, 1) cut into 26 equal parts, no
    // retry, so a letter may come up in any number of cells.
    VasteReeks vrij({0.0, 1.0 / 26 - 1e-9, 1.0 / 26 + 1e-9, 0.5, 0.999, 1 - 1e-12});
    const BingoKaart k = VulKaartWillekeurig(vrij, 3, 2);
    EXPECT_TRUE(vrij.trekkingen == 6 && vrij.reseeds == 6 && k.kolommen() == 3 && k.rijen() == 2);
    EXPECT_TRUE(k.letter(1, 1) == 1 && k.letter(1, 2) == 1 && k.letter(2, 1) == 2 && k.letter(2, 2) == 14
                && k.letter(3, 1) == 26 && k.letter(3, 2) == 26);
}

// Every one of the 32 sectors equally likely, with a fresh seed each; E stands on four sectors,
// A on three, O on two and every other letter on one, so they come up that much more often. The
// letters go into two rows of six boxes of 80 pixels, 19 pixels in, narrow and wide ones shifted.
TEST(QuizRad, EverySectorIsEquallyLikelySoCommonLettersComeUpMoreOften)
{
    SeededRandom random(424242);
    std::string sectoren;
    std::vector<int> posities(32);
    for (const RadPositie &p : QuizRadTabel)
        sectoren += p.letter;
    for (int spel = 0; spel < 4000; ++spel)
        for (const QuizTrekking &t : kiesQuizLetters(random)) {
            ASSERT_EQ(t.letter, quizRadPositie(t.positie).letter);
            ++posities.at(std::size_t(t.positie - 1));
        }
    std::sort(sectoren.begin(), sectoren.end());
    EXPECT_EQ(sectoren, "AAABCDEEEEFGHIJKLMNOOPQRSTUVWXYZ");
    for (const int n : posities)
        EXPECT_NEAR(n, 4000 * 12 / 32.0, 200) << "draws per sector";
    VasteReeks vast({0.0});
    EXPECT_TRUE(kiesQuizLetters(vast)[11].positie == 1 && vast.reseeds == 12);
    EXPECT_TRUE(quizLetterAfdruk(6, 'B', {}).wit == (DrukPunt{419, 0})
                && quizLetterAfdruk(7, 'B', {}).wit == (DrukPunt{19, 80}) && quizLetterAfdruk(1, 'I', {}).wit.x == 26
                && quizLetterAfdruk(12, 'W', {}).wit == (DrukPunt{409, 80}));
}

// In order: fewer than two characters (as typed, and without the outer blanks) is too short; the
// same word in any case is a repetition, named in capitals; then each character must take a drawn
// letter of its own (slot 0 is none). An accepted word is kept without outer blanks, as typed.
TEST(WoordInvoer, AWordIsJudgedOnLengthThenRepetitionThenTheDrawnLetters)
{
    using U = InvoerUitslag;
    const std::string pool = "KATBEOPRSLNI";
    // clang-format off
    const std::tuple<const char *, std::string, U, const char *> gevallen[] = {
        {"k", pool, U::TeKort, ""}, {" a", pool, U::TeKort, ""}, {"   ", pool, U::TeKort, ""}, {"\xC3\xA9", pool, U::TeKort, ""},
        {"  kAT ", pool, U::AlInLijst, "KAT"}, {"kat", "", U::AlInLijst, "KAT"}, {"   Kater  ", pool, U::Geaccepteerd, "Kater"},
        {"katbeoprslni", pool, U::Geaccepteerd, "katbeoprslni"}, {"aap", "KATAEOPRSLNI", U::Geaccepteerd, "aap"},
        {"aap", pool, U::LettersNietBeschikbaar, ""}, {"kast", "KATBEOPRLNI", U::LettersNietBeschikbaar, ""},
        {"k4t", pool, U::LettersNietBeschikbaar, ""}, {"ka t", pool, U::LettersNietBeschikbaar, ""},
        {"k\xC3\xA9t", pool, U::LettersNietBeschikbaar, ""}, {"k\xC3t", pool, U::LettersNietBeschikbaar, ""}};
    // clang-format on
    for (const auto &[getypt, getrokken, uitslag, woord] : gevallen) {
        std::array<std::string, 13> letters{"S"};
        for (std::size_t k = 0; k < getrokken.size(); ++k)
            letters[k + 1] = getrokken.substr(k, 1);
        const WoordBeoordeling b = beoordeelWoord(getypt, {"pet", "Kat"}, letters);
        EXPECT_TRUE(b.uitslag == uitslag && b.woord == woord) << getypt << " / " << getrokken << ": " << b.woord;
    }
}

// The countdown: minutes and seconds left, at least two digits each, and a blank; below zero
// shows zero. A quiz time below 1 second would never end, as the countdown stops only on 0. The
// delete question names what follows the score and " - " (behind five digits too), or from the
// eighth character on for an entry of a damaged file, whole characters only; "..." for none. A
// word list whose file name gives no word length shows only the count. A number typed by the user
// has an optional sign, digits, a fraction after "." or "," rounded half to even (below zero too),
// blanks around; anything else, or a result outside 32 bits, is no number. A page count on top of
// that has no sign and runs from 0 to 255.
TEST(Teksten, TimeQuestionsCountsAndTypedNumbersFollowTheirRules)
{
    EXPECT_EQ(QuizTijdTekst(179) + QuizTijdTekst(6000) + QuizTijdTekst(-61), "02:59 100:00 00:00 ");
    EXPECT_TRUE(isBruikbareQuizTijd(1) && !isBruikbareQuizTijd(0));
    // clang-format off
    for (const auto &[regel, naam] : std::map<std::string, std::string>{{"0123 - Twee", "Twee"},
             {"0007 - Jan - Piet", "Jan - Piet"}, {"0007 -   Jan ", "  Jan "}, {"12345 - L", "L"}, {"-005 - Min", "Min"},
             {"", "..."}, {"0007 - ", "..."}, {"abcdefghij", "hij"}, {"\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00EBn", "\u00EBn"}})
        EXPECT_EQ(ScoreVerwijderVraag(regel), "Wilt u '" + naam + "' verwijderen uit de lijst?") << regel;
    // clang-format on
    EXPECT_EQ(AantalWoordenTekst(5230, 5) + ", " + AantalWoordenTekst(12, std::nullopt),
              "5230 Woorden van 5 Letters, 12 Woorden");
    const std::nullopt_t geen = std::nullopt;
    // clang-format off
    for (const auto &[tekst, getal] : std::map<std::string, std::optional<std::int32_t>>{{"135", 135}, {"007", 7},
             {"\t60\r\n", 60}, {"+15", 15}, {"-15", -15}, {"-2147483648", INT32_MIN}, {"0000000000002147483647", INT32_MAX},
             {"150.5", 150}, {"151,5", 152}, {"0,49999", 0}, {"150.51", 151}, {"150.5000000000000000001", 151}, {".5", 0},
             {"150.", 150}, {"-2.5", -2}, {"-3.5", -4}, {"-0.6", -1}, {"2147483646.6", INT32_MAX}, {"", geen}, {"12a", geen},
             {"1 2", geen}, {"1.2.3", geen}, {"1,5.0", geen}, {".", geen}, {"-", geen}, {"+-5", geen}, {"1e3", geen},
             {"2147483648", geen}, {"-2147483649", geen}, {"99999999999999999999", geen}, {"2147483647.5", geen}})
        EXPECT_EQ(wholeNumberFromText(tekst), getal) << '"' << tekst << '"';
    for (const auto &[tekst, aantal] : std::map<std::string, std::optional<int>>{{"0", 0}, {"255", 255}, {" 12 ", 12},
             {"3,5", 4}, {"254.9", 255}, {"256", geen}, {"255.5", geen}, {"-0", geen}, {"+3", geen}, {"twee", geen}})
        EXPECT_EQ(pageCountFromText(tekst), aantal) << '"' << tekst << '"';
    // clang-format on
}

// Every letter has a name of its own, said after the letter and "van"; the names begin with the
// letter's sound, so respellings keep to it (C and Q sound as K, X as Ks).
TEST(Roepnamen, EveryLetterIsCalledWithANameOfItsOwnAndTheResultCountsItsPoints)
{
    std::set<std::string> namen;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string zin = roepZin(letter);
        const std::size_t van = zin.find(" van ");
        ASSERT_NE(van, std::string::npos) << zin;
        const std::string naam = zin.substr(van + 5);
        const std::string klank = letter == 'C' || letter == 'Q' ? "K" : letter == 'X' ? "Ks" : std::string(1, letter);
        EXPECT_EQ(naam.substr(0, klank.size()), klank) << zin;
        EXPECT_EQ(std::toupper(zin[van - 1]), letter) << zin; // "B", "Es"
        namen.insert(naam);
        EXPECT_EQ(roepZin(char(letter - 'A' + 'a')), zin);
    }
    EXPECT_EQ(namen.size(), 26u);
    EXPECT_EQ(roepZin('@') + roepZin('['), "");
    EXPECT_EQ(uitslagZin("Anna", 54) + " / " + uitslagZin("Piet", 1) + " / " + uitslagZin("", 0),
              "Anna, 54 punten / Piet, 1 punt / 0 punten");
}

// "5 Maart 2026 / 9:07:03": day and hour without a leading zero, minutes and seconds with two
// digits, the month by its Dutch name; the clock carries midnight into the next day and year.
TEST(KlokTekst, ShowsTheDayTheDutchMonthTheYearAndTheTime)
{
    ManualClock klok({2025, 12, 31, 23, 59, 59});
    EXPECT_EQ(KlokTekst(klok.now()), "31 December 2025 / 23:59:59");
    klok.advance(1.0);
    EXPECT_EQ(KlokTekst(klok.now()), "1 Januari 2026 / 0:00:00");
    const char *namen[] = {"Januari", "Februari", "Maart",     "April",   "Mei",      "Juni",
                           "Juli",    "Augustus", "September", "Oktober", "November", "December"};
    for (int maand = 1; maand <= 12; ++maand) {
        klok.set({2026, maand, 5, 9, 7, 3});
        EXPECT_EQ(KlokTekst(klok.now()), "5 " + std::string(namen[maand - 1]) + " 2026 / 9:07:03");
    }
}
