#include "QuizTestHulp.h"

#include "core/quiz/QuizTijd.h"
#include "core/quiz/ScoreLijst.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/help/HelpSchermen.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/toolkit/TekenPaneel.h"

#include <QTimer>

using namespace quiztest;
using ui::Antwoord;
using ui::QuizSpel;

namespace {

struct QuizSpelFixture : QuizFixture {
    // The inside of a box as the screen should show letter c: both copies printed by the
    // panel's own text output at the expected place, on the box colour.
    QImage verwachtVak(char c) const
    {
        const int correctie = c == 'I' ? 7 : c == 'J' ? 3 : c == 'M' ? -4 : c == 'W' ? -10 : 0;
        ui::TekenPaneel vak;
        vak.resize(81, 81);
        vak.setBackColor(QColor(100, 0, 0));
        vak.setDrawFont(quiz->drawFont());
        const core::Kleur kleur = test.algemeen.LetterKleur;
        vak.printAt(19 + correctie, 0, QString(QChar(c)), Qt::white);
        vak.printAt(20 + correctie, 1, QString(QChar(c)), QColor(kleur.rood, kleur.groen, kleur.blauw));
        return vak.surface().copy(1, 1, 79, 79);
    }
    QImage vakOpScherm(int k) const
    {
        const int x = 80 * ((k - 1) % 6);
        const int y = 80 * ((k - 1) / 6);
        return quiz->surface().copy(x + 1, y + 1, 79, 79);
    }
};

} // namespace

TEST_F(QuizSpelFixture, AWholeGameFromNameToRecordedScore)
{
    schrijfLijsten({QStringLiteral("kat"), QStringLiteral("QUIZ"), QStringLiteral("mij")});
    test.algemeen.QuizSeconden = 3;
    test.algemeen.LetterKleur = {10, 200, 30};
    const std::string letters = "KATQUIZMWJEA";
    const int wachtenVoor = test.wachter.aantalWachten();
    const double gewachtVoor = test.wachter.totaalGewacht();

    start(QStringLiteral("Een"), letters);

    ASSERT_EQ(test.dialogen.invoerVragen, QStringList{QStringLiteral("Jouw naam intypen a.u.b.")});
    EXPECT_EQ(test.dialogen.invoerTitels, QStringList{QStringLiteral("Alfabo Lotto")});
    EXPECT_EQ(quiz->naamLabel()->text(), QStringLiteral("Een"));
    EXPECT_EQ(test.algemeen.SpelerNaam, "Een");
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(test.algemeen.QuizLetters[std::size_t(k)], std::string(1, letters[std::size_t(k - 1)])) << k;
        EXPECT_EQ(vakOpScherm(k), verwachtVak(letters[std::size_t(k - 1)])) << "box " << k;
    }
    // Each letter: a full turn, the partial turn to its sector, then the 2-second pause.
    int stappen = 0;
    double wachttijd = 0.0;
    for (const char c : letters) {
        stappen += 32 + sectorVan(c) + 1;
        wachttijd += float(0.05) * (32 + sectorVan(c)) + 2.0;
    }
    EXPECT_EQ(test.wachter.aantalWachten() - wachtenVoor, stappen);
    EXPECT_NEAR(test.wachter.totaalGewacht() - gewachtVoor, wachttijd, 1e-3);
    EXPECT_EQ(main->radPic()->letter(), QStringLiteral("A"));
    EXPECT_EQ(main->radPic()->wijzerEinde(), QPoint(300, 88));

    // Counting down.
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Aftellen);
    EXPECT_TRUE(quiz->timer2()->isActive());
    EXPECT_FALSE(quiz->startSpelKnop()->isEnabled());
    EXPECT_TRUE(vak()->isEnabled());
    EXPECT_EQ(vak()->achtergrond(), QColor(200, 200, 0));
    EXPECT_EQ(main->focusWidget(), vak());
    EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:00"));
    EXPECT_EQ(test.algemeen.ResterendeSeconden, 3);

    typ(QStringLiteral("kat"));
    spel().tik();
    EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:02 "));
    typ(QStringLiteral("QUIZ"));
    typ(QStringLiteral("mat"));
    spel().tik();
    EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:01 "));
    EXPECT_EQ(quiz->bottomLabel1()->text(), QStringLiteral("3"));
    EXPECT_EQ(scoreLijstGetoond, 0);
    EXPECT_TRUE(test.dialogen.meldingen.empty());

    const double gewachtVoorEinde = test.wachter.totaalGewacht();
    spel().tik();
    EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:00 "));
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
    EXPECT_FALSE(quiz->timer2()->isActive());
    EXPECT_FALSE(vak()->isEnabled());
    EXPECT_TRUE(quiz->startSpelKnop()->isEnabled());
    const struct {
        const char *markering;
        const char *woord;
        const char *punten;
    } rijen[] = {{"V", "kat", "7"}, {"V", "QUIZ", "22"}, {"X", "mat", ""}};
    for (int rij = 0; rij < 3; ++rij) {
        EXPECT_EQ(lijst()->tekst(rij, 0), QString::fromLatin1(rijen[rij].markering)) << rij;
        EXPECT_EQ(lijst()->tekst(rij, 1), QString::fromLatin1(rijen[rij].woord)) << rij;
        EXPECT_EQ(lijst()->tekst(rij, 2), QString::fromLatin1(rijen[rij].punten)) << rij;
    }
    EXPECT_EQ(quiz->bottomLabel2()->text(), QStringLiteral("29"));
    EXPECT_EQ(test.algemeen.QuizScore, 29);
    EXPECT_EQ(main->scoreLijst().ascending(), std::vector<std::string>{"0029 - Een"});
    EXPECT_EQ(scorelijstBestand(), QStringLiteral("\"Kwartelhoven Software 2017\"\r\n\"--------------------------\"\r\n"
                                                  "\"0029 - Een\"\r\n"));
    EXPECT_NEAR(test.wachter.totaalGewacht() - gewachtVoorEinde, 2.0, 1e-6);
    EXPECT_EQ(scoreLijstGetoond, 1);
    // The letters, words and marks of the game stay until the next one.
    EXPECT_EQ(test.algemeen.QuizLetters[12], "A");
    EXPECT_EQ(lijst()->aantal(), 3);
}

TEST_F(QuizSpelFixture, TheCountdownLabelAfterTheFirstTick)
{
    const struct {
        std::int32_t seconden;
        const char *label;
        bool om;
    } gevallen[] = {
        {180, "02:59 ", false}, {6, "00:05 ", false},  {900, "14:59 ", false},
        {600, "09:59 ", false}, {601, "10:00 ", false}, {61, "01:00 ", false},
        {2, "00:01 ", false},   {1, "00:00 ", true},
    };
    for (const auto &geval : gevallen) {
        test.algemeen.QuizSeconden = geval.seconden;
        start(QStringLiteral("Een"), "KATQUIZEABCD");
        ASSERT_EQ(spel().fase(), QuizSpel::Fase::Aftellen) << geval.seconden;
        EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:00")) << geval.seconden;
        spel().tik();
        EXPECT_EQ(quiz->tijdLabel()->text(), QString::fromLatin1(geval.label)) << geval.seconden;
        EXPECT_EQ(spel().fase() == QuizSpel::Fase::Rust, geval.om) << geval.seconden;
        if (!geval.om)
            quiz->stopAftellen();
    }
    EXPECT_EQ(scoreLijstGetoond, 1);
    EXPECT_EQ(main->scoreLijst().count(), 1u);
}

TEST_F(QuizSpelFixture, TheTimeIsUpAfterExactlyQuizSecondenTicks)
{
    schrijfLijsten({});
    test.algemeen.QuizSeconden = 5;
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    const char *labels[] = {"00:04 ", "00:03 ", "00:02 ", "00:01 "};
    for (const char *label : labels) {
        spel().tik();
        EXPECT_EQ(quiz->tijdLabel()->text(), QString::fromLatin1(label));
        EXPECT_EQ(spel().fase(), QuizSpel::Fase::Aftellen) << label;
    }
    spel().tik();
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
    EXPECT_EQ(scoreLijstGetoond, 1);
    // A stray tick after the end changes nothing.
    spel().tik();
    EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:00 "));
    EXPECT_EQ(test.algemeen.ResterendeSeconden, 0);
    EXPECT_EQ(scoreLijstGetoond, 1);
}

TEST_F(QuizSpelFixture, ANameIsNeededAndKeptAsTyped)
{
    schrijfLijsten({});
    test.algemeen.QuizSeconden = 1;
    const struct {
        const char *naam;
        bool speelt;
    } gevallen[] = {{"", false}, {"   ", false}, {"  Twee  ", true}, {"\t", false}, {"Drie, de derde", true}};
    int gespeeld = 0;
    for (const auto &geval : gevallen) {
        const QString naam = QString::fromLatin1(geval.naam);
        start(naam, "KATQUIZEABCD");
        if (!geval.speelt) {
            toeval.posities.clear();
            EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust) << geval.naam;
            EXPECT_EQ(quiz->naamLabel()->text(), QString()) << geval.naam;
            EXPECT_EQ(vak()->achtergrond(), QColor(200, 200, 200)) << geval.naam;
            EXPECT_TRUE(quiz->startSpelKnop()->isEnabled()) << geval.naam;
            EXPECT_EQ(scoreLijstGetoond, gespeeld) << geval.naam;
            continue;
        }
        ++gespeeld;
        EXPECT_EQ(quiz->naamLabel()->text(), naam);
        spel().tik();
        EXPECT_EQ(scoreLijstGetoond, gespeeld) << geval.naam;
    }
    EXPECT_EQ(main->scoreLijst().ascending(),
              (std::vector<std::string>{"0000 -   Twee  ", "0000 - Drie, de derde"}));
    // The name with a comma reads back whole.
    core::ScoreLijst gelezen;
    EXPECT_TRUE(gelezen.LaadScorelijst(main->scorelijstPad().toStdString()));
    EXPECT_EQ(gelezen.ascending(), main->scoreLijst().ascending());
}

TEST_F(QuizSpelFixture, AnEmptyNameAfterAGameKeepsThatGamesPanel)
{
    schrijfLijsten({QStringLiteral("kat")});
    test.algemeen.QuizSeconden = 1;
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    typ(QStringLiteral("kat"));
    spel().tik();
    const QImage letters = quiz->surface().copy(0, 0, 481, 161);

    start(QString(), "");
    EXPECT_EQ(quiz->naamLabel()->text(), QString());
    EXPECT_EQ(vak()->achtergrond(), QColor(200, 200, 200));
    EXPECT_FALSE(vak()->isEnabled());
    EXPECT_EQ(lijst()->tekst(0, 1), QStringLiteral("kat"));
    EXPECT_EQ(quiz->bottomLabel2()->text(), QStringLiteral("7"));
    EXPECT_EQ(quiz->surface().copy(0, 0, 481, 161), letters);
    EXPECT_EQ(test.algemeen.QuizLetters[1], "K");
}

TEST_F(QuizSpelFixture, AQuizTimeBelowOneSecondIsRefusedWithAMessage)
{
    for (const std::int32_t seconden : {0, -5}) {
        test.algemeen.QuizSeconden = seconden;
        test.dialogen.meldingen.clear();
        start(QStringLiteral("Een"), "");
        ASSERT_EQ(aantalMeldingen(), 1) << seconden;
        EXPECT_EQ(laatsteMelding(), QString::fromUtf8(core::OnbruikbareQuizTijdMelding));
        EXPECT_EQ(test.dialogen.meldingen[0].knoppen, ui::Knoppen::Ok);
        EXPECT_TRUE(test.dialogen.invoerVragen.isEmpty()) << "no name is asked";
        EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
        EXPECT_TRUE(quiz->startSpelKnop()->isEnabled());
        EXPECT_FALSE(quiz->timer2()->isActive());
        test.dialogen.invoerAntwoorden.clear();
    }
}

TEST_F(QuizSpelFixture, StoppingTheCountdownGivesTheGameUpWithoutRecordingIt)
{
    schrijfLijsten({QStringLiteral("kat")});
    test.algemeen.QuizSeconden = 10;
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    spel().tik();
    typ(QStringLiteral("kat"));

    quiz->stopAftellen();
    EXPECT_FALSE(quiz->timer2()->isActive());
    EXPECT_TRUE(quiz->startSpelKnop()->isEnabled());
    EXPECT_FALSE(vak()->isEnabled());
    EXPECT_EQ(vak()->achtergrond(), QColor(200, 200, 200));
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
    EXPECT_EQ(lijst()->tekst(0, 1), QStringLiteral("kat")); // stays visible
    EXPECT_EQ(lijst()->tekst(0, 0), QString());              // never checked

    spel().tik();
    EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:09 "));
    EXPECT_EQ(scoreLijstGetoond, 0);
    EXPECT_TRUE(main->scoreLijst().isEmpty());
    EXPECT_TRUE(leesBestand(main->scorelijstPad()).isEmpty());

    // And the next game starts normally.
    test.algemeen.QuizSeconden = 1;
    start(QStringLiteral("Twee"), "KATQUIZEABCD");
    EXPECT_EQ(lijst()->aantal(), 0);
    spel().tik();
    EXPECT_EQ(main->scoreLijst().ascending(), std::vector<std::string>{"0000 - Twee"});
}

TEST_F(QuizSpelFixture, StoppingDuringTheDrawEndsTheDrawWithoutACountdown)
{
    int getrokkenBijStop = -1;
    QTimer::singleShot(0, quiz, [&] {
        getrokkenBijStop = 0;
        for (int k = 1; k <= 12; ++k)
            getrokkenBijStop += !test.algemeen.QuizLetters[std::size_t(k)].empty();
        quiz->stopAftellen();
    });
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    EXPECT_EQ(getrokkenBijStop, 0);
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
    EXPECT_FALSE(quiz->timer2()->isActive());
    EXPECT_TRUE(quiz->startSpelKnop()->isEnabled());
    EXPECT_FALSE(vak()->isEnabled());
    // The draw stopped when the wheel came to rest, before printing its letter.
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(test.algemeen.QuizLetters[std::size_t(k)], "") << k;
    EXPECT_FALSE(ui::toontBezigAanwijzer());
}

TEST_F(QuizSpelFixture, NoSecondGameStartsWhileOneRuns)
{
    schrijfLijsten({});
    test.algemeen.QuizSeconden = 1;
    bool bezigTijdensTrekken = false;
    bool knopTijdensTrekken = true;
    QTimer::singleShot(0, quiz, [&] {
        bezigTijdensTrekken = ui::toontBezigAanwijzer();
        knopTijdensTrekken = quiz->startSpelKnop()->isEnabled();
        test.dialogen.invoerAntwoorden.push_back(QStringLiteral("Indringer"));
        emit quiz->startSpelKnop()->Click();
    });
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    EXPECT_TRUE(bezigTijdensTrekken);
    EXPECT_FALSE(knopTijdensTrekken);
    EXPECT_FALSE(ui::toontBezigAanwijzer());
    EXPECT_EQ(test.dialogen.invoerVragen.size(), 1);

    // During the countdown.
    emit quiz->startSpelKnop()->Click();
    EXPECT_EQ(test.dialogen.invoerVragen.size(), 1);

    // During the high-score dialog at the end, where the button is enabled already.
    bool knopBijEinde = false;
    quiz->setToonScoreLijst([&] {
        knopBijEinde = quiz->startSpelKnop()->isEnabled();
        emit quiz->startSpelKnop()->Click();
    });
    spel().tik();
    EXPECT_TRUE(knopBijEinde);
    EXPECT_EQ(test.dialogen.invoerVragen.size(), 1);
    EXPECT_EQ(main->scoreLijst().count(), 1u);
}

TEST_F(QuizSpelFixture, TheStartButtonDoesNothingWhileTheQuizHelpScreenIsShown)
{
    ui::TekenPaneel *help = main->helpSchermen()->helpPic2();
    if (!help)
        GTEST_SKIP() << "the quiz help screen is not there";
    help->show();
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    EXPECT_TRUE(test.dialogen.invoerVragen.isEmpty());
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
    help->hide();
    test.dialogen.invoerAntwoorden.clear();
    start(QStringLiteral("Een"), "");
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Aftellen);
}

TEST_F(QuizSpelFixture, ClosingTheProgramDuringTheDrawEndsTheGameQuietly)
{
    QTimer::singleShot(0, quiz, [&] {
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->close();
    });
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
    EXPECT_FALSE(quiz->timer2()->isActive());
    EXPECT_FALSE(ui::toontBezigAanwijzer());
}

TEST_F(QuizSpelFixture, ClosingTheProgramDuringTheLastPauseSkipsTheHighScoreDialog)
{
    schrijfLijsten({});
    test.algemeen.QuizSeconden = 1;
    start(QStringLiteral("Een"), "KATQUIZEABCD");
    QTimer::singleShot(0, quiz, [&] {
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->close();
    });
    spel().tik();
    EXPECT_EQ(scoreLijstGetoond, 0);
    EXPECT_EQ(main->scoreLijst().count(), 1u); // recorded before the pause
    EXPECT_EQ(spel().fase(), QuizSpel::Fase::Rust);
}
