#include "support/MetHoofdvenster.h"

#include "ui/bingo/BingoBord.h"
#include "ui/help/HelpSchermen.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/toolkit/TekenPaneel.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace ui;

namespace {

// Which of wheel, bingo help and quiz help show, and whether the game-type and quiz start
// buttons can be used.
struct Stand {
    bool rad, helpPic, helpPic2, soortKnop, startSpelKnop;
    friend bool operator==(const Stand &, const Stand &) = default;
    friend std::ostream &operator<<(std::ostream &os, const Stand &s)
    {
        return os << "rad " << s.rad << " helpPic " << s.helpPic << " helpPic2 " << s.helpPic2 << " soortKnop "
                  << s.soortKnop << " startSpelKnop " << s.startSpelKnop;
    }
};

const Stand Wiel{true, false, false, true, true};

struct HelpFixture : MetHoofdvenster {
    HelpSchermen &help() { return *main->helpSchermen(); }
    void helpKnop() { main->menuActie(9); }

    Stand stand()
    {
        return {!main->radPic()->isHidden(), !help().helpPic()->isHidden(), !help().helpPic2()->isHidden(),
                main->menuPic()->knop(4)->isEnabled(), main->pic2()->startSpelKnop()->isEnabled()};
    }

    QImage logoImg() { return help().logoImg()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); }
};

QImage kaart(int n) { return HelpSchermen::kaartPlaatje(n).convertToFormat(QImage::Format_ARGB32); }

// Pixels of this colour inside the rectangle, give or take the softened edges of the letters.
int aantalPixels(const QImage &beeld, const QRect &gebied, const QColor &kleur)
{
    int n = 0;
    for (int y = gebied.top(); y <= gebied.bottom(); ++y)
        for (int x = gebied.left(); x <= gebied.right(); ++x) {
            const QColor p = beeld.pixelColor(x, y);
            n += std::abs(p.red() - kleur.red()) + std::abs(p.green() - kleur.green()) + std::abs(p.blue() - kleur.blue()) <= 60;
        }
    return n;
}

} // namespace

TEST_F(HelpFixture, PanelsLieHiddenOnTheBackgroundAtTheirPlaces)
{
    EXPECT_EQ(stand(), Wiel);
    EXPECT_EQ(help().helpPic()->parentWidget(), main->mainPic());
    EXPECT_EQ(help().helpPic2()->parentWidget(), main->mainPic());
    EXPECT_EQ(help().helpPic()->geometry(), QRect(60, 210, 1146, 491));
    EXPECT_EQ(help().helpPic2()->geometry(), QRect(60, 214, 656, 489));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(help().hknop(i)->parentWidget(), help().helpPic());
        EXPECT_EQ(help().hknop(i)->geometry(), QRect(30, 190 + 33 * i, 30, 30)) << i;
        EXPECT_EQ(help().hknop(i)->caption(), QString::number(i + 1));
    }
    EXPECT_EQ(help().logoImg()->parentWidget(), help().helpPic());
    EXPECT_EQ(help().logoImg()->pos(), QPoint(600, 230));
    EXPECT_EQ(logoImg(), kaart(0));
}

TEST_F(HelpFixture, HelpTwiceInBingoReturnsToTheWheelAndFreesTheGameTypeButton)
{
    helpKnop();
    EXPECT_EQ(stand(), (Stand{false, true, false, false, true}));
    // The help lies over the board, which was made after it.
    const QObjectList kinderen = main->mainPic()->children();
    EXPECT_GT(kinderen.indexOf(help().helpPic()), kinderen.indexOf(main->pic()));
    helpKnop();
    EXPECT_EQ(stand(), Wiel);
}

TEST_F(HelpFixture, InTheQuizTheHelpBlocksTheStartButtonUntilClosed)
{
    test.algemeen.SpelSoort = 2;
    helpKnop();
    EXPECT_EQ(stand(), (Stand{false, false, true, false, false}));
    helpKnop();
    EXPECT_EQ(stand(), Wiel);
}

TEST_F(HelpFixture, ClosingTheQuizHelpDuringAGameLeavesTheStartButtonDisabled)
{
    // A running quiz disables its start button until the end; the help must not free it early.
    test.algemeen.SpelSoort = 2;
    main->pic2()->startSpelKnop()->setEnabled(false);
    helpKnop();
    helpKnop();
    EXPECT_EQ(stand(), (Stand{true, false, false, true, false}));
}

TEST_F(HelpFixture, CardExamplesFollowTheMouseOverTheButtons)
{
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            ASSERT_NE(kaart(i), kaart(j)) << i << " " << j;

    // From Hknop(0) over the gap to Hknop(2).
    emit help().hknop(0)->MouseMove(0, 0, 10.f, 10.f);
    EXPECT_EQ(logoImg(), kaart(1));
    emit help().hknop(0)->MouseMove(0, 0, 12.f, 25.f);
    EXPECT_EQ(logoImg(), kaart(1));
    emit help().hknop(0)->MouseOut();
    EXPECT_EQ(logoImg(), kaart(0));
    emit help().hknop(2)->MouseMove(0, 0, 10.f, 3.f);
    EXPECT_EQ(logoImg(), kaart(3));

    for (int i = 0; i < 4; ++i) {
        emit help().hknop(i)->MouseMove(0, 0, 5.f, 5.f);
        EXPECT_EQ(logoImg(), kaart(i + 1)) << i;
        emit help().hknop(i)->MouseOut();
        EXPECT_EQ(logoImg(), kaart(0)) << i;
    }
}

TEST_F(HelpFixture, BothPanelsHaveTheElevenLineBorderOnDarkRed)
{
    for (TekenPaneel *paneel : {help().helpPic(), help().helpPic2()}) {
        const QImage &beeld = paneel->surface();
        const int w = paneel->width();
        const int h = paneel->height();
        // Outline i runs from (i, i) to (w - i, h - i): the outermost right and bottom edges
        // fall just outside the panel.
        for (int i = 0; i <= 10; ++i) {
            const QColor kleur(20 * i, 0, 0);
            EXPECT_EQ(beeld.pixelColor(i, h / 2), kleur) << i;
            EXPECT_EQ(beeld.pixelColor(w / 2, i), kleur) << i;
            if (i > 0) {
                EXPECT_EQ(beeld.pixelColor(w - i, h / 2), kleur) << i;
                EXPECT_EQ(beeld.pixelColor(w / 3, h - i), kleur) << i;
            }
        }
        EXPECT_EQ(beeld.pixelColor(11, h / 2), QColor(60, 0, 0));
        EXPECT_EQ(beeld.pixelColor(w - 12, 12), QColor(60, 0, 0));
    }
}

TEST_F(HelpFixture, TextLinesStandAtTheirPlacesInTheirColours)
{
    const QColor geel(200, 200, 0), grijs(200, 200, 200), turkoois(0, 220, 220), cyaan(0, 255, 255);
    const struct {
        bool quiz;
        int x, y;
        QColor kleur;
    } regels[] = {
        {false, 20, 20, geel},      {false, 20, 50, grijs},     {false, 20, 152, grijs},
        {false, 70, 197, turkoois}, {false, 70, 296, turkoois}, {false, 20, 371, grijs},
        {false, 20, 422, grijs},    {false, 20, 455, geel},
        {true, 20, 20, geel},       {true, 20, 50, cyaan},      {true, 20, 101, cyaan},
        {true, 40, 130, grijs},     {true, 40, 283, grijs},     {true, 20, 317, cyaan},
        {true, 20, 351, cyaan},     {true, 20, 452, geel},
    };
    for (const auto &r : regels) {
        const QImage &beeld = (r.quiz ? help().helpPic2() : help().helpPic())->surface();
        // The first letters stand in the line box whose top left is (x, y), not before it.
        EXPECT_GT(aantalPixels(beeld, QRect(r.x, r.y, 120, 16), r.kleur), 5) << r.quiz << " " << r.y;
        EXPECT_EQ(aantalPixels(beeld, QRect(r.x - 6, r.y, 5, 16), r.kleur), 0) << r.quiz << " " << r.y;
    }

    // The heading is larger than the lines below it.
    const QImage &bingo = help().helpPic()->surface();
    EXPECT_GT(aantalPixels(bingo, QRect(20, 20, 300, 20), geel), aantalPixels(bingo, QRect(20, 455, 300, 20), geel));

    // Two texts printed as one line: the second follows right after the first.
    const QString eerste = QStringLiteral(
        "Dit spel wordt gespeeld met de 26 letters van het alfabet. Hierdoor zijn deze bingo formulieren anders dan de ");
    const int eind = 20 + QFontMetrics(widgets::designFont(QStringLiteral("Arial"), 10)).horizontalAdvance(eerste);
    EXPECT_GT(aantalPixels(bingo, QRect(eind, 67, 60, 16), grijs), 5);
}

TEST_F(HelpFixture, TheQuizPictureLiesUnderTheQuizText)
{
    const QImage plaatje = QImage(QStringLiteral(":/images/quiz-help.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(plaatje.size(), QSize(315, 253));
    const QImage &beeld = help().helpPic2()->surface();
    // Corners of the picture, away from the text.
    for (const QPoint p : {QPoint(300, 10), QPoint(310, 248), QPoint(200, 248), QPoint(250, 100)})
        EXPECT_EQ(beeld.pixelColor(QPoint(320, 220) + p), plaatje.pixelColor(p)) << p.x() << "," << p.y();
    EXPECT_EQ(beeld.pixelColor(319, 400), QColor(60, 0, 0));
    EXPECT_EQ(beeld.pixelColor(320 + 315, 400), QColor(60, 0, 0));
}
