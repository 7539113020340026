// The program's files: Alfabolotto.ini, Scorelijst.lib and the word lists Woord-<n>.lst, all
// Windows-1252 with CR LF, read as comma-delimited fields. Their formats and damaged files, very big
// files, the lists that ship with the program, the quiz's lookup in them; random bytes thrown at
// every reader; saves that never finish or fail (a kill halfway, a full disk, no room for the file).
//
// How many random inputs each reader gets, and how many saves the kill test interrupts: a fixed
// count by default, small enough for every build; with ALFABO_FUZZ_SECONDEN=<seconds> in the
// environment each one runs that long instead:
//   ALFABO_FUZZ_SECONDEN=120 core_tests --gtest_filter='Random*'
// The inputs come from fixed seeds either way, so case n is the same input in every run and a
// failure found in a long run repeats in a short one. The figures go to stdout for the build logs.

// GCC 12 warns falsely inside std::regex when built with the sanitizers.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include "TijdelijkeMap.h"

#include "support/GroteWoordenlijst.h"

#include "core/Algemeen.h"
#include "core/bestanden/DelimitedText.h"
#include "core/bestanden/Instellingen.h"
#include "core/bestanden/LetterCase.h"
#include "core/bestanden/Windows1252.h"
#include "core/quiz/ScoreLijst.h"
#include "core/quiz/WoordLijst.h"
#include "core/quiz/WoordScore.h"
#include "core/RandomSource.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <regex>
#include <sched.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;
namespace fs = std::filesystem;

namespace {

using Regels = std::vector<std::string>;

const std::string Kop = "\"Kwartelhoven Software 2017\"\r\n\"--------------------------\"\r\n";

// Alfabolotto.ini: the two header lines, the advertisement text, the colour, the quiz seconds.
std::string ini(const std::string &reclame, const std::string &kleur = "150,150,150", int seconden = 150)
{
    return Kop + "\"" + reclame + "\"\r\n" + kleur + "\r\n" + std::to_string(seconden) + "\r\n";
}

} // namespace

// A read stops at the first missing field or number out of its range: what came before stays,
// the rest keeps its start value, and the file is written anew at once, all five lines (so a
// first start creates it). A complete file is left alone, whatever its header lines hold. The
// text is one quoted field in Windows-1252, quotes doubled.
TEST(Instellingen, AFileIsReadUpToItsFirstFaultAndThenWrittenWhole)
{
    const std::string z = "\"a\"\r\n\"b\"\r\n\"Zaal\"\r\n", web = "www.alfabolotto.nl";
    // clang-format off
    const std::tuple<const char *, std::optional<std::string>, bool, std::string> gevallen[] = {
        {"first start", std::nullopt, false, ini(web)},
        {"other headers, LF only", "\"x\"\n\"y\"\n\"Bingo, Zaal 2\"\n10,20,30\n95\n", true, ini("Bingo, Zaal 2", "10,20,30", 95)},
        {"signs and blanks around numbers", z + " +10 , -0 ,7\r\n -5 \r\n", true, ini("Zaal", "10,0,7", -5)},
        {"quotes and Windows-1252", ini(" \"\"Caf\xE9\"\", \x80 \x93 "), true, ini(" \"\"Caf\xE9\"\", \x80 \x93 ")},
        {"ends after line 3", z, false, ini("Zaal")},
        {"letters for green", z + "10,groen,30\r\n99\r\n", false, ini("Zaal", "10,150,150")},
        {"blue out of range", z + "10,20,300\r\n99\r\n", false, ini("Zaal", "10,20,150")},
        {"seconds with a fraction", z + "1,2,3\r\n9.5\r\n", false, ini("Zaal", "1,2,3")},
        {"seconds with two signs", z + "1,2,3\r\n+-3\r\n", false, ini("Zaal", "1,2,3")},
        {"seconds beyond 32 bits", z + "1,2,3\r\n99999999999\r\n", false, ini("Zaal", "1,2,3")},
        {"seconds beyond 64 bits", z + "1,2,3\r\n99999999999999999999\r\n", false, ini("Zaal", "1,2,3")},
        {"empty file", "", false, ini(web)},
        {"binary noise", std::string("\x00\x13\"\r\n,,", 7), false, ini("")}};
    // clang-format on
    for (const auto &[naam, inhoud, heel, verwacht] : gevallen) {
        TempDir dir;
        if (inhoud)
            schrijf(dir.file("a.ini"), *inhoud);
        Algemeen state;
        state.zetStartwaarden();
        EXPECT_TRUE((LaadInstellingen(state, dir.file("a.ini")) == InstellingenLezen::Gelezen) == heel
                    && lees(dir.file("a.ini")) == (heel ? *inhoud : verwacht))
            << naam;
        EXPECT_TRUE(BewaarInstellingen(state, dir.file("b.ini")) && lees(dir.file("b.ini")) == verwacht) << naam;
    }
}

// An entry is the score with zeros to four digits (more digits in full; a negative score keeps
// four characters, the minus in front of the zeros), " - " and the name exactly as given. The
// list is ascending by score as a number (five digits above 9999, -42 below -5, although their
// texts sort the other way), equal scores by name ignoring case, a new equal entry after the
// others; shown highest first. Removing takes the first entry of exactly the text given. A
// missing file gives an empty list and creates nothing; an empty list saves the header lines.
TEST(ScoreLijst, KeepsScoreThenNameOrderOnDiskShowsHighestFirstAndRemovesExactly)
{
    TempDir dir;
    ScoreLijst lijst;
    lijst.VoegScoreToe(1, "Oud");
    EXPECT_TRUE(!lijst.LaadScorelijst(dir.file("s.lib")) && lijst.isEmpty() && dir.count() == 0);
    // clang-format off
    for (const auto &[score, naam] : std::initializer_list<std::pair<int, const char *>>{{50, "bert"}, {12345, "Vijf"},
             {50, "Anna"}, {9999, "Vier"}, {-42, "Min"}, {50, "ANNA"}, {-5, "M"}, {-5, "M"}, {0, ""}, {54, "  Jan  "},
             {-1234, "M"}, {INT32_MAX, "Max"}, {INT32_MIN, "Min"}, {7, "\"Een\", en"}, {123, "Twee"}})
        lijst.VoegScoreToe(score, naam);
    Regels oplopend = {"-2147483648 - Min", "-1234 - M", "-042 - Min", "-005 - M", "-005 - M", "0000 - ",
        "0007 - \"Een\", en", "0050 - Anna", "0050 - ANNA", "0050 - bert", "0054 -   Jan  ", "0123 - Twee", "9999 - Vier",
        "12345 - Vijf", "2147483647 - Max"};
    // clang-format on
    std::string bestand = Kop;
    for (const std::string &regel : oplopend)
        bestand += "\"" + std::regex_replace(regel, std::regex("\""), "\"\"") + "\"\r\n";
    EXPECT_TRUE(lijst.BewaarScorelijst(dir.file("s.lib")) && lees(dir.file("s.lib")) == bestand)
        << lees(dir.file("s.lib"));
    EXPECT_EQ(lijst.descending(), Regels(oplopend.rbegin(), oplopend.rend()));
    EXPECT_TRUE(!lijst.remove("0050 - anna") && lijst.remove("0050 - ANNA") && lijst.remove("-005 - M"));
    oplopend.erase(oplopend.begin() + 8);
    oplopend.erase(oplopend.begin() + 3);
    EXPECT_EQ(lijst.ascending(), oplopend);
    lijst.removeAll();
    EXPECT_TRUE(lijst.isEmpty() && lijst.BewaarScorelijst(dir.file("s.lib")) && lees(dir.file("s.lib")) == Kop);
}

// The same damaged files through both list readers. The high-score list skips the two header
// fields whatever they hold and keeps every further non-empty field as an entry, in sorted place,
// equal entries in their order in the file; the word list keeps every non-empty field, in lower
// case and sorted. Quotes go, blanks inside them stay; blanks around a bare field go.
TEST(Lijsten, ADamagedFileKeepsWhatCouldBeRead)
{
    // clang-format off
    const std::tuple<std::string, Regels, Regels> gevallen[] = {{"", {}, {}}, {"KAT\r\nMUIS", {}, {"kat", "muis"}},
        {"\"x\"\r\n\"y\"\r\n\"0007 - Een\"\r\n", {"0007 - Een"}, {"0007 - een", "x", "y"}},
        {"\"a\",b\r\n\"0123 - Twee\"\r\n\"0007 - Een\"\r\n\"0045 - Dr", {"0007 - Een", "0045 - Dr", "0123 - Twee"},
            {"0007 - een", "0045 - dr", "0123 - twee", "a", "b"}},
        {"h1,h2,0001 - a,,  ,\r\n\r\n 0002 - b \t\r\n\"\"", {"0001 - a", "0002 - b"}, {"0001 - a", "0002 - b", "h1", "h2"}},
        {"h1\nh2\r\"0003 - c\"\n\" 0001 - a \"\r", {" 0001 - a ", "0003 - c"}, {" 0001 - a ", "0003 - c", "h1", "h2"}},
        {Kop + "\"0005 - e\"xyz\r\n\"hallo\"\r\n", {"hallo", "0005 - e"}, {"--------------------------", "0005 - e", "hallo",
            "kwartelhoven software 2017"}},
        {Kop + "\"0001 - \x81\x8D \x80 \x93\"\r\n\"0010 - JAN\"\r\n\"0009 - x\"\r\n\"0010 - jan\"\r\n",
            {"0001 - \u0081\u008D \u20AC \u201C", "0009 - x", "0010 - JAN", "0010 - jan"},
            {"--------------------------", "0001 - \u0081\u008D \u20AC \u201C", "0009 - x", "0010 - jan", "0010 - jan",
            "kwartelhoven software 2017"}}};
    // clang-format on
    for (const auto &[inhoud, regels, woorden] : gevallen) {
        TempDir dir;
        schrijf(dir.file("lijst"), inhoud);
        ScoreLijst scores;
        WoordLijst lijst;
        EXPECT_TRUE(scores.LaadScorelijst(dir.file("lijst")) && scores.ascending() == regels) << inhoud;
        EXPECT_TRUE(lijst.LaadWoordenlijst(dir.file("lijst")) && lijst.words() == woorden) << inhoud;
    }
}

// Accented letters after z, in the order of their codes; a word added twice is kept twice.
// Written bare, a word starting with a quote would swallow the words after it on the next read
// and a comma would split it: quoted, they read back as they were. Blanks in front are written
// but dropped by the next read, like all blanks around a bare word. A missing file gives an
// empty list, which saves an empty file. A list's word length is the seventh character (not byte)
// of its file name, a 1 there standing for 9. Letter case maps every letter Windows-1252 holds in both cases; signs
// in the Latin-1 letter block, letters without a partner (ß, µ), other scripts and broken UTF-8
// stay as they are.
TEST(WoordLijst, ShowsLowerCaseSortedAndSavesUpperCaseWordsThatReadBack)
{
    TempDir dir;
    WoordLijst lijst, gelezen;
    lijst.add("oud");
    EXPECT_TRUE(!lijst.LaadWoordenlijst(dir.file("w.lst")) && lijst.isEmpty()
                && lijst.BewaarWoordenlijst(dir.file("w.lst")) && lees(dir.file("w.lst")).empty());
    schrijf(dir.file("w.lst"), "Zebra\r\naap\r\nHOND\r\n\xC9\xC9N\r\n");
    EXPECT_TRUE(lijst.LaadWoordenlijst(dir.file("w.lst"))
                && lijst.words() == (Regels{"aap", "hond", "zebra", "\u00E9\u00E9n"}));
    EXPECT_TRUE(lijst.add("Kat") == 2u && lijst.add("KAT") == 3u && !lijst.add(" \t ") && lijst.remove(0)
                && !lijst.remove(lijst.count()));
    for (const char *woord : {"\"gat", "a,b", "mui\"s", "  ui"})
        lijst.add(woord);
    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("w.lst")) && gelezen.LaadWoordenlijst(dir.file("w.lst")));
    EXPECT_EQ(lees(dir.file("w.lst")),
              "  UI\r\n\"\"\"GAT\"\r\n\"A,B\"\r\nHOND\r\nKAT\r\nKAT\r\n\"MUI\"\"S\"\r\nZEBRA\r\n\xC9\xC9N\r\n");
    EXPECT_EQ(gelezen.words(),
              (Regels{"\"gat", "a,b", "hond", "kat", "kat", "mui\"s", "ui", "zebra", "\u00E9\u00E9n"}));
    // clang-format off
    for (const auto &[naam, lengte] : std::map<std::string, std::optional<int>>{{"Woord-2.lst", 2}, {"Woord-1.lst", 9},
             {"Woord-10.lst", 9}, {"W\u00F6\u00F6rd-4.lst", 4}, {"Woord-0.lst", {}}, {"abc.lst", {}}, {"Woord-", {}}})
        EXPECT_EQ(WoordLengte(naam), lengte) << naam;
    // clang-format on
    EXPECT_TRUE(LijstBestanden(dir.file("ontbreekt")).empty());
    const std::string hoog = "KAT \u00C0\u00C9\u00CE\u00D5\u00DC\u00C7\u00D1\u00DE\u0160\u0152\u017D\u0178",
                      laag = "kat \u00E0\u00E9\u00EE\u00F5\u00FC\u00E7\u00F1\u00FE\u0161\u0153\u017E\u00FF",
                      blijft = "\u00D7\u00F7\u00DF\u00B5\u4E2D\u0391\U0001F600 12,\"-_\xFF\xC3\xC3(\xE2\x82";
    EXPECT_TRUE(toLowerCase(hoog + blijft) == laag + blijft && toUpperCase(laag + blijft) == hoog + blijft);
}

// Every quiz word looked up in the list of its length (the whole line, any case, blanks count,
// LF alone ends a line, accents compare in Windows-1252): V and its points, or X and none; a
// missing list counts as not found and is named once in the message. The points are the sum of
// the letter values, lower case as upper case, anything outside A-Z 0: the whole alphabet catches
// a wrong value for any one letter, and the values display says the same, pair by pair.
TEST(WoordScore, FoundWordsScoreTheirLetterValuesAndMissingListsAreNamedOnce)
{
    TempDir map;
    schrijf(map.file("Woord-3.lst"), "AAP\r\nkat \r\nRAT\r\n");
    schrijf(map.file("Woord-4.lst"), "boom\nQUIZ\r\nCAF\xC9");
    schrijf(map.file("Woord-5.lst"), " kater\r\n");
    Algemeen state;
    state.vulLetterWaarde();
    // clang-format off
    for (const auto &[woord, punten] : std::map<std::string, int>{{"KAT", 7}, {"kat", 7}, {"QUIZ", 22}, {"", 0},
             {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 109}, {"k\xC3\xA9t", 6}, {"a-b", 4}})
        EXPECT_EQ(woordPunten(woord, state.LetterWaarde), punten) << woord;
    // clang-format on
    const std::string tekst = WaardeTekst;
    const std::regex paar("([A-Z]) += (\\d)");
    int paren = 0;
    for (std::sregex_iterator p(tekst.begin(), tekst.end(), paar), einde; p != einde; ++p, ++paren)
        EXPECT_EQ(state.LetterWaarde[std::size_t((*p)[1].str()[0])], std::stoi((*p)[2])) << (*p)[0];
    EXPECT_EQ(paren, 26);
    const Regels woorden = {"aap",  "Quiz",   "kat",   "rAt",    "kater",  "caf\u00E9",
                            "BOOM", "zesjes", "hoofd", "zesjes", "vijftig"};
    const auto uitslag = ControleerWoorden(woorden, map.pad.string(), state.LetterWaarde);
    std::string markeringen;
    for (const WoordControle &w : uitslag.woorden)
        markeringen += w.markering() + w.puntenTekst() + " ";
    EXPECT_EQ(markeringen, "V7 V22 X V8 X V9 V12 X X X X ");
    EXPECT_TRUE(uitslag.totaal == 58 && uitslag.ontbrekendeLijsten == (std::vector<int>{6, 7}));
    const std::string slot = " in de map Data.\r\nWoorden van die lengte zijn als niet gevonden (X) geteld.";
    EXPECT_EQ(ontbrekendeLijstenMelding({4}), "De woordenlijst Woord-4.lst ontbreekt" + slot);
    EXPECT_EQ(ontbrekendeLijstenMelding({4, 5, 7}) + ontbrekendeLijstenMelding({}),
              "De woordenlijsten Woord-4.lst, Woord-5.lst en Woord-7.lst ontbreken" + slot);
}

// A million words: loaded, written back byte for byte and searched at both ends, in the middle and
// past its end.
// A text of 100,000 characters, with a quote, a comma and characters Windows-1252 lacks (Chinese, an
// emoji of four UTF-8 bytes; each stored as one "?"), in the settings (the high-score list goes
// through the same reader and writer).
TEST(GroteBestanden, AListOfAMillionWordsAndTextsOfAHundredThousandCharacters)
{
    constexpr std::size_t Miljoen = 1000000;
    TempDir dir;
    const std::string map = dir.pad.string(), inhoud = groteWoordenlijst(Miljoen), lang = std::string(100000, 'x');
    schrijf(dir.file("Woord-9.lst"), inhoud);
    WoordLijst lijst;
    ASSERT_TRUE(lijst.LaadWoordenlijst(dir.file("Woord-9.lst")) && lijst.count() == Miljoen);
    EXPECT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-9.lst")) && lees(dir.file("Woord-9.lst")) == inhoud);
    for (const std::size_t i : {std::size_t(0), Miljoen / 3, Miljoen - 1})
        EXPECT_EQ(ZoekWoord(map, toLowerCase(groteLijstWoord(i))), ZoekUitslag::Gevonden) << i;
    EXPECT_EQ(ZoekWoord(map, "ZZZZZZZZZ"), ZoekUitslag::NietGevonden);
    Algemeen instellingen, gelezen;
    instellingen.ReclameTekst = "\"\u4E2D" + lang + ",\U0001F600";
    EXPECT_TRUE(BewaarInstellingen(instellingen, dir.file("a.ini"))
                && LaadInstellingen(gelezen, dir.file("a.ini")) == InstellingenLezen::Gelezen
                && lees(dir.file("a.ini")) == ini("\"\"?" + lang + ",?")
                && gelezen.ReclameTekst == "\"?" + lang + ",?");
}

// The lists shipped in assets/Data: one per length 2..9, upper case A-Z only, sorted without
// repeats, every line ended by CR LF (so the editor writes each back byte for byte), about a
// hundred thousand words in all.
TEST(WoordenlijstenData, EveryListIsSortedUpperCaseOfItsLengthWithCrLf)
{
    TempDir dir;
    std::size_t totaal = 0;
    for (std::size_t n = 2; n <= 9; ++n) {
        const std::string pad = std::string(ALFABO_SOURCE_DIR) + "/assets/Data/Woord-" + std::to_string(n) + ".lst";
        WoordLijst lijst;
        ASSERT_TRUE(lijst.LaadWoordenlijst(pad) && lijst.BewaarWoordenlijst(dir.file("w"))
                    && lees(dir.file("w")) == lees(pad) && !lijst.isEmpty()
                    && std::adjacent_find(lijst.words().begin(), lijst.words().end()) == lijst.words().end());
        for (const std::string &woord : lijst.words())
            ASSERT_TRUE(woord.size() == n && woord.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
                << woord;
        totaal += lijst.count();
    }
    EXPECT_TRUE(totaal > 90000 && totaal < 130000) << totaal;
}

namespace {

// Runs check for case n = 0, 1, ... until the budget is spent or a check fails; returns how many
// ran and in how many seconds. A crash never gets to the printed line.
std::pair<long, double> fuzz(const char *lezer, long aantal, bool print, const std::function<void()> &check)
{
    const double seconden = std::getenv("ALFABO_FUZZ_SECONDEN") ? std::atof(std::getenv("ALFABO_FUZZ_SECONDEN")) : 0.0;
    const auto start = std::chrono::steady_clock::now();
    const auto duur = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    long n = 0;
    for (; !::testing::Test::HasFailure() && (seconden > 0 ? n % 64 != 0 || duur() < seconden : n < aantal); ++n) {
        SCOPED_TRACE(std::string(lezer) + ", case " + std::to_string(n));
        check();
    }
    if (print)
        std::printf("[fuzz] %-34s %9ld inputs in %7.2f s (%s), crashes: none\n", lezer, n, duur(),
                    seconden > 0 ? "ALFABO_FUZZ_SECONDEN" : "default count");
    std::fflush(stdout);
    return {n, duur()};
}

// Mostly the characters that steer the readers, so quotes, separators and line ends meet in
// every combination; now and then any byte at all. For text on its way to a file: ASCII, lead
// bytes and continuation bytes that join into characters of Windows-1252 and beyond, and into
// overlong forms, surrogates, values past U+10FFFF and pieces of characters.
constexpr std::string_view Stukken = "\"\",\r\n\r\n  \t0123456789-+aZkA\xE9\xC9\x80\x81\xFF";
constexpr std::string_view Utf8Stukken = "a\",?\x7F\xC0\xC2\xC3\xC5\xC6\xCB\xE0\xE2\xE4\xED\xEF\xF0\xF4\xF5"
                                         "\x80\x81\x82\x84\x86\x8F\x90\x92\x93\x98\x9C\x9F\xA0\xA2\xAC\xB8\xBD\xBF";

std::string willekeurig(RandomSource &random, int langste = 400, std::string_view stukken = Stukken)
{
    std::string uit(std::size_t(random.nextInRange(langste + 1) - 1), ' ');
    for (char &c : uit)
        c = random.nextInRange(10) == 1 ? char(random.nextInRange(256) - 1)
                                        : stukken[random.nextInRange(int(stukken.size())) - 1];
    return uit;
}

// What a text must become in a file: each character that a byte of a file reads as becomes that
// byte, every other character, and every byte that starts no character of strict UTF-8 (cut
// short, overlong, a surrogate, past U+10FFFF), one "?".
std::string alsBestand(std::string_view t, bool &past)
{
    static std::map<std::string, char, std::less<>> bytes;
    for (int b = 0; bytes.size() < 256; ++b)
        bytes.emplace(vanWindows1252(std::string(1, char(b))), char(b));
    std::string uit;
    past = true;
    for (std::size_t i = 0, n = 1; i < t.size(); i += std::max<std::size_t>(n, 1)) {
        const auto b = [&](std::size_t k) -> char32_t { return i + k < t.size() ? (unsigned char)t[i + k] : 0; };
        n = b(0) < 0x80 ? 1 : b(0) < 0xC2 ? 0 : b(0) < 0xE0 ? 2 : b(0) < 0xF0 ? 3 : b(0) < 0xF5 ? 4 : 0;
        char32_t code = b(0) & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k)
            code = (b(k) & 0xC0) == 0x80 ? (code << 6) | (b(k) & 0x3F) : 0x110000;
        const char32_t kleinste[] = {0, 0, 0x80, 0x800, 0x10000};
        n = code < kleinste[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ? 0 : n;
        const auto byte = n ? bytes.find(t.substr(i, n)) : bytes.end();
        past = past && byte != bytes.end();
        uit += byte != bytes.end() ? byte->second : '?';
    }
    return uit;
}

// The quiz's matching read the plain way: lines cut at LF, one CR dropped at a line's end, whole
// lines compared in upper case through the program's own conversion and letter case.
bool regelVoorRegel(std::string_view lijst, std::string_view woord)
{
    bool gevonden = false;
    for (std::size_t begin = 0, einde = 0; einde != std::string_view::npos && !gevonden; begin = einde + 1) {
        const std::string_view regel = lijst.substr(begin, (einde = lijst.find('\n', begin)) - begin);
        gevonden = toUpperCase(vanWindows1252(regel.substr(0, regel.size() - regel.ends_with('\r'))))
            == toUpperCase(vanWindows1252(woord));
    }
    return gevonden;
}

} // namespace

// Each reader with what must hold for every input; the file round trips also run the atomic save
// with its flush to disk, in a folder in memory.
TEST(RandomInput, EveryReaderKeepsItsRulesOnRandomInput)
{
    TempDir dir(true);
    SeededRandom random(20170611), grenzen(7);
    // The reader always moves on and ends: every field takes at least one byte.
    fuzz("delimited reader", 20000, true, [&] {
        const std::string input = willekeurig(random);
        DelimitedReader reader(input);
        for (std::size_t velden = 0, verder = 1; verder; ++velden) {
            ASSERT_LE(velden, input.size()) << "the reader did not come to an end";
            const std::int64_t laag = grenzen.nextInRange(600) - 300, hoog = laag + grenzen.nextInRange(600);
            const bool getal = grenzen.nextInRange(3) == 1, voorbij = reader.atEnd();
            const auto waarde = getal ? reader.readInteger(laag, hoog) : std::nullopt;
            verder = getal ? !voorbij : reader.readField().has_value();
            ASSERT_TRUE(!waarde || (*waarde >= laag && *waarde <= hoog));
        }
        ASSERT_TRUE(reader.atEnd() && !reader.readField());
    });
    // Every byte of a file reads as a character of its own and is written back as the same byte.
    fuzz("Windows-1252 file bytes", 20000, true, [&] {
        const std::string bytes = willekeurig(random), utf8 = vanWindows1252(bytes);
        bool past = false;
        ASSERT_TRUE(alsBestand(utf8, past) == bytes && past && pastInWindows1252(utf8)
                    && naarWindows1252(utf8) == bytes);
    });
    fuzz("Windows-1252 text to file", 20000, true, [&] {
        const std::string tekst = willekeurig(random, 60, Utf8Stukken);
        bool past = false;
        ASSERT_EQ(naarWindows1252(tekst), alsBestand(tekst, past));
        ASSERT_EQ(pastInWindows1252(tekst), past);
    });
    // Directly and through the file of the word's length, for words cut from the list itself and
    // made up; now and then a small list of few letters, where words often nearly match. A word
    // never holds a line break: it is one line of the quiz's entry box.
    fuzz("quiz lookup (Woord-<n>.lst)", 4000, true, [&] {
        const std::string_view stukken = random.nextInRange(3) == 1 ? "aAbB \r\n" : Stukken;
        const std::string lijst = willekeurig(random, stukken.size() < 10 ? 30 : 2000, stukken);
        std::string woord = !lijst.empty() && random.nextInRange(2) == 1
            ? lijst.substr(random.nextInRange(int(lijst.size())) - 1, random.nextInRange(12))
            : willekeurig(random, 12, stukken);
        woord = woord.substr(0, woord.find_first_of("\r\n"));
        woord = woord.empty() ? "KAT" : woord;
        const bool verwacht = regelVoorRegel(lijst, woord);
        schrijf(woordLijstPad(dir.pad.string(), int(woord.size())), lijst);
        ASSERT_EQ(staatInLijst(lijst, woord), verwacht);
        ASSERT_EQ(ZoekWoord(dir.pad.string(), vanWindows1252(woord)),
                  verwacht ? ZoekUitslag::Gevonden : ZoekUitslag::NietGevonden);
    });
    fuzz("high-score list (Scorelijst.lib)", 4000, true, [&] {
        schrijf(dir.file("s.lib"), willekeurig(random));
        ScoreLijst lijst, gelezen;
        ASSERT_TRUE(lijst.LaadScorelijst(dir.file("s.lib")));
        const auto &regels = lijst.ascending();
        ASSERT_TRUE(std::is_sorted(regels.begin(), regels.end(),
                                   [](const auto &a, const auto &b) { return compareScoreRegels(a, b) < 0; }));
        ASSERT_EQ(std::count(regels.begin(), regels.end(), ""), 0);
        ASSERT_TRUE(lijst.BewaarScorelijst(dir.file("s.lib")) && gelezen.LaadScorelijst(dir.file("s.lib")));
        ASSERT_EQ(gelezen.ascending(), regels);
    });
    // The editor's own files read back as they were written, but for the blanks around a bare
    // word, which the reader drops (a word of blanks only is then gone).
    fuzz("word-list editor (*.lst)", 4000, true, [&] {
        schrijf(dir.file("w.lst"), willekeurig(random));
        WoordLijst lijst, gelezen;
        ASSERT_TRUE(lijst.LaadWoordenlijst(dir.file("w.lst")));
        ASSERT_TRUE(std::is_sorted(lijst.words().begin(), lijst.words().end(), LessIgnoringCase()));
        Regels verwacht;
        for (const std::string &woord : lijst.words()) {
            ASSERT_TRUE(!woord.empty() && toLowerCase(woord) == woord) << woord;
            const bool bloot = woord.find_first_of(",\"\r\n") == std::string::npos;
            const auto begin = woord.find_first_not_of(" \t");
            if (!bloot || begin != std::string::npos)
                verwacht.push_back(bloot ? woord.substr(begin, woord.find_last_not_of(" \t") - begin + 1) : woord);
        }
        std::sort(verwacht.begin(), verwacht.end(), LessIgnoringCase());
        ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("w.lst")) && gelezen.LaadWoordenlijst(dir.file("w.lst")));
        // Saved bytes that happen to be valid UTF-8 (a capital with an accent before a sign
        // such as the euro) are read as UTF-8, as a file from a text editor would be.
        const std::string bytes = lees(dir.file("w.lst"));
        if (vanBestandsTekst(bytes) == vanWindows1252(bytes)) {
            ASSERT_EQ(gelezen.words(), verwacht);
        }
    });
    // The colour stays in range, and the file rewritten after a fault is complete.
    fuzz("settings (Alfabolotto.ini)", 4000, true, [&] {
        schrijf(dir.file("a.ini"), willekeurig(random));
        Algemeen eerst, weer;
        LaadInstellingen(eerst, dir.file("a.ini"));
        const auto [r, g, b] = eerst.LetterKleur;
        ASSERT_TRUE(std::min({r, g, b}) >= 0 && std::max({r, g, b}) <= 255);
        // A text read as UTF-8 keeps, once rewritten, only what Windows-1252 can hold.
        const std::string bytes = lees(dir.file("a.ini"));
        const bool eenduidig = vanBestandsTekst(bytes) == vanWindows1252(bytes);
        ASSERT_TRUE(LaadInstellingen(weer, dir.file("a.ini")) == InstellingenLezen::Gelezen
                    && weer.LetterKleur == eerst.LetterKleur && weer.QuizSeconden == eerst.QuizSeconden
                    && (!eenduidig || weer.ReclameTekst == vanWindows1252(naarWindows1252(eerst.ReclameTekst))));
    });
}

namespace {

using Bewaar = std::function<bool(const std::string &pad, int versie, std::string *fout)>;

// Each kind of file with two versions of its content, saved through the program's own functions.
// Version 1 is the larger, so a file cut short can never pass for it. A file with the bytes of a
// version reads as that version, so the tests compare bytes.
std::vector<std::tuple<const char *, const char *, Bewaar>> soorten(std::size_t schaal)
{
    Algemeen instellingen[2];
    ScoreLijst scores[2];
    WoordLijst woorden[2];
    for (std::size_t v = 0; v < 2; ++v) {
        instellingen[v].ReclameTekst = std::string(schaal * (2 + v), char('a' + v)) + ", met \"komma\" en \u20AC";
        for (std::size_t i = 0; i < schaal / 10 * (2 + v); ++i)
            scores[v].VoegScoreToe(std::int32_t(i), "Speler " + std::to_string(i) + (v ? " nieuw" : " oud"));
        for (std::size_t i = 0; i < schaal / 4 * (2 + v); ++i)
            woorden[v].add(groteLijstWoord(i * 2 + v));
    }
    const Bewaar a = [=](auto &pad, int v, auto fout) { return BewaarInstellingen(instellingen[v], pad, fout); };
    const Bewaar s = [=](auto &pad, int v, auto fout) { return scores[v].BewaarScorelijst(pad, fout); };
    const Bewaar w = [=](auto &pad, int v, auto fout) { return woorden[v].BewaarWoordenlijst(pad, fout); };
    return {
        {"settings", "Alfabolotto.ini", a}, {"high-score list", "Scorelijst.lib", s}, {"word list", "Woord-9.lst", w}};
}

// Saves version 1 over the file at pad, each file limited to grens bytes: the save must fail with
// a reason and leave the old file as it was, with nothing beside it but the anders other files.
void verwachtMislukt(const Bewaar &bewaar, const std::string &pad, rlim_t grens = RLIM_INFINITY, long anders = 0)
{
    const std::string oud = lees(pad);
    rlimit vorige{};
    getrlimit(RLIMIT_FSIZE, &vorige);
    const rlimit beperkt{std::min(grens, vorige.rlim_cur), vorige.rlim_max};
    const auto vorigeAfhandeling = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails
    setrlimit(RLIMIT_FSIZE, &beperkt);
    std::string reden;
    const bool bewaard = bewaar(pad, 1, &reden);
    setrlimit(RLIMIT_FSIZE, &vorige);
    std::signal(SIGXFSZ, vorigeAfhandeling);
    EXPECT_TRUE(!bewaard && !reden.empty() && lees(pad) == oud) << pad.substr(pad.size() - 20);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(pad).parent_path()), {}), 1 + anders) << "left over";
}

} // namespace

// On disk, where the flush makes up much of a save, so many kills fall between the creation of
// the temporary file and its rename: anywhere within the child's first two saves. Left-over
// temporary files hinder neither the next save nor the editor, which does not offer them as lists.
TEST(InterruptedSave, AKilledSaveLeavesTheOldOrTheNewFileWhole)
{
    SeededRandom toeval(99);
    for (const auto &[naam, bestand, bewaar] : soorten(20000)) {
        SCOPED_TRACE(naam);
        TempDir dir;
        const std::string pad = dir.file(bestand);
        std::string bytes[2];
        const auto begin = std::chrono::steady_clock::now();
        for (const int v : {0, 1})
            ASSERT_TRUE(bewaar(pad, v, nullptr) && !(bytes[v] = lees(pad)).empty());
        const double duur = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() / 2;
        ASSERT_TRUE(bytes[0].size() < bytes[1].size() && bewaar(pad, 0, nullptr));
        long oud = 0, middenIn = 0, resten = 0;
        const auto [kills, seconden] = fuzz(naam, 40, false, [&] {
            const pid_t kind = ::fork();
            if (kind == 0)
                for (int i = 1 + ::prctl(PR_SET_PDEATHSIG, SIGKILL);; ++i) // saves 1, 0, 1, ... until killed
                    bewaar(pad, i % 2, nullptr);
            ::usleep(useconds_t(toeval.nextInRange(int(1.5e6 * duur) + 1)));
            ASSERT_TRUE(kind > 0 && ::kill(kind, SIGKILL) == 0 && ::waitpid(kind, nullptr, 0) == kind);
            const std::string nu = lees(pad);
            ASSERT_TRUE(nu == bytes[0] || nu == bytes[1]) << "the file is damaged (" << nu.size() << " bytes)";
            oud += nu == bytes[0];
            middenIn += dir.count() - 1 > resten;
            resten = dir.count() - 1;
        });
        ASSERT_TRUE(bewaar(pad, 1, nullptr) && lees(pad) == bytes[1]);
        EXPECT_EQ(LijstBestanden(dir.pad.string()), Regels(std::string(bestand).ends_with(".lst"), bestand));
        std::printf("[kill] %-16s %ld kills in %.2f s during saves of %zu/%zu bytes (%.1f ms each): %ld old file, "
                    "%ld new file, 0 damaged; %ld kills in the middle of writing (temporary files left)\n",
                    naam, kills, seconden, bytes[0].size(), bytes[1].size(), duur * 1000, oud, kills - oud, middenIn);
    }
}

// Failures that strike even as root, who writes into read-only folders: the longest name a file
// may have leaves no room for the temporary file beside it; the disk fills up halfway through the
// new file (a file-size limit makes the write fail); a folder stands where the file should, so the
// rename fails. Where it can, the test also fills a real file system: a small tmpfs, mounted by a
// child in a mount namespace of its own, so nobody else sees it and it goes with the child; its
// failures show in the log and in its exit status, 77 when no file system could be mounted. With
// room again, the next save goes through.
TEST(InterruptedSave, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    for (const auto &[naam, bestand, bewaar] : soorten(100)) {
        TempDir lang, vol, map;
        schrijf(lang.file(std::string(250, 'x')), "\"oude\"\r\n\"inhoud\"\r\n");
        schrijf(vol.file(bestand), "\"oude\"\r\n\"inhoud\"\r\n");
        fs::create_directory(map.file(bestand));
        verwachtMislukt(bewaar, lang.file(std::string(250, 'x')));
        verwachtMislukt(bewaar, vol.file(bestand), 8);
        verwachtMislukt(bewaar, map.file(bestand));
        EXPECT_TRUE(fs::is_directory(map.file(bestand))) << naam;
    }
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root; the file-size limit covers a filling disk";
    TempDir dir;
    const std::string schijf = dir.file("schijf"), vuller = schijf + "/vuller", blok(4096, 'x');
    fs::create_directory(schijf);
    std::fflush(stdout);
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tmpfs", schijf.c_str(), "tmpfs", 0, "size=1m") != 0)
            ::_exit(77);
        for (const auto &[naam, bestand, bewaar] : soorten(10000)) {
            SCOPED_TRACE(naam);
            const std::string pad = schijf + "/" + bestand;
            const int fd = bewaar(pad, 0, nullptr) ? ::open(vuller.c_str(), O_WRONLY | O_CREAT, 0644) : -1;
            while (::write(fd, blok.data(), blok.size()) > 0) {}
            verwachtMislukt(bewaar, pad, RLIM_INFINITY, 1);
            const std::string oud = lees(pad);
            EXPECT_TRUE(fd >= 0 && ::close(fd) == 0 && ::unlink(vuller.c_str()) == 0 && bewaar(pad, 1, nullptr)
                        && lees(pad) != oud);
            fs::remove(pad);
        }
        std::fflush(stdout);
        ::_exit(HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_TRUE(kind > 0 && ::waitpid(kind, &status, 0) == kind && WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no mount namespace of our own or no tmpfs to mount";
    ASSERT_EQ(WEXITSTATUS(status), 0) << "see the child's failures above";
    std::printf("[full disk] settings, high-score list, word list on a full 1 MB tmpfs: old file kept, nothing "
                "left behind, next save fine\n");
}
