#include "ui/editor/EditForm.h"

#include "core/bestanden/Windows1252.h"
#include "core/quiz/WoordTeksten.h"
#include "core/quiz/ZonderAccenten.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/DialoogTonen.h"
#include "ui/toolkit/Kleuren.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Twips.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QStringListModel>

namespace ui {

namespace {

constexpr int VensterBreedte = 3945; // twips
constexpr int VensterHoogte = 6750;

// The quiz knows words of at most nine letters; a list whose name gives no length takes those.
constexpr int LangsteWoord = 9;

const QColor Achtergrond(230, 230, 190);
const QColor LijstAchtergrond(0, 0, 40);
const QColor LijstTekst(240, 240, 240);
const QColor InvoerAchtergrond(200, 240, 200);

QString uitCore(const std::string &tekst) { return QString::fromStdString(tekst); }

} // namespace

EditForm::EditForm(Main &main)
    : QDialog(&main)
    , m_omgeving(main.omgeving())
{
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral("Woordlijst Bijwerken"));
    setFont(widgets::designFont(QStringLiteral("Arial"), 8.25));
    zetVensterMaat(this, VensterBreedte, VensterHoogte);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Achtergrond);
    setPalette(palette);
    setAutoFillBackground(true);

    legUit();

    connect(m_combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            LaadWoordenlijst(m_combo1->itemText(index));
    });
    connect(m_addKnop, &widgets::VistaButton::Click, this, &EditForm::addGeklikt);
    connect(m_delKnop, &widgets::VistaButton::Click, this, &EditForm::delGeklikt);
    connect(m_cancelKnop, &widgets::VistaButton::Click, this, &EditForm::cancelGeklikt);
    connect(m_saveKnop, &widgets::VistaButton::Click, this, &EditForm::saveGeklikt);

    VulLijstKeuze();
}

EditForm::~EditForm() = default;

void EditForm::legUit()
{
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setEditable(false);
    zetKleuren(m_combo1, LijstAchtergrond, LijstTekst);
    // A choice-only combo box is drawn as a shaded push button by the style; a flat face
    // shows the list colour itself, and the second rule keeps its drop-down list in it too.
    m_combo1->setStyleSheet(QStringLiteral("QComboBox { background-color: %1; color: %2;"
                                           " border: 1px solid rgb(120, 120, 120); padding: 1px 4px; }"
                                           " QComboBox QAbstractItemView { background-color: %1; color: %2; }")
                                .arg(LijstAchtergrond.name(), LijstTekst.name()));
    plaats(m_combo1, 180, 210, 3510);

    m_model = new QStringListModel(this);
    m_list1 = new QListView(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setModel(m_model);
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has the same height: the view then lays out 35,000 words without measuring each.
    m_list1->setUniformItemSizes(true);
    zetKleuren(m_list1, LijstAchtergrond, LijstTekst);
    plaats(m_list1, 180, 660, 3510, 4140);

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->move(twips(195), twips(4860));
    zetLabel1(QStringLiteral("0 Woorden"));

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    QPalette invoer = m_text1->palette();
    invoer.setColor(QPalette::Base, InvoerAchtergrond);
    m_text1->setPalette(invoer);
    plaats(m_text1, 180, 5190, 2640);

    m_addKnop = maakKnop(QStringLiteral("AddKnop"), QStringLiteral("Add"), QStringLiteral(" Woord toevoegen "));
    plaats(m_addKnop, 2910, 5190, 765, 360);
    m_delKnop = maakKnop(QStringLiteral("DelKnop"), QStringLiteral("Delete"), QStringLiteral(" Woord verwijderen "));
    plaats(m_delKnop, 180, 5790, 900, 360);
    m_cancelKnop = maakKnop(QStringLiteral("CancelKnop"), QStringLiteral("Cancel"), QString());
    plaats(m_cancelKnop, 1830, 5790, 900, 360);
    m_saveKnop =
        maakKnop(QStringLiteral("SaveKnop"), QStringLiteral("Opslaan"), QStringLiteral(" Woordlijst opslaan "));
    plaats(m_saveKnop, 2775, 5790, 900, 360);

    setTabOrder(m_combo1, m_list1);
    setTabOrder(m_list1, m_text1);
    setTabOrder(m_text1, m_addKnop);
    setTabOrder(m_addKnop, m_delKnop);
    setTabOrder(m_delKnop, m_cancelKnop);
    setTabOrder(m_cancelKnop, m_saveKnop);
}

widgets::VistaButton *EditForm::maakKnop(const QString &naam, const QString &caption, const QString &tooltip)
{
    auto *knop = new widgets::VistaButton(this, naam);
    knop->setCaption(caption);
    knop->setBackColor(Qt::white);
    if (!tooltip.isEmpty())
        knop->setToolTip(tooltip);
    return knop;
}

void EditForm::VulLijstKeuze()
{
    const std::vector<std::string> namen = core::LijstBestanden(m_omgeving.plekken.lijstMappen());
    {
        // The list is loaded once below, not once per entry on the way.
        const QSignalBlocker stil(m_combo1);
        m_combo1->clear();
        for (const std::string &naam : namen)
            m_combo1->addItem(uitCore(naam));
        // The second list of a full Data folder (Woord-3.lst); a folder with a single list
        // has no second, so that one.
        m_combo1->setCurrentIndex(m_combo1->count() > 1 ? 1 : 0);
    }
    if (m_combo1->currentIndex() < 0) {
        m_lijst = core::WoordLijst();
        m_lijstGelezen = false;
        m_model->setStringList({});
        zetLabel1(QStringLiteral("Geen woordlijsten gevonden in Data"));
        zetKnoppen(true);
        return;
    }
    LaadWoordenlijst(m_combo1->currentText());
}

void EditForm::LaadWoordenlijst(const QString &naam)
{
    const std::optional<int> lengte = core::WoordLengte(naam.toStdString());
    zetKnoppen(false);
    {
        BezigAanwijzer bezig;
        m_lijstGelezen =
            m_lijst.LaadWoordenlijst(QFile::encodeName(m_omgeving.plekken.dataBestand(naam)).toStdString());
        QStringList woorden;
        woorden.reserve(qsizetype(m_lijst.count()));
        for (const std::string &woord : m_lijst.words())
            woorden.append(uitCore(woord));
        // One reset for the whole list: adding 35,000 rows one by one would take seconds.
        m_model->setStringList(woorden);
    }
    if (m_lijstGelezen) {
        zetLabel1(uitCore(core::AantalWoordenTekst(m_lijst.count(), lengte)));
        m_text1->setMaxLength(lengte.value_or(LangsteWoord));
    } else {
        zetLabel1(QStringLiteral("Woordlijst niet gelezen"));
    }
    zetKnoppen(true);
    if (!m_lijstGelezen) {
        melding(QStringLiteral("De woordlijst %1 kon niet worden gelezen.").arg(naam), uitCore(core::WoordFoutjeTitel),
                true);
    }
}

void EditForm::addGeklikt()
{
    if (!m_lijstGelezen)
        return;
    const std::string getypt = m_text1->text().toStdString();
    // The lists hold plain letters: the quiz is typed without accents.
    const std::string tekst = core::zonderAccenten(getypt);
    // A letter the file cannot hold would be written as "?", a different word.
    if (!core::pastInWindows1252(tekst)) {
        melding(QStringLiteral("Dit woord bevat een teken dat niet in een woordlijst kan worden bewaard."),
                uitCore(core::WoordFoutjeTitel));
        return;
    }
    const std::optional<std::size_t> plek = m_lijst.add(tekst);
    if (!plek)
        return;
    const int rij = int(*plek);
    m_model->insertRows(rij, 1);
    const QModelIndex index = m_model->index(rij);
    m_model->setData(index, uitCore(m_lijst.words()[*plek]));
    m_list1->scrollTo(index);
    zetLabel1(uitCore(core::AantalWoordenTekst(m_lijst.count())));
    if (tekst != getypt)
        melding(uitCore(core::ZonderAccentenMelding(getypt, m_lijst.words()[*plek])),
                uitCore(core::WoordToegevoegdTitel));
}

void EditForm::delGeklikt()
{
    if (m_lijst.isEmpty())
        return;
    const QModelIndexList gekozen = m_list1->selectionModel()->selectedRows();
    if (gekozen.isEmpty()) {
        melding(uitCore(core::WoordGeenKeuzeMelding), uitCore(core::WoordFoutjeTitel));
        return;
    }
    const int rij = gekozen.first().row();
    const QString vraag = uitCore(core::WoordVerwijderVraag(m_lijst.words()[std::size_t(rij)]));
    if (m_omgeving.dialogen.melding(this, vraag, uitCore(core::WoordVerwijderTitel), Knoppen::JaNee) != Antwoord::Ja)
        return;
    m_lijst.remove(std::size_t(rij));
    m_model->removeRows(rij, 1);
    m_list1->clearSelection();
    zetLabel1(uitCore(core::AantalWoordenTekst(m_lijst.count())));
}

bool EditForm::saveGeklikt()
{
    if (!m_lijstGelezen)
        return false;
    std::string fout;
    if (!m_lijst.BewaarWoordenlijst(lijstPad().toStdString(), &fout)) {
        melding(QStringLiteral("De woordlijst kon niet worden opgeslagen:\r\n%1\r\n\r\n"
                               "Het bestand %2 is niet veranderd; de woorden staan nog in de lijst.")
                    .arg(QString::fromLocal8Bit(fout.c_str()), m_combo1->currentText()),
                uitCore(core::WoordFoutjeTitel), true);
        return false;
    }
    accept();
    return true;
}

void EditForm::cancelGeklikt() { reject(); }

QString EditForm::lijstPad() const
{
    if (m_combo1->currentIndex() < 0)
        return {};
    return QDir(m_omgeving.dataMap()).filePath(m_combo1->currentText());
}

void EditForm::zetLabel1(const QString &tekst)
{
    m_label1->setText(tekst);
    m_label1->adjustSize();
}

void EditForm::zetKnoppen(bool aan)
{
    const bool bewerkbaar = aan && m_lijstGelezen;
    m_addKnop->setEnabled(bewerkbaar);
    m_delKnop->setEnabled(bewerkbaar);
    m_saveKnop->setEnabled(bewerkbaar);
    m_cancelKnop->setEnabled(aan);
    m_text1->setEnabled(bewerkbaar);
}

void EditForm::melding(const QString &tekst, const QString &titel, bool kritiek)
{
    m_omgeving.dialogen.melding(this, tekst, titel, Knoppen::Ok, kritiek ? Icoon::Kritiek : Icoon::Geen);
}

void toonEditForm(Main &main)
{
    EditForm form(main);
    toonDialoog(form);
}

} // namespace ui
