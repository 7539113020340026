// Random bytes thrown at every reader of the program's text files. The inputs come from a
// fixed seed, so a failure repeats; the case number in the message finds the input again.

#include "core/Algemeen.h"
#include "core/DelimitedText.h"
#include "core/Instellingen.h"
#include "core/LetterCase.h"
#include "core/RandomSource.h"
#include "core/ScoreLijst.h"
#include "core/WoordLijst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

using namespace core;
namespace fs = std::filesystem;

namespace {

// Mostly the characters that steer the reader, so quotes, separators and line ends meet
// in every combination; now and then any byte at all.
std::string randomInput(RandomSource &random)
{
    static constexpr char Pieces[] = "\"\",\r\n\r\n  \t0123456789-+aZkA\xE9\xC9\x80\x81\xFF";
    const int length = random.nextInRange(401) - 1;
    std::string input;
    for (int i = 0; i < length; ++i) {
        if (random.nextInRange(10) == 1)
            input += char(random.nextInRange(256) - 1);
        else
            input += Pieces[random.nextInRange(int(sizeof(Pieces)) - 1) - 1];
    }
    return input;
}

std::vector<std::string> randomInputs(int count)
{
    SeededRandom random(20170611);
    std::vector<std::string> inputs;
    inputs.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        inputs.push_back(randomInput(random));
    return inputs;
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

} // namespace

TEST(RandomInput, TheReaderAlwaysMovesOnAndEnds)
{
    SeededRandom bounds(7);
    const auto inputs = randomInputs(20000);
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        const std::string &input = inputs[n];
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

// The files are written through the same code that saves them in the program, so each
// round trip below also runs the atomic save with its flush to disk. A folder in memory,
// where the system has one, keeps those thousands of saves quick.
class RandomFiles : public ::testing::Test
{
protected:
    static constexpr int Count = 4000;

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

private:
    fs::path m_dir;
};

TEST_F(RandomFiles, AScoreListReadsBackExactlyAsItWasSaved)
{
    const auto inputs = randomInputs(Count);
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        write("s.lib", inputs[n]);
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
    const auto inputs = randomInputs(Count);
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        write("w.lst", inputs[n]);
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
    const auto inputs = randomInputs(Count);
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        write("a.ini", inputs[n]);
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
