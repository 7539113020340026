// A laptop with a projector: the program opens full screen on the screen the operator chose,
// remembered by name, and on the laptop's own screen when that one is not connected; with the
// hall's screen switched on, the game is shown on the other screen too.
#include "support/MetHoofdvenster.h"

#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/dialogen/ConfigForm.h"
#include "ui/hoofdvenster/Bedieningspaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/hoofdvenster/Podium.h"
#include "ui/hoofdvenster/Weergave.h"
#include "ui/hoofdvenster/Zaalscherm.h"
#include "ui/toolkit/Voorkeuren.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace ui;

namespace {

struct TweeSchermen : MetHoofdvenster {
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the test runs with twee-schermen.json";
        MetHoofdvenster::SetUp();
    }
    Voorkeuren op(const QString &scherm)
    {
        Voorkeuren voorkeuren;
        voorkeuren.beeldscherm = scherm;
        return voorkeuren;
    }
    QRect geometrie(const QString &scherm) const { return schermMetNaam(scherm)->geometry(); }
};

} // namespace

TEST_F(TweeSchermen, OpensFullScreenOnTheChosenScreenFittedToIt)
{
    Weergave weergave(*main);
    weergave.toon(op(QStringLiteral("Beamer")));
    QCoreApplication::processEvents();
    EXPECT_EQ(weergave.scherm()->name().toStdString(), "Beamer");
    EXPECT_EQ(weergave.podium()->geometry(), geometrie(QStringLiteral("Beamer")));
    EXPECT_TRUE(weergave.podium()->isFullScreen());
    EXPECT_DOUBLE_EQ(weergave.podium()->schaal(), 1.35);

    weergave.toon(op(QStringLiteral("Laptop")));
    QCoreApplication::processEvents();
    EXPECT_EQ(weergave.podium()->geometry(), geometrie(QStringLiteral("Laptop")));
    EXPECT_DOUBLE_EQ(weergave.podium()->schaal(), 0.96);
}

TEST_F(TweeSchermen, AChosenScreenThatIsNotConnectedGivesThePrimaryScreenWithoutAMessage)
{
    Weergave weergave(*main);
    weergave.toon(op(QStringLiteral("Projector zaal 2")));
    QCoreApplication::processEvents();
    EXPECT_EQ(weergave.scherm(), QGuiApplication::primaryScreen());
    EXPECT_EQ(weergave.podium()->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

// The settings dialog lists both screens; the one chosen there is remembered in the
// configuration folder and the window goes there.
TEST_F(TweeSchermen, TheScreenChosenInTheSettingsIsRememberedAndTheWindowMovesThere)
{
    Weergave weergave(*main);
    main->zetVoorkeuren(op(QString()));
    weergave.toon(main->voorkeuren());
    QObject::connect(main.get(), &Main::voorkeurenGewijzigd, &weergave, &Weergave::toon);
    {
        ConfigForm form(*main);
        QComboBox *keuze = form.beeldschermKeuze();
        ASSERT_EQ(keuze->count(), 2);
        QScreen *eerste = QGuiApplication::primaryScreen();
        QScreen *ander = QGuiApplication::screens().at(QGuiApplication::screens().at(0) == eerste ? 1 : 0);
        EXPECT_EQ(keuze->currentText(), schermOmschrijving(*eerste)) << "the primary screen at first";
        const int gekozen = keuze->findText(schermOmschrijving(*ander));
        EXPECT_TRUE(keuze->findText(QStringLiteral("Laptop (1366 x 768)")) >= 0
                    && keuze->findText(QStringLiteral("Beamer (1920 x 1080)")) >= 0);
        ASSERT_GE(gekozen, 0);
        keuze->setCurrentIndex(gekozen);
        form.okGeklikt();
        QCoreApplication::processEvents();
        EXPECT_EQ(Voorkeuren::lees().beeldscherm, ander->name());
        EXPECT_EQ(weergave.podium()->geometry(), ander->geometry());
    }
}

namespace {

// The operator on the laptop, the hall's screen switched on: the beamer shows the game.
struct MetZaal : TweeSchermen {
    std::unique_ptr<Weergave> weergave;

    void SetUp() override
    {
        TweeSchermen::SetUp();
        weergave = std::make_unique<Weergave>(*main);
        QObject::connect(main.get(), &Main::voorkeurenGewijzigd, weergave.get(), &Weergave::toon);
        main->zetVoorkeuren(op(QStringLiteral("Laptop")));
        weergave->toon(main->voorkeuren());
        main->wisselZaalscherm(); // on
        QCoreApplication::processEvents();
        ASSERT_TRUE(weergave->zaalscherm());
    }
    void TearDown() override
    {
        weergave.reset();
        TweeSchermen::TearDown();
    }
    Zaalscherm &zaal() const { return *weergave->zaalscherm(); }
    QImage zaalBeeld() const { return zaal().viewport()->grab().toImage(); }
    void trek()
    {
        emit main->pic()->startKnop()->Click();
        QCoreApplication::processEvents();
    }
    // The screens as the program is told of them: only the laptop, as with the cable pulled.
    void metSchermen(std::function<QList<QScreen *>()> bron)
    {
        weergave->zetSchermenBron(std::move(bron));
        weergave->schermenVeranderd();
        QCoreApplication::processEvents();
    }
};

} // namespace

// The hall sees the game full screen on the beamer, below the menu bar, with no pointer and
// taking no input; a draw on the laptop shows on both, and the operator's panel lists it.
// "Scherm zwart" blanks the hall's screen and brings back what it showed.
TEST_F(MetZaal, TheHallSeesTheGameOnTheOtherScreenEveryDrawAtOnceAndABlankScreenForABreak)
{
    EXPECT_EQ(std::tuple(weergave->podium()->geometry(), zaal().geometry(), zaal().isFullScreen()),
              std::tuple(geometrie(QStringLiteral("Laptop")), geometrie(QStringLiteral("Beamer")), true));
    EXPECT_EQ(zaal().getoondDeel().top(), main->menuPic()->geometry().bottom() + 1);
    EXPECT_EQ(std::pair(zaal().viewport()->cursor().shape(), zaal().isInteractive()),
              std::pair(Qt::BlankCursor, false));
    const QImage voor = zaalBeeld();
    trek();
    const QImage na = zaalBeeld();
    EXPECT_NE(na, voor);
    EXPECT_FALSE(main->isAncestorOf(weergave->bedieningspaneel())) << "the hall sees the main window, not the panel";
    EXPECT_TRUE(
        weergave->bedieningspaneel()->letters()->text().endsWith(QStringLiteral("(1): ") + main->radPic()->letter()));
    weergave->bedieningspaneel()->zwartKnop()->click();
    QImage zwart(na.size(), na.format());
    zwart.fill(Qt::black);
    EXPECT_EQ(zaalBeeld(), zwart);
    weergave->bedieningspaneel()->zwartKnop()->click();
    EXPECT_EQ(zaalBeeld(), na);
    emit weergave->bedieningspaneel()->trekKnop()->clicked();
    EXPECT_EQ(test.algemeen.LetterTeller, 2) << "a draw from the panel is the game's next draw";
    test.algemeen.SpelSoort = core::SpelSoort::Quiz;
    emit weergave->bedieningspaneel()->trekKnop()->clicked();
    EXPECT_EQ(test.algemeen.LetterTeller, 2) << "no bingo draw in the word quiz";
}

// A dialog of the operator's, here the settings, opens on the laptop only.
TEST_F(MetZaal, DialogsOpenOnTheOperatorsScreenOnly)
{
    QString scherm;
    QTimer::singleShot(0, [&] {
        QWidget *dialoog = QApplication::activeModalWidget();
        scherm = dialoog ? dialoog->screen()->name() : QStringLiteral("geen dialoog");
        if (dialoog)
            dialoog->close();
    });
    main->menuActie(MenuActie::Instellingen);
    EXPECT_EQ(scherm.toStdString(), "Laptop");
}

// A pulled cable takes the hall's screen away, not the game; it comes back on the beamer. F10
// switches it off and on, remembered.
TEST_F(MetZaal, TheHallsScreenGoesWithItsCableAndComesBackAndF10SwitchesIt)
{
    QScreen *laptop = schermMetNaam(QStringLiteral("Laptop"));
    metSchermen([laptop] { return QList<QScreen *>{laptop}; });
    EXPECT_FALSE(zaal().isVisible() || weergave->bedieningspaneel()->isVisible());
    trek();
    EXPECT_EQ(test.algemeen.LetterTeller, 1);
    metSchermen(&QGuiApplication::screens);
    EXPECT_EQ(std::pair(zaal().isVisible(), zaal().geometry()), std::pair(true, geometrie(QStringLiteral("Beamer"))));
    for (const bool aan : {false, true}) {
        QTest::keyClick(weergave->podium(), Qt::Key_F10);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(zaal().isVisible(), Voorkeuren::lees().zaalschermAan), std::pair(aan, aan));
    }
}
