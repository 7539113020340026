// Random bytes thrown at every reader of the program's text files. The inputs come from a
// fixed seed, so a failure repeats; the case number in the message finds the input again.
// FuzzBudget.h says how many inputs each reader gets and how to run longer by hand.

#include "FuzzBudget.h"

#include "core/Algemeen.h"
#include "core/bestanden/DelimitedText.h"
#include "core/bestanden/Instellingen.h"
#include "core/bestanden/LetterCase.h"
#include "core/RandomSource.h"
#include "core/quiz/ScoreLijst.h"
#include "core/bestanden/Windows1252.h"
#include "core/quiz/WoordLijst.h"
#include "core/quiz/WoordZoeken.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

using namespace core;
namespace fs = std::filesystem;

namespace {

// Mostly the characters that steer the reader, so quotes, separators and line ends meet
// in every combination; now and then any byte at all.
class RandomInputs
{
public:
    explicit RandomInputs(std::uint64_t seed = 20170611) : m_random(seed) {}

    std::string next(int longest = 400)
    {
        static constexpr char Pieces[] = "\"\",\r\n\r\n  \t0123456789-+aZkA\xE9\xC9\x80\x81\xFF";
        const int length = m_random.nextInRange(longest + 1) - 1;
        std::string input;
        for (int i = 0; i < length; ++i) {
            if (m_random.nextInRange(10) == 1)
                input += char(m_random.nextInRange(256) - 1);
            else
                input += Pieces[m_random.nextInRange(int(sizeof(Pieces)) - 1) - 1];
        }
        return input;
    }
    RandomSource &random() { return m_random; }

private:
    SeededRandom m_random;
};

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF. Returns the
// length of the character at i, or 0 when the bytes there are no character.
std::size_t utf8Lengte(std::string_view t, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char c = b(i);
    std::size_t n = 0;
    char32_t low = 0;
    char32_t code = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        low = 0x80;
        code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        low = 0x800;
        code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        low = 0x10000;
        code = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > t.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (b(i + k) & 0x3F);
    }
    if (code < low || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return n;
}

bool isUtf8(std::string_view t)
{
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t n = utf8Lengte(t, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

// A character as UTF-8, from any code point (surrogates and values past U+10FFFF too, in
// the same bit pattern, so the converter meets them).
std::string alsUtf8(char32_t c)
{
    std::string u;
    if (c < 0x80) {
        u += char(c);
    } else if (c < 0x800) {
        u += char(0xC0 | (c >> 6));
        u += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        u += char(0xE0 | (c >> 12));
        u += char(0x80 | ((c >> 6) & 0x3F));
        u += char(0x80 | (c & 0x3F));
    } else {
        u += char(0xF0 | ((c >> 18) & 0x07));
        u += char(0x80 | ((c >> 12) & 0x3F));
        u += char(0x80 | ((c >> 6) & 0x3F));
        u += char(0x80 | (c & 0x3F));
    }
    return u;
}

// Text as the program might hand it to the converter: letters of Windows-1252, Chinese,
// emoji, the edges of the encoding, overlong forms and loose bytes.
std::string randomUtf8(RandomSource &random)
{
    static constexpr char32_t Tekens[] = {'a', 'Z', '"', ',', '?', 0x7F, 0x80, 0x81, 0x9F, 0xA0, 0xE9, 0xFF,
                                          0x100, 0x152, 0x178, 0x20AC, 0x2122, 0x4E2D, 0xD800, 0xDFFF, 0xFFFD,
                                          0xFFFF, 0x10000, 0x1F600, 0x10FFFF, 0x110000, 0x1FFFFF};
    static const std::string Overlang[] = {"\xC0\x80", "\xC1\x81", "\xE0\x81\x81", "\xE0\x82\xAC", "\xF0\x80\x81\x81"};
    std::string text;
    const int length = random.nextInRange(40) - 1;
    for (int i = 0; i < length; ++i) {
        switch (random.nextInRange(6)) {
        case 1:
            text += char(random.nextInRange(256) - 1);
            break;
        case 2:
            text += Overlang[random.nextInRange(int(std::size(Overlang))) - 1];
            break;
        case 3:
            text += alsUtf8(char32_t(random.nextInRange(0x11000) - 1) * 16 + char32_t(random.nextInRange(16) - 1));
            break;
        default:
            text += alsUtf8(Tekens[random.nextInRange(int(std::size(Tekens))) - 1]);
        }
    }
    return text;
}

// The quiz's matching read the plain way: cut the list at LF, drop one CR at the end of a
// line, and compare each whole line with the word in upper case, through the program's
// own text conversion and letter case rather than the lookup's byte table.
bool regelVoorRegel(std::string_view lijst, std::string_view woord)
{
    const std::string gezocht = toUpperCase(vanWindows1252(woord));
    std::size_t begin = 0;
    do {
        std::size_t einde = lijst.find('\n', begin);
        if (einde == std::string_view::npos)
            einde = lijst.size();
        std::string_view regel = lijst.substr(begin, einde - begin);
        if (!regel.empty() && regel.back() == '\r')
            regel.remove_suffix(1);
        if (toUpperCase(vanWindows1252(regel)) == gezocht)
            return true;
        begin = einde + 1;
    } while (begin < lijst.size());
    return false;
}

} // namespace

TEST(RandomInput, TheReaderAlwaysMovesOnAndEnds)
{
    FuzzBudget budget("delimited reader", 20000);
    RandomInputs inputs;
    SeededRandom bounds(7);
    while (budget.more()) {
        const long n = budget.caseNumber();
        const std::string input = inputs.next();
        DelimitedReader reader(input);
        std::size_t fields = 0;
        bool ended = false;
        // Every field takes at least one byte, so there are never more fields than bytes.
        while (fields <= input.size()) {
            if (bounds.nextInRange(3) == 1) {
                const std::int64_t low = bounds.nextInRange(600) - 300;
                const std::int64_t high = low + bounds.nextInRange(600);
                const bool before = reader.atEnd();
                const auto value = reader.readInteger(low, high);
                if (value) {
                    ASSERT_TRUE(*value >= low && *value <= high) << "case " << n;
                }
                if (before) {
                    ended = true;
                    break;
                }
            } else if (!reader.readField()) {
                ended = true;
                break;
            }
            ++fields;
        }
        ASSERT_TRUE(ended) << "case " << n << ": the reader did not come to an end";
        ASSERT_TRUE(reader.atEnd()) << "case " << n;
        ASSERT_FALSE(reader.readField()) << "case " << n;
    }
}

// Every byte of a file reads as a character and is written back as the same byte.
TEST(RandomInput, Windows1252BytesRoundTripThroughUtf8)
{
    FuzzBudget budget("Windows-1252 file bytes", 20000);
    RandomInputs inputs(1252);
    while (budget.more()) {
        const long n = budget.caseNumber();
        const std::string bytes = inputs.next();
        const std::string utf8 = vanWindows1252(bytes);
        ASSERT_TRUE(isUtf8(utf8)) << "case " << n;
        ASSERT_TRUE(pastInWindows1252(utf8)) << "case " << n;
        ASSERT_EQ(naarWindows1252(utf8), bytes) << "case " << n;
    }
}

// Text on its way to a file: every character Windows-1252 holds becomes its byte, every
// other character (and every byte that starts no proper character) exactly one "?".
TEST(RandomInput, TextToWindows1252KeepsWhatFitsAndMarksTheRest)
{
    // A character fits when it is one of the 256 that the bytes of a file read as.
    std::map<std::string, char> bytes;
    for (int b = 0; b < 256; ++b)
        bytes.emplace(vanWindows1252(std::string(1, char(b))), char(b));
    ASSERT_EQ(bytes.size(), 256u);

    FuzzBudget budget("Windows-1252 text to file", 20000);
    SeededRandom random(1253);
    while (budget.more()) {
        const long n = budget.caseNumber();
        const std::string text = randomUtf8(random);
        std::string expected;
        bool fits = true;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = utf8Lengte(text, i);
            const std::string teken = text.substr(i, std::max<std::size_t>(length, 1));
            i += teken.size();
            const auto byte = length > 0 ? bytes.find(teken) : bytes.end();
            fits = fits && byte != bytes.end();
            expected += byte != bytes.end() ? byte->second : '?';
        }
        ASSERT_EQ(naarWindows1252(text), expected) << "case " << n;
        ASSERT_EQ(pastInWindows1252(text), fits) << "case " << n;
    }
}

// The quiz's lookup over a list file of random content agrees with reading it line by
// line: for words cut from the list itself, and for words made up.
TEST(RandomInput, TheQuizLookupAgreesWithReadingLineByLine)
{
    // A folder in memory where the system has one: the list is rewritten for every input.
    std::error_code geenShm;
    const fs::path basis = fs::is_directory("/dev/shm", geenShm) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path map = basis / ("alfabo-zoek-" + std::to_string(std::random_device()()));
    fs::create_directories(map);
    {
        FuzzBudget budget("quiz lookup (Woord-<n>.lst)", 4000);
        RandomInputs inputs(3426);
        while (budget.more()) {
            const long n = budget.caseNumber();
            const std::string lijst = inputs.next(2000);
            std::string woord;
            if (!lijst.empty() && inputs.random().nextInRange(2) == 1) {
                // A piece of the list: often a whole line, sometimes a part of one.
                const std::size_t begin = std::size_t(inputs.random().nextInRange(int(lijst.size())) - 1);
                const std::size_t lengte = std::size_t(inputs.random().nextInRange(12));
                woord = lijst.substr(begin, lengte);
            } else {
                woord = inputs.next(12);
            }
            // A word the quiz looks up never holds a line break: it is one line of the entry box.
            woord.resize(std::min(woord.size(), woord.find_first_of("\r\n")));
            if (woord.empty())
                woord = "KAT";
            const bool verwacht = regelVoorRegel(lijst, woord);
            ASSERT_EQ(staatInLijst(lijst, woord), verwacht) << "case " << n;

            // The same through the file of the word's length, as the quiz reads it.
            std::ofstream(woordLijstPad(map.string(), int(woord.size())), std::ios::binary | std::ios::trunc) << lijst;
            const ZoekUitslag uitslag = ZoekWoord(map.string(), vanWindows1252(woord));
            ASSERT_EQ(uitslag, verwacht ? ZoekUitslag::Gevonden : ZoekUitslag::NietGevonden) << "case " << n;
        }
    }
    std::error_code ignored;
    fs::remove_all(map, ignored);
}

// The files are written through the same code that saves them in the program, so each
// round trip below also runs the atomic save with its flush to disk. A folder in memory,
// where the system has one, keeps those thousands of saves quick.
class RandomFiles : public ::testing::Test
{
protected:
    static constexpr long Count = 4000;

    RandomFiles()
    {
        const fs::path memory = "/dev/shm";
        std::error_code error;
        const fs::path base = fs::is_directory(memory, error) ? memory : fs::temp_directory_path();
        m_dir = base / ("alfabo-random-" + std::to_string(std::random_device()()));
        fs::create_directories(m_dir);
    }
    ~RandomFiles() override
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    std::string file(const std::string &name) const { return (m_dir / name).string(); }
    void write(const std::string &name, const std::string &bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }

    RandomInputs inputs;

private:
    fs::path m_dir;
};

TEST_F(RandomFiles, AScoreListReadsBackExactlyAsItWasSaved)
{
    FuzzBudget budget("high-score list (Scorelijst.lib)", Count);
    while (budget.more()) {
        const long n = budget.caseNumber();
        write("s.lib", inputs.next());
        ScoreLijst lijst;
        ASSERT_TRUE(lijst.LaadScorelijst(file("s.lib")));
        const auto &entries = lijst.ascending();
        ASSERT_TRUE(std::is_sorted(entries.begin(), entries.end(),
                                   [](const std::string &a, const std::string &b) { return compareScoreRegels(a, b) < 0; }))
            << "case " << n;
        ASSERT_TRUE(std::none_of(entries.begin(), entries.end(), [](const std::string &e) { return e.empty(); }));

        ASSERT_TRUE(lijst.BewaarScorelijst(file("s.lib"))) << "case " << n;
        ScoreLijst gelezen;
        ASSERT_TRUE(gelezen.LaadScorelijst(file("s.lib")));
        ASSERT_EQ(gelezen.ascending(), entries) << "case " << n;
    }
}

// The editor's own files read back as they were written, apart from the blanks around a
// bare word, which the reader drops (a word of blanks only is then gone).
TEST_F(RandomFiles, AWordListReadsBackAsItWasSaved)
{
    FuzzBudget budget("word-list editor (*.lst)", Count);
    while (budget.more()) {
        const long n = budget.caseNumber();
        write("w.lst", inputs.next());
        WoordLijst lijst;
        ASSERT_TRUE(lijst.LaadWoordenlijst(file("w.lst")));
        const auto &words = lijst.words();
        ASSERT_TRUE(std::is_sorted(words.begin(), words.end(), LessIgnoringCase())) << "case " << n;
        for (const std::string &word : words) {
            ASSERT_FALSE(word.empty()) << "case " << n;
            ASSERT_EQ(toLowerCase(word), word) << "case " << n;
        }

        std::vector<std::string> expected;
        for (const std::string &word : words) {
            const bool quoted = word.find_first_of(",\"\r\n") != std::string::npos;
            std::string back = quoted ? word : trimmed(word);
            if (!back.empty())
                expected.push_back(std::move(back));
        }
        std::sort(expected.begin(), expected.end(), LessIgnoringCase());

        ASSERT_TRUE(lijst.BewaarWoordenlijst(file("w.lst"))) << "case " << n;
        WoordLijst gelezen;
        ASSERT_TRUE(gelezen.LaadWoordenlijst(file("w.lst")));
        ASSERT_EQ(gelezen.words(), expected) << "case " << n;
    }
}

TEST_F(RandomFiles, SettingsStayInRangeAndTheRewrittenFileIsComplete)
{
    FuzzBudget budget("settings (Alfabolotto.ini)", Count);
    while (budget.more()) {
        const long n = budget.caseNumber();
        write("a.ini", inputs.next());
        Algemeen state;
        state.zetStartwaarden();
        LaadInstellingen(state, file("a.ini"));
        for (const int component : {state.LetterKleur.rood, state.LetterKleur.groen, state.LetterKleur.blauw})
            ASSERT_TRUE(component >= 0 && component <= 255) << "case " << n;

        Algemeen again;
        again.zetStartwaarden();
        ASSERT_TRUE(LaadInstellingen(again, file("a.ini"))) << "case " << n;
        ASSERT_EQ(again.ReclameTekst, state.ReclameTekst) << "case " << n;
        ASSERT_EQ(again.LetterKleur, state.LetterKleur) << "case " << n;
        ASSERT_EQ(again.QuizSeconden, state.QuizSeconden) << "case " << n;
    }
}
