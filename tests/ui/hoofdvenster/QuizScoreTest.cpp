#include "QuizTestHulp.h"

#include "core/quiz/WoordScore.h"

using namespace quiztest;

namespace {

struct QuizScoreFixture : QuizFixture {
    // Plays a one-second game with these words.
    void speelMet(const QStringList &woorden, const std::string &letters = "KATQUIZEBRNS")
    {
        test.algemeen.QuizSeconden = 1;
        start(QStringLiteral("Een"), letters);
        for (const QString &woord : woorden)
            typ(woord);
        spel().tik();
    }
};

} // namespace

TEST_F(QuizScoreFixture, FoundWordsScoreTheirLetterValuesAndOthersNothing)
{
    schrijfLijst(2, {});
    schrijfLijst(3, {QStringLiteral("kat"), QStringLiteral("TAK "), QStringLiteral("RAK")});
    schrijfLijst(4, {QStringLiteral("quiz"), QStringLiteral("BEEN")});
    for (int lengte = 5; lengte <= 9; ++lengte)
        schrijfLijst(lengte, {});
    speelMet({QStringLiteral("KAT"), QStringLiteral("QUIZ"), QStringLiteral("tak"), QStringLiteral("Rak"),
              QStringLiteral("ZAK"), QStringLiteral("Zout")},
             "KATQUIZRBNSE");
    const struct {
        const char *woord;
        const char *markering;
        QColor kleur;
        const char *punten;
    } rijen[] = {
        {"KAT", "V", {0, 150, 0}, "7"},
        {"QUIZ", "V", {0, 150, 0}, "22"},
        {"tak", "X", {150, 0, 0}, ""}, // the list has "TAK " with a blank
        {"Rak", "V", {0, 150, 0}, "8"},
        {"ZAK", "X", {150, 0, 0}, ""},
    };
    ASSERT_EQ(lijst()->aantal(), 5); // Zout needs an O, which was not drawn
    for (int rij = 0; rij < 5; ++rij) {
        EXPECT_EQ(lijst()->tekst(rij, 1), QString::fromLatin1(rijen[rij].woord));
        EXPECT_EQ(lijst()->tekst(rij, 0), QString::fromLatin1(rijen[rij].markering)) << rijen[rij].woord;
        EXPECT_EQ(lijst()->markeringKleur(rij), rijen[rij].kleur) << rijen[rij].woord;
        EXPECT_EQ(lijst()->tekst(rij, 2), QString::fromLatin1(rijen[rij].punten)) << rijen[rij].woord;
    }
    EXPECT_EQ(quiz->bottomLabel1()->text(), QStringLiteral("5"));
    EXPECT_EQ(quiz->bottomLabel2()->text(), QStringLiteral("37"));
    EXPECT_EQ(test.algemeen.QuizScore, 37);
    EXPECT_EQ(main->scoreLijst().ascending(), std::vector<std::string>{"0037 - Een"});
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

TEST_F(QuizScoreFixture, AGameWithoutWordsScoresZero)
{
    schrijfLijsten({});
    speelMet({});
    EXPECT_EQ(quiz->bottomLabel2()->text(), QStringLiteral("0"));
    EXPECT_EQ(test.algemeen.QuizScore, 0);
    EXPECT_EQ(main->scoreLijst().ascending(), std::vector<std::string>{"0000 - Een"});
}

TEST_F(QuizScoreFixture, EveryGameStartsFromZero)
{
    schrijfLijsten({QStringLiteral("kat")});
    speelMet({QStringLiteral("kat")});
    speelMet({QStringLiteral("kat")});
    EXPECT_EQ(quiz->bottomLabel2()->text(), QStringLiteral("7"));
    EXPECT_EQ(main->scoreLijst().ascending(), (std::vector<std::string>{"0007 - Een", "0007 - Een"}));
}

TEST_F(QuizScoreFixture, AMissingListCountsItsWordsAsNotFoundAndIsToldOnce)
{
    schrijfLijst(3, {QStringLiteral("KAT")});
    speelMet({QStringLiteral("kat"), QStringLiteral("QUIZ"), QStringLiteral("ZAKT"), QStringLiteral("BRANIE")},
             "KATQUIZRBNSE");
    EXPECT_EQ(lijst()->tekst(0, 0), QStringLiteral("V"));
    for (int rij = 1; rij < 4; ++rij) {
        EXPECT_EQ(lijst()->tekst(rij, 0), QStringLiteral("X")) << rij;
        EXPECT_EQ(lijst()->tekst(rij, 2), QString()) << rij;
    }
    EXPECT_EQ(quiz->bottomLabel2()->text(), QStringLiteral("7"));
    ASSERT_EQ(aantalMeldingen(), 1);
    EXPECT_EQ(laatsteMelding(), QString::fromStdString(core::ontbrekendeLijstenMelding({4, 6})));
    EXPECT_EQ(test.dialogen.meldingen[0].knoppen, ui::Knoppen::Ok);
    EXPECT_EQ(main->scoreLijst().ascending(), std::vector<std::string>{"0007 - Een"});
}

TEST_F(QuizScoreFixture, TheValueButtonShowsTheLetterValues)
{
    emit quiz->letterScoreKnop()->Click();
    ASSERT_EQ(aantalMeldingen(), 1);
    const auto &melding = test.dialogen.meldingen[0];
    EXPECT_EQ(melding.titel, QStringLiteral("Waarde"));
    EXPECT_EQ(melding.knoppen, ui::Knoppen::Ok);
    EXPECT_EQ(melding.icoon, ui::Icoon::Geen);
    const QStringList regels = melding.tekst.split(QStringLiteral("\r\n"));
    ASSERT_EQ(regels.size(), 16);
    EXPECT_EQ(regels[0], QStringLiteral("Letter Waarde"));
    EXPECT_EQ(regels[1], QString());
    EXPECT_EQ(regels[2], QStringLiteral("A = 1      N = 2"));
    EXPECT_EQ(regels[6], QStringLiteral("E  = 1      R = 4"));
    EXPECT_EQ(regels[11], QStringLiteral("J   = 5     W = 5"));
    EXPECT_EQ(regels[14], QStringLiteral("M = 5     Z = 5"));
    EXPECT_EQ(regels[15], QString());
}
