#include "ui/quiz/QuizSpel.h"

#include "core/Algemeen.h"
#include "core/bestanden/Utf8Tekens.h"
#include "core/LetterAfdruk.h"
#include "core/quiz/BesteWoorden.h"
#include "core/quiz/QuizRad.h"
#include "core/quiz/QuizTijd.h"
#include "core/quiz/WoordInvoer.h"
#include "core/quiz/WoordScore.h"
#include "core/RandomSource.h"
#include "core/spraak/Roepnamen.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/help/HelpSchermen.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/BesteWoordenPaneel.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/QuizWoordenLijst.h"
#include "ui/quiz/ScoreForm.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/TekenPaneel.h"
#include "ui/toolkit/Wachter.h"
#include "widgets/VistaButton.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <set>

namespace ui {

namespace {

const QColor InvoerGrijs(200, 200, 200);
const QColor InvoerGeel(200, 200, 0);

QString tekst(const std::string &utf8) { return QString::fromStdString(utf8); }

} // namespace

QuizSpel::QuizSpel(Main &main, QuizScherm &scherm)
    : m_main(main)
    , m_omgeving(main.omgeving())
    , m_scherm(scherm)
    , m_toonScoreLijst([this] { toonScoreForm(m_main); })
{}

void QuizSpel::startSpel(Letters letters)
{
    if (m_fase != Fase::Rust || (letters == Letters::Dezelfde && !heeftVorigeLetters()))
        return;
    const TekenPaneel *help = m_main.helpSchermen() ? m_main.helpSchermen()->helpPic2() : nullptr;
    if (help && help->isVisibleTo(&m_main))
        return;

    core::Algemeen &algemeen = m_omgeving.algemeen;
    // The countdown ends only at exactly 0, so it needs at least one second.
    if (!core::isBruikbareQuizTijd(algemeen.QuizSeconden)) {
        m_omgeving.dialogen.melding(&m_main, QString::fromUtf8(core::OnbruikbareQuizTijdMelding));
        return;
    }

    m_scherm.naamLabel()->clear();
    m_scherm.text1()->setAchtergrond(InvoerGrijs);
    QPointer<QuizScherm> levend(&m_scherm);
    const QString naam = m_omgeving.dialogen.invoer(&m_main, QStringLiteral("Jouw naam intypen a.u.b."));
    if (!levend || m_omgeving.wachter.gestopt() || m_fase != Fase::Rust)
        return;
    algemeen.SpelerNaam = naam.toStdString();
    if (naam.trimmed().isEmpty())
        return;
    m_scherm.naamLabel()->setText(naam);

    const std::array<std::string, 13> vorigeLetters = algemeen.QuizLetters;
    m_fase = Fase::Trekken;
    m_opgegeven = false;
    zetPaneelKlaar();
    m_scherm.TekenLetterVakken();
    if (letters == Letters::Dezelfde) {
        toonVorigeLetters(vorigeLetters);
    } else {
        const bool getrokken = TrekQuizLetters();
        if (!levend)
            return;
        if (!getrokken) {
            geefOp();
            return;
        }
    }
    openInvoer();
    m_fase = Fase::Aftellen;
    m_scherm.timer2()->start();
}

void QuizSpel::zetPaneelKlaar()
{
    m_scherm.timer2()->stop();
    QuizScherm::zetTekst(m_scherm.tijdLabel(), QString::fromLatin1(core::QuizTijdBijStart));
    neemFocusVan(m_scherm.startSpelKnop());
    neemFocusVan(m_scherm.zelfdeLettersKnop());
    werkKnoppenBij();
    m_scherm.text1()->setEnabled(false);
    m_scherm.besteWoorden()->hide();
    m_scherm.listView1()->clear();
    QuizScherm::zetTekst(m_scherm.bottomLabel1(), QStringLiteral("0"));
    QuizScherm::zetTekst(m_scherm.bottomLabel2(), QStringLiteral("0"));

    core::Algemeen &algemeen = m_omgeving.algemeen;
    algemeen.ResterendeSeconden = algemeen.QuizSeconden;
    algemeen.QuizScore = 0;
    for (int k = 1; k <= core::AantalQuizLetters; ++k)
        algemeen.QuizLetters[std::size_t(k)].clear();
}

bool QuizSpel::TrekQuizLetters()
{
    QPointer<QuizScherm> levend(&m_scherm);
    BezigAanwijzer bezig;
    m_scherm.startSpelKnop()->setEnabled(false);
    core::Algemeen &algemeen = m_omgeving.algemeen;
    Wachter &wachter = m_omgeving.wachter;
    for (int k = 1; k <= core::AantalQuizLetters; ++k) {
        const int r = core::kiesQuizPositie(m_omgeving.toeval);
        m_main.radPic()->speel(core::quizRadStappen(r), wachter);
        if (!levend || moetStoppen())
            return false;
        // The wheel now stands on r and shows its letter.
        const char letter = core::quizRadPositie(r).letter;
        m_scherm.DrukLetter(core::quizLetterAfdruk(k, letter, algemeen.LetterKleur));
        m_main.roep(core::roepZin(letter));
        algemeen.QuizLetters[std::size_t(k)] = std::string(1, letter);
        wachter.Wacht(float(core::QuizLetterPauze));
        if (!levend || moetStoppen())
            return false;
    }
    return true;
}

void QuizSpel::tik()
{
    if (m_fase != Fase::Aftellen)
        return;
    core::Algemeen &algemeen = m_omgeving.algemeen;
    --algemeen.ResterendeSeconden;
    QuizScherm::zetTekst(m_scherm.tijdLabel(), tekst(core::QuizTijdTekst(algemeen.ResterendeSeconden)));
    if (algemeen.ResterendeSeconden > 0)
        return;
    eindeSpel();
}

void QuizSpel::eindeSpel()
{
    m_fase = Fase::Afronden;
    m_scherm.timer2()->stop();
    neemFocusVan(m_scherm.text1());
    m_scherm.text1()->setEnabled(false);
    ControleerWoorden();
    toonBesteWoorden();
    m_scherm.startSpelKnop()->setEnabled(true);

    core::Algemeen &algemeen = m_omgeving.algemeen;
    m_main.roep(core::uitslagZin(m_scherm.naamLabel()->text().toStdString(), algemeen.QuizScore));
    m_main.scoreLijst().VoegScoreToe(algemeen.QuizScore, m_scherm.naamLabel()->text().toStdString());
    m_main.bewaarScorelijst();

    QPointer<QuizScherm> levend(&m_scherm);
    m_omgeving.wachter.Wacht(2.0f);
    if (!levend)
        return;
    if (!m_omgeving.wachter.gestopt() && m_toonScoreLijst)
        m_toonScoreLijst();
    if (levend) {
        m_fase = Fase::Rust;
        werkKnoppenBij();
    }
}

void QuizSpel::ControleerWoorden()
{
    QuizWoordenLijst *lijst = m_scherm.listView1();
    core::Algemeen &algemeen = m_omgeving.algemeen;
    core::ControleUitslag uitslag;
    {
        BezigAanwijzer bezig;
        uitslag = core::ControleerWoorden(lijst->woorden(), m_omgeving.plekken.lijstMappen(), algemeen.LetterWaarde);
    }
    for (std::size_t rij = 0; rij < uitslag.woorden.size(); ++rij)
        lijst->zetControle(int(rij), uitslag.woorden[rij]);
    algemeen.QuizScore += uitslag.totaal;
    QuizScherm::zetTekst(m_scherm.bottomLabel2(), QString::number(algemeen.QuizScore));

    if (!uitslag.ontbrekendeLijsten.empty())
        m_omgeving.dialogen.melding(&m_main, tekst(core::ontbrekendeLijstenMelding(uitslag.ontbrekendeLijsten)));
}

void QuizSpel::woordIngevoerd()
{
    WoordInvoerVak *vak = m_scherm.text1();
    QuizWoordenLijst *lijst = m_scherm.listView1();
    const core::WoordBeoordeling oordeel =
        core::beoordeelWoord(vak->text().toStdString(), lijst->woorden(), m_omgeving.algemeen.QuizLetters);
    switch (oordeel.uitslag) {
    case core::InvoerUitslag::TeKort:
        m_omgeving.dialogen.melding(&m_main, QString::fromUtf8(core::TeKortMelding));
        vak->setFocus();
        break;
    case core::InvoerUitslag::AlInLijst:
        m_omgeving.dialogen.melding(&m_main, tekst(core::alInLijstMelding(oordeel.woord)));
        vak->clear();
        vak->setFocus();
        break;
    case core::InvoerUitslag::LettersNietBeschikbaar:
        // Left in the box for the player to correct.
        break;
    case core::InvoerUitslag::Geaccepteerd:
        lijst->voegWoordToe(tekst(oordeel.woord));
        vak->clear();
        QuizScherm::zetTekst(m_scherm.bottomLabel1(), QString::number(lijst->aantal()));
        break;
    }
}

void QuizSpel::toonLetterWaarde()
{
    m_omgeving.dialogen.melding(&m_main, QString::fromUtf8(core::WaardeTekst), QString::fromUtf8(core::WaardeTitel));
}

void QuizSpel::stopAftellen()
{
    m_scherm.timer2()->stop();
    switch (m_fase) {
    case Fase::Trekken:
        // The draw notices at its next pause and gives the game up itself.
        m_opgegeven = true;
        break;
    case Fase::Aftellen:
        geefOp();
        break;
    case Fase::Rust:
    case Fase::Afronden:
        break;
    }
}

void QuizSpel::geefOp()
{
    // Nothing is recorded; the letters and words stay visible until the next game.
    m_scherm.timer2()->stop();
    neemFocusVan(m_scherm.text1());
    m_scherm.text1()->setEnabled(false);
    m_scherm.text1()->setAchtergrond(InvoerGrijs);
    m_fase = Fase::Rust;
    werkKnoppenBij();
}

bool QuizSpel::heeftVorigeLetters() const
{
    const auto &letters = m_omgeving.algemeen.QuizLetters;
    return std::all_of(letters.begin() + 1, letters.end(), [](const std::string &l) { return !l.empty(); });
}

void QuizSpel::toonVorigeLetters(const std::array<std::string, 13> &letters)
{
    core::Algemeen &algemeen = m_omgeving.algemeen;
    for (int k = 1; k <= core::AantalQuizLetters; ++k) {
        const std::string &letter = letters[std::size_t(k)];
        m_scherm.DrukLetter(core::quizLetterAfdruk(k, letter[0], algemeen.LetterKleur));
        algemeen.QuizLetters[std::size_t(k)] = letter;
    }
}

void QuizSpel::toonBesteWoorden()
{
    core::Algemeen &algemeen = m_omgeving.algemeen;
    std::vector<core::BestWoord> beste;
    {
        BezigAanwijzer bezig;
        beste = core::besteWoorden(core::WoordVoorraad::laad(m_omgeving.plekken.lijstMappen()), algemeen.QuizLetters,
                                   algemeen.LetterWaarde);
    }
    std::set<std::string> gevonden;
    const QuizWoordenLijst *lijst = m_scherm.listView1();
    for (int rij = 0; rij < lijst->aantal(); ++rij)
        if (lijst->tekst(rij, 0) == QString::fromLatin1(core::MarkeringGevonden))
            gevonden.insert(core::asciiHoofdletters(lijst->tekst(rij, 1).toStdString()));
    m_scherm.besteWoorden()->toon(std::move(beste), std::move(gevonden));
}

void QuizSpel::werkKnoppenBij()
{
    const bool rust = m_fase == Fase::Rust;
    m_scherm.startSpelKnop()->setEnabled(rust);
    m_scherm.zelfdeLettersKnop()->setEnabled(rust && heeftVorigeLetters());
}

void QuizSpel::neemFocusVan(QWidget *control)
{
    if (control->hasFocus())
        m_main.setFocus(Qt::OtherFocusReason);
}

bool QuizSpel::moetStoppen() const { return m_opgegeven || m_omgeving.wachter.gestopt(); }

void QuizSpel::openInvoer()
{
    WoordInvoerVak *vak = m_scherm.text1();
    vak->setEnabled(true);
    vak->setAchtergrond(InvoerGeel);
    vak->clear();
    vak->setFocus();
}

} // namespace ui
