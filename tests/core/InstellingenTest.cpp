#include "core/Algemeen.h"
#include "core/bestanden/Instellingen.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace core;

namespace {

const std::string DefaultFile = "\"Kwartelhoven Software 2017\"\r\n"
                                "\"--------------------------\"\r\n"
                                "\"www.alfabolotto.nl\"\r\n"
                                "150,150,150\r\n"
                                "150\r\n";

Algemeen startState()
{
    Algemeen state;
    state.zetStartwaarden();
    return state;
}

} // namespace

TEST(Instellingen, FirstStartCreatesTheFileByteForByte)
{
    TempDir dir;
    Algemeen state = startState();
    EXPECT_FALSE(LaadInstellingen(state, dir.file("Alfabolotto.ini")));
    EXPECT_EQ(dir.read("Alfabolotto.ini"), DefaultFile);
}

TEST(Instellingen, ReadsAFileWithAnyHeaderTextsAndLoneLineFeeds)
{
    TempDir dir;
    dir.write("a.ini", "\"Iets anders\"\n\"nog iets\"\n\"Bingo bij Jansen, Zaal 2\"\n10,20,30\n95\n");
    Algemeen state = startState();
    EXPECT_TRUE(LaadInstellingen(state, dir.file("a.ini")));
    EXPECT_EQ(state.ReclameTekst, "Bingo bij Jansen, Zaal 2");
    EXPECT_EQ(state.LetterKleur, (Kleur{10, 20, 30}));
    EXPECT_EQ(state.QuizSeconden, 95);
    // A complete file is left alone.
    EXPECT_EQ(dir.read("a.ini"), "\"Iets anders\"\n\"nog iets\"\n\"Bingo bij Jansen, Zaal 2\"\n10,20,30\n95\n");
}

// A failing read keeps what came before it, leaves the rest at the start values and
// rewrites the file at once with all five lines.
TEST(Instellingen, ABrokenFileKeepsTheFieldsReadBeforeTheFault)
{
    struct Case {
        const char *name;
        std::string content;
        std::string reclame;
        Kleur kleur;
        int seconden;
    };
    const Case cases[] = {
        {"ends after line 3", "\"a\"\r\n\"b\"\r\n\"Zaal 2\"\r\n", "Zaal 2", {150, 150, 150}, 150},
        {"letters for green", "\"a\"\r\n\"b\"\r\n\"Zaal\"\r\n10,groen,30\r\n99\r\n", "Zaal", {10, 150, 150}, 150},
        {"blue out of range", "\"a\"\r\n\"b\"\r\n\"Zaal\"\r\n10,20,300\r\n99\r\n", "Zaal", {10, 20, 150}, 150},
        {"seconds with a fraction", "\"a\"\r\n\"b\"\r\n\"Zaal\"\r\n1,2,3\r\n9.5\r\n", "Zaal", {1, 2, 3}, 150},
        {"seconds beyond 32 bits", "\"a\"\r\n\"b\"\r\n\"Zaal\"\r\n1,2,3\r\n99999999999\r\n", "Zaal", {1, 2, 3}, 150},
        {"empty file", "", "www.alfabolotto.nl", {150, 150, 150}, 150},
        {"binary noise", std::string("\x00\x13\"\r\n,,", 7), "", {150, 150, 150}, 150},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.write("a.ini", c.content);
        Algemeen state = startState();
        EXPECT_FALSE(LaadInstellingen(state, dir.file("a.ini")));
        EXPECT_EQ(state.ReclameTekst, c.reclame);
        EXPECT_EQ(state.LetterKleur, c.kleur);
        EXPECT_EQ(state.QuizSeconden, c.seconden);

        Algemeen reread = startState();
        EXPECT_TRUE(LaadInstellingen(reread, dir.file("a.ini"))) << dir.read("a.ini");
        EXPECT_EQ(reread.ReclameTekst, c.reclame);
        EXPECT_EQ(reread.LetterKleur, c.kleur);
    }
}

TEST(Instellingen, NegativeAndLargeSecondsAreKeptAsStored)
{
    TempDir dir;
    dir.write("a.ini", "\"a\"\r\n\"b\"\r\n\"\"\r\n0,0,0\r\n-5\r\n");
    Algemeen state = startState();
    EXPECT_TRUE(LaadInstellingen(state, dir.file("a.ini")));
    EXPECT_EQ(state.ReclameTekst, "");
    EXPECT_EQ(state.QuizSeconden, -5);
}

TEST(Instellingen, TextsWithCommasQuotesAndAccentsSurviveASaveAndANewStart)
{
    const std::string texts[] = {
        "Bingo, thee en koek, vanaf 20:00",
        "Zaal \"De Roos\" opent om 8 uur",
        "\"",
        "Caf\u00e9 \u20ac 2,50",
        "  blanks around  ",
    };
    for (const std::string &text : texts) {
        SCOPED_TRACE(text);
        TempDir dir;
        Algemeen saved = startState();
        saved.ReclameTekst = text;
        saved.LetterKleur = {255, 0, 7};
        saved.QuizSeconden = 2147483647;
        ASSERT_TRUE(BewaarInstellingen(saved, dir.file("a.ini")));
        Algemeen loaded = startState();
        EXPECT_TRUE(LaadInstellingen(loaded, dir.file("a.ini")));
        EXPECT_EQ(loaded.ReclameTekst, text);
        EXPECT_EQ(loaded.LetterKleur, saved.LetterKleur);
        EXPECT_EQ(loaded.QuizSeconden, saved.QuizSeconden);
    }
}

TEST(Instellingen, CharactersOutsideWindows1252AreStoredAsQuestionMarks)
{
    TempDir dir;
    Algemeen saved = startState();
    saved.ReclameTekst = "Bingo \u4e2d vanavond";
    ASSERT_TRUE(BewaarInstellingen(saved, dir.file("a.ini")));
    Algemeen loaded = startState();
    LaadInstellingen(loaded, dir.file("a.ini"));
    EXPECT_EQ(loaded.ReclameTekst, "Bingo ? vanavond");
}

TEST(Instellingen, AFailedSaveLeavesThePreviousFileWhole)
{
    TempDir dir;
    Algemeen saved = startState();
    saved.ReclameTekst = "eerste";
    ASSERT_TRUE(BewaarInstellingen(saved, dir.file("a.ini")));
    const std::string before = dir.read("a.ini");

    // A folder that cannot take the temporary file: the rename never happens.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    saved.ReclameTekst = "tweede";
    std::string error;
    const bool ok = BewaarInstellingen(saved, dir.file("a.ini"), &error);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    if (ok)
        GTEST_SKIP() << "running as a user who may write into read-only folders";
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(dir.read("a.ini"), before);
}

TEST(Instellingen, ASaveIntoAMissingFolderFailsWithoutCreatingAnything)
{
    TempDir dir;
    Algemeen saved = startState();
    std::string error;
    EXPECT_FALSE(BewaarInstellingen(saved, dir.file("nope/a.ini"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// A disk that fills up in the middle of the write: the file-size limit makes write() fail
// part-way, even for root, the way a full disk would.
TEST(Instellingen, ASaveThatRunsOutOfSpaceLeavesThePreviousFileWhole)
{
    TempDir dir;
    Algemeen saved = startState();
    saved.ReclameTekst = "eerste";
    ASSERT_TRUE(BewaarInstellingen(saved, dir.file("a.ini")));
    const std::string before = dir.read("a.ini");

    saved.ReclameTekst = std::string(64 * 1024, 'x');
    std::string error;
    bool ok = false;
    {
        FileSizeLimit limit(4096);
        ok = BewaarInstellingen(saved, dir.file("a.ini"), &error);
    }
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(dir.read("a.ini"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "temporary file left behind";
}
