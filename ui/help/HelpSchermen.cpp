#include "ui/help/HelpSchermen.h"

#include "core/Algemeen.h"
#include "core/quiz/WoordVoorraad.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Randen.h"
#include "ui/toolkit/TekenPaneel.h"
#include "ui/toolkit/Twips.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QFile>
#include <QLabel>

namespace ui {

namespace {

const QColor Achtergrond(60, 0, 0);
const QColor Geel(200, 200, 0);
const QColor Grijs(200, 200, 200);
const QColor Turkoois(0, 220, 220);
const QColor Cyaan(0, 255, 255);

const HelpRegel BingoTekst[] = {
    {20, 20, Geel, true, "Welkom bij het Alfabo Lotto"},
    {20, 50, Grijs, false,
     "Het spel Alfabo Lotto is een variant op het bekende en veel gespeelde Cijfer Bingo met 75 tot 90 getallen."},
    {20, 67, Grijs, false,
     "Dit spel wordt gespeeld met de 26 letters van het alfabet. Hierdoor zijn deze bingo formulieren anders dan de ",
     "gewone Bingo formulieren. In het Alfabo Lotto formulier staan 21 verschillende "},
    {20, 84, Grijs, false,
     "letters, dit zijn horizontaal in rijen 3,5,5,5,3 letters, de 4 hoeken zijn z.g. Free vakjes. Dit in "
     "tegenstelling bij het ",
     "gewone Bingo is het middelste een Free vakje."},
    {20, 101, Grijs, false,
     "Als alternatief kunnen er ook Bingokaarten worden afgedrukt met random letters waarbij dubbele letters "
     "voorkomen. ",
     "In deze kaarten zijn geen Free vakjes aanwezig."},
    {20, 118, Grijs, false,
     "Hierdoor is het mogelijk om eerder een goede Bingo te hebben door meerdere letters tegelijk aan te stippen. ",
     "Dit vergroot de kansen aanzienlijk op misschien een hoofdprijs."},
    {20, 135, Grijs, false,
     "Alfabo Lotto evenals het normale Bingo is met name zeer goed te gebruiken voor grote groepen personen in ",
     "combinatie met een (laptop)computer en een Beamer."},
    {20, 152, Grijs, false,
     "Hieronder kunt u de 4 verschillende soorten bingokaarten bekijken die met dit programma kunnen worden "
     "afgedrukt. ",
     "Beweeg de muiscursor over de 4 buttons voor een voorbeeld."},
    // Level with the four buttons Hknop(0..3).
    {70, 197, Turkoois, false,
     "Formulier met 6 verschillende kaarten met 21 verschillende letters en in de vier hoeken een Free vakje."},
    {70, 230, Turkoois, false, "Formulier met 6 verschillende bingokaarten met 25 willekeurige en dubbele letters."},
    {70, 263, Turkoois, false, "Formulier met 3 verschillende kaarten met 60 willekeurige en dubbele letters."},
    {70, 296, Turkoois, false, "Formulier met 6 kaarten (4 x 4 vakjes) met 16 willekeurige en dubbele letters."},
    {20, 371, Grijs, false, "Om de reclametekst te kunnen zien klik dan op de tijd en datum linksonder in het scherm,"},
    {20, 388, Grijs, false,
     "de menubalk met de buttons wordt tijdelijk onzichtbaar tot u weer op de tijd en datum klikt."},
    {20, 405, Grijs, false,
     "Het spel begint door op de startknop te drukken, daarna kan de spatiebalk worden gebruikt"},
    {20, 422, Grijs, false, "voor de opvolgende letters."},
    {20, 455, Geel, false, "Druk nogmaals op de helpknop om dit scherm weer te verlaten..."},
};

const HelpRegel QuizTekst[] = {
    {20, 20, Geel, true, "Welkom bij de Woorden Quiz"},
    {20, 50, Cyaan, false, "Met dit spel kun je jouw kennis van de Nederlandse taal een beetje opkrikken."},
    {20, 67, Cyaan, false,
     "Maak zoveel mogelijk Nederlandse woorden in een bepaalde tijd om in de scorelijst zo hoog mogelijk te"},
    {20, 84, Cyaan, false,
     "eindigen ten opzichte van jouw medespelers. De database bestaat uit {woorden} verschillende woorden"},
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

// Black at the edge to RGB(200, 0, 0) inside.
void tekenPaneelRand(TekenPaneel &paneel)
{
    tekenRand(
        paneel, 11, [](int i) { return QColor(20 * i, 0, 0); }, 0);
}

// A hidden panel on the main window's background with the framed dark red look.
TekenPaneel *maakPaneel(Main &main, const QString &naam, int left, int top, int width, int height)
{
    auto *paneel = new TekenPaneel(main.mainPic());
    paneel->setObjectName(naam);
    paneel->hide();
    plaats(paneel, left, top, width, height);
    paneel->setBackColor(Achtergrond);
    tekenPaneelRand(*paneel);
    return paneel;
}

void drukTekst(TekenPaneel &paneel, std::span<const HelpRegel> regels, const QString &aantalWoorden = {})
{
    const QFont kop = widgets::designFont(QStringLiteral("Arial"), 12, true);
    const QFont gewoon = widgets::designFont(QStringLiteral("Arial"), 10);
    for (const HelpRegel &regel : regels) {
        paneel.setDrawFont(regel.kop ? kop : gewoon);
        paneel.printAt(regel.x, regel.y, regel.regelTekst(aantalWoorden), regel.kleur);
    }
}

} // namespace

QString HelpRegel::regelTekst(const QString &aantalWoorden) const
{
    QString regel = QString::fromUtf8(tekst) + QString::fromUtf8(vervolg);
    return regel.replace(QStringLiteral("{woorden}"), aantalWoorden);
}

QString HelpSchermen::aantalWoorden(const core::LijstMappen &mappen)
{
    const core::WoordVoorraad voorraad = core::WoordVoorraad::laad(mappen);
    return QString::fromStdString(core::ruimAantalWoorden(voorraad.aantal()));
}

std::span<const HelpRegel> HelpSchermen::bingoRegels() { return BingoTekst; }
std::span<const HelpRegel> HelpSchermen::quizRegels() { return QuizTekst; }

HelpSchermen::HelpSchermen(Main &main)
    : QObject(&main)
    , m_main(main)
{
    maakHelpPic();
    maakHelpPic2();
}

void HelpSchermen::maakHelpPic()
{
    m_helpPic = maakPaneel(m_main, QStringLiteral("HelpPic"), 900, 3150, 17190, 7365);
    drukTekst(*m_helpPic, BingoTekst);

    for (int i = 0; i < 4; ++i) {
        auto *knop = new widgets::VistaButton(m_helpPic);
        knop->setObjectName(QStringLiteral("Hknop%1").arg(i));
        knop->setCaption(QString::number(i + 1));
        knop->setBackColor(Qt::white);
        knop->setGeometry(30, 190 + 33 * i, 30, 30);
        connect(knop, &widgets::VistaButton::MouseMove, this, [this, i] { toonKaart(i + 1); });
        connect(knop, &widgets::VistaButton::MouseOut, this, [this] { toonKaart(0); });
        m_hknop[i] = knop;
    }

    m_logoImg = new QLabel(m_helpPic);
    m_logoImg->setObjectName(QStringLiteral("LogoImg"));
    m_logoImg->setAttribute(Qt::WA_TranslucentBackground);
    m_logoImg->move(600, 230);
    m_logoImg->setPixmap(QPixmap::fromImage(kaartPlaatje(0)));
    m_logoImg->adjustSize();
    m_helpPic->raise();
}

void HelpSchermen::maakHelpPic2()
{
    // Its text is drawn when it opens, with the word count of that moment: counting the lists
    // here would only slow the start.
    m_helpPic2 = maakPaneel(m_main, QStringLiteral("HelpPic2"), 900, 3210, 9840, 7335);
    m_helpPic2->raise();
}

void HelpSchermen::tekenHelpPic2()
{
    m_helpPic2->wis();
    tekenPaneelRand(*m_helpPic2);
    m_helpPic2->paintPicture(QImage(QStringLiteral(":/images/quiz-help.png")), 320, 220, 315, 253);
    drukTekst(*m_helpPic2, QuizTekst, aantalWoorden(m_main.omgeving().plekken.lijstMappen()));
}

QImage HelpSchermen::kaartPlaatje(int kaart) { return QImage(QStringLiteral(":/images/kaart%1.png").arg(kaart)); }

void HelpSchermen::toonKaart(int kaart)
{
    // MouseMove comes for every step of the mouse; the picture changes only with the button.
    if (kaart == m_kaart)
        return;
    m_kaart = kaart;
    m_logoImg->setPixmap(QPixmap::fromImage(kaartPlaatje(kaart)));
}

void HelpSchermen::wissel()
{
    const bool quiz = m_main.omgeving().algemeen.SpelSoort == core::SpelSoort::Quiz;
    TekenPaneel *scherm = quiz ? m_helpPic2 : m_helpPic;
    LetterRadPaneel *rad = m_main.radPic();
    widgets::VistaButton *soortKnop = m_main.menuPic()->knop(MenuActie::SpelSoort);
    widgets::VistaButton *startSpelKnop = m_main.pic2()->startSpelKnop();

    if (!rad->isHidden()) {
        soortKnop->setEnabled(false);
        if (quiz) {
            m_startSpelKnopWasAan = startSpelKnop->isEnabled();
            startSpelKnop->setEnabled(false);
        }
        // The word count as the lists hold it now, after whatever the editor changed.
        if (quiz)
            tekenHelpPic2();
        rad->hide();
        // The board and the quiz screen were made later; the help lies over them.
        scherm->raise();
        scherm->show();
    } else {
        scherm->hide();
        rad->show();
        soortKnop->setEnabled(true);
        if (quiz && m_startSpelKnopWasAan)
            startSpelKnop->setEnabled(true);
    }
}

} // namespace ui
