#include "core/quiz/ScoreLijst.h"
#include "FailingSave.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

using namespace core;

namespace {

const std::string Header = "\"Kwartelhoven Software 2017\"\r\n"
                           "\"--------------------------\"\r\n";

std::vector<std::string> lines(std::initializer_list<const char *> texts) { return {texts.begin(), texts.end()}; }

} // namespace

TEST(ScoreRegel, PadsTheScoreToFourDigitsAndKeepsTheNameAsGiven)
{
    struct Case {
        std::int32_t score;
        const char *naam;
        const char *entry;
    };
    const Case cases[] = {
        {7, "Een", "0007 - Een"},
        {0, "Nul", "0000 - Nul"},
        {45, "Drie", "0045 - Drie"},
        {123, "Twee", "0123 - Twee"},
        {1000, "Veel", "1000 - Veel"},
        {12345, "Lang", "12345 - Lang"},
        {INT_MAX, "Max", "2147483647 - Max"},
        {7, "  Jan  ", "0007 -   Jan  "},
        {7, "", "0007 - "},
        // A negative score keeps four characters, the minus in front of the zeros.
        {-5, "Min", "-005 - Min"},
        {-123, "Min", "-123 - Min"},
        {-1234, "Min", "-1234 - Min"},
        {INT_MIN, "Min", "-2147483648 - Min"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ScoreRegel(c.score, c.naam), c.entry) << c.score;
}

TEST(ScoreLijst, StoresAscendingAndListsHighestFirst)
{
    TempDir dir;
    ScoreLijst lijst;
    lijst.VoegScoreToe(7, "Een");
    lijst.VoegScoreToe(123, "Twee");
    lijst.VoegScoreToe(45, "Drie");
    ASSERT_TRUE(lijst.BewaarScorelijst(dir.file("Scorelijst.lib")));

    EXPECT_EQ(dir.read("Scorelijst.lib"), Header + "\"0007 - Een\"\r\n"
                                                   "\"0045 - Drie\"\r\n"
                                                   "\"0123 - Twee\"\r\n");
    EXPECT_EQ(lijst.descending(), lines({"0123 - Twee", "0045 - Drie", "0007 - Een"}));
    EXPECT_EQ(lijst.count(), 3u);
}

TEST(ScoreLijst, OrdersByScoreThenByNameIgnoringCase)
{
    ScoreLijst lijst;
    for (const auto &[score, naam] : std::initializer_list<std::pair<int, const char *>>{
             {50, "bert"}, {12345, "Vijf"}, {50, "Anna"}, {9999, "Vier"}, {-42, "Min"},
             {0, "Nul"}, {50, "carl"}, {-5, "Min"}, {1000, "Duizend"}})
        lijst.VoegScoreToe(score, naam);

    // Five digits stand above 9999 and -42 below -5, although their texts sort the other way.
    EXPECT_EQ(lijst.ascending(), lines({"-042 - Min", "-005 - Min", "0000 - Nul", "0050 - Anna", "0050 - bert",
                                        "0050 - carl", "1000 - Duizend", "9999 - Vier", "12345 - Vijf"}));
    // The dialog shows equal scores in reverse name order.
    const auto shown = lijst.descending();
    EXPECT_EQ(std::vector<std::string>(shown.begin() + 3, shown.begin() + 6), lines({"0050 - carl", "0050 - bert", "0050 - Anna"}));
}

TEST(ScoreLijst, RemovesOnlyTheFirstEntryOfExactlyThatText)
{
    ScoreLijst lijst;
    lijst.VoegScoreToe(10, "Jan");
    lijst.VoegScoreToe(10, "Jan");
    lijst.VoegScoreToe(20, "Piet");

    EXPECT_FALSE(lijst.remove("0010 - jan")); // letter case counts when removing
    EXPECT_FALSE(lijst.remove("Jan"));
    EXPECT_TRUE(lijst.remove("0010 - Jan"));
    EXPECT_EQ(lijst.ascending(), lines({"0010 - Jan", "0020 - Piet"}));
    EXPECT_TRUE(lijst.remove("0010 - Jan"));
    EXPECT_FALSE(lijst.remove("0010 - Jan"));
    EXPECT_EQ(lijst.ascending(), lines({"0020 - Piet"}));
}

TEST(ScoreLijst, RemoveAllThenSaveLeavesOnlyTheHeaderLines)
{
    TempDir dir;
    ScoreLijst lijst;
    lijst.VoegScoreToe(7, "Een");
    lijst.VoegScoreToe(8, "Twee");
    ASSERT_TRUE(lijst.BewaarScorelijst(dir.file("s.lib")));
    lijst.removeAll();
    EXPECT_TRUE(lijst.isEmpty());
    ASSERT_TRUE(lijst.BewaarScorelijst(dir.file("s.lib")));
    EXPECT_EQ(dir.read("s.lib"), Header);

    ScoreLijst gelezen;
    EXPECT_TRUE(gelezen.LaadScorelijst(dir.file("s.lib")));
    EXPECT_TRUE(gelezen.isEmpty());
}

TEST(ScoreLijst, NamesReadBackWhole)
{
    struct Case {
        const char *naam;
        const char *inFile; // the entry's line in the file
        const char *readBack;
    };
    const Case cases[] = {
        {"Jansen, Piet", "\"0007 - Jansen, Piet\"", "0007 - Jansen, Piet"},
        {"Piet \"de Snelle\"", "\"0007 - Piet \"\"de Snelle\"\"\"", "0007 - Piet \"de Snelle\""},
        {"\"", "\"0007 - \"\"\"", "0007 - \""},
        {"  twee blanks  ", "\"0007 -   twee blanks  \"", "0007 -   twee blanks  "},
        {"Zo\u00EB \u20AC", "\"0007 - Zo\xEB \x80\"", "0007 - Zo\u00EB \u20AC"},
        // Windows-1252 has no room for it.
        {"\u4E2D\u6587", "\"0007 - ??\"", "0007 - ??"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.naam);
        TempDir dir;
        ScoreLijst lijst;
        lijst.VoegScoreToe(7, c.naam);
        ASSERT_TRUE(lijst.BewaarScorelijst(dir.file("s.lib")));
        EXPECT_EQ(dir.read("s.lib"), Header + c.inFile + "\r\n");

        ScoreLijst gelezen;
        ASSERT_TRUE(gelezen.LaadScorelijst(dir.file("s.lib")));
        EXPECT_EQ(gelezen.ascending(), lines({c.readBack}));
    }
}

TEST(ScoreLijst, AMissingFileGivesAnEmptyList)
{
    TempDir dir;
    ScoreLijst lijst;
    lijst.VoegScoreToe(1, "Oud");
    EXPECT_FALSE(lijst.LaadScorelijst(dir.file("Scorelijst.lib")));
    EXPECT_TRUE(lijst.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("Scorelijst.lib"))); // reading creates nothing
}

// Whatever a damaged file holds, every field after the two header fields that is not
// empty becomes an entry, in sorted place.
TEST(ScoreLijst, ADamagedFileKeepsWhatCouldBeRead)
{
    struct Case {
        const char *name;
        std::string content;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"only the maker line", "\"Kwartelhoven Software 2017\"\r\n", {}},
        {"header only, no line end", "\"a\"\r\n\"b\"", {}},
        {"other header texts", "\"x\"\r\n\"y\"\r\n\"0007 - Een\"\r\n", {"0007 - Een"}},
        {"cut off inside a quoted entry", Header + "\"0123 - Twee\"\r\n\"0007 - Een\"\r\n\"0045 - Dr",
         {"0007 - Een", "0045 - Dr", "0123 - Twee"}},
        {"unquoted, commas and empty fields", "h1,h2,0001 - a,,  ,\r\n\r\n 0002 - b \r\n", {"0001 - a", "0002 - b"}},
        {"lone LF and CR line ends", "h1\nh2\r\"0003 - c\"\n\"0001 - a\"\r", {"0001 - a", "0003 - c"}},
        {"text after the closing quote", Header + "\"0005 - e\"xyz\r\n", {"0005 - e"}},
        {"not a score at all", Header + "\"hallo\"\r\n\"0002 - b\"\r\n", {"hallo", "0002 - b"}},
        {"bytes Windows-1252 does not define", Header + "\"0001 - \x81\x8D\"\r\n", {"0001 - \u0081\u008D"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.write("s.lib", c.content);
        ScoreLijst lijst;
        EXPECT_TRUE(lijst.LaadScorelijst(dir.file("s.lib")));
        EXPECT_EQ(lijst.ascending(), c.entries);
    }
}

TEST(ScoreLijst, EqualEntriesKeepTheirFileOrder)
{
    TempDir dir;
    dir.write("s.lib", Header + "\"0010 - JAN\"\r\n\"0009 - x\"\r\n\"0010 - jan\"\r\n\"0010 - Jan\"\r\n");
    ScoreLijst lijst;
    ASSERT_TRUE(lijst.LaadScorelijst(dir.file("s.lib")));
    EXPECT_EQ(lijst.ascending(), lines({"0009 - x", "0010 - JAN", "0010 - jan", "0010 - Jan"}));
    // A new equal entry goes after the ones already there.
    lijst.VoegScoreToe(10, "jAn");
    EXPECT_EQ(lijst.ascending().back(), "0010 - jAn");
}

TEST(ScoreLijst, AFailedSaveReportsAndKeepsTheOldFile)
{
    ScoreLijst lijst;
    lijst.VoegScoreToe(7, "Een");
    expectFailedSavesKeepTheOldFile(
        [&](const std::string &path, std::string *error) { return lijst.BewaarScorelijst(path, error); });
    EXPECT_EQ(lijst.count(), 1u);
}

TEST(ScoreLijst, ASaveThatCannotBeMadeIsReported)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("map"));
    ScoreLijst lijst;
    lijst.VoegScoreToe(7, "Een");
    for (const char *target : {"map", "ontbreekt/Scorelijst.lib"}) {
        SCOPED_TRACE(target);
        std::string error;
        EXPECT_FALSE(lijst.BewaarScorelijst(dir.file(target), &error));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("map")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("map")));
}
