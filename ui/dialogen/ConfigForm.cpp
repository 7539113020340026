#include "ui/dialogen/ConfigForm.h"

#include "core/Algemeen.h"
#include "core/bestanden/Windows1252.h"
#include "core/GetalTekst.h"
#include "core/spraak/Roepnamen.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/Weergave.h"
#include "ui/spraak/Spraak.h"
#include "ui/toolkit/Beelden.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/DialoogTonen.h"
#include "ui/toolkit/Kleuren.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Twips.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>

#include <limits>

namespace ui {

namespace {

const QString Arial = QStringLiteral("Arial");
const QColor Achtergrond(220, 220, 190);
const QColor LabelKleur(64, 64, 64);
const QColor KleurLabelKleuren[3] = {QColor(128, 0, 0), QColor(0, 128, 0), QColor(0, 0, 128)};

constexpr int SchuifTop = 1050; // twips; each slider 330 lower than the one before
constexpr int SchuifAfstand = 330;
constexpr int VoorkeurenTop = 3300; // the preferences of this computer, under the settings
constexpr int VoorkeurenHoogte = 3120;
constexpr int SpraakTop = VoorkeurenTop + 1530; // the spoken calls, the last part

} // namespace

ConfigForm::ConfigForm(Main &main)
    : QDialog(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("Instellingen"));
    zetVensterMaat(this, 8100, 3750 + VoorkeurenHoogte);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Achtergrond);
    setPalette(palette);
    setFont(widgets::designFont(Arial, 8.25));

    legTekstUit();
    legKleurUit();
    legSecondenUit();
    legKnoppenUit();
    legVoorkeurenUit();
    legSpraakUit();

    setTabOrder(m_cancelKnop, m_okKnop);
    setTabOrder(m_okKnop, m_text1);
    setTabOrder(m_text1, m_hScroll1[0]);
    setTabOrder(m_hScroll1[0], m_hScroll1[1]);
    setTabOrder(m_hScroll1[1], m_hScroll1[2]);
    setTabOrder(m_hScroll1[2], m_combo1);
    setTabOrder(m_combo1, m_passend);
    setTabOrder(m_passend, m_beeldscherm);
    setTabOrder(m_beeldscherm, m_markering);
    setTabOrder(m_markering, m_spraakAan);
    setTabOrder(m_spraakAan, m_stem);
    setTabOrder(m_stem, m_snelheid);
    setTabOrder(m_snelheid, m_volume);
    setTabOrder(m_volume, m_testKnop);
    m_cancelKnop->setFocus();
}

void ConfigForm::legTekstUit()
{
    const QFont labelFont = font();
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    // An advertisement line has no length limit (the line edit would stop at 32767).
    m_text1->setMaxLength(std::numeric_limits<int>::max());
    zetKleuren(m_text1, QColor(0, 0, 30), QColor(230, 230, 230));
    plaats(m_text1, 180, 240, 6600, 300);
    m_text1->setText(QString::fromStdString(m_main.omgeving().algemeen.ReclameTekst));
    m_text1->setCursorPosition(0);

    QLabel *label1 = maakLabel(this, QStringLiteral("Reclametekst"), labelFont, LabelKleur);
    label1->setObjectName(QStringLiteral("Label1"));
    plaats(label1, 6840, 285);
    QLabel *label2 = maakLabel(this, QStringLiteral("Zichtbaar onder de menuknoppen en onderaan de Bingokaarten."),
                               labelFont, LabelKleur);
    label2->setObjectName(QStringLiteral("Label2"));
    plaats(label2, 195, 585);

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(plaatjeVoorSchaal(QStringLiteral("instellingen.png"), podiumSchaal()));
    image1->setScaledContents(true);
    plaats(image1, 6000, 900, 1500, 1500);
}

void ConfigForm::legKleurUit()
{
    QLabel *label3 = maakVlak(this, Qt::black);
    label3->setObjectName(QStringLiteral("Label3"));
    plaats(label3, 180, 1020, 2250, 1050);

    m_label4 = maakVlak(this, Qt::black);
    m_label4->setObjectName(QStringLiteral("Label4"));
    plaats(m_label4, 2520, 1020, 450, 1050);

    const QFont vet = widgets::designFont(Arial, 8.25, true);
    int top = SchuifTop;
    for (int i = 0; i < 3; ++i) {
        QScrollBar *schuif = new QScrollBar(Qt::Horizontal, this);
        schuif->setObjectName(QStringLiteral("HScroll1_%1").arg(i));
        schuif->setRange(0, 255);
        schuif->setSingleStep(1);
        schuif->setPageStep(1);
        // Reachable with Tab and the arrow keys, like the other controls.
        schuif->setFocusPolicy(Qt::StrongFocus);
        plaats(schuif, 210, top, 2190, 330);
        m_hScroll1[i] = schuif;

        m_kleurLabel[i] = maakLabel(this, QString(), vet, KleurLabelKleuren[i]);
        m_kleurLabel[i]->setObjectName(QStringLiteral("KleurLabel%1").arg(i));
        plaats(m_kleurLabel[i], 3030, top + 60);
        top += SchuifAfstand;
    }

    for (int i = 0; i < 3; ++i)
        m_hScroll1[i]->setValue(component(i));
    toonKleur();
    // Connected only now: showing the stored colour is no change of it. valueChanged comes
    // for every position while the thumb is dragged as well as for a finished move.
    for (int i = 0; i < 3; ++i)
        connect(m_hScroll1[i], &QScrollBar::valueChanged, this, [this, i] { schuifVerschoven(i); });

    QLabel *label5 = maakLabel(this, QStringLiteral("Kleur van de getrokken Letters"), font(), LabelKleur);
    label5->setObjectName(QStringLiteral("Label5"));
    plaats(label5, 180, 2100);
}

void ConfigForm::legSecondenUit()
{
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setEditable(true);
    // Free typing: no completion that would turn "15" into "150", and Enter adds nothing to the list.
    m_combo1->setCompleter(nullptr);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    zetKleuren(m_combo1, QColor(0, 0, 40), QColor(255, 255, 255));
    for (int seconden = 100; seconden <= 900; seconden += 10)
        m_combo1->addItem(QString::number(seconden));
    m_combo1->setEditText(QString::number(m_main.omgeving().algemeen.QuizSeconden));
    plaats(m_combo1, 180, 2580, 900);

    QLabel *label6 = maakLabel(this, QStringLiteral("Aantal seconden bij Woorden Quiz"), font(), LabelKleur);
    label6->setObjectName(QStringLiteral("Label6"));
    plaats(label6, 1140, 2640);
}

void ConfigForm::legKnoppenUit()
{
    m_cancelKnop = new widgets::VistaButton(this);
    m_cancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    m_cancelKnop->setCaption(QStringLiteral("Annuleren"));
    m_cancelKnop->setBackColor(Qt::white);
    plaats(m_cancelKnop, 5820, 2700, 990, 360);
    connect(m_cancelKnop, &widgets::VistaButton::Click, this, &QDialog::reject);

    m_okKnop = new widgets::VistaButton(this);
    m_okKnop->setObjectName(QStringLiteral("OkKnop"));
    m_okKnop->setCaption(QStringLiteral("Ok"));
    m_okKnop->setBackColor(Qt::white);
    plaats(m_okKnop, 6840, 2700, 900, 360);
    connect(m_okKnop, &widgets::VistaButton::Click, this, &ConfigForm::okGeklikt);
}

void ConfigForm::legVoorkeurenUit()
{
    QLabel *kop =
        maakLabel(this, QStringLiteral("Op deze computer"), widgets::designFont(Arial, 8.25, true), LabelKleur);
    kop->setObjectName(QStringLiteral("VoorkeurenKop"));
    plaats(kop, 180, VoorkeurenTop);

    const Voorkeuren &voorkeuren = m_main.voorkeuren();
    m_passend = new QCheckBox(QStringLiteral("Passend op het scherm"), this);
    m_passend->setObjectName(QStringLiteral("PassendKeuze"));
    m_passend->setChecked(voorkeuren.passendOpScherm);
    plaats(m_passend, 180, VoorkeurenTop + 330, 3600, 300);

    QLabel *schermLabel = maakLabel(this, QStringLiteral("Beeldscherm"), font(), LabelKleur);
    schermLabel->setObjectName(QStringLiteral("BeeldschermLabel"));
    plaats(schermLabel, 180, VoorkeurenTop + 765);
    m_beeldscherm = new QComboBox(this);
    m_beeldscherm->setObjectName(QStringLiteral("BeeldschermKeuze"));
    zetKleuren(m_beeldscherm, QColor(0, 0, 40), QColor(255, 255, 255));
    for (const QScreen *scherm : QGuiApplication::screens())
        m_beeldscherm->addItem(schermOmschrijving(*scherm), scherm->name());
    // A remembered screen that is not connected stays the choice until another is made.
    if (!voorkeuren.beeldscherm.isEmpty() && m_beeldscherm->findData(voorkeuren.beeldscherm) < 0)
        m_beeldscherm->addItem(QStringLiteral("%1 (niet aangesloten)").arg(voorkeuren.beeldscherm),
                               voorkeuren.beeldscherm);
    const QScreen *huidig = schermMetNaam(voorkeuren.beeldscherm);
    const int gekozen =
        m_beeldscherm->findData(voorkeuren.beeldscherm.isEmpty() && huidig ? huidig->name() : voorkeuren.beeldscherm);
    m_beeldscherm->setCurrentIndex(std::max(0, gekozen));
    plaats(m_beeldscherm, 1260, VoorkeurenTop + 705, 4440);

    m_markering = new QCheckBox(QStringLiteral("Nieuwste letter op het bord markeren"), this);
    m_markering->setObjectName(QStringLiteral("MarkeringKeuze"));
    m_markering->setChecked(voorkeuren.nieuwsteLetterMarkeren);
    plaats(m_markering, 180, VoorkeurenTop + 1140, 5400, 300);
}

void ConfigForm::legSpraakUit()
{
    const Voorkeuren &voorkeuren = m_main.voorkeuren();
    m_spraakAan = new QCheckBox(QStringLiteral("Getrokken letters en de uitslag uitspreken"), this);
    m_spraakAan->setObjectName(QStringLiteral("SpraakKeuze"));
    m_spraakAan->setChecked(voorkeuren.spraakAan);
    plaats(m_spraakAan, 180, SpraakTop, 5400, 300);

    m_testKnop = new widgets::VistaButton(this);
    m_testKnop->setObjectName(QStringLiteral("TestKnop"));
    m_testKnop->setCaption(QStringLiteral("Test"));
    m_testKnop->setBackColor(Qt::white);
    plaats(m_testKnop, 6840, SpraakTop - 60, 900, 360);
    connect(m_testKnop, &widgets::VistaButton::Click, this, [this] {
        Spraak &spraak = m_main.omgeving().spraak;
        spraak.stelIn(gekozenSpraak());
        spraak.zeg(QString::fromStdString(core::roepZin('A')));
    });

    QLabel *stemLabel = maakLabel(this, QStringLiteral("Stem"), font(), LabelKleur);
    stemLabel->setObjectName(QStringLiteral("StemLabel"));
    plaats(stemLabel, 180, SpraakTop + 405);
    m_stem = new QComboBox(this);
    m_stem->setObjectName(QStringLiteral("StemKeuze"));
    zetKleuren(m_stem, QColor(0, 0, 40), QColor(255, 255, 255));
    plaats(m_stem, 1260, SpraakTop + 345, 4440);

    const auto maakSchuif = [this](const QString &naam, const QString &tekst, int links, int breedte) {
        QLabel *label = maakLabel(this, tekst, font(), LabelKleur);
        label->setObjectName(naam + QStringLiteral("Label"));
        plaats(label, links, SpraakTop + 810);
        auto *schuif = new QSlider(Qt::Horizontal, this);
        schuif->setObjectName(naam + QStringLiteral("Keuze"));
        plaats(schuif, links + 1080, SpraakTop + 780, breedte, 300);
        return schuif;
    };
    m_snelheid = maakSchuif(QStringLiteral("Snelheid"), QStringLiteral("Snelheid"), 180, 2190);
    m_snelheid->setRange(-10, 10);
    m_snelheid->setValue(voorkeuren.spraak.snelheid);
    m_volume = maakSchuif(QStringLiteral("Volume"), QStringLiteral("Volume"), 3600, 2100);
    m_volume->setRange(0, 100);
    m_volume->setValue(voorkeuren.spraak.volume);

    m_spraakToestand = maakLabel(this, QString(), font(), QColor(150, 0, 0));
    m_spraakToestand->setObjectName(QStringLiteral("SpraakToestand"));
    plaats(m_spraakToestand, 180, SpraakTop + 1200);
    toonSpraakToestand();
    connect(&m_main.omgeving().spraak, &Spraak::toestandGewijzigd, this, &ConfigForm::toonSpraakToestand);
}

void ConfigForm::toonSpraakToestand()
{
    const Spraak &spraak = m_main.omgeving().spraak;
    // The voice chosen stays the choice, also while the engine has not (yet) offered it.
    const QString gekozen = m_stem->count() > 0 ? m_stem->currentData().toString() : m_main.voorkeuren().spraak.stem;
    QStringList stemmen = spraak.stemmen();
    if (!gekozen.isEmpty() && !stemmen.contains(gekozen))
        stemmen.prepend(gekozen);
    m_stem->clear();
    m_stem->addItem(QStringLiteral("Standaard"), QString());
    for (const QString &stem : stemmen)
        m_stem->addItem(stem, stem);
    m_stem->setCurrentIndex(std::max(0, m_stem->findData(gekozen)));

    QString toestand = spraak.waaromStil();
    if (toestand.isEmpty() && spraak.stemmen().isEmpty())
        toestand = QStringLiteral("De spraakdienst wordt gestart...");
    m_spraakToestand->setText(toestand);
    m_spraakToestand->adjustSize();
}

SpraakKeuze ConfigForm::gekozenSpraak() const
{
    return {m_stem->currentData().toString(), m_snelheid->value(), m_volume->value()};
}

void ConfigForm::reject()
{
    // What "Test" tried is undone.
    m_main.omgeving().spraak.stelIn(m_main.voorkeuren().spraak);
    QDialog::reject();
}

bool ConfigForm::bewaarVoorkeuren()
{
    Voorkeuren voorkeuren = m_main.voorkeuren();
    voorkeuren.passendOpScherm = m_passend->isChecked();
    voorkeuren.nieuwsteLetterMarkeren = m_markering->isChecked();
    voorkeuren.beeldscherm = m_beeldscherm->currentData().toString();
    voorkeuren.spraakAan = m_spraakAan->isChecked();
    voorkeuren.spraak = gekozenSpraak();
    if (voorkeuren == m_main.voorkeuren())
        return true;
    QString melding;
    const bool bewaard = voorkeuren.bewaar(&melding);
    if (!bewaard)
        m_main.omgeving().dialogen.melding(this, melding + QStringLiteral("\r\nZe gelden tot het programma stopt."),
                                           QStringLiteral("Instellingen"), Knoppen::Ok, Icoon::Kritiek);
    m_main.zetVoorkeuren(voorkeuren);
    return bewaard;
}

int ConfigForm::component(int index) const
{
    const core::Kleur &kleur = m_main.omgeving().algemeen.LetterKleur;
    return index == 0 ? kleur.rood : index == 1 ? kleur.groen : kleur.blauw;
}

void ConfigForm::zetComponent(int index, int waarde)
{
    core::Kleur &kleur = m_main.omgeving().algemeen.LetterKleur;
    (index == 0 ? kleur.rood : index == 1 ? kleur.groen : kleur.blauw) = waarde;
}

void ConfigForm::toonKleur()
{
    for (int i = 0; i < 3; ++i) {
        m_kleurLabel[i]->setText(QString::number(component(i)));
        m_kleurLabel[i]->adjustSize();
    }
    QPalette palette = m_label4->palette();
    palette.setColor(QPalette::Window, QColor(component(0), component(1), component(2)));
    m_label4->setPalette(palette);
}

void ConfigForm::schuifVerschoven(int index)
{
    zetComponent(index, m_hScroll1[index]->value());
    toonKleur();
}

bool ConfigForm::okGeklikt()
{
    Omgeving &omgeving = m_main.omgeving();
    // Checked before anything is stored, so a refused text leaves every setting as it was.
    const std::optional<std::int32_t> seconden = core::wholeNumberFromText(m_combo1->currentText().toStdString());
    if (!seconden) {
        omgeving.dialogen.melding(this, SecondenMelding, QStringLiteral("Instellingen"));
        m_combo1->setFocus();
        m_combo1->lineEdit()->selectAll();
        return false;
    }
    // A letter Alfabolotto.ini cannot hold would be saved as "?", a different text.
    const std::string reclame = m_text1->text().toStdString();
    if (!core::pastInWindows1252(reclame)) {
        omgeving.dialogen.melding(this,
                                  QStringLiteral("De reclametekst bevat een teken dat niet in Alfabolotto.ini "
                                                 "kan worden bewaard."),
                                  QStringLiteral("Instellingen"));
        m_text1->setFocus();
        return false;
    }

    omgeving.algemeen.ReclameTekst = reclame;
    m_main.toonReclameTekst();
    for (int i = 0; i < 3; ++i)
        zetComponent(i, m_hScroll1[i]->value());
    omgeving.algemeen.QuizSeconden = *seconden;
    // Closed first: a change of screen or fit shows the main window anew.
    accept();
    bewaarVoorkeuren();
    return true;
}

void toonConfigForm(Main &main)
{
    ConfigForm form(main);
    toonDialoog(form);
}

} // namespace ui
