#include "support/MetHoofdvenster.h"

#include "core/bestanden/Instellingen.h"
#include "ui/bingo/BingoBord.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>

using namespace ui;

namespace {

QString leesBestand(const QString &pad)
{
    QFile bestand(pad);
    bestand.open(QIODevice::ReadOnly);
    return QString::fromLatin1(bestand.readAll());
}

struct MainFixture : MetHoofdvenster {
    void trek() { emit main->pic()->startKnop()->Click(); }
    int getrokkenAantal() const
    {
        int n = 0;
        for (int i = 1; i <= 26; ++i)
            n += test.algemeen.Getrokken[i];
        return n;
    }
};

} // namespace

TEST_F(MainFixture, FirstStartCreatesTheSettingsFileByteForByte)
{
    EXPECT_EQ(leesBestand(test.omgeving.instellingenPad()),
              QStringLiteral("\"Kwartelhoven Software 2017\"\r\n\"--------------------------\"\r\n"
                             "\"www.alfabolotto.nl\"\r\n150,150,150\r\n150\r\n"));
    EXPECT_EQ(main->label2()->text(), QStringLiteral("www.alfabolotto.nl"));
    EXPECT_EQ(main->label3()->text(), QStringLiteral("www.alfabolotto.nl"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Alfabo Lotto"));
}

TEST_F(MainFixture, TheFirstRoundAfterStartIsRoundOneWithTurnOne)
{
    EXPECT_EQ(main->rondeLabel()->text(), QStringLiteral("Ronde : 1"));
    EXPECT_EQ(main->beurtLabel()->text(), QStringLiteral("Letter : 1"));
    trek();
    EXPECT_EQ(main->beurtLabel()->text(), QStringLiteral("Letter : 1"));
    trek();
    EXPECT_EQ(main->beurtLabel()->text(), QStringLiteral("Letter : 2"));
    EXPECT_EQ(getrokkenAantal(), 2);
}

TEST_F(MainFixture, TwentySixDrawsGiveEveryLetterOnceThenTheRoundEnds)
{
    std::set<QString> letters;
    for (int i = 0; i < 26; ++i) {
        trek();
        letters.insert(main->radPic()->letter());
    }
    EXPECT_EQ(letters.size(), 26u);
    EXPECT_EQ(getrokkenAantal(), 26);
    EXPECT_EQ(test.algemeen.BordX, 413);
    EXPECT_EQ(test.algemeen.BordY, 395);
    EXPECT_TRUE(test.dialogen.meldingen.empty());

    trek();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral("Einde Ronde"));
    EXPECT_EQ(test.dialogen.meldingen[0].tekst,
              QStringLiteral("Einde van ronde 1, klik op de button\r\nNieuw voor een volgende ronde..."));
    EXPECT_EQ(test.dialogen.meldingen[0].knoppen, Knoppen::Ok);
    EXPECT_EQ(main->beurtLabel()->text(), QStringLiteral("Letter : 27"));
    trek();
    EXPECT_EQ(main->beurtLabel()->text(), QStringLiteral("Letter : 28"));
}

TEST_F(MainFixture, TheWheelEndsOnTheDrawnLetterAndKeepsItsPlace)
{
    trek();
    const QString letter = main->radPic()->letter();
    ASSERT_EQ(letter.size(), 1);
    const int i = letter[0].unicode() - 'A' + 1;
    EXPECT_EQ(test.algemeen.Getrokken[i], 1);
    const QPoint einde = main->radPic()->wijzerEinde();
    // The table point of the drawn letter, e.g. K ends at (442, 456).
    if (letter == QStringLiteral("K")) {
        EXPECT_EQ(einde, QPoint(442, 456));
    }
    main->radPic()->repaint();
    EXPECT_EQ(main->radPic()->wijzerEinde(), einde);
    // A draw takes 26 sweep steps and i run steps.
    EXPECT_EQ(test.wachter.aantalWachten(), 26 + i);
}

TEST_F(MainFixture, ConfirmingANewRoundInRoundThreeGivesRoundFourAndAClearBoard)
{
    for (int ronde = 0; ronde < 2; ++ronde) {
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->menuActie(1);
    }
    EXPECT_EQ(main->rondeLabel()->text(), QStringLiteral("Ronde : 3"));
    trek();
    trek();
    const QImage voor = main->pic()->surface().copy();

    test.dialogen.antwoorden = {Antwoord::Ja};
    main->menuActie(1);
    const auto &vraag = test.dialogen.meldingen.back();
    EXPECT_EQ(vraag.titel, QStringLiteral("Nieuw"));
    EXPECT_EQ(vraag.tekst, QStringLiteral("Wilt u met een nieuwe Alfabo Lotto beginnen?"));
    EXPECT_EQ(vraag.knoppen, Knoppen::JaNee);
    EXPECT_EQ(main->rondeLabel()->text(), QStringLiteral("Ronde : 4"));
    EXPECT_EQ(main->beurtLabel()->text(), QStringLiteral("Letter : 1"));
    EXPECT_EQ(getrokkenAantal(), 0);
    EXPECT_NE(main->pic()->surface(), voor);
    EXPECT_EQ(main->pic()->y(), 220); // back at its place after sliding
    for (int i = 0; i < 26; ++i)
        trek();
    EXPECT_EQ(getrokkenAantal(), 26);
}

TEST_F(MainFixture, AnsweringNeeOrPlayingTheQuizLeavesTheRoundAlone)
{
    trek();
    test.dialogen.antwoorden = {Antwoord::Nee};
    main->menuActie(1);
    EXPECT_EQ(main->rondeLabel()->text(), QStringLiteral("Ronde : 1"));
    EXPECT_EQ(getrokkenAantal(), 1);

    test.algemeen.SpelSoort = 2;
    const auto gevraagd = test.dialogen.meldingen.size();
    main->menuActie(1);
    EXPECT_EQ(test.dialogen.meldingen.size(), gevraagd);
    EXPECT_EQ(getrokkenAantal(), 1);
}

TEST_F(MainFixture, StartPressesDuringADrawGiveExactlyOneLetter)
{
    int extra = 0;
    // Every wait of the animation lets events run: press the start button again meanwhile.
    QObject::connect(main->pic()->startKnop(), &widgets::VistaButton::Click, main.get(), [] {});
    QTimer::singleShot(0, main.get(), [&] {
        for (int i = 0; i < 5; ++i) {
            ++extra;
            emit main->pic()->startKnop()->Click();
        }
    });
    trek();
    EXPECT_EQ(extra, 5);
    EXPECT_EQ(getrokkenAantal(), 1);
    EXPECT_EQ(main->beurtLabel()->text(), QStringLiteral("Letter : 1"));
    EXPECT_TRUE(main->pic()->startKnop()->isEnabled());
}

TEST_F(MainFixture, TheClockShowsTheDutchDateAndClickingItTogglesTheMenuBar)
{
    test.klok.set({2026, 3, 5, 9, 7, 3});
    main->toonKlok();
    EXPECT_EQ(main->klokLabel()->text(), QStringLiteral("5 Maart 2026 / 9:07:03"));

    main->show();
    EXPECT_TRUE(main->menuPic()->isVisible());
    emit main->klokLabel()->klik();
    EXPECT_FALSE(main->menuPic()->isVisible());
    EXPECT_EQ(main->klokLabel()->toolTip(), QStringLiteral(" Menubalk Laten zien "));
    emit main->klokLabel()->klik();
    EXPECT_TRUE(main->menuPic()->isVisible());
    EXPECT_EQ(main->klokLabel()->toolTip(), QStringLiteral(" Menubalk Verbergen "));
}

TEST_F(MainFixture, MenuButtonsCarryTheirTooltips)
{
    const std::pair<int, const char *> tooltips[] = {
        {1, " Nieuwe Bingo Ronde "}, {2, " Hoogstscore Lijst Quiz "}, {3, " Meer Software "},
        {4, " Alfabo Lotto / Woorden Quiz "}, {5, " Instellingen "}, {6, " Afdrukken Bingo Formulieren "},
        {8, " Quiz Woorden Toevoegen / Verwijderen "}, {9, " Help "},
    };
    for (const auto &[index, tooltip] : tooltips) {
        ASSERT_NE(main->menuPic()->knop(index), nullptr) << index;
        EXPECT_EQ(main->menuPic()->knop(index)->toolTip(), QString::fromLatin1(tooltip));
        EXPECT_EQ(main->menuPic()->knop(index)->geometry(), QRect(12 + 60 * (index - 1), 12, 56, 56));
    }
    EXPECT_EQ(main->menuPic()->knop(7), nullptr);
    EXPECT_EQ(main->menuPic()->aboutKnop()->toolTip(), QStringLiteral(" About me "));
    EXPECT_EQ(main->menuPic()->exitKnop()->toolTip(), QStringLiteral(" Stop Programma "));
    EXPECT_EQ(main->menuPic()->exitKnop()->x(), main->menuPic()->width() - 68);
    EXPECT_EQ(main->pic()->startKnop()->toolTip(), QStringLiteral(" Starten Alfabo Lotto "));
}

TEST_F(MainFixture, ClosingAsksFirstAndNeeKeepsEverything)
{
    main->show();
    test.algemeen.ReclameTekst = "Zaal open";
    test.dialogen.antwoorden = {Antwoord::Nee};
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    ASSERT_FALSE(test.dialogen.meldingen.empty());
    EXPECT_EQ(test.dialogen.meldingen.back().titel, QStringLiteral(" Exit programma"));
    EXPECT_EQ(test.dialogen.meldingen.back().tekst, QStringLiteral("Wilt u dit programma nu afsluiten?"));
    EXPECT_FALSE(leesBestand(test.omgeving.instellingenPad()).contains(QStringLiteral("Zaal open")));

    test.dialogen.antwoorden = {Antwoord::Ja};
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(leesBestand(test.omgeving.instellingenPad()).contains(QStringLiteral("\"Zaal open\"")));
}

TEST_F(MainFixture, ASmallScreenScrollsRatherThanHidingTheExitButton)
{
    Main klein(test.omgeving, QSize(800, 600));
    EXPECT_GE(klein.mainPic()->width(), Main::ontwerpMaat().width());
    EXPECT_GE(klein.mainPic()->height(), Main::ontwerpMaat().height());
    const QRect exit = klein.menuPic()->exitKnop()->geometry().translated(klein.menuPic()->pos());
    EXPECT_TRUE(klein.mainPic()->rect().contains(exit));
    test.dialogen.antwoorden = {Antwoord::Ja};
    klein.close();
}

TEST_F(MainFixture, TheMinimiseImageDipsAndComesBackBeforeTheWindowMinimises)
{
    main->show();
    const QPoint rust = main->image1()->pos();
    const double voor = test.klok.monotonicSeconds();
    main->minimaliseer();
    EXPECT_EQ(main->image1()->pos(), rust);
    EXPECT_NEAR(test.klok.monotonicSeconds() - voor, 0.4, 1e-6);
    EXPECT_TRUE(main->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(main->image1()->toolTip(), QStringLiteral(" Scherm Minimaliseren "));
}

TEST_F(MainFixture, MovingTheMouseOverTheWheelKeepsItsPositionInTheHiddenLabel)
{
    QMouseEvent beweging(QEvent::MouseMove, QPointF(120, 345), QPointF(120, 345), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QCoreApplication::sendEvent(main->radPic(), &beweging);
    EXPECT_EQ(main->radPic()->muisPositie(), QStringLiteral("120 , 345"));
    EXPECT_FALSE(main->radPic()->findChild<QLabel *>(QStringLiteral("Label4"))->isVisible());
}

TEST_F(MainFixture, AColourChangeOnlyColoursLettersDrawnAfterIt)
{
    test.algemeen.LetterKleur = {255, 0, 0};
    trek();
    // The coloured copy of the first letter stands at (125 + d + 1, -5 + 1) onwards.
    auto telRood = [&](int x0, int x1) {
        int rood = 0;
        const QImage &bord = main->pic()->surface();
        for (int y = 1; y < 79; ++y)
            for (int x = x0; x < x1; ++x)
                rood += bord.pixelColor(x, y) == QColor(255, 0, 0);
        return rood;
    };
    EXPECT_GT(telRood(97, 191), 0);
    test.algemeen.LetterKleur = {0, 0, 255};
    trek();
    EXPECT_GT(telRood(97, 191), 0) << "the first letter keeps its colour";
    EXPECT_EQ(telRood(193, 287), 0) << "the second letter takes the new colour";
}

// The game-type dialog would hide the board while the wheel still turns for it.
TEST_F(MainFixture, TheGameTypeButtonWaitsUntilTheDrawIsOver)
{
    bool geopend = false;
    QTimer::singleShot(0, main.get(), [&] {
        // Inside the draw: a dialog that opens anyway is noted and closed again.
        QTimer::singleShot(0, main.get(), [&] {
            if (QWidget *dialoog = QApplication::activeModalWidget()) {
                geopend = true;
                dialoog->close();
            }
        });
        main->menuActie(4);
    });
    trek();
    EXPECT_FALSE(geopend);
    EXPECT_EQ(getrokkenAantal(), 1);
}
