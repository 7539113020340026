// The main window with its games and help screens, under the manual clock and a random source
// that stops the quiz wheel where the test says: the layout as invariants, the drawing read
// back pixel by pixel, the flow of both games; and the toolkit beneath them.
#include "support/TestOmgeving.h"

#include "core/bingo/BingoRonde.h"
#include "core/kaarten/BladCode.h"
#include "core/KlokTekst.h"
#include "core/quiz/QuizRad.h"
#include "core/quiz/QuizTijd.h"
#include "core/quiz/WoordInvoer.h"
#include "core/quiz/WoordScore.h"
#include "core/spraak/Roepnamen.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/KaartControlePaneel.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/help/HelpSchermen.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/quiz/BesteWoordenPaneel.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/QuizSpel.h"
#include "ui/quiz/QuizWoordenLijst.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/toolkit/Nederlands.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <set>

using namespace ui;
using Fase = QuizSpel::Fase;
using Woorden = std::vector<std::string>;

namespace {

std::string naam(const QObject *o) { return o->objectName().toStdString(); }
QString tekst(const std::string &s) { return QString::fromStdString(s); }

// The program's own controls: their names start with a capital, those of Qt's inner parts do not.
QList<QWidget *> benoemd(const QWidget *ouder, Qt::FindChildOptions opties = Qt::FindDirectChildrenOnly)
{
    return ouder->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^[A-Z]")), opties);
}

void verwachtGeenOverlap(const QList<QWidget *> &w)
{
    for (qsizetype i = 0; i < w.size(); ++i)
        for (qsizetype j = i + 1; j < w.size(); ++j)
            EXPECT_FALSE(w[i]->geometry().intersects(w[j]->geometry())) << naam(w[i]) << " / " << naam(w[j]);
}

int aantalIn(const QImage &beeld, const QRect &gebied, const QColor &kleur)
{
    int n = 0;
    for (int y = gebied.top(); y <= gebied.bottom(); ++y)
        for (int x = gebied.left(); x <= gebied.right(); ++x)
            n += beeld.pixelColor(x, y) == kleur;
    return n;
}

// Grey one-pixel lines at the cell pitch, every cell in its colour right up to its lines.
void verwachtRooster(const QImage &beeld, int kolommen, int rijen, QSize cel, const std::function<QColor(int)> &vak)
{
    int fout = 0;
    for (int y = 0; y <= rijen * cel.height(); ++y)
        for (int x = 0; x <= kolommen * cel.width(); ++x)
            fout += (x % cel.width() == 0 || y % cel.height() == 0) && beeld.pixelColor(x, y) != QColor(200, 200, 200);
    for (int c = 0; c < kolommen * rijen; ++c) {
        const QPoint hoek((c % kolommen) * cel.width() + 1, (c / kolommen) * cel.height() + 1);
        fout += aantalIn(beeld, {hoek, hoek + QPoint(cel.width() - 2, cel.height() - 2)}, vak(c)) < 2;
    }
    EXPECT_EQ(fout, 0) << "grid lines or cells in another colour";
}

// Stops the quiz wheel on the planned sectors in order; without a plan the seeded numbers.
struct GeplandToeval : core::SeededRandom {
    using SeededRandom::SeededRandom;
    double next() override
    {
        return posities.empty() ? SeededRandom::next() : (posities.takeFirst() - 0.5) / core::QuizRadPosities;
    }
    QList<int> posities;
};

// The quiz phase, countdown running, start button and entry box usable.
using QuizStand = std::tuple<Fase, bool, bool, bool>;
const QuizStand Rust{Fase::Rust, false, true, false}, Aftellen{Fase::Aftellen, true, false, true};

struct Venster : ::testing::Test {
    TestOmgeving test;
    GeplandToeval toeval{1};
    Omgeving omgeving{test.algemeen, test.klok, toeval, test.dialogen, test.wachter, test.spraak, test.map.path()};
    Main main{omgeving, QSize(1280, 800)};
    HelpSchermen &help = *main.helpSchermen();
    QuizScherm *quiz = main.pic2();
    WoordInvoerVak *vak = quiz->text1();
    QuizWoordenLijst *lijst = quiz->listView1();
    const std::vector<ScriptedDialogen::Melding> &meldingen = test.dialogen.meldingen;
    int scoreLijstGetoond = 0;

    // The high-score dialog is modal; the tests count its openings instead.
    void SetUp() override
    {
        quiz->setToonScoreLijst([this] { ++scoreLijstGetoond; });
    }
    void trek() { emit main.pic()->startKnop()->Click(); }
    int getrokken() const { return int(std::ranges::count(test.algemeen.Getrokken, 1)); }
    QuizStand quizStand() const
    {
        return {quiz->spel().fase(), quiz->timer2()->isActive(), quiz->startSpelKnop()->isEnabled(), vak->isEnabled()};
    }
    // Each word appended to Data/Woord-<length>.lst; a length without words has no list.
    void schrijfLijsten(const QStringList &woorden)
    {
        for (const QString &woord : woorden) {
            QFile bestand(omgeving.dataMap() + QStringLiteral("/Woord-%1.lst").arg(woord.trimmed().size()));
            ASSERT_TRUE(bestand.open(QIODevice::Append));
            bestand.write(woord.toLatin1() + "\r\n");
        }
    }
    // Presses the quiz start button; the wheel stops on the given letters.
    void start(const char *speler, const std::string &letters = "KATQUIZRBNSE")
    {
        for (const char letter : letters) {
            const auto *sector = std::ranges::find(core::QuizRadTabel, letter, &core::RadPositie::letter);
            toeval.posities << int(sector - core::QuizRadTabel.begin()) + 1;
        }
        test.dialogen.invoerAntwoorden.push_back(QString::fromLatin1(speler));
        emit quiz->startSpelKnop()->Click();
    }
    void typ(const char *woord)
    {
        vak->setText(QString::fromUtf8(woord));
        QTest::keyClick(vak, Qt::Key_Return);
    }
    int punten(const char *woord) const { return core::woordPunten(woord, test.algemeen.LetterWaarde); }
};

} // namespace

// The advertisement behind the menu bar, the shadows behind their texts, the help panels in
// place of the wheel and the quiz in place of the board overlap on purpose; the rest must not.
// The borders, the board and the quiz's letter field are read back pixel by pixel.
TEST_F(Venster, EveryControlLiesInsideItsParentNoneHidesAnotherAndThePanelsDrawTheirBordersAndGrids)
{
    Main klein(omgeving, QSize(800, 600)); // a small screen scrolls rather than cutting controls off
    for (Main *venster : {&main, &klein})
        for (QWidget *w : benoemd(venster->mainPic(), Qt::FindChildrenRecursively))
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << naam(w);
    verwachtGeenOverlap({main.menuPic(), main.radPic(), main.pic(), main.logoLabel(0), main.rondeLabel(),
                         main.beurtLabel(), main.klokLabel(), main.image1()});
    verwachtGeenOverlap(benoemd(main.menuPic()));
    QList<QWidget *> inQuiz = benoemd(quiz);
    inQuiz.removeOne(quiz->label6()); // the bar under the totals
    verwachtGeenOverlap(inQuiz);
    // Anchors in twips: the wheel at (900, 2400), board and quiz at (10800, 3300).
    EXPECT_EQ(main.radPic()->pos(), QPoint(60, 160));
    EXPECT_EQ(main.pic()->geometry(), QRect(720, 220, 481, 481));
    EXPECT_EQ(quiz->geometry(), main.pic()->geometry());
    // Outline i of a framed panel in the colour of step i, the background inside the last one.
    for (auto [p, lijnen, stap] : {std::tuple(main.mainPic(), 7, 30), {help.helpPic(), 11, 20}})
        for (int i = 0; i <= lijnen; ++i) {
            const QColor kleur = i < lijnen ? QColor(stap * i, 0, 0) : p->backColor();
            EXPECT_EQ(p->surface().pixelColor(i, p->height() / 2), kleur) << naam(p) << i;
            EXPECT_EQ(p->surface().pixelColor(p->width() / 2, i), kleur) << naam(p) << i;
        }
    verwachtRooster(quiz->surface(), 6, 2, QSize(80, 80), [](int) { return QColor(100, 0, 0); });
    const QImage &bord = main.pic()->surface();
    const QColor donker(30, 30, 30);
    verwachtRooster(bord, 5, 6, {96, 80}, [&](int c) { return c % 5 % 4 || c / 5 % 5 ? QColor(100, 0, 0) : donker; });
    // The logo scaled into three dark corners; the fourth holds the start button.
    QImage logo(90, 75, bord.format());
    logo.fill(donker);
    QPainter schilder(&logo);
    schilder.setRenderHint(QPainter::SmoothPixmapTransform);
    schilder.drawImage(logo.rect(), QImage(QStringLiteral(":/images/logo.png")));
    for (const QPoint hoek : {QPoint(3, 3), QPoint(387, 3), QPoint(387, 403)})
        EXPECT_EQ(bord.copy(QRect(hoek, logo.size())), logo) << hoek.x() << "," << hoek.y();
    EXPECT_TRUE(QRect(1, 401, 95, 79).contains(main.pic()->startKnop()->geometry()));
}

// A fault that ends the round one press early leaves a letter undrawn. Every wait of the
// animation lets events run: presses, a new round or the game-type dialog meanwhile would
// start a second draw or hide the board under the turning wheel.
TEST_F(Venster, ABingoRoundDrawsEveryLetterOnceEndsAfterTheTwentySixthAndOnlyJaStartsANewOne)
{
    const QImage leeg = main.pic()->surface().copy();
    bool dialoogGeopend = false;
    QTimer::singleShot(0, &main, [&] {
        QTimer::singleShot(0, &main, [&] {
            QWidget *dialoog = QApplication::activeModalWidget();
            dialoogGeopend = dialoog && dialoog->close();
        });
        trek();
        main.menuActie(ui::MenuActie::NieuweRonde);
        main.menuActie(ui::MenuActie::SpelSoort);
    });
    QStringList letters;
    for (int i = 1; i <= 26; ++i) {
        trek();
        letters << main.radPic()->letter();
        letters.removeDuplicates();
        EXPECT_EQ(letters.size(), i) << "the wheel shows a letter drawn before";
        EXPECT_EQ(main.beurtLabel()->text(), tekst(core::beurtTekst(i)));
    }
    EXPECT_FALSE(dialoogGeopend);
    EXPECT_TRUE(meldingen.empty());
    trek();
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].tekst, tekst(core::eindeRondeTekst(1)));
    main.menuActie(ui::MenuActie::NieuweRonde); // answered Nee
    EXPECT_EQ(getrokken(), 26);
    test.dialogen.antwoorden = {Antwoord::Ja};
    main.menuActie(ui::MenuActie::NieuweRonde);
    EXPECT_EQ(main.pic()->surface(), leeg);
    EXPECT_EQ(main.pic()->y(), 220) << "back at its place after sliding";
}

TEST_F(Venster, TheClockTheWheelPictureTheMinimiseImageAndClosingAnswerTimerMouseAndFiles)
{
    main.show();
    test.klok.advance(3725.0);
    QMetaObject::invokeMethod(main.timer1(), "timeout");
    EXPECT_EQ(main.klokLabel()->text(), tekst(core::KlokTekst(test.klok.now())));
    // A click on the clock hides the menu bar, uncovering the advertisement; a second one shows it.
    QTest::mouseClick(main.klokLabel(), Qt::LeftButton);
    EXPECT_FALSE(main.menuPic()->isVisible());
    QTest::mouseClick(main.klokLabel(), Qt::LeftButton);
    EXPECT_TRUE(main.menuPic()->isVisible());
    EXPECT_FALSE(main.close()) << "answered Nee";
    // A wheel picture that cannot be read changes nothing; the wheels in Data/ can be read.
    const QImage rad = main.radPic()->picture();
    EXPECT_FALSE(main.radPic()->laadPicture(QStringLiteral("/nonexistent/rad-2.jpg")));
    EXPECT_EQ(main.radPic()->picture(), rad);
    EXPECT_TRUE(main.radPic()->laadPicture(QStringLiteral(ALFABO_SOURCE_DIR "/assets/Data/rad-2.jpg")));
    // The minimise image dips and comes back before the window minimises.
    const QPoint rust = main.image1()->pos();
    const double voor = test.klok.monotonicSeconds();
    QTest::mouseClick(main.image1(), Qt::LeftButton);
    EXPECT_EQ(main.image1()->pos(), rust);
    EXPECT_GT(test.klok.monotonicSeconds(), voor);
    EXPECT_TRUE(main.isMinimized());
}

TEST_F(Venster, TheHelpButtonSwapsTheWheelForTheHelpOfTheGameInPlayWhoseButtonsShowTheCards)
{
    // Wheel, bingo help, quiz help shown; game-type and quiz start buttons usable.
    auto stand = [&] {
        return std::array{!main.radPic()->isHidden(), !help.helpPic()->isHidden(), !help.helpPic2()->isHidden(),
                          main.menuPic()->knop(ui::MenuActie::SpelSoort)->isEnabled(),
                          quiz->startSpelKnop()->isEnabled()};
    };
    auto kaart = [](int n) { return HelpSchermen::kaartPlaatje(n).convertToFormat(QImage::Format_ARGB32); };
    auto getoond = [&] { return help.logoImg()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); };
    main.menuActie(ui::MenuActie::Help);
    EXPECT_EQ(stand(), (std::array{false, true, false, false, true}));
    for (int i = 0; i < 4; ++i) {
        emit help.hknop(i)->MouseMove(0, 0, 5.f, 5.f);
        emit help.hknop(i)->MouseMove(0, 0, 12.f, 25.f); // every step of the mouse
        EXPECT_TRUE(getoond() == kaart(i + 1) && kaart(i + 1) != kaart(i)) << i;
        emit help.hknop(i)->MouseOut();
        EXPECT_EQ(getoond(), kaart(0)) << i;
    }
    main.menuActie(ui::MenuActie::Help);
    test.algemeen.SpelSoort = core::SpelSoort::Quiz;
    main.menuActie(ui::MenuActie::Help);
    EXPECT_EQ(stand(), (std::array{false, false, true, false, false}));
    start("Een");
    EXPECT_TRUE(test.dialogen.invoerVragen.isEmpty()) << "no quiz starts under its help";
    main.menuActie(ui::MenuActie::Help);
    EXPECT_EQ(stand(), (std::array{true, false, false, true, true}));
    // A running quiz keeps its start button disabled; closing the help must not free it early.
    quiz->startSpelKnop()->setEnabled(false);
    main.menuActie(ui::MenuActie::Help);
    main.menuActie(ui::MenuActie::Help);
    EXPECT_EQ(stand(), (std::array{true, false, false, true, false}));
}

// The lines the help screens hold, each printed by the panel's own text output on a plain panel
// (the quiz picture under it) and compared with the help screen; every line lies inside the
// border, clear of the buttons, the example picture and every other line. The quiz help counts
// the words the lists hold when it opens.
TEST_F(Venster, EveryHelpLineIsShownAsHeldInsideItsPanelApartFromTheOthers)
{
    QStringList woorden;
    for (int i = 0; i < 1999; ++i)
        woorden << QString(QChar('A' + i % 26)) + QChar('A' + i / 26 % 26) + QChar('A' + i / 676);
    schrijfLijsten(woorden);
    test.algemeen.SpelSoort = core::SpelSoort::Quiz;
    help.wissel();
    for (auto [paneel, regels] :
         {std::pair{help.helpPic(), HelpSchermen::bingoRegels()}, {help.helpPic2(), HelpSchermen::quizRegels()}}) {
        const QRect binnen = paneel->rect().adjusted(11, 11, -11, -11);
        TekenPaneel verwacht;
        verwacht.resize(paneel->size());
        verwacht.setBackColor(QColor(60, 0, 0));
        if (paneel == help.helpPic2())
            verwacht.paintPicture(QImage(QStringLiteral(":/images/quiz-help.png")), 320, 220, 315, 253);
        QList<QRect> bezet;
        for (QWidget *w : benoemd(paneel))
            bezet << w->geometry();
        ASSERT_FALSE(regels.empty());
        for (const HelpRegel &regel : regels) {
            const QString regelTekst = regel.regelTekst(QStringLiteral("ruim 1.000"));
            verwacht.setDrawFont(widgets::designFont(QStringLiteral("Arial"), regel.kop ? 12 : 10, regel.kop));
            verwacht.printAt(regel.x, regel.y, regelTekst, regel.kleur);
            const QRect vak(QPoint(regel.x, regel.y), QFontMetrics(verwacht.drawFont()).size(0, regelTekst));
            EXPECT_TRUE(binnen.contains(vak) && std::ranges::none_of(bezet, [&](QRect r) { return r.intersects(vak); }))
                << regelTekst.toStdString();
            bezet << vak;
        }
        EXPECT_EQ(paneel->surface().copy(binnen), verwacht.surface().copy(binnen))
            << paneel->objectName().toStdString();
    }
}

// Every kind of entry as the window shows it, then the check and the score. Nothing interrupts
// the game: a start press during the countdown or the high-score dialog is ignored. Of the listed
// words only KAT, QUIZ and Rak are found: the list of "tak" holds "TAK " with a blank, ZAK is in
// no list, and the lists of 5, 6 and 9 letters are missing.
TEST_F(Venster, AWholeQuizFromNameThroughEveryKindOfEntryToRecordedScoreAndItsLetterValues)
{
    schrijfLijsten({"kat", "TAK ", "quiz", "RAK"});
    test.algemeen.QuizSeconden = 3;
    start("Een"); // one A among the letters
    verwachtRooster(quiz->surface(), 6, 2, QSize(80, 80), [](int) { return QColor(100, 0, 0); });
    EXPECT_EQ(quizStand(), Aftellen);
    auto na = [&](const char *woord) {
        typ(woord);
        return std::pair(int(meldingen.size()), vak->text());
    };
    EXPECT_EQ(na("k"), std::pair(1, QStringLiteral("k"))) << "too short: told, left in the box";
    EXPECT_EQ(meldingen.back().tekst, QString::fromUtf8(core::TeKortMelding));
    for (const char *woord : {"KAT", "QUIZ", "  tak  ", "Rak", "ZAK", "KRANS", "BRANIE"})
        EXPECT_EQ(na(woord), std::pair(1, QString())) << woord;
    EXPECT_EQ(na(" Kat "), std::pair(2, QString())) << "listed already: told, cleared";
    EXPECT_EQ(meldingen.back().tekst, QStringLiteral("Woord 'KAT' staat al in de lijst!"));
    EXPECT_EQ(na("aap"), std::pair(2, QStringLiteral("aap"))) << "a letter not drawn twice: left in the box";
    // The box holds nine letters, takes the Enter of the number pad and empties on a click.
    vak->clear();
    QTest::keyClicks(vak, QStringLiteral("BRUINKATSE"));
    QTest::keyClick(vak, Qt::Key_Enter);
    QTest::mouseClick(vak, Qt::LeftButton);
    EXPECT_EQ(std::pair(vak->text(), quiz->bottomLabel1()->text()), std::pair(QString(), QStringLiteral("8")));
    emit quiz->startSpelKnop()->Click();
    for (int rest = 2; rest >= 1; --rest) {
        QMetaObject::invokeMethod(quiz->timer2(), "timeout");
        EXPECT_EQ(quiz->tijdLabel()->text(), tekst(core::QuizTijdTekst(rest)));
    }
    quiz->setToonScoreLijst([&] { emit quiz->startSpelKnop()->Click(), ++scoreLijstGetoond; });
    quiz->spel().tik();
    EXPECT_EQ(quizStand(), Rust);
    EXPECT_EQ(scoreLijstGetoond, 1);
    EXPECT_EQ(test.dialogen.invoerVragen.size(), 1);
    const Woorden woorden = lijst->woorden();
    EXPECT_EQ(woorden, (Woorden{"KAT", "QUIZ", "tak", "Rak", "ZAK", "KRANS", "BRANIE", "BRUINKATS"}));
    int totaal = 0;
    for (int rij = 0; rij < lijst->aantal(); ++rij) {
        const bool gevonden = rij < 4 && rij != 2;
        const core::WoordControle controle{gevonden, gevonden ? punten(woorden[rij].c_str()) : 0};
        const core::Kleur k = controle.markeringKleur();
        EXPECT_EQ(lijst->tekst(rij, 0), QString::fromLatin1(controle.markering())) << rij;
        EXPECT_EQ(lijst->markeringKleur(rij), QColor(k.rood, k.groen, k.blauw)) << rij;
        EXPECT_EQ(lijst->tekst(rij, 2), tekst(controle.puntenTekst())) << rij;
        totaal += controle.punten;
    }
    EXPECT_EQ(quiz->bottomLabel2()->text(), QString::number(totaal));
    ASSERT_EQ(meldingen.size(), 3u) << "the missing lists, told once";
    EXPECT_EQ(meldingen.back().tekst, tekst(core::ontbrekendeLijstenMelding({5, 6, 9})));
    core::ScoreLijst gelezen;
    EXPECT_TRUE(gelezen.LaadScorelijst(main.scorelijstPad().toStdString()));
    EXPECT_EQ(gelezen.ascending(), Woorden{core::ScoreRegel(totaal, "Een")});
    emit quiz->letterScoreKnop()->Click(); // the values shown are the ones the scoring used
    int gelijk = 0;
    for (const auto &m : QRegularExpression(R"(([A-Z]) *= (\d+))").globalMatch(meldingen.back().tekst))
        gelijk += m.captured(2).toInt() == test.algemeen.LetterWaarde[m.captured(1)[0].unicode()];
    EXPECT_EQ(gelijk, 26);
}

// K asks a sheet's code and a card number; a mistyped code or a number not on the sheet is told
// and asked again. The card then lies over the board against this round's letters, no draw
// starts while it is there, and Escape leaves the board as it was.
TEST_F(Venster, KChecksAClaimedCardOverTheBoardAndEscapeReturnsToItUnchanged)
{
    for (int n = 0; n < 8; ++n)
        trek();
    const QImage bord = main.pic()->surface();
    const std::string code = core::codeTekst({core::KaartSoort::Random, false, 99});
    test.dialogen.invoerAntwoorden = {QStringLiteral("2345678 1"), tekst(code + " 7"), tekst(code + " 2")};
    QTest::keyClick(&main, Qt::Key_K);
    EXPECT_EQ(meldingen.size(), 2u) << "the wrong code and the wrong number, each told";
    KaartControlePaneel *kaart = main.kaartControle();
    ASSERT_TRUE(kaart->isVisibleTo(&main));
    const core::BingoKaart verwacht = core::kaartenVanBlad(*core::leesCode(code))[1];
    std::set<int> open; // the card's letters not drawn yet
    for (int kolom = 1; kolom <= 5; ++kolom)
        for (int rij = 1; rij <= 5; ++rij)
            if (!test.algemeen.Getrokken[std::size_t(verwacht.letter(kolom, rij))])
                open.insert(verwacht.letter(kolom, rij));
    EXPECT_EQ(kaart->uitslag().ontbrekend, std::vector<int>(open.begin(), open.end()));
    EXPECT_TRUE(kaart->uitslagRegels().first().startsWith(QStringLiteral("Nog %1 letters: ").arg(open.size())));
    trek();
    EXPECT_EQ(getrokken(), 8) << "no draw under the card";
    QTest::keyClick(kaart, Qt::Key_Escape);
    EXPECT_FALSE(kaart->isVisibleTo(&main));
    EXPECT_EQ(main.pic()->surface(), bord);
}

// The next player can play the letters of the last game: shown at once, the wheel standing
// still, and recorded like any game. Each game ends with the best words of its letters over the
// wheel, the player's finds marked, until the next start; a stray space bar then opens nothing.
// A call is said once its letter stands on the board, one per draw, none for the press after
// the round. Speech leaves the draw as it is: the same letters, waits and board with it off,
// when nothing is said.
TEST_F(Venster, EveryLetterIsCalledWhenItLandsAndSpeechChangesNothingOfTheDraw)
{
    TestOmgeving stil(1); // the same seed
    Main zonderSpraak{stil.omgeving, QSize(1280, 800)};
    Voorkeuren uit;
    uit.spraakAan = false;
    zonderSpraak.zetVoorkeuren(uit);
    QStringList verwacht;
    for (int i = 1; i <= 26; ++i) {
        trek();
        emit zonderSpraak.pic()->startKnop()->Click();
        verwacht << tekst(core::roepZin(main.radPic()->letter().at(0).toLatin1()));
        ASSERT_EQ(test.spraak.zinnen, verwacht);
        EXPECT_EQ(std::pair(stil.wachter.aantalWachten(), stil.wachter.totaalGewacht()),
                  std::pair(test.wachter.aantalWachten(), test.wachter.totaalGewacht()));
    }
    trek();
    EXPECT_EQ(test.spraak.zinnen.size(), 26);
    EXPECT_EQ(zonderSpraak.pic()->surface(), main.pic()->surface());
    EXPECT_TRUE(stil.spraak.zinnen.isEmpty());
}

// Each drawn letter of the quiz is called as it lands in its box, the result at the end of a
// game; the same letters again are shown, not drawn, so only the second result is said.
TEST_F(Venster, TheNextPlayerCanPlayTheSameLettersAndEveryGameEndsWithItsBestWords)
{
    schrijfLijsten({"kat", "quiz", "zak", "rak", "aap"});
    test.algemeen.QuizSeconden = 1;
    main.show();
    QApplication::setActiveWindow(&main);
    EXPECT_FALSE(quiz->zelfdeLettersKnop()->isEnabled()) << "no letters yet";
    start("Een");
    typ("kat");
    quiz->spel().tik();
    const BesteWoordenPaneel *beste = quiz->besteWoorden();
    ASSERT_TRUE(beste->isVisibleTo(&main));
    std::vector<std::pair<std::string, bool>> getoond;
    for (const core::BestWoord &woord : beste->woorden())
        getoond.emplace_back(woord.woord, beste->isGevonden(woord));
    EXPECT_EQ(
        getoond,
        (std::vector<std::pair<std::string, bool>>{{"QUIZ", false}, {"ZAK", false}, {"RAK", false}, {"KAT", true}}));
    EXPECT_EQ(QApplication::focusWidget(), &main) << "the window holds the focus, as during the draw";
    QStringList gezegd;
    for (const char letter : std::string("KATQUIZRBNSE"))
        gezegd << tekst(core::roepZin(letter));
    EXPECT_EQ(test.spraak.zinnen, gezegd << tekst(core::uitslagZin("Een", punten("KAT"))));

    const auto letters = test.algemeen.QuizLetters;
    const QImage veld = quiz->surface().copy(0, 0, 480, 160);
    const QPoint wijzer = main.radPic()->wijzerEinde();
    test.dialogen.invoerAntwoorden.push_back(QStringLiteral("Twee"));
    emit quiz->zelfdeLettersKnop()->Click();
    EXPECT_FALSE(beste->isVisibleTo(&main));
    EXPECT_EQ(quizStand(), Aftellen);
    EXPECT_EQ(test.algemeen.QuizLetters, letters);
    EXPECT_EQ(quiz->surface().copy(0, 0, 480, 160), veld);
    EXPECT_EQ(main.radPic()->wijzerEinde(), wijzer);
    typ("quiz");
    quiz->spel().tik();
    EXPECT_EQ(main.scoreLijst().ascending(),
              (Woorden{core::ScoreRegel(punten("KAT"), "Een"), core::ScoreRegel(punten("QUIZ"), "Twee")}));
    EXPECT_EQ(test.spraak.zinnen, gezegd << tekst(core::uitslagZin("Twee", punten("QUIZ"))));
}

// A blank name or a quiz time below a second starts nothing; stopping gives a game up
// unrecorded; closing during the last pause skips the high-score dialog.
TEST_F(Venster, AQuizNeedsANameAndOneSecondAndStoppingOrClosingEndsItWithoutItsDialog)
{
    test.algemeen.QuizSeconden = 10;
    start("   ", ""); // starts nothing, or the next start would be ignored
    start("Drie");
    typ("kat");
    quiz->stopAftellen();
    quiz->spel().tik();
    EXPECT_EQ(quizStand(), Rust);
    // Stopped during the draw: the draw ends at the next rest of the wheel, without a countdown.
    QTimer::singleShot(0, quiz, [&] { quiz->stopAftellen(); });
    start("Drie");
    EXPECT_EQ(quizStand(), Rust);
    test.algemeen.QuizSeconden = 1;
    start("Vier");
    QTimer::singleShot(0, quiz, [&] { main.close(); });
    test.dialogen.antwoorden = {Antwoord::Ja};
    quiz->spel().tik();
    EXPECT_EQ(scoreLijstGetoond, 0);
    EXPECT_EQ(main.scoreLijst().count(), 1u) << "recorded before the pause";
    test.algemeen.QuizSeconden = 0;
    start("Vijf", "");
    EXPECT_EQ(meldingen.back().tekst, QString::fromUtf8(core::OnbruikbareQuizTijdMelding));
    EXPECT_EQ(test.dialogen.invoerVragen.size(), 4) << "no name is asked for a time of 0";
}

// The ink of a capital starts below the top of its line box (the internal leading), never above.
TEST(TekenPaneel, TextPutsTheTopOfItsLineBoxAtThePosition)
{
    TekenPaneel paneel;
    paneel.resize(200, 120);
    paneel.setBackColor(Qt::black);
    paneel.setDrawFont(widgets::designFont(QStringLiteral("Comic Sans MS"), 46, true));
    paneel.printAt(20, 10, QStringLiteral("W"), Qt::white);
    const QFontMetrics maat(paneel.drawFont());
    int eersteRij = 0;
    while (eersteRij < 120 && aantalIn(paneel.surface(), {0, eersteRij, 200, 1}, Qt::black) == 200)
        ++eersteRij;
    EXPECT_TRUE(eersteRij >= 10 && eersteRij <= 10 + maat.ascent() - maat.capHeight() + 3) << eersteRij;
}

// The surface is made when first needed; a drawing after that is added to what it holds.
TEST(TekenPaneel, ADrawingAfterTheSurfaceWasMadeJoinsTheEarlierOnes)
{
    TekenPaneel paneel;
    paneel.resize(40, 20);
    paneel.filledBox(0, 0, 9, 19, Qt::black);
    EXPECT_EQ(aantalIn(paneel.surface(), {0, 0, 40, 20}, Qt::black), 200);
    paneel.filledBox(20, 0, 29, 19, Qt::black);
    EXPECT_EQ(aantalIn(paneel.surface(), {0, 0, 40, 20}, Qt::black), 400);
}

// A thousand times faster: a minute of animation is 60 ms of real time, during which the
// window's events keep running; after stopAlles every wait returns at once.
TEST(Wacht, OnASpedUpClockOnlyTheRealTimeThatClockNeedsPassesAndEventsRun)
{
    core::VersneldeKlok klok(1000.0);
    core::SystemClock echt;
    KlokWachter wachter(klok);
    int tikken = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++tikken; });
    timer.start(10);
    const double voor = klok.monotonicSeconds(), echtVoor = echt.monotonicSeconds();
    wachter.Wacht(60.0f);
    EXPECT_TRUE(klok.monotonicSeconds() - voor >= 60.0 && tikken >= 2);
    wachter.stopAlles();
    wachter.Wacht(30000.0f);
    EXPECT_LT(echt.monotonicSeconds() - echtVoor, 30.0);
}

TEST(Nederlands, QtsOwnDialogsSpeakDutchAndDatesFollowTheDutchLocale)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_nl.qm")))
        GTEST_SKIP() << "Qt's Dutch translations are not installed";
    const QLocale vorige;
    installeerNederlands(*QCoreApplication::instance());
    const QStringList gezien = {QCoreApplication::translate("QPlatformTheme", "Cancel"), QLocale().monthName(3)};
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); // the other tests stay in English
    QLocale::setDefault(vorige);
    EXPECT_EQ(gezien, (QStringList{QStringLiteral("Annuleren"), QStringLiteral("maart")}));
}

// The buttons leave out the exact mask colour; their icons must carry it.
TEST(Artwork, EveryPictureLoadsAndTheButtonIconsCarryTheMaskColour)
{
    for (const QString &naam : QDir(QStringLiteral(":/images")).entryList()) {
        const QImage beeld(QStringLiteral(":/images/") + naam);
        EXPECT_FALSE(beeld.isNull() || (naam.startsWith(QLatin1String("knop")) && beeld.pixel(0, 0) != qRgb(0, 255, 0)))
            << naam.toStdString();
    }
    EXPECT_EQ(eigenAanwijzer().hotSpot(), QPoint(0, 0)) << "the tip of the program's own pointer";
}

// The real boxes: Enter takes the default "Ja", Escape counts as "Nee", a cancelled input is empty.
TEST(QtDialogen, EnterIsJaEscapeIsNeeAndACancelledInputIsEmpty)
{
    QtDialogen dialogen;
    auto druk = [](Qt::Key toets) {
        QTimer::singleShot(0, [toets] { QTest::keyClick(QApplication::activeModalWidget(), toets); });
    };
    druk(Qt::Key_Return);
    EXPECT_EQ(dialogen.melding(nullptr, QStringLiteral("Vraag?"), {}, Knoppen::JaNee, Icoon::Geen), Antwoord::Ja);
    druk(Qt::Key_Escape);
    EXPECT_EQ(dialogen.melding(nullptr, QStringLiteral("Vraag?"), {}, Knoppen::JaNee, Icoon::Kritiek), Antwoord::Nee);
    druk(Qt::Key_Escape);
    EXPECT_EQ(dialogen.invoer(nullptr, QStringLiteral("Naam?"), {}), QString());
}
