#include "ui/quiz/QuizScherm.h"

#include "core/LetterAfdruk.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/BesteWoordenPaneel.h"
#include "ui/quiz/QuizSpel.h"
#include "ui/quiz/QuizWoordenLijst.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "ui/toolkit/KlikLabel.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QLabel>
#include <QTimer>

namespace ui {

namespace {

const QString Arial = QStringLiteral("Arial");
const QColor BalkGrijs(200, 200, 200);

QColor kleur(const core::Kleur &k) { return QColor(k.rood, k.groen, k.blauw); }

// A label with a background of its own, at a fixed place and size.
QLabel *maakBalk(QWidget *parent, const QString &naam, const QString &tekst, const QFont &font, const QRect &plek)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // the player's name, as typed
    label->setText(tekst);
    label->setObjectName(naam);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, BalkGrijs);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setGeometry(plek);
    return label;
}

// A transparent label sized to its text, with its top-left corner at (x, y).
QLabel *maakTekst(QWidget *parent, const QString &naam, const QString &tekst, const QFont &font, int x, int y,
                  const QColor &tekstKleur = Qt::black)
{
    QLabel *label = maakLabel(parent, tekst, font, tekstKleur);
    label->setObjectName(naam);
    label->move(x, y);
    return label;
}

} // namespace

QuizScherm::QuizScherm(Main &main, QWidget *parent)
    : TekenPaneel(parent)
    , m_main(main)
{
    setObjectName(QStringLiteral("Pic2"));
    // Drawn on at once, so the surface must have its full size before the main window places it.
    resize(Maat, Maat);
    setDrawFont(widgets::designFont(QStringLiteral("Comic Sans MS"), 42, true));
    removePicture();
    setBackColor(QColor(40, 0, 0));

    legWoordenLijstUit();
    legRechterBlokUit();
    legKnoppenUit();
    legZelfdeLettersBalkUit();
    TekenLetterVakken();
    m_besteWoorden = new BesteWoordenPaneel(m_main.radPic());
    m_besteWoorden->setGeometry(m_main.radPic()->rect());

    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(1000);

    m_spel = std::make_unique<QuizSpel>(m_main, *this);
    connect(m_startSpelKnop, &widgets::VistaButton::Click, this, [this] { m_spel->startSpel(); });
    connect(m_letterScoreKnop, &widgets::VistaButton::Click, this, [this] { m_spel->toonLetterWaarde(); });
    connect(m_zelfdeLettersKnop, &widgets::VistaButton::Click, this,
            [this] { m_spel->startSpel(QuizSpel::Letters::Dezelfde); });
    connect(m_text1, &WoordInvoerVak::enterGedrukt, this, [this] { m_spel->woordIngevoerd(); });
    connect(m_timer2, &QTimer::timeout, this, [this] { m_spel->tik(); });
}

QuizScherm::~QuizScherm() = default;

void QuizScherm::legWoordenLijstUit()
{
    const QFont balkFont = widgets::designFont(Arial, 11.25, true, true);
    m_label5 = maakBalk(this, QStringLiteral("Label5"), QStringLiteral("         Woorden                        Score"),
                        balkFont, QRect(0, 170, 285, 20));

    m_listView1 = new QuizWoordenLijst(this);
    m_listView1->setGeometry(0, 191, 285, 266);

    m_label6 = maakBalk(this, QStringLiteral("Label6"), QString(), balkFont, QRect(0, 458, 285, 20));
    m_bottomLabel1 = maakTekst(this, QStringLiteral("BottomLabel1"), QStringLiteral("0"), balkFont, 35, 460);
    m_bottomLabel2 = maakTekst(this, QStringLiteral("BottomLabel2"), QStringLiteral("0"), balkFont, 200, 460);
}

void QuizScherm::legRechterBlokUit()
{
    filledBox(292, 170, 481, 476, QColor(160, 160, 160));
    box(292, 170, 480, 476, QColor(230, 230, 230));

    m_text1 = new WoordInvoerVak(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(widgets::designFont(Arial, 11.25, true));
    m_text1->setGeometry(300, 180, 170, 22);
    m_text1->setAchtergrond(BalkGrijs);

    m_label8 = new QLabel(QStringLiteral("Typ hierboven alle gevonden woorden in, druk "
                                         "vervolgens steeds op de Entertoets. Minimaal 2 letters, Maximaal 9 letters."),
                          this);
    m_label8->setObjectName(QStringLiteral("Label8"));
    m_label8->setFont(widgets::designFont(Arial, 8.25));
    m_label8->setWordWrap(true);
    m_label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label8->setAttribute(Qt::WA_TranslucentBackground);
    zetLabelKleur(m_label8, Qt::black);
    m_label8->setGeometry(304, 210, 160, 75);

    // Shape1: the plate behind the time.
    filledBox(305, 300, 305 + 140 - 1, 300 + 50 - 1, QColor(140, 150, 160));
    m_tijdLabel = maakTekst(this, QStringLiteral("TijdLabel"), QStringLiteral("00:00"),
                            widgets::designFont(Arial, 38, true), 311, 295, QColor(60, 60, 0));
    maakTekst(this, QStringLiteral("Label10"), QStringLiteral("Time"), widgets::designFont(Arial, 8.25), 310, 355);

    m_naamLabel = maakBalk(this, QStringLiteral("NaamLabel"), QString(), widgets::designFont(Arial, 9.75),
                           QRect(300, 375, 170, 20));
}

void QuizScherm::legKnoppenUit()
{
    const QFont labelFont = widgets::designFont(Arial, 9.75);

    m_letterScoreKnop = new widgets::VistaButton(this);
    m_letterScoreKnop->setObjectName(QStringLiteral("LetterScoreKnop"));
    m_letterScoreKnop->setCaption(QStringLiteral("Waarde"));
    m_letterScoreKnop->setBackColor(Qt::white);
    m_letterScoreKnop->setGeometry(300, 410, 60, 24);
    maakTekst(this, QStringLiteral("Label9"), QStringLiteral("Letter Waarde"), labelFont, 366, 414);

    m_startSpelKnop = new widgets::VistaButton(this);
    m_startSpelKnop->setObjectName(QStringLiteral("StartSpelKnop"));
    m_startSpelKnop->setCaption(QStringLiteral("Start"));
    m_startSpelKnop->setBackColor(Qt::white);
    m_startSpelKnop->setGeometry(300, 444, 60, 24);
    maakTekst(this, QStringLiteral("Label7"), QStringLiteral("Quiz Beginnen"), labelFont, 366, 448);
}

void QuizScherm::legZelfdeLettersBalkUit()
{
    m_zelfdeLettersBalk = new QWidget(parentWidget());
    m_zelfdeLettersBalk->setObjectName(QStringLiteral("ZelfdeLettersBalk"));
    m_zelfdeLettersBalk->setAttribute(Qt::WA_TranslucentBackground);
    m_zelfdeLettersBalk->resize(Maat - 300, 24);
    m_zelfdeLettersBalk->hide();

    m_zelfdeLettersKnop = new widgets::VistaButton(m_zelfdeLettersBalk);
    m_zelfdeLettersKnop->setObjectName(QStringLiteral("ZelfdeLettersKnop"));
    m_zelfdeLettersKnop->setCaption(QStringLiteral("Zelfde"));
    m_zelfdeLettersKnop->setBackColor(Qt::white);
    m_zelfdeLettersKnop->setGeometry(0, 0, 60, 24);
    m_zelfdeLettersKnop->setEnabled(false);
    m_zelfdeLettersKnop->setToolTip(QStringLiteral(" De volgende speler krijgt dezelfde 12 letters "));
    maakTekst(m_zelfdeLettersBalk, QStringLiteral("Label11"), QStringLiteral("Zelfde letters"),
              widgets::designFont(Arial, 9.75), 66, 4, BalkGrijs);
}

void QuizScherm::legBalkBijScherm()
{
    // On the main window's background just below the screen, level with the start button.
    if (m_zelfdeLettersBalk)
        m_zelfdeLettersBalk->move(pos() + QPoint(300, Maat + 11));
}

void QuizScherm::moveEvent(QMoveEvent *event)
{
    TekenPaneel::moveEvent(event);
    legBalkBijScherm();
}

void QuizScherm::setVisible(bool visible)
{
    TekenPaneel::setVisible(visible);
    legBalkBijScherm();
    if (m_zelfdeLettersBalk)
        m_zelfdeLettersBalk->setVisible(visible);
    if (!visible && m_besteWoorden)
        m_besteWoorden->hide();
}

void QuizScherm::TekenLetterVakken()
{
    const QColor vakKleur(100, 0, 0);
    const QColor randKleur(200, 200, 200);
    for (int k = 0; k < 12; ++k) {
        const int x = 80 * (k % 6);
        const int y = 80 * (k / 6);
        filledBox(x, y, x + 80, y + 80, vakKleur);
        box(x, y, x + 80, y + 80, randKleur);
    }
}

void QuizScherm::DrukLetter(const core::LetterAfdruk &afdruk)
{
    const QString letter(QChar::fromLatin1(afdruk.letter));
    printAt(afdruk.wit.x, afdruk.wit.y, letter, kleur(core::AfdrukWit));
    printAt(afdruk.gekleurd.x, afdruk.gekleurd.y, letter, kleur(afdruk.kleur));
}

void QuizScherm::stopAftellen() { m_spel->stopAftellen(); }

void QuizScherm::setToonScoreLijst(std::function<void()> toon) { m_spel->setToonScoreLijst(std::move(toon)); }

void QuizScherm::zetTekst(QLabel *label, const QString &tekst)
{
    label->setText(tekst);
    label->adjustSize();
}

} // namespace ui
