// The main window on its stage: fitted to any screen, drawn at the screen's resolution, and
// the operator's keys whatever was clicked last.
#include "ui/hoofdvenster/Podium.h"

#include "support/MetHoofdvenster.h"

#include "core/bingo/BingoRonde.h"
#include "core/Schermpassing.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/help/HelpSchermen.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/toolkit/DialoogTonen.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/toolkit/TekenPaneel.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace ui;

namespace {

struct OpPodium : MetHoofdvenster {
    std::unique_ptr<Podium> podium;

    void toon(QSize scherm)
    {
        podium = std::make_unique<Podium>(*main);
        main->show();
        podium->resize(scherm);
        podium->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        MetHoofdvenster::TearDown();
        podium.reset();
    }
    // Where a control of the main window lands on the stage's screen.
    QRectF opScherm(const QWidget *deel) const
    {
        const QRect inMain(deel->mapTo(main.get(), QPoint()), deel->size());
        return podium->viewportTransform().mapRect(QRectF(inMain));
    }
    int letters() const { return test.algemeen.LetterTeller; }
};

} // namespace

TEST_F(OpPodium, TheDesignFillsEveryScreenCentredWithTheMenuBarAndClockAlongItsEdges)
{
    std::optional<QPoint> inOntwerp; // the wheel's place in the design
    for (const QSize scherm : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1080),
                               QSize(3840, 2160), QSize(1250, 800)}) {
        toon(scherm);
        const double s = core::pasOntwerpOp(scherm.width(), scherm.height()).schaal;
        const std::string bij = std::to_string(scherm.width()) + "x" + std::to_string(scherm.height());
        EXPECT_DOUBLE_EQ(podium->schaal(), s) << bij;
        // Nothing to scroll: the background is exactly the window.
        EXPECT_EQ(main->mainPic()->size(), main->size()) << bij;
        const QRectF rad = opScherm(main->radPic());
        const QRectF bord = opScherm(main->pic());
        EXPECT_NEAR(rad.width(), 600 * s, 0.01) << bij;
        // The design's own area, with the wheel and the board in it, stands in the middle.
        const QRectF ontwerp = podium->viewportTransform().mapRect(
            QRectF(QPointF(main->verschuiving()), QSizeF(core::OntwerpBreedte, core::OntwerpHoogte)));
        EXPECT_NEAR(ontwerp.center().x(), scherm.width() / 2.0, s) << bij;
        EXPECT_NEAR(ontwerp.center().y(), scherm.height() / 2.0, s) << bij;
        EXPECT_TRUE(ontwerp.contains(rad.united(bord)) && QRectF(QPointF(), QSizeF(scherm)).contains(ontwerp)) << bij;
        EXPECT_EQ(main->radPic()->pos() - main->verschuiving(),
                  inOntwerp.value_or(main->radPic()->pos() - main->verschuiving()))
            << bij;
        inOntwerp = main->radPic()->pos() - main->verschuiving();
        // The exit button in the top-right corner, the clock in the bottom-left one.
        const QRectF exit = opScherm(main->menuPic()->exitKnop());
        EXPECT_NEAR(scherm.width() - exit.right(), 20 * s, 2) << bij;
        EXPECT_LE(exit.top(), 20 * s + 0.01) << bij;
        const QRectF klok = opScherm(main->klokLabel());
        EXPECT_NEAR(scherm.height() - klok.top(), 34 * s, 2) << bij;
        podium.reset();
    }
}

TEST_F(OpPodium, AtTheDesignSizeTheStageShowsEveryPixelOfTheWindowAlone)
{
    TestOmgeving alleen;
    Main los(alleen.omgeving, Main::ontwerpMaat());
    los.show();
    toon(Main::ontwerpMaat());
    EXPECT_EQ(podium->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32),
              los.grab().toImage().convertToFormat(QImage::Format_RGB32));
    alleen.dialogen.antwoorden = {Antwoord::Ja};
    los.close();
}

// Enlarged, the board's lines are bands of whole screen pixels in the line colour, not the
// blurred pixels of an enlarged picture; so are the edges of its letters' cells.
TEST_F(OpPodium, EnlargedTheBoardIsDrawnAtTheScreensResolution)
{
    toon(QSize(3840, 2160));
    const QImage scherm = podium->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRectF bord = opScherm(main->pic());
    const int y = int(bord.top() + 200 * podium->schaal()); // through the middle rows, no letter yet
    const QColor raster(200, 200, 200), vlak(100, 0, 0);
    int lijnPixels = 0;
    for (int x = int(bord.left() + 10 * podium->schaal()); x < int(bord.left() + 250 * podium->schaal()); ++x) {
        const QColor kleur = scherm.pixelColor(x, y);
        EXPECT_TRUE(kleur == raster || kleur == vlak) << x << ": " << kleur.name().toStdString();
        lijnPixels += kleur == raster;
    }
    // The lines at 96 and 192, each as wide as the scale (2.7).
    EXPECT_GE(lijnPixels, 2 * 2);
    EXPECT_LE(lijnPixels, 2 * 3);
}

TEST_F(OpPodium, DialogsAreScaledLikeTheStageAndCentredOnItsScreen)
{
    toon(QSize(1920, 1080));
    QSize getoond;
    QPoint midden;
    QTimer::singleShot(0, [&] {
        QWidget *venster = QApplication::activeModalWidget();
        ASSERT_NE(venster, nullptr);
        getoond = venster->size();
        midden = venster->geometry().center();
        venster->close();
    });
    QDialog dialoog(main.get());
    dialoog.setFixedSize(400, 200);
    toonDialoog(dialoog);
    EXPECT_EQ(getoond, QSize(540, 270));
    EXPECT_LE((midden - podium->geometry().center()).manhattanLength(), 2);
}

TEST_F(OpPodium, SpaceAndEnterDrawTheNextLetterWhateverWasClickedLast)
{
    toon(QSize(1920, 1080));
    const auto druk = [this](Qt::Key toets) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : podium.get(), toets);
    };
    test.dialogen.antwoorden = {Antwoord::Ja};
    main->menuActie(MenuActie::NieuweRonde);
    int verwacht = letters();
    const std::size_t vragen = test.dialogen.meldingen.size();
    druk(Qt::Key_Space);
    EXPECT_EQ(letters(), ++verwacht) << "after a new round";
    EXPECT_EQ(test.dialogen.meldingen.size(), vragen) << "no second question for a new round";

    main->menuActie(MenuActie::Help);
    druk(Qt::Key_Space);
    EXPECT_EQ(letters(), ++verwacht) << "after help";
    main->menuActie(MenuActie::Help);

    main->pic()->startKnop()->setFocus();
    QTest::mouseClick(podium->viewport(), Qt::LeftButton, {}, QPoint(5, 700));
    druk(Qt::Key_Space);
    druk(Qt::Key_Return);
    EXPECT_EQ(letters(), verwacht += 2) << "after a click on the background";
}

TEST_F(OpPodium, F11SwitchesBetweenFullScreenAndAWindow)
{
    toon(QSize(1920, 1080));
    podium->showFullScreen();
    QTest::keyClick(podium.get(), Qt::Key_F11);
    EXPECT_FALSE(podium->isFullScreen());
    QTest::keyClick(podium.get(), Qt::Key_F11);
    EXPECT_TRUE(podium->isFullScreen());
}

namespace {
// Presses the space bar in the middle of every wait of a draw.
struct DrukkendeWachter : Wachter {
    std::function<void()> druk;
    void Wacht(float) override
    {
        if (druk)
            druk();
    }
};
} // namespace

TEST(Bedieningstoetsen, PressesDuringADrawAreIgnored)
{
    TestOmgeving test;
    DrukkendeWachter wachter;
    Omgeving omgeving{test.algemeen, test.klok, test.toeval, test.dialogen, wachter, test.spraak, test.map.path()};
    Main main(omgeving, Main::ontwerpMaat());
    main.show();
    int gedrukt = 0;
    wachter.druk = [&] {
        ++gedrukt;
        QTest::keyClick(&main, Qt::Key_Space);
    };
    const int voor = test.algemeen.LetterTeller;
    QTest::keyClick(&main, Qt::Key_Space);
    EXPECT_EQ(test.algemeen.LetterTeller, voor + 1);
    EXPECT_GT(gedrukt, 10);
    wachter.druk = nullptr;
    test.dialogen.antwoorden = {Antwoord::Ja};
    main.close();
}

TEST_F(MetHoofdvenster, TheLetterDrawnLastIsFramedUntilTheNextDrawOrRound)
{
    main->show();
    QWidget *markering = main->pic()->markering();
    EXPECT_FALSE(markering->isVisible());
    for (int n = 0; n < 3; ++n) {
        test.algemeen.LetterKleur = {0, 0, 255 - n}; // the letters of this draw alone
        main->trekLetter();
        ASSERT_TRUE(markering->isVisible());
        const QImage bord = main->pic()->surface();
        const QRect vak = markering->geometry();
        int binnen = 0, buiten = 0;
        for (int y = 0; y < bord.height(); ++y)
            for (int x = 0; x < bord.width(); ++x)
                if (bord.pixelColor(x, y) == QColor(0, 0, 255 - n))
                    ++(vak.contains(x, y) ? binnen : buiten);
        EXPECT_GT(binnen, 100) << n;
        EXPECT_EQ(buiten, 0) << n;
    }
    test.dialogen.antwoorden = {Antwoord::Ja};
    main->vraagNieuweRonde();
    EXPECT_FALSE(markering->isVisible());

    Voorkeuren zonder = main->voorkeuren();
    zonder.nieuwsteLetterMarkeren = false;
    main->zetVoorkeuren(zonder);
    main->trekLetter();
    EXPECT_FALSE(markering->isVisible());
}
