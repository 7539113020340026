#include "QuizTestHulp.h"

#include <QHeaderView>
#include <QTimer>

using namespace quiztest;
using ui::QuizScherm;

namespace {

using QuizSchermFixture = QuizFixture;

QColor pixel(const QuizScherm &scherm, int x, int y) { return scherm.surface().pixelColor(x, y); }

} // namespace

TEST_F(QuizSchermFixture, ThePanelIsASquareOf481PixelsWithItsTimerAtRest)
{
    EXPECT_EQ(quiz->geometry(), QRect(720, 220, 481, 481));
    EXPECT_EQ(quiz->backColor(), QColor(40, 0, 0));
    EXPECT_TRUE(quiz->isHidden()); // the program starts in the bingo game
    EXPECT_EQ(quiz->timer2()->interval(), 1000);
    EXPECT_FALSE(quiz->timer2()->isActive());
    EXPECT_EQ(quiz->drawFont().pixelSize(), 56); // 42 point
    EXPECT_TRUE(quiz->drawFont().bold());
}

TEST_F(QuizSchermFixture, RightAfterStartUpThePanelIsEmpty)
{
    EXPECT_EQ(quiz->label5()->text(), QStringLiteral("         Woorden                        Score"));
    EXPECT_EQ(lijst()->aantal(), 0);
    EXPECT_EQ(quiz->bottomLabel1()->text(), QStringLiteral("0"));
    EXPECT_EQ(quiz->bottomLabel2()->text(), QStringLiteral("0"));
    EXPECT_EQ(quiz->tijdLabel()->text(), QStringLiteral("00:00"));
    EXPECT_EQ(quiz->naamLabel()->text(), QString());
    EXPECT_EQ(vak()->text(), QString());
    EXPECT_EQ(vak()->achtergrond(), QColor(200, 200, 200));
    // Before the first game the box is open, but without letters no word gets in.
    EXPECT_TRUE(vak()->isEnabled());
    EXPECT_EQ(vak()->maxLength(), 9);
    EXPECT_TRUE(quiz->startSpelKnop()->isEnabled());
    EXPECT_EQ(quiz->startSpelKnop()->caption(), QStringLiteral("Start"));
    EXPECT_EQ(quiz->letterScoreKnop()->caption(), QStringLiteral("Waarde"));
    EXPECT_EQ(quiz->label8()->text(), QStringLiteral("Typ hierboven alle gevonden woorden in, druk vervolgens steeds op "
                                                     "de Entertoets. Minimaal 2 letters, Maximaal 9 letters."));
    EXPECT_TRUE(quiz->label8()->wordWrap());
}

TEST_F(QuizSchermFixture, EveryControlStandsInItsPlace)
{
    struct Plek {
        const char *naam;
        QRect rechthoek; // an empty size: only the top-left corner is fixed
    };
    const Plek plekken[] = {
        {"Label5", {0, 170, 285, 20}},
        {"ListView1", {0, 191, 285, 266}},
        {"Label6", {0, 458, 285, 20}},
        {"BottomLabel1", {35, 460, 0, 0}},
        {"BottomLabel2", {200, 460, 0, 0}},
        {"Text1", {300, 180, 170, 22}},
        {"Label8", {304, 210, 160, 75}},
        {"TijdLabel", {311, 295, 0, 0}},
        {"Label10", {310, 355, 0, 0}},
        {"NaamLabel", {300, 375, 170, 20}},
        {"LetterScoreKnop", {300, 410, 60, 24}},
        {"Label9", {366, 414, 0, 0}},
        {"StartSpelKnop", {300, 444, 60, 24}},
        {"Label7", {366, 448, 0, 0}},
    };
    for (const Plek &plek : plekken) {
        const auto *widget = quiz->findChild<QWidget *>(QString::fromLatin1(plek.naam));
        ASSERT_NE(widget, nullptr) << plek.naam;
        EXPECT_EQ(widget->parentWidget(), quiz) << plek.naam;
        if (plek.rechthoek.width() > 0)
            EXPECT_EQ(widget->geometry(), plek.rechthoek) << plek.naam;
        else
            EXPECT_EQ(widget->pos(), plek.rechthoek.topLeft()) << plek.naam;
    }
    const struct {
        const char *naam;
        const char *tekst;
    } teksten[] = {{"Label10", "Time"}, {"Label9", "Letter Waarde"}, {"Label7", "Quiz Beginnen"}};
    for (const auto &t : teksten)
        EXPECT_EQ(quiz->findChild<QLabel *>(QString::fromLatin1(t.naam))->text(), QString::fromLatin1(t.tekst));
}

TEST_F(QuizSchermFixture, BarsListAndTimeHaveTheirColoursAndFonts)
{
    for (QLabel *balk : {quiz->label5(), quiz->label6(), quiz->naamLabel()}) {
        EXPECT_TRUE(balk->autoFillBackground()) << balk->objectName().toStdString();
        EXPECT_EQ(balk->palette().color(QPalette::Window), QColor(200, 200, 200)) << balk->objectName().toStdString();
    }
    for (QLabel *label : {quiz->label5(), quiz->bottomLabel1(), quiz->bottomLabel2()}) {
        EXPECT_EQ(label->font().pixelSize(), 15) << label->objectName().toStdString(); // 11.25 point
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().italic());
    }
    EXPECT_EQ(quiz->tijdLabel()->font().pixelSize(), 51); // 38 point
    EXPECT_TRUE(quiz->tijdLabel()->font().bold());
    EXPECT_EQ(quiz->tijdLabel()->palette().color(QPalette::WindowText), QColor(60, 60, 0));
    EXPECT_EQ(quiz->naamLabel()->font().pixelSize(), 13); // 9.75 point

    EXPECT_EQ(lijst()->palette().color(QPalette::Base), QColor(215, 215, 135));
    EXPECT_EQ(lijst()->palette().color(QPalette::Text), QColor(0, 40, 80));
    EXPECT_EQ(lijst()->columnCount(), 3);
    EXPECT_EQ(lijst()->columnWidth(0), 30);
    EXPECT_EQ(lijst()->columnWidth(1), 160);
    EXPECT_EQ(lijst()->columnWidth(2), 70);
    EXPECT_TRUE(lijst()->header()->isHidden());
    EXPECT_FALSE(lijst()->rootIsDecorated());
}

TEST_F(QuizSchermFixture, TheSurfaceShowsTwelveEmptyBoxesTheBlockAndTheTimePlate)
{
    const struct {
        int x, y;
        QColor kleur;
        const char *wat;
    } punten[] = {
        {0, 0, {200, 200, 200}, "corner of box 1"},
        {40, 40, {100, 0, 0}, "inside box 1"},
        {80, 40, {200, 200, 200}, "edge between boxes 1 and 2"},
        {440, 120, {100, 0, 0}, "inside box 12"},
        {480, 160, {200, 200, 200}, "far corner of box 12"},
        {40, 165, {40, 0, 0}, "background under the letter field"},
        {288, 300, {40, 0, 0}, "background between list and block"},
        {292, 170, {230, 230, 230}, "block outline, top left"},
        {480, 476, {230, 230, 230}, "block outline, bottom right"},
        {400, 170, {230, 230, 230}, "block outline, top"},
        {296, 240, {160, 160, 160}, "block inside"},
        {479, 475, {160, 160, 160}, "block inside, bottom right"},
        {292, 477, {40, 0, 0}, "below the block"},
        {306, 346, {140, 150, 160}, "time plate"},
        {444, 349, {140, 150, 160}, "time plate, last pixel"},
        {445, 349, {160, 160, 160}, "right of the time plate"},
    };
    for (const auto &p : punten)
        EXPECT_EQ(pixel(*quiz, p.x, p.y), p.kleur) << p.wat;
}
