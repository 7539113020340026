#include "ui/hoofdvenster/MainWindow.h"

#include "core/Algemeen.h"
#include "core/bestanden/FileIo.h"
#include "core/bestanden/Instellingen.h"
#include "core/bingo/RondeBewaring.h"
#include "core/Clock.h"
#include "core/kaarten/BladCode.h"
#include "core/KlokTekst.h"
#include "core/spraak/Roepnamen.h"
#include "ui/afdrukken/AfdrukForm.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/BingoScherm.h"
#include "ui/bingo/KaartControlePaneel.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/dialogen/AboutForm.h"
#include "ui/dialogen/ConfigForm.h"
#include "ui/dialogen/SoortForm.h"
#include "ui/editor/EditForm.h"
#include "ui/help/HelpSchermen.h"
#include "ui/hoofdvenster/Bedieningstoetsen.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/ScoreForm.h"
#include "ui/spraak/Spraak.h"
#include "ui/toolkit/Beelden.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Randen.h"
#include "ui/toolkit/Twips.h"
#include "ui/toolkit/Wachter.h"
#include "ui/toolkit/WebPagina.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace ui {

namespace {

const QString Arial = QStringLiteral("Arial");
const QString ComicSans = QStringLiteral("Comic Sans MS");

constexpr int BordTop = 3300; // twips
constexpr int BordLinks = 10800;
constexpr int BordMaat = 7215;

} // namespace

QSize Main::ontwerpMaat() { return QSize(1250, 800); }

Main::Main(Omgeving &omgeving, QSize scherm, QWidget *parent)
    : QWidget(parent)
    , m_omgeving(omgeving)
{
    // 1. Caption; a borderless window over the whole screen.
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(ProgrammaTitel);
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::ClickFocus);
    resize(scherm);

    // 2. Background, advertisement text, game titles, menu bar.
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setGeometry(rect());
    m_mainPic = new TekenPaneel;
    m_mainPic->setObjectName(QStringLiteral("MainPic"));
    m_mainPic->resize(scherm.expandedTo(ontwerpMaat()));
    m_scroll->setWidget(m_mainPic);
    legAchtergrondUit();

    // 4. The letter wheel (before the help screens, which lie over it).
    m_radPic = new LetterRadPaneel(m_mainPic);
    plaats(m_radPic, 900, 2400);
    // 3. The help screens, hidden.
    m_help = new HelpSchermen(*this);

    // 5. The board, laid out by a first round.
    m_pic = new BingoBord(m_mainPic);
    plaats(m_pic, BordLinks, BordTop, BordMaat, BordMaat);
    // 6. The quiz screen, hidden in the bingo game.
    m_pic2 = new QuizScherm(*this, m_mainPic);
    plaats(m_pic2, BordLinks, BordTop, BordMaat, BordMaat);
    m_pic2->hide();

    // Over the board when a claimed card is checked.
    m_kaartControle = new KaartControlePaneel(m_mainPic);
    m_kaartControle->setGeometry(m_pic->geometry());

    legLabelsUit();
    m_inhoud = {m_radPic,        m_help->helpPic(), m_help->helpPic2(), m_pic,        m_pic2,
                m_kaartControle, m_logoLabel[0],    m_logoLabel[1],     m_rondeLabel, m_beurtLabel};
    for (QWidget *deel : m_inhoud)
        m_ontwerpPlek.push_back(deel->pos());
    legRandenUit();

    m_bingoScherm = std::make_unique<BingoScherm>(m_omgeving, *m_radPic, *m_pic, *m_rondeLabel, *m_beurtLabel, *this);
    m_ronde = std::make_unique<core::BingoRonde>(m_omgeving.algemeen, m_omgeving.toeval, *m_bingoScherm);
    m_ronde->startNaOpstarten();
    connect(m_pic->startKnop(), &widgets::VistaButton::Click, this, &Main::trekLetter);
    m_toetsen = new Bedieningstoetsen(*this,
                                      {[this] { return m_omgeving.algemeen.SpelSoort == core::SpelSoort::Bingo; },
                                       [this] { trekLetter(); }, [this] { wisselVolledigScherm(); },
                                       [this] { kaartControleren(); }, [this] { wisselZaalscherm(); }});
    // The hall's screen can only be switched on with a second screen.
    const auto toonZaalschermKnop = [this] {
        m_menuPic->knop(MenuActie::Zaalscherm)->setVisible(QGuiApplication::screens().size() > 1);
    };
    toonZaalschermKnop();
    connect(qGuiApp, &QGuiApplication::screenAdded, this, toonZaalschermKnop);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, toonZaalschermKnop);

    // 8. - 10. Shared state, letter values, settings file.
    core::Algemeen &algemeen = m_omgeving.algemeen;
    algemeen.zetStartwaarden();
    algemeen.vulLetterWaarde();
    m_scoreBewaring = std::make_unique<core::ScorelijstBewaring>(m_scoreLijst, scorelijstPad().toStdString());
    QStringList meldingen;
    if (const std::string melding = m_scoreBewaring->laad(); !melding.empty())
        meldingen << QString::fromStdString(melding);
    core::ReadFailure leesFout;
    m_instellingenOnleesbaar = core::LaadInstellingen(algemeen, m_omgeving.instellingenPad().toStdString(), &leesFout)
        == core::InstellingenLezen::Onleesbaar;
    if (m_instellingenOnleesbaar) {
        meldingen << QStringLiteral("De instellingen in %1 konden niet worden gelezen: %2.\r\n"
                                    "De standaardinstellingen worden gebruikt; het bestand blijft zoals het is.")
                         .arg(m_omgeving.instellingenPad(), QString::fromStdString(leesFout.reason));
    }
    m_instellingenOpSchijf = algemeen;
    const QString rondeFout = hervatRonde();
    if (!rondeFout.isEmpty())
        meldingen << rondeFout;
    toonReclameTekst();
    // Told once the window is on the screen, over it.
    if (!meldingen.isEmpty()) {
        QTimer::singleShot(0, this, [this, meldingen] {
            for (const QString &melding : meldingen)
                m_omgeving.dialogen.melding(this, melding, QStringLiteral(" Foutje"), Knoppen::Ok, Icoon::Kritiek);
        });
    }

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(100);
    connect(m_timer1, &QTimer::timeout, this, &Main::toonKlok);
    m_timer1->start();
    toonKlok();
}

Main::~Main() = default;

void Main::legAchtergrondUit()
{
    // Behind the menu bar: seen only while the bar is hidden.
    const QFont reclameFont = widgets::designFont(Arial, 30);
    m_label3 = maakLabel(m_mainPic, QString(), reclameFont, QColor(80, 80, 80));
    m_label3->setObjectName(QStringLiteral("Label3"));
    plaats(m_label3, 615, 435);
    m_label2 = maakLabel(m_mainPic, QString(), reclameFont, QColor(250, 250, 250));
    m_label2->setObjectName(QStringLiteral("Label2"));
    plaats(m_label2, 600, 420);

    maakLogoLabels();

    m_menuPic = new MenuBalk(m_mainPic);
    connect(m_menuPic, &MenuBalk::knopGeklikt, this, &Main::menuActie);
    connect(m_menuPic, &MenuBalk::exitGeklikt, this, &QWidget::close);
    connect(m_menuPic, &MenuBalk::aboutGeklikt, this, [this] { toonAboutForm(*this); });
}

void Main::maakLogoLabels()
{
    const QFont logoFont = widgets::designFont(ComicSans, 36, true);
    m_logoLabel[1] = maakLabel(m_mainPic, QStringLiteral("Alfabo Lotto"), logoFont, QColor(110, 110, 0));
    m_logoLabel[1]->setObjectName(QStringLiteral("LogoLabel1"));
    plaats(m_logoLabel[1], 12105, 1965);
    m_logoLabel[0] = maakLabel(m_mainPic, QStringLiteral("Alfabo Lotto"), logoFont, QColor(250, 250, 0));
    m_logoLabel[0]->setObjectName(QStringLiteral("LogoLabel0"));
    plaats(m_logoLabel[0], 12090, 1950);
}

void Main::legLabelsUit()
{
    const QFont tellerFont = widgets::designFont(Arial, 18, true);
    m_rondeLabel = maakLabel(m_mainPic, QStringLiteral("Ronde : 1"), tellerFont, QColor(180, 180, 180));
    m_rondeLabel->setObjectName(QStringLiteral("RondeLabel"));
    plaats(m_rondeLabel, 10785, 10650);
    m_beurtLabel = maakLabel(m_mainPic, QStringLiteral("Letter : 1"), tellerFont, QColor(180, 180, 180));
    m_beurtLabel->setObjectName(QStringLiteral("BeurtLabel"));
    plaats(m_beurtLabel, 16815, 10650);

    m_klokLabel = new KlikLabel(m_mainPic);
    m_klokLabel->setObjectName(QStringLiteral("KlokLabel"));
    m_klokLabel->setFont(widgets::designFont(Arial, 12, true));
    m_klokLabel->setAttribute(Qt::WA_TranslucentBackground);
    zetLabelKleur(m_klokLabel, QColor(150, 150, 150));
    m_klokLabel->setToolTip(QStringLiteral(" Menubalk Verbergen "));
    m_klokLabel->setCursor(Qt::PointingHandCursor);
    connect(m_klokLabel, &KlikLabel::klik, this, &Main::wisselMenuBalk);

    m_image1 = new KlikLabel(m_mainPic);
    m_image1->setObjectName(QStringLiteral("Image1"));
    zetSchaal(1.0);
    m_image1->setAttribute(Qt::WA_TranslucentBackground);
    m_image1->setToolTip(QStringLiteral(" Scherm Minimaliseren "));
    connect(m_image1, &KlikLabel::klik, this, &Main::minimaliseer);
}

void Main::pasMaatAan(QSize scherm, bool centreren)
{
    resize(scherm);
    m_scroll->setGeometry(rect());
    m_mainPic->resize(scherm.expandedTo(ontwerpMaat()));
    const QSize ruimte = m_mainPic->size() - ontwerpMaat();
    m_verschuiving = centreren ? QPoint(ruimte.width() / 2, ruimte.height() / 2) : QPoint();
    for (std::size_t i = 0; i < m_inhoud.size(); ++i)
        m_inhoud[i]->move(m_ontwerpPlek[i] + m_verschuiving);
    legRandenUit();
}

// The borders, the menu bar, the clock and the minimise image follow the edges of the screen.
void Main::legRandenUit()
{
    m_mainPic->setBackColor(QColor(40, 0, 0));
    tekenRand(*m_mainPic, 7, [](int i) { return QColor(30 * i, 0, 0); });
    m_menuPic->legUit(m_mainPic->width() - twips(240));
    const int hoogte = m_mainPic->height() * TwipsPerPixel;
    const int breedte = m_mainPic->width() * TwipsPerPixel;
    plaats(m_klokLabel, 300, hoogte - 510);
    plaats(m_image1, breedte - 750, hoogte - 600);
}

void Main::toonReclameTekst()
{
    const QString tekst = QString::fromStdString(m_omgeving.algemeen.ReclameTekst);
    for (QLabel *label : {m_label2, m_label3}) {
        label->setText(tekst);
        label->adjustSize();
    }
}

void Main::toonKlok()
{
    m_klokLabel->setText(QString::fromStdString(core::KlokTekst(m_omgeving.klok.now())));
    m_klokLabel->adjustSize();
}

void Main::wisselMenuBalk()
{
    const bool zichtbaar = m_menuPic->isVisible();
    m_menuPic->setVisible(!zichtbaar);
    m_klokLabel->setToolTip(zichtbaar ? QStringLiteral(" Menubalk Laten zien ")
                                      : QStringLiteral(" Menubalk Verbergen "));
}

void Main::trekLetter()
{
    // A draw, a slide or a message under way takes no second press; nor does a card being checked.
    if (m_schuift || m_ronde->bezig() || !m_kaartControle->isHidden())
        return;
    const std::size_t getrokken = m_ronde->stand().letters.size();
    m_ronde->TrekLetter();
    // Called once the letter stands on the board.
    if (const core::RondeStand stand = m_ronde->stand(); stand.letters.size() > getrokken)
        roep(core::roepZin(char('A' - 1 + stand.letters.back())));
    bewaarRonde();
}

void Main::roep(const std::string &zin)
{
    if (m_voorkeuren.spraakAan)
        m_omgeving.spraak.zeg(QString::fromStdString(zin));
}

void Main::kaartControleren()
{
    if (m_ronde->bezig() || m_schuift || !m_kaartControle->isHidden())
        return;
    const QString titel = QStringLiteral("Kaart controleren");
    const QString vraag =
        QStringLiteral("Typ de code van het blad en het nummer van de kaart,\r\nbijvoorbeeld 7KX3MQA 4:");
    for (;;) {
        const QStringList delen =
            m_omgeving.dialogen.invoer(this, vraag, titel).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (delen.isEmpty())
            return; // cancelled
        const QString codeTekst = delen.mid(0, delen.size() - 1).join(QLatin1Char(' '));
        const std::optional<core::BladCode> code = core::leesCode(codeTekst.toStdString());
        const std::vector<core::BingoKaart> kaarten =
            code ? core::kaartenVanBlad(*code) : std::vector<core::BingoKaart>{};
        bool getal = false;
        const int nummer = delen.last().toInt(&getal);
        QString fout;
        if (delen.size() < 2)
            fout = QStringLiteral("Typ de code van het blad en daarachter het nummer van de kaart.");
        else if (!code)
            fout = QStringLiteral("De code %1 bestaat niet. Kijk hem na op het blad: de cijfers 0 en 1 en de "
                                  "letters O en I komen er niet in voor.")
                       .arg(codeTekst);
        else if (!getal || nummer < 1 || nummer > int(kaarten.size()))
            fout = QStringLiteral("Op dit blad staan de kaarten 1 tot en met %1.").arg(kaarten.size());
        if (!fout.isEmpty()) {
            m_omgeving.dialogen.melding(this, fout, titel);
            continue;
        }
        m_kaartControle->toon(
            QStringLiteral("Blad %1, kaart %2").arg(QString::fromStdString(core::codeTekst(*code))).arg(nummer),
            kaarten[std::size_t(nummer - 1)], m_omgeving.algemeen.Getrokken);
        return;
    }
}

QString Main::rondePad() const
{
    return m_omgeving.dataMap() + QLatin1Char('/') + QString::fromLatin1(core::RondeBestand);
}

void Main::bewaarRonde()
{
    // A round that cannot be kept is only a round that cannot be taken up after a crash; the
    // game goes on without a message at every draw.
    core::writeFileAtomically(rondePad().toStdString(), core::rondeBestandTekst(m_ronde->stand()));
    emit rondeGewijzigd();
}

QString Main::hervatRonde()
{
    const std::optional<std::string> bytes = core::readFile(rondePad().toStdString());
    if (!bytes)
        return {};
    const std::optional<core::RondeStand> stand = core::leesRondeStand(*bytes);
    if (!stand) {
        return QStringLiteral("Het rondebestand %1 is beschadigd of van een ander programma; het is niet gebruikt.")
            .arg(rondePad());
    }
    if (stand->ronde == 1 && stand->letters.empty())
        return {};
    m_ronde->herstel(*stand);
    // Told once the window is on the screen, as news rather than a fault.
    QTimer::singleShot(0, this, [this, tekst = QString::fromStdString(core::rondeHervatTekst(*stand))] {
        m_omgeving.dialogen.melding(this, tekst, QStringLiteral(" Ronde hervat"));
    });
    return {};
}

void Main::zetVenster(QWidget *venster)
{
    m_venster = venster ? venster : this;
    m_toetsen->zetPodium(m_venster == this ? nullptr : m_venster);
}

void Main::wisselVolledigScherm()
{
    QWidget *venster = m_venster;
    if (venster->isFullScreen()) {
        const QRect scherm = venster->screen()->availableGeometry();
        venster->setWindowFlag(Qt::FramelessWindowHint, false);
        venster->showNormal();
        venster->setGeometry(QRect(QPoint(), scherm.size() * 3 / 4)
                                 .translated(scherm.topLeft() + QPoint(scherm.width() / 8, scherm.height() / 8)));
    } else {
        venster->setWindowFlag(Qt::FramelessWindowHint, true);
        venster->showFullScreen();
    }
}

void Main::zetVoorkeuren(const Voorkeuren &voorkeuren)
{
    const bool weergave = voorkeuren.passendOpScherm != m_voorkeuren.passendOpScherm
        || voorkeuren.beeldscherm != m_voorkeuren.beeldscherm || voorkeuren.zaalschermAan != m_voorkeuren.zaalschermAan
        || voorkeuren.zaalscherm != m_voorkeuren.zaalscherm;
    m_voorkeuren = voorkeuren;
    m_pic->zetMarkering(voorkeuren.nieuwsteLetterMarkeren);
    m_omgeving.spraak.stelIn(voorkeuren.spraak);
    // Later, from the event loop: the window that shows the settings dialog may be replaced.
    if (weergave)
        QTimer::singleShot(0, this, [this] { emit voorkeurenGewijzigd(m_voorkeuren); });
}

void Main::wisselZaalscherm()
{
    Voorkeuren voorkeuren = m_voorkeuren;
    voorkeuren.zaalschermAan = !voorkeuren.zaalschermAan;
    voorkeuren.bewaar();
    zetVoorkeuren(voorkeuren);
}

void Main::zetSchaal(qreal schaal)
{
    m_image1->setPixmap(plaatjeVoorSchaal(QStringLiteral("minimaliseer.png"), schaal));
}

void Main::minimaliseer()
{
    const QPoint rust = m_image1->pos();
    m_image1->move(rust + QPoint(twips(30), twips(30)));
    m_omgeving.wachter.Wacht(0.2f);
    m_image1->move(rust);
    m_omgeving.wachter.Wacht(0.2f);
    m_venster->showMinimized();
}

void Main::menuActie(MenuActie actie)
{
    const bool bingo = m_omgeving.algemeen.SpelSoort == core::SpelSoort::Bingo;
    switch (actie) {
    case MenuActie::NieuweRonde:
        if (bingo)
            vraagNieuweRonde();
        break;
    case MenuActie::Scorelijst:
        toonScoreForm(*this);
        break;
    case MenuActie::MeerSoftware:
        OpenWebPagina(QString::fromLatin1(core::Algemeen::WebAdres));
        break;
    case MenuActie::SpelSoort:
        // Disabled while a help screen is shown, so the game cannot change under it; and not
        // while the wheel turns or the board slides, whose animation would carry on over the
        // other game's screen.
        if (m_menuPic->knop(MenuActie::SpelSoort)->isEnabled() && !m_ronde->bezig() && !m_schuift)
            toonSoortForm(*this);
        break;
    case MenuActie::Instellingen:
        if (bingo)
            toonConfigForm(*this);
        break;
    case MenuActie::Afdrukken:
        if (bingo)
            toonAfdrukForm(*this);
        break;
    case MenuActie::Woordenlijst:
        if (!bingo)
            toonEditForm(*this);
        break;
    case MenuActie::Help:
        m_help->wissel();
        break;
    case MenuActie::KaartControleren:
        if (bingo)
            kaartControleren();
        return; // the card takes the keyboard
    case MenuActie::Zaalscherm:
        wisselZaalscherm();
        break;
    }
    // The keyboard is the window's again, not the button's.
    if (isVisible())
        setFocus(Qt::OtherFocusReason);
}

void Main::vraagNieuweRonde()
{
    // A draw or a slide already under way is finished first.
    if (m_ronde->bezig() || m_schuift)
        return;
    const Antwoord antwoord = m_omgeving.dialogen.melding(
        this, QStringLiteral("Wilt u met een nieuwe Alfabo Lotto beginnen?"), QStringLiteral("Nieuw"), Knoppen::JaNee);
    if (antwoord != Antwoord::Ja || m_ronde->bezig() || m_schuift)
        return;
    m_schuift = true;
    slideBord(BordTop, -7500, -150);
    m_pic->hide();
    m_ronde->NieuweRonde();
    bewaarRonde();
    m_pic->show();
    slideBord(-7500, BordTop, 150);
    m_schuift = false;
}

void Main::slideBord(int van, int tot, int stap)
{
    for (int y = van; stap < 0 ? y >= tot : y <= tot; y += stap) {
        m_pic->move(m_pic->x(), twips(y) + m_verschuiving.y());
        m_omgeving.wachter.Wacht(0.05f);
    }
}

QString Main::scorelijstPad() const
{
    return m_omgeving.dataMap() + QLatin1Char('/') + QString::fromLatin1(core::ScorelijstBestand);
}

bool Main::bewaarScorelijst() { return bewaarScorelijst(core::ScorelijstBewaring::Moment::NaSpel); }

bool Main::bewaarScorelijst(core::ScorelijstBewaring::Moment moment)
{
    const std::string melding = m_scoreBewaring->bewaar(moment);
    if (melding.empty())
        return true;
    m_omgeving.dialogen.melding(this, QString::fromStdString(melding),
                                moment == core::ScorelijstBewaring::Moment::NaSpel ? QStringLiteral(" Foutje")
                                                                                   : QStringLiteral(" Exit programma"),
                                Knoppen::Ok, Icoon::Kritiek);
    return false;
}

void Main::closeEvent(QCloseEvent *event)
{
    if (m_afsluitenBevestigd || vraagAfsluiten()) {
        event->accept();
        // The stage showing this window closes with it, which ends the program.
        if (m_venster != this)
            QTimer::singleShot(0, m_venster, &QWidget::close);
        return;
    }
    event->ignore();
}

bool Main::vraagAfsluiten()
{
    const Antwoord antwoord = m_omgeving.dialogen.melding(this, QStringLiteral("Wilt u dit programma nu afsluiten?"),
                                                          QStringLiteral(" Exit programma"), Knoppen::JaNee);
    if (antwoord != Antwoord::Ja)
        return false;

    bewaarScorelijst(core::ScorelijstBewaring::Moment::BijAfsluiten);
    // An unreadable settings file is left alone, and an unchanged one is not rewritten (a
    // file edited by hand keeps its own form).
    const bool gewijzigd = !core::zelfdeInstellingen(m_omgeving.algemeen, m_instellingenOpSchijf);
    std::string fout;
    if (gewijzigd && !m_instellingenOnleesbaar
        && !core::BewaarInstellingen(m_omgeving.algemeen, m_omgeving.instellingenPad().toStdString(), &fout)) {
        m_omgeving.dialogen.melding(this,
                                    QStringLiteral("De instellingen konden niet worden opgeslagen in %1:\r\n%2")
                                        .arg(m_omgeving.instellingenPad(), QString::fromStdString(fout)),
                                    QStringLiteral(" Exit programma"), Knoppen::Ok, Icoon::Kritiek);
    }
    m_afsluitenBevestigd = true;
    // Ended as it should: the next start begins at round 1.
    QFile::remove(rondePad());
    m_timer1->stop();
    // Animations still running return at once; closing the last window ends the program.
    m_omgeving.wachter.stopAlles();
    return true;
}

} // namespace ui
