#include "core/quiz/WoordLijst.h"
#include "core/quiz/WoordTeksten.h"
#include "FailingSave.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace core;

namespace {

using Woorden = std::vector<std::string>;

WoordLijst loaded(const TempDir &dir, const std::string &content)
{
    dir.write("Woord-5.lst", content);
    WoordLijst lijst;
    EXPECT_TRUE(lijst.LaadWoordenlijst(dir.file("Woord-5.lst")));
    return lijst;
}

} // namespace

TEST(WoordLijst, ShowsLowerCaseSortedAndSavesUpperCase)
{
    TempDir dir;
    WoordLijst lijst = loaded(dir, "Zebra\r\naap\r\nHOND\r\nBeer\r\n\xC9\xC9N\r\n");
    EXPECT_EQ(lijst.words(), (Woorden{"aap", "beer", "hond", "zebra", "\u00E9\u00E9n"}));

    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-5.lst")));
    EXPECT_EQ(dir.read("Woord-5.lst"), "AAP\r\nBEER\r\nHOND\r\nZEBRA\r\n\xC9\xC9N\r\n");
}

TEST(WoordLijst, ReadsTheFileAsCommaDelimitedFields)
{
    struct Case {
        const char *name;
        std::string content;
        Woorden words;
    };
    const Case cases[] = {
        {"one per line, no last line end", "KAT\r\nMUIS", {"kat", "muis"}},
        {"commas split a line", "aap,noot , mies\r\n", {"aap", "mies", "noot"}},
        {"quotes are removed", "\"zus\",\"jet\"\r\n", {"jet", "zus"}},
        {"blanks inside quotes stay", "\" kat \"\r\n", {" kat "}},
        {"blanks around an unquoted word go", "  kat\t \r\n", {"kat"}},
        {"empty fields and lines are skipped", ",,\r\n\r\n  \r\n\"\"\r\nwim\r\n", {"wim"}},
        {"LF and CR line ends", "teun\nvuur\rgijs", {"gijs", "teun", "vuur"}},
        {"the same word twice", "kat\r\nKAT\r\n", {"kat", "kat"}},
        {"empty file", "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        EXPECT_EQ(loaded(dir, c.content).words(), c.words);
    }
}

TEST(WoordLijst, AddsInLowerCaseAtTheSortedPlace)
{
    WoordLijst lijst;
    EXPECT_EQ(lijst.add("Kat"), 0u);
    EXPECT_EQ(lijst.add("AAP"), 0u);
    EXPECT_EQ(lijst.add("kat"), 2u); // a second kat, after the first
    EXPECT_EQ(lijst.add("  Muis"), 0u); // leading blanks are kept and sort first
    EXPECT_EQ(lijst.add("   "), std::nullopt);
    EXPECT_EQ(lijst.add(""), std::nullopt);
    EXPECT_EQ(lijst.words(), (Woorden{"  muis", "aap", "kat", "kat"}));
}

TEST(WoordLijst, AWordAddedTwiceIsSavedTwice)
{
    TempDir dir;
    WoordLijst lijst = loaded(dir, "HOND\r\n");
    lijst.add("kat");
    lijst.add("Kat");
    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-5.lst")));
    EXPECT_EQ(dir.read("Woord-5.lst"), "HOND\r\nKAT\r\nKAT\r\n");
}

TEST(WoordLijst, RemovesTheWordAtAnIndex)
{
    WoordLijst lijst;
    for (const char *woord : {"aap", "noot", "mies"})
        lijst.add(woord);
    EXPECT_FALSE(lijst.remove(3));
    EXPECT_TRUE(lijst.remove(1));
    EXPECT_EQ(lijst.words(), (Woorden{"aap", "noot"}));
    EXPECT_TRUE(lijst.remove(0));
    EXPECT_TRUE(lijst.remove(0));
    EXPECT_FALSE(lijst.remove(0));
    EXPECT_TRUE(lijst.isEmpty());
}

TEST(WoordLijst, AnEmptyListSavesAnEmptyFile)
{
    TempDir dir;
    WoordLijst lijst = loaded(dir, "KAT\r\n");
    ASSERT_TRUE(lijst.remove(0));
    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-5.lst")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("Woord-5.lst")), 0u);
}

TEST(WoordLijst, LeadingBlanksAreWrittenAndDroppedOnTheNextRead)
{
    TempDir dir;
    WoordLijst lijst;
    lijst.add("  kat");
    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-5.lst")));
    EXPECT_EQ(dir.read("Woord-5.lst"), "  KAT\r\n");
    WoordLijst gelezen;
    ASSERT_TRUE(gelezen.LaadWoordenlijst(dir.file("Woord-5.lst")));
    EXPECT_EQ(gelezen.words(), (Woorden{"kat"}));
}

// Written bare, a word starting with a quote would swallow every word after it on the
// next read, and a comma would split the word; quoted they read back as they were.
TEST(WoordLijst, WordsWithCommasOrQuotesSurviveASave)
{
    TempDir dir;
    WoordLijst lijst;
    for (const char *woord : {"\"kat", "a,b", "mui\"s", "zebra"})
        lijst.add(woord);
    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-5.lst")));
    EXPECT_EQ(dir.read("Woord-5.lst"), "\"\"\"KAT\"\r\n\"A,B\"\r\n\"MUI\"\"S\"\r\nZEBRA\r\n");

    WoordLijst gelezen;
    ASSERT_TRUE(gelezen.LaadWoordenlijst(dir.file("Woord-5.lst")));
    EXPECT_EQ(gelezen.words(), lijst.words());
}

TEST(WoordLijst, AMissingFileGivesAnEmptyList)
{
    TempDir dir;
    WoordLijst lijst;
    lijst.add("oud");
    EXPECT_FALSE(lijst.LaadWoordenlijst(dir.file("Woord-7.lst")));
    EXPECT_TRUE(lijst.isEmpty());
}

TEST(WoordLijst, AFailedSaveReportsAndKeepsTheOldFile)
{
    WoordLijst lijst;
    for (const char *woord : {"aap", "noot", "mies", "wim"})
        lijst.add(woord);
    expectFailedSavesKeepTheOldFile(
        [&](const std::string &path, std::string *error) { return lijst.BewaarWoordenlijst(path, error); });
    EXPECT_EQ(lijst.count(), 4u);
}

TEST(WoordLengte, IsTheSeventhCharacterOfTheFileName)
{
    struct Case {
        const char *name;
        std::optional<int> lengte;
    };
    const Case cases[] = {
        {"Woord-2.lst", 2},
        {"Woord-5.lst", 5},
        {"Woord-9.lst", 9},
        {"Woord-1.lst", 9},
        {"Woord-10.lst", 9}, // its seventh character is the 1
        {"Woord-0.lst", std::nullopt},
        {"abc.lst", std::nullopt},
        {"Woord-x.lst", std::nullopt},
        {"Woord-", std::nullopt},
        {"", std::nullopt},
        {"W\u00F6\u00F6rd-4.lst", 4}, // characters, not bytes
    };
    for (const Case &c : cases)
        EXPECT_EQ(WoordLengte(c.name), c.lengte) << c.name;
}

TEST(LijstBestanden, ListsTheLstFilesAlphabetically)
{
    TempDir dir;
    for (const char *name : {"Woord-3.lst", "woord-2.LST", "Woord-10.lst", "Scorelijst.lib", "lst", "notities.txt"})
        dir.write(name, "");
    std::filesystem::create_directory(dir.file("map.lst"));
    EXPECT_EQ(LijstBestanden(dir.path().string()), (Woorden{"Woord-10.lst", "woord-2.LST", "Woord-3.lst"}));
    EXPECT_TRUE(LijstBestanden(dir.file("ontbreekt")).empty());
}

TEST(WoordTeksten, CountLinesAndQuestions)
{
    EXPECT_EQ(AantalWoordenTekst(5230, 5), "5230 Woorden van 5 Letters");
    EXPECT_EQ(AantalWoordenTekst(12, std::nullopt), "12 Woorden");
    EXPECT_EQ(AantalWoordenTekst(0), "0 Woorden");
    EXPECT_EQ(WoordVerwijderVraag("kat"), "Wil je 'kat' verwijderen uit de lijst?");
    EXPECT_STREQ(WoordVerwijderTitel, " Verwijderen");
    EXPECT_STREQ(WoordFoutjeTitel, " Foutje");
    EXPECT_STREQ(WoordGeenKeuzeMelding, "Eerst een woord selecteren uit de lijst...");
}
