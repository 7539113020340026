// The main window as the audience sees it, read back from the live widgets: every place
// (written in twips, as the window is laid out), caption, tooltip, font and colour of the
// menu bar, the labels, the wheel, the board, the help screens and the quiz screen.

#include "support/TestOmgeving.h"

#include "ui/bingo/BingoBord.h"
#include "ui/help/HelpSchermen.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/QuizWoordenLijst.h"
#include "ui/toolkit/TekenPaneel.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace ui;

namespace {

constexpr int SchermBreedte = 1280 * 15; // twips
constexpr int SchermHoogte = 800 * 15;

// Twips to the window's pixels, 15 to a pixel.
int px(int twips) { return int(std::lround(twips / 15.0)); }
QRect pxRect(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }

// Font sizes are given in points at 96 dots per inch.
int pxFont(double punten) { return int(std::lround(punten * 96.0 / 72.0)); }

std::string naam(const QObject *o) { return o->objectName().toStdString(); }

struct ExactheidFixture : ::testing::Test {
    TestOmgeving t;
    Main main{t.omgeving, QSize(1280, 800)};

    ~ExactheidFixture() override
    {
        t.dialogen.antwoorden = {Antwoord::Ja};
        main.close();
    }

    MenuBalk *menu() const { return main.menuPic(); }
    HelpSchermen &help() const { return *main.helpSchermen(); }
    QuizScherm *quiz() const { return main.pic2(); }
};

// A font as the layout fixes it: face, size in points (0: not fixed), bold.
struct Lettertype {
    const char *familie;
    double punten;
    bool vet;
};

void verwachtFont(const QFont &font, const Lettertype &verwacht, const std::string &wat)
{
    EXPECT_EQ(font.family(), QString::fromLatin1(verwacht.familie)) << wat;
    if (verwacht.punten > 0) {
        EXPECT_EQ(font.pixelSize(), pxFont(verwacht.punten)) << wat;
    }
    EXPECT_EQ(font.bold(), verwacht.vet) << wat;
}

QColor tekstKleur(const QWidget *w) { return w->palette().color(QPalette::WindowText); }

} // namespace

// Every control of the main window at its place in twips; width and height 0 where the
// control keeps the size of its text or picture.
TEST_F(ExactheidFixture, MainWindowControlsStandAtTheirTwipPlaces)
{
    const int menuBreedte = SchermBreedte - 240;
    const struct {
        QWidget *widget;
        QWidget *container;
        int left, top, width, height;
    } plaatsen[] = {
        {main.mainPic(), nullptr, 0, 0, SchermBreedte, SchermHoogte},
        {main.label2(), main.mainPic(), 600, 420, 0, 0},
        {main.label3(), main.mainPic(), 615, 435, 0, 0},
        {menu(), main.mainPic(), 120, 120, menuBreedte, 1200},
        {menu()->aboutKnop(), menu(), menuBreedte - 1935, 180, 840, 840},
        {menu()->exitKnop(), menu(), menuBreedte - 1020, 180, 840, 840},
        {main.logoLabel(0), main.mainPic(), 12090, 1950, 0, 0},
        {main.logoLabel(1), main.mainPic(), 12105, 1965, 0, 0},
        {main.radPic(), main.mainPic(), 900, 2400, 9000, 9000},
        {main.pic(), main.mainPic(), 10800, 3300, 7215, 7215},
        {main.rondeLabel(), main.mainPic(), 10785, 10650, 0, 0},
        {main.beurtLabel(), main.mainPic(), 16815, 10650, 0, 0},
        {main.klokLabel(), main.mainPic(), 300, SchermHoogte - 510, 0, 0},
        {main.image1(), main.mainPic(), SchermBreedte - 750, SchermHoogte - 600, 0, 0},
    };
    for (const auto &p : plaatsen) {
        ASSERT_NE(p.widget, nullptr);
        if (p.container) {
            EXPECT_EQ(p.widget->parentWidget(), p.container) << naam(p.widget);
        }
        if (p.width > 0) {
            EXPECT_EQ(p.widget->geometry(), pxRect(p.left, p.top, p.width, p.height)) << naam(p.widget);
        } else {
            EXPECT_EQ(p.widget->pos(), QPoint(px(p.left), px(p.top))) << naam(p.widget);
        }
    }
    // The clock and the minimise image, placed from the bottom and right edges, stay whole
    // on the screen.
    for (QWidget *rand : {static_cast<QWidget *>(main.klokLabel()), static_cast<QWidget *>(main.image1())})
        EXPECT_TRUE(main.mainPic()->rect().contains(rand->geometry())) << naam(rand);
    // Board cells are pixels: the start button fills most of the bottom left corner cell.
    EXPECT_EQ(main.pic()->startKnop()->geometry(), QRect(10, 410, 78, 62));
    EXPECT_EQ(main.pic()->startKnop()->parentWidget(), main.pic());
}

TEST_F(ExactheidFixture, TheWindowIsBorderlessWithItsCaptionAndATenthSecondClock)
{
    EXPECT_TRUE(main.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Alfabo Lotto"));
    EXPECT_EQ(main.timer1()->interval(), 100);
    EXPECT_TRUE(main.timer1()->isActive());
    EXPECT_EQ(main.klokLabel()->toolTip(), QStringLiteral(" Menubalk Verbergen "));
    EXPECT_EQ(main.image1()->toolTip(), QStringLiteral(" Scherm Minimaliseren "));
}

// Captions, colours and fonts of the labels; where the layout fixes no face or size the
// font is left to the window.
TEST_F(ExactheidFixture, LabelsShowTheirCaptionsInTheirColoursAndFonts)
{
    const QString reclame = QString::fromStdString(t.algemeen.ReclameTekst);
    const struct {
        QLabel *label;
        QString tekst;
        QColor kleur;
        double punten; // 0: not fixed
    } labels[] = {
        {main.label2(), reclame, {250, 250, 250}, 30},
        {main.label3(), reclame, {80, 80, 80}, 30},
        {main.logoLabel(0), QStringLiteral("Alfabo Lotto"), {250, 250, 0}, 0},
        {main.logoLabel(1), QStringLiteral("Alfabo Lotto"), {110, 110, 0}, 0},
        {main.rondeLabel(), QStringLiteral("Ronde : 1"), {180, 180, 180}, 0},
        {main.beurtLabel(), QStringLiteral("Letter : 1"), {180, 180, 180}, 0},
        {main.klokLabel(), main.klokLabel()->text(), {150, 150, 150}, 0},
    };
    for (const auto &l : labels) {
        EXPECT_EQ(l.label->text(), l.tekst) << naam(l.label);
        EXPECT_EQ(tekstKleur(l.label), l.kleur) << naam(l.label);
        if (l.punten > 0) {
            EXPECT_EQ(l.label->font().pixelSize(), pxFont(l.punten)) << naam(l.label);
        }
        // Seen on the background itself, not on a box of their own.
        EXPECT_FALSE(l.label->autoFillBackground()) << naam(l.label);
    }
    EXPECT_FALSE(main.klokLabel()->text().isEmpty());
}

// The shadows lie under their texts, and the advertisement under the menu bar, which
// hides it until the clock is clicked.
TEST_F(ExactheidFixture, ShadowsAndTheAdvertisementLieBehind)
{
    const QObjectList kinderen = main.mainPic()->children();
    auto onder = [&](QObject *a, QObject *b) { return kinderen.indexOf(a) < kinderen.indexOf(b); };
    EXPECT_TRUE(onder(main.label3(), main.label2()));
    EXPECT_TRUE(onder(main.logoLabel(1), main.logoLabel(0)));
    EXPECT_TRUE(onder(main.label2(), menu()));
    const QRect reclame = main.label2()->geometry();
    EXPECT_TRUE(menu()->geometry().contains(reclame.topLeft()));
}

TEST_F(ExactheidFixture, BackgroundAndMenuBarHaveTheirColoursAndSevenLineBorders)
{
    const struct {
        TekenPaneel *paneel;
        QColor achtergrond;
        bool grijs; // border lines in grey rather than red
    } panelen[] = {
        {main.mainPic(), {40, 0, 0}, false},
        {menu(), {90, 90, 90}, true},
    };
    for (const auto &p : panelen) {
        EXPECT_EQ(p.paneel->backColor(), p.achtergrond) << naam(p.paneel);
        const QImage &beeld = p.paneel->surface();
        const int w = p.paneel->width();
        const int h = p.paneel->height();
        // Outline at inset i pixels (15 x i twips): from black outside to 180 inside.
        for (int i = 0; i < 7; ++i) {
            const int c = 2 * 15 * i;
            const QColor kleur = p.grijs ? QColor(c, c, c) : QColor(c, 0, 0);
            for (const QPoint punt : {QPoint(i, h / 2), QPoint(w / 2, i), QPoint(w - 1 - i, h / 3), QPoint(w / 3, h - 1 - i)})
                EXPECT_EQ(beeld.pixelColor(punt), kleur) << naam(p.paneel) << " inset " << i << " at " << punt.x() << ","
                                                         << punt.y();
        }
        for (const QPoint punt : {QPoint(7, h / 2), QPoint(w / 2, 7), QPoint(w - 8, h / 3), QPoint(w / 3, h - 8)})
            EXPECT_EQ(beeld.pixelColor(punt), p.achtergrond) << naam(p.paneel) << " at " << punt.x() << "," << punt.y();
    }
}

TEST_F(ExactheidFixture, TheWheelStartsOnAWithItsLabels)
{
    LetterRadPaneel *rad = main.radPic();
    EXPECT_EQ(rad->wijzerEinde(), QPoint(300, 90));
    EXPECT_EQ(rad->letter(), QStringLiteral("A"));

    auto *label1 = rad->findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label1, nullptr);
    EXPECT_EQ(label1->pos(), QPoint(283, 384));
    EXPECT_EQ(tekstKleur(label1), QColor(200, 200, 200));
    verwachtFont(label1->font(), {"Comic Sans MS", 36, false}, "Label1");

    auto *label4 = rad->findChild<QLabel *>(QStringLiteral("Label4"));
    ASSERT_NE(label4, nullptr);
    EXPECT_EQ(label4->font().family(), QStringLiteral("Arial"));

    // Where the picture leaves the panel uncovered, the wheel's own dark red shows.
    rad->setPicture(QImage());
    const QImage beeld = rad->grab().toImage();
    EXPECT_EQ(beeld.size(), QSize(600, 600));
    EXPECT_EQ(beeld.pixelColor(5, 5), QColor(40, 0, 0));
    EXPECT_EQ(beeld.pixelColor(594, 594), QColor(40, 0, 0));
}

TEST_F(ExactheidFixture, TheEmptyBoardShowsItsGridDarkCornersAndLogos)
{
    BingoBord *bord = main.pic();
    verwachtFont(bord->drawFont(), {"Comic Sans MS", 46, true}, "Pic");
    EXPECT_EQ(bord->backColor(), QColor(100, 0, 0));
    const QImage &beeld = bord->surface();
    const QColor grid(200, 200, 200), donker(30, 30, 30), rood(100, 0, 0);

    // Every pixel of the seven horizontal and six vertical lines, right up to the edges.
    int fout = 0;
    for (int lijn = 0; lijn <= 480; lijn += 80)
        for (int x = 0; x <= 480; ++x)
            fout += beeld.pixelColor(x, lijn) != grid;
    for (int lijn = 0; lijn <= 480; lijn += 96)
        for (int y = 0; y <= 480; ++y)
            fout += beeld.pixelColor(lijn, y) != grid;
    EXPECT_EQ(fout, 0) << "grid pixels in another colour";

    for (int rij = 0; rij < 6; ++rij)
        for (int kolom = 0; kolom < 5; ++kolom) {
            const bool hoek = (rij == 0 || rij == 5) && (kolom == 0 || kolom == 4);
            // The first pixel inside the cell: the corners are dark right to their grid lines.
            const QPoint binnen(96 * kolom + 1, 80 * rij + 1);
            EXPECT_EQ(beeld.pixelColor(binnen), hoek ? donker : rood) << "cell " << rij << "," << kolom;
            EXPECT_EQ(beeld.pixelColor(binnen + QPoint(94, 78)), hoek ? donker : rood) << "cell " << rij << "," << kolom;
        }
    // The bottom left corner holds the start button, no logo.
    EXPECT_EQ(beeld.pixelColor(48, 440), donker);

    // The logo scaled to 90 x 75 in the three other corners.
    QImage verwacht(beeld.size(), beeld.format());
    verwacht.fill(donker);
    {
        QPainter painter(&verwacht);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(3, 3, 90, 75), QImage(QStringLiteral(":/images/logo.png")));
    }
    for (const QPoint hoek : {QPoint(3, 3), QPoint(387, 3), QPoint(387, 403)})
        EXPECT_EQ(beeld.copy(QRect(hoek, QSize(90, 75))), verwacht.copy(3, 3, 90, 75)) << hoek.x() << "," << hoek.y();
}

namespace {

// One line of a help text: where it starts, its colour, heading (12 point bold) or body
// (10 point), and the text itself, two printed parts joined.
struct HelpRegel {
    int x, y;
    QColor kleur;
    bool kop;
    const char *tekst;
    const char *vervolg = "";
};

const QColor Geel(200, 200, 0), Grijs(200, 200, 200), Turkoois(0, 220, 220), Cyaan(0, 255, 255);

const std::vector<HelpRegel> BingoHelp = {
    {20, 20, Geel, true, "Welkom bij het Alfabo Lotto"},
    {20, 50, Grijs, false, "Het spel Alfabo Lotto is een variant op het bekende en veel gespeelde Cijfer Bingo met 75 tot 90 getallen."},
    {20, 67, Grijs, false, "Dit spel wordt gespeeld met de 26 letters van het alfabet. Hierdoor zijn deze bingo formulieren anders dan de ",
     "gewone Bingo formulieren. In het Alfabo Lotto formulier staan 21 verschillende "},
    {20, 84, Grijs, false, "letters, dit zijn horizontaal in rijen 3,5,5,5,3 letters, de 4 hoeken zijn z.g. Free vakjes. Dit in tegenstelling bij het ",
     "gewone Bingo is het middelste een Free vakje."},
    {20, 101, Grijs, false, "Als alternatief kunnen er ook Bingokaarten worden afgedrukt met random letters waarbij dubbele letters voorkomen. ",
     "In deze kaarten zijn geen Free vakjes aanwezig."},
    {20, 118, Grijs, false, "Hierdoor is het mogelijk om eerder een goede Bingo te hebben door meerdere letters tegelijk aan te stippen. ",
     "Dit vergroot de kansen aanzienlijk op misschien een hoofdprijs."},
    {20, 135, Grijs, false, "Alfabo Lotto evenals het normale Bingo is met name zeer goed te gebruiken voor grote groepen personen in ",
     "combinatie met een (laptop)computer en een Beamer."},
    {20, 152, Grijs, false, "Hieronder kunt u de 4 verschillende soorten bingokaarten bekijken die met dit programma kunnen worden afgedrukt. ",
     "Beweeg de muiscursor over de 4 buttons voor een voorbeeld."},
    {70, 197, Turkoois, false, "Formulier met 6 verschillende kaarten met 21 verschillende letters en in de vier hoeken een Free vakje."},
    {70, 230, Turkoois, false, "Formulier met 6 verschillende bingokaarten met 25 willekeurige en dubbele letters."},
    {70, 263, Turkoois, false, "Formulier met 3 verschillende kaarten met 60 willekeurige en dubbele letters."},
    {70, 296, Turkoois, false, "Formulier met 6 kaarten (4 x 4 vakjes) met 16 willekeurige en dubbele letters."},
    {20, 371, Grijs, false, "Om de reclametekst te kunnen zien klik dan op de tijd en datum linksonder in het scherm,"},
    {20, 388, Grijs, false, "de menubalk met de buttons wordt tijdelijk onzichtbaar tot u weer op de tijd en datum klikt."},
    {20, 405, Grijs, false, "Het spel begint door op de startknop te drukken, daarna kan de spatiebalk worden gebruikt"},
    {20, 422, Grijs, false, "voor de opvolgende letters."},
    {20, 455, Geel, false, "Druk nogmaals op de helpknop om dit scherm weer te verlaten..."},
};

const std::vector<HelpRegel> QuizHelp = {
    {20, 20, Geel, true, "Welkom bij de Woorden Quiz"},
    {20, 50, Cyaan, false, "Met dit spel kun je jouw kennis van de Nederlandse taal een beetje opkrikken."},
    {20, 67, Cyaan, false, "Maak zoveel mogelijk Nederlandse woorden in een bepaalde tijd om in de scorelijst zo hoog mogelijk te"},
    {20, 84, Cyaan, false, "eindigen ten opzichte van jouw medespelers. De database bestaat uit ruim 160.000 verschillende woorden"},
    {20, 101, Cyaan, false, "die je zelf nog kunt aanvullen of verwijderen."},
    {40, 130, Grijs, false, "1.  Druk op de Startknop om met het spel te beginnen."},
    {40, 147, Grijs, false, "2.  Typ vervolgens jouw voornaam en/of achternaam in."},
    {40, 164, Grijs, false, "3.  Het letterrad begint te draaien en kiest 12 willekeurige letters."},
    {40, 181, Grijs, false, "4.  Nu begint de tijd terug te lopen van b.v. 3 minuten naar 0 seconden (instelbaar)."},
    {40, 198, Grijs, false, "5.  Typ in die tijd zoveel mogelijk woorden in die bestaan uit de 12 getrokken letters."},
    {40, 215, Grijs, false, "6.  Deze woorden hebben een lengte van minimaal 2 en maximaal 9 letters."},
    {40, 232, Grijs, false, "7.  Als de tijd is verstreken worden de ingetypte woorden gecontroleerd"},
    {40, 249, Grijs, false, "     en worden de behaalde punten achter de woorden geplaatst."},
    {40, 266, Grijs, false, "8.  De score van de behaalde punten en jouw naam wordt"},
    {40, 283, Grijs, false, "     in een scorelijst bijgehouden."},
    {20, 317, Cyaan, false, "Staan bepaalde woorden niet in de controle lijst dan kan"},
    {20, 334, Cyaan, false, "met de Editor (naast de Helpknop) woorden worden"},
    {20, 351, Cyaan, false, "toegevoegd en/of verwijderd."},
    {20, 452, Geel, false, "Druk nogmaals op de helpknop om dit scherm weer te verlaten..."},
};

QFont helpFont(bool kop)
{
    return kop ? widgets::designFont(QStringLiteral("Arial"), 12, true) : widgets::designFont(QStringLiteral("Arial"), 10);
}

// The panel's inside as it must look: dark red, the quiz picture where given,
// and every line printed with the top left of its line box at (x, y).
QImage verwachtHelpBeeld(QSize maat, const std::vector<HelpRegel> &regels, bool metQuizPlaatje)
{
    QImage beeld(maat, QImage::Format_RGB32);
    beeld.fill(QColor(60, 0, 0));
    QPainter painter(&beeld);
    if (metQuizPlaatje) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(320, 220, 315, 253), QImage(QStringLiteral(":/images/quiz-help.png")));
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const HelpRegel &r : regels) {
        const QFont font = helpFont(r.kop);
        painter.setFont(font);
        painter.setPen(r.kleur);
        painter.drawText(QPoint(r.x, r.y + QFontMetrics(font).ascent()),
                         QString::fromUtf8(r.tekst) + QString::fromUtf8(r.vervolg));
    }
    return beeld;
}

} // namespace

// Both help texts pixel for pixel inside the border: every character, place, size,
// weight and colour, and nothing else on the panel.
TEST_F(ExactheidFixture, HelpTextsArePrintedExactlyAsWritten)
{
    const struct {
        TekenPaneel *paneel;
        const std::vector<HelpRegel> &regels;
        bool quizPlaatje;
    } schermen[] = {
        {help().helpPic(), BingoHelp, false},
        {help().helpPic2(), QuizHelp, true},
    };
    for (const auto &s : schermen) {
        const QImage &beeld = s.paneel->surface();
        const QImage verwacht = verwachtHelpBeeld(beeld.size(), s.regels, s.quizPlaatje);
        // Inside the eleven-line border.
        const QRect binnen = QRect(QPoint(0, 0), s.paneel->size()).adjusted(11, 11, -11, -11);
        std::vector<int> afwijkingen(s.regels.size() + 1, 0);
        for (int y = binnen.top(); y <= binnen.bottom(); ++y)
            for (int x = binnen.left(); x <= binnen.right(); ++x) {
                if (beeld.pixel(x, y) == verwacht.pixel(x, y))
                    continue;
                std::size_t regel = s.regels.size(); // outside every line
                for (std::size_t i = 0; i < s.regels.size(); ++i) {
                    const QFontMetrics fm(helpFont(s.regels[i].kop));
                    if (y >= s.regels[i].y && y < s.regels[i].y + fm.height())
                        regel = i;
                }
                ++afwijkingen[regel];
            }
        for (std::size_t i = 0; i < s.regels.size(); ++i)
            EXPECT_EQ(afwijkingen[i], 0) << naam(s.paneel) << " line at y " << s.regels[i].y << ": " << s.regels[i].tekst;
        EXPECT_EQ(afwijkingen.back(), 0) << naam(s.paneel) << " between the lines";
    }
}

// The card buttons level with their lines, and the two quiz buttons, are caption buttons
// with the standard look on white.
TEST_F(ExactheidFixture, CaptionButtonsKeepTheStandardLookOnWhite)
{
    std::vector<widgets::VistaButton *> knoppen = {quiz()->letterScoreKnop(), quiz()->startSpelKnop()};
    for (int i = 0; i < 4; ++i)
        knoppen.push_back(help().hknop(i));
    for (widgets::VistaButton *knop : knoppen) {
        const std::string wat = naam(knop);
        EXPECT_EQ(knop->backColor(), QColor(Qt::white)) << wat;
        EXPECT_EQ(knop->pictures(), 2) << wat;
        EXPECT_TRUE(knop->useMaskColor()) << wat;
        EXPECT_EQ(knop->maskColor(), QColor(0, 255, 0)) << wat;
        EXPECT_TRUE(knop->picture().isNull()) << wat;
        verwachtFont(knop->font(), {"Arial", 8.25, false}, wat);
    }
    // Each card button's caption stands level with its line of text (tops 197 .. 296).
    for (int i = 0; i < 4; ++i) {
        const QRect plek = help().hknop(i)->geometry();
        const int regelTop = 197 + 33 * i;
        EXPECT_LT(plek.top(), regelTop) << i;
        EXPECT_GT(plek.bottom(), regelTop + 10) << i;
    }
}

TEST_F(ExactheidFixture, QuizControlsHaveTheirFontsColoursAndHeadings)
{
    const struct {
        const char *naam;
        Lettertype font;
    } fonts[] = {
        {"Label9", {"Arial", 9.75, false}},
        {"Label7", {"Arial", 9.75, false}},
        {"NaamLabel", {"Arial", 9.75, false}},
        {"TijdLabel", {"Arial", 38, true}},
        {"Label5", {"Arial", 11.25, true}},
        {"BottomLabel1", {"Arial", 11.25, true}},
        {"BottomLabel2", {"Arial", 11.25, true}},
        {"Text1", {"Arial", 0, true}},
    };
    for (const auto &f : fonts) {
        auto *widget = quiz()->findChild<QWidget *>(QString::fromLatin1(f.naam));
        ASSERT_NE(widget, nullptr) << f.naam;
        verwachtFont(widget->font(), f.font, f.naam);
    }

    // The entry box is grey whether it can be used or not.
    const QPalette palet = quiz()->text1()->palette();
    for (const auto groep : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        EXPECT_EQ(palet.color(groep, QPalette::Base), QColor(200, 200, 200)) << groep;
    quiz()->text1()->setEnabled(false);
    EXPECT_EQ(quiz()->text1()->palette().color(QPalette::Disabled, QPalette::Base), QColor(200, 200, 200));

    // The list's own heading names its three columns, though the bar above shows them.
    const QTreeWidgetItem *kop = quiz()->listView1()->headerItem();
    EXPECT_EQ(kop->text(0), QString());
    EXPECT_EQ(kop->text(1), QStringLiteral("Woorden"));
    EXPECT_EQ(kop->text(2), QStringLiteral("Score"));
}

// The questions and messages of the main window: title, buttons and icon as well as text.
TEST_F(ExactheidFixture, MessagesOfTheBingoGameHaveTheirButtonsAndNoIcon)
{
    auto &meldingen = t.dialogen.meldingen;

    // New round: a question without icon.
    t.dialogen.antwoorden = {Antwoord::Nee};
    main.menuActie(1);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].titel, QStringLiteral("Nieuw"));
    EXPECT_EQ(meldingen[0].knoppen, Knoppen::JaNee);
    EXPECT_EQ(meldingen[0].icoon, Icoon::Geen);

    // End of the round: OK only, no icon.
    for (int i = 0; i < 27; ++i)
        emit main.pic()->startKnop()->Click();
    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_EQ(meldingen[1].titel, QStringLiteral("Einde Ronde"));
    EXPECT_EQ(meldingen[1].knoppen, Knoppen::Ok);
    EXPECT_EQ(meldingen[1].icoon, Icoon::Geen);

    // Closing: a question without icon, its title with the leading blank.
    t.dialogen.antwoorden = {Antwoord::Nee};
    EXPECT_FALSE(main.close());
    ASSERT_EQ(meldingen.size(), 3u);
    EXPECT_EQ(meldingen[2].titel, QStringLiteral(" Exit programma"));
    EXPECT_EQ(meldingen[2].tekst, QStringLiteral("Wilt u dit programma nu afsluiten?"));
    EXPECT_EQ(meldingen[2].knoppen, Knoppen::JaNee);
    EXPECT_EQ(meldingen[2].icoon, Icoon::Geen);
}

// The letter values message, every one of its 13 lines with the blanks that align them.
TEST_F(ExactheidFixture, TheLetterValuesMessageIsTheWholeTable)
{
    emit quiz()->letterScoreKnop()->Click();
    ASSERT_EQ(t.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(t.dialogen.meldingen[0].tekst, QStringLiteral("Letter Waarde\r\n\r\n"
                                                            "A = 1      N = 2\r\n"
                                                            "B = 3      O = 2\r\n"
                                                            "C = 4      P = 5\r\n"
                                                            "D = 3      Q = 9\r\n"
                                                            "E  = 1      R = 4\r\n"
                                                            "F  = 4      S = 4\r\n"
                                                            "G = 4      T = 3\r\n"
                                                            "H = 4      U = 6\r\n"
                                                            "I   = 2      V = 5\r\n"
                                                            "J   = 5     W = 5\r\n"
                                                            "K  = 3      X = 9\r\n"
                                                            "L  = 3      Y = 8\r\n"
                                                            "M = 5     Z = 5\r\n"));
}
