#include "ui/afdrukken/AfdrukForm.h"

#include "core/Algemeen.h"
#include "core/Clock.h"
#include "core/kaarten/PaginaAantal.h"
#include "print/PdfTarget.h"
#include "print/Printers.h"
#include "print/PrintJob.h"
#include "ui/hoofdvenster/MainWindow.h"
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
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>

#include <limits>
#include <memory>

namespace ui {

namespace {

const QString Arial = QStringLiteral("Arial");
const QColor Achtergrond(220, 220, 190);
const QColor LabelKleur(64, 64, 64);
const QColor Grijs(128, 128, 128);
const QString FoutTitel = QStringLiteral("Afdrukken");

// One kind of card sheet as the dialog shows it: a coloured square with the button on it
// and two lines of description to the right. Each row lies 1020 twips below the one before.
struct SoortRegel {
    print::KaartSoort soort;
    const char *knopNaam;
    const char *vlakNaam;
    const char *naamLabel;
    const char *omschrijvingLabel;
    int top; // the square's top; the button sits 60 lower, the two lines 90 and 285 lower
    QColor vlakKleur;
    QColor naamKleur;
    const char *naam;
    const char *omschrijving;
};

const SoortRegel SoortRegels[4] = {
    {print::KaartSoort::Bingo, "BingoKnop", "Label2", "Label4", "Label9", 240, QColor(200, 0, 0), QColor(128, 0, 0),
     "Bingokaarten", "6 tabellen per A4"},
    {print::KaartSoort::Random, "KienKnop", "Label3", "Label5", "Label10", 1260, QColor(0, 200, 0), QColor(0, 128, 0),
     "Random Bingokaarten", "6 tabellen per A4"},
    {print::KaartSoort::Breed, "Knop3", "Label7", "Label11", "Label12", 2280, QColor(0, 0, 200), QColor(0, 0, 128),
     "Brede Bingokaarten", "3 tabellen per A4"},
    {print::KaartSoort::VierBijVier, "Knop4", "Label13", "Label14", "Label15", 3300, QColor(200, 0, 200),
     QColor(128, 0, 128), "4 x 4 Bingokaarten", "6 tabellen per A4"},
};

const SoortRegel &regelVan(print::KaartSoort soort)
{
    for (const SoortRegel &regel : SoortRegels)
        if (regel.soort == soort)
            return regel;
    return SoortRegels[0];
}

// Typed counts and printer names are taken literally: no completion that would turn
// "2" into "20", and Enter adds nothing to the list.
void maakVrijInTeTypen(QComboBox *combo)
{
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
}

// Where the documents of one job go, and how a failure there is told.
struct Doel {
    std::unique_ptr<print::DocumentTarget> target;
    QString naam; // the printer, or the PDF file
    bool bestand = false;
};

QString foutTekst(const Doel &doel, const print::PrintJobResult &resultaat, int paginas)
{
    if (doel.bestand)
        return QStringLiteral("Het bestand \"%1\" kan niet worden geschreven.")
            .arg(QDir::toNativeSeparators(doel.naam));
    if (resultaat.documentsPrinted == 0)
        return QStringLiteral("De printer \"%1\" neemt de opdracht niet aan. Er is niets afgedrukt.").arg(doel.naam);
    return QStringLiteral("De printer \"%1\" is gestopt na %2 van de %3 pagina's.")
        .arg(doel.naam)
        .arg(resultaat.documentsPrinted)
        .arg(paginas);
}

} // namespace

Afdrukmiddelen &programmaAfdrukmiddelen()
{
    static print::SysteemPrinters systeem;
    static print::Printerkeuze keuze(systeem);
    static Afdrukmiddelen middelen{keuze, vraagPdfBestandNaam};
    return middelen;
}

QString vraagPdfBestandNaam(QWidget *parent, const QString &voorstel)
{
    QFileDialog dialoog(parent, QStringLiteral("Bingokaarten bewaren als PDF"));
    dialoog.setAcceptMode(QFileDialog::AcceptSave);
    dialoog.setFileMode(QFileDialog::AnyFile);
    dialoog.setNameFilter(QStringLiteral("PDF-bestanden (*.pdf)"));
    dialoog.setDefaultSuffix(QStringLiteral("pdf"));
    dialoog.setDirectory(QFileInfo(voorstel).absolutePath());
    dialoog.selectFile(QFileInfo(voorstel).fileName());
    // Qt's own file dialog is shown as it is, not scaled with the program's windows.
    dialoog.setWindowFlag(Qt::BypassGraphicsProxyWidget);
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return {};
    return dialoog.selectedFiles().constFirst();
}

AfdrukForm::AfdrukForm(Main &main, Afdrukmiddelen &middelen)
    : QDialog(&main)
    , m_main(main)
    , m_middelen(middelen)
{
    setObjectName(QStringLiteral("AfdrukForm"));
    zetVensterMaat(this, 6300, 5640);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Achtergrond);
    setPalette(palette);
    setFont(widgets::designFont(Arial, 8.25));

    legSoortenUit();
    legPrinterUit();
    legPaginasUit();
    legTekstUit();
    zetTitel();

    setTabOrder(m_combo2, m_combo1);
    setTabOrder(m_combo1, m_soortKnoppen[0]);
    setTabOrder(m_soortKnoppen[0], m_soortKnoppen[1]);
    setTabOrder(m_soortKnoppen[1], m_soortKnoppen[2]);
    setTabOrder(m_soortKnoppen[2], m_check1);
    setTabOrder(m_check1, m_soortKnoppen[3]);
    setTabOrder(m_soortKnoppen[3], m_text1);
    setTabOrder(m_text1, m_exitKnop);
    // The page count is what an operator most often changes before printing.
    m_combo1->setFocus();
}

AfdrukForm::~AfdrukForm() = default;

void AfdrukForm::legSoortenUit()
{
    const QImage icoon = beeld(QStringLiteral("printer-icon.png"));
    for (int i = 0; i < 4; ++i) {
        const SoortRegel &regel = SoortRegels[i];

        QLabel *vlak = maakVlak(this, regel.vlakKleur);
        vlak->setObjectName(QString::fromLatin1(regel.vlakNaam));
        plaats(vlak, 240, regel.top, 900, 900);

        auto *knop = new widgets::VistaButton(this);
        knop->setObjectName(QString::fromLatin1(regel.knopNaam));
        knop->setCaption(QString());
        knop->setPicture(icoon);
        knop->setDetailedPictureSource(detailBron(QStringLiteral("printer-icon.png")));
        knop->setPictures(1);
        knop->setBackColor(Qt::white);
        knop->setCursor(Qt::PointingHandCursor);
        plaats(knop, 300, regel.top + 60, 780, 780);
        connect(knop, &widgets::VistaButton::Click, this, [this, soort = regel.soort] { drukAf(soort); });
        m_soortKnoppen[i] = knop;

        QLabel *naam = maakLabel(this, QString::fromLatin1(regel.naam), font(), regel.naamKleur);
        naam->setObjectName(QString::fromLatin1(regel.naamLabel));
        plaats(naam, 1260, regel.top + 90);
        QLabel *omschrijving = maakLabel(this, QString::fromLatin1(regel.omschrijving), font(), Grijs);
        omschrijving->setObjectName(QString::fromLatin1(regel.omschrijvingLabel));
        plaats(omschrijving, 1260, regel.top + 285);
    }

    m_check1 = new QCheckBox(QStringLiteral("Inclusief middenstuk"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setAutoFillBackground(true);
    zetKleuren(m_check1, Achtergrond, LabelKleur);
    m_check1->setChecked(false);
    plaats(m_check1, 1260, 2850, 1800, 300);
}

void AfdrukForm::legPrinterUit()
{
    QLabel *label1 = maakLabel(this, QStringLiteral("Printerkeuze"), font(), LabelKleur);
    label1->setObjectName(QStringLiteral("Label1"));
    plaats(label1, 3000, 240);

    m_combo2 = new QComboBox(this);
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    maakVrijInTeTypen(m_combo2);
    zetKleuren(m_combo2, QColor(210, 210, 210), Qt::black);
    m_printerLijst = m_middelen.printerkeuze.lijst();
    m_combo2->addItems(m_printerLijst);
    const int huidige = m_printerLijst.indexOf(m_middelen.printerkeuze.huidige());
    if (huidige >= 0)
        m_combo2->setCurrentIndex(huidige);
    // A printer chosen earlier that has gone since is still shown by name; a job on it
    // then says that it cannot be found.
    m_combo2->setEditText(m_middelen.printerkeuze.huidige());
    plaats(m_combo2, 3000, 510, 3000);
    // Connected only now: showing the current printer is no choice of one.
    connect(m_combo2, &QComboBox::currentIndexChanged, this, &AfdrukForm::printerGekozen);
    connect(m_combo2, &QComboBox::editTextChanged, this, &AfdrukForm::printerGekozen);
}

void AfdrukForm::legPaginasUit()
{
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    maakVrijInTeTypen(m_combo1);
    m_combo1->setFont(widgets::designFont(Arial, 9.75));
    zetKleuren(m_combo1, QColor(200, 200, 250), Qt::black);
    for (int pagina = 1; pagina <= 20; ++pagina)
        m_combo1->addItem(QString::number(pagina));
    m_combo1->setCurrentIndex(0);
    plaats(m_combo1, 3900, 1200, 690);

    QLabel *label6 = maakLabel(this, QStringLiteral("Aantal Pagina's"), font(), LabelKleur);
    label6->setObjectName(QStringLiteral("Label6"));
    plaats(label6, 4680, 1260);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(QPixmap(QStringLiteral(":/images/printer.png")));
    plaats(m_image1, 4050, 2400);
}

void AfdrukForm::legTekstUit()
{
    QLabel *label8 = maakLabel(this, QStringLiteral("Tekst bij het afdrukken v/d Bingokaarten"), font(), LabelKleur);
    label8->setObjectName(QStringLiteral("Label8"));
    plaats(label8, 240, 4410);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    // An advertisement line has no length limit (the line edit would stop at 32767).
    m_text1->setMaxLength(std::numeric_limits<int>::max());
    zetKleuren(m_text1, QColor(230, 230, 170), Qt::black);
    m_text1->setText(QString::fromStdString(m_main.omgeving().algemeen.ReclameTekst));
    m_text1->setCursorPosition(0);
    plaats(m_text1, 240, 4650, 4350, 300);

    m_exitKnop = new widgets::VistaButton(this);
    m_exitKnop->setObjectName(QStringLiteral("ExitKnop"));
    m_exitKnop->setCaption(QStringLiteral("Exit"));
    m_exitKnop->setBackColor(Qt::white);
    plaats(m_exitKnop, 5160, 4650, 840, 330);
    connect(m_exitKnop, &widgets::VistaButton::Click, this, &AfdrukForm::exitGeklikt);
}

widgets::VistaButton *AfdrukForm::soortKnop(print::KaartSoort soort) const
{
    for (int i = 0; i < 4; ++i)
        if (SoortRegels[i].soort == soort)
            return m_soortKnoppen[i];
    return nullptr;
}

void AfdrukForm::zetTitel()
{
    setWindowTitle(QStringLiteral("Afdrukken Formulieren (") + m_middelen.printerkeuze.huidige() + QLatin1Char(')'));
}

void AfdrukForm::printerGekozen()
{
    const int positie = m_printerLijst.indexOf(m_combo2->currentText());
    if (positie >= 0)
        m_middelen.printerkeuze.kies(m_printerLijst[positie]);
    zetTitel();
}

QString AfdrukForm::pdfVoorstel(print::KaartSoort soort) const
{
    // A documents folder that does not exist (yet) would leave the file dialog in the
    // working folder, wherever that is; the home folder is always there.
    QString map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (map.isEmpty() || !QDir(map).exists())
        map = QDir::homePath();
    const core::DatumTijd nu = m_main.omgeving().klok.now();
    const QString datum = QStringLiteral("%1-%2-%3")
                              .arg(nu.jaar, 4, 10, QLatin1Char('0'))
                              .arg(nu.maand, 2, 10, QLatin1Char('0'))
                              .arg(nu.dag, 2, 10, QLatin1Char('0'));
    return QDir(map).filePath(QString::fromLatin1(regelVan(soort).naam) + QLatin1Char(' ') + datum
                              + QStringLiteral(".pdf"));
}

void AfdrukForm::drukAf(print::KaartSoort soort)
{
    Omgeving &omgeving = m_main.omgeving();
    const std::optional<int> paginas = core::pageCountFromText(m_combo1->currentText().toStdString());
    if (!paginas) {
        omgeving.dialogen.melding(this, QString::fromUtf8(core::PaginaAantalMelding), FoutTitel);
        m_combo1->setFocus();
        m_combo1->lineEdit()->selectAll();
        return;
    }

    Doel doel;
    doel.naam = m_middelen.printerkeuze.huidige();
    if (doel.naam == print::PdfBestand) {
        doel.bestand = true;
        // No pages, no file: nothing to ask for.
        if (*paginas > 0) {
            doel.naam = m_middelen.vraagPdfBestand ? m_middelen.vraagPdfBestand(this, pdfVoorstel(soort)) : QString();
            if (doel.naam.isEmpty())
                return;
        }
        // The whole job in one file, a page per sheet, so a job is saved and opened as one.
        doel.target = std::make_unique<print::PdfTarget>(doel.naam, print::PdfTarget::Bundling::OneFileForJob);
    } else {
        doel.target = m_middelen.printerkeuze.printers().open(doel.naam);
        if (!doel.target) {
            meldFout(QStringLiteral("De printer \"%1\" is niet gevonden. Kies een andere printer.").arg(doel.naam));
            return;
        }
    }

    // The stored text, not the one being edited: an edit counts only once Exit stored it.
    const QString voettekst = QString::fromStdString(omgeving.algemeen.ReclameTekst);
    const print::PrintJobResult resultaat =
        print::drukKaarten(*doel.target, soort, *paginas, omgeving.toeval, voettekst, m_check1->isChecked());
    doel.target.reset();
    if (!resultaat.completed)
        meldFout(foutTekst(doel, resultaat, *paginas));
}

void AfdrukForm::meldFout(const QString &tekst)
{
    m_main.omgeving().dialogen.melding(this, tekst, FoutTitel, Knoppen::Ok, Icoon::Kritiek);
}

void AfdrukForm::exitGeklikt()
{
    m_main.omgeving().algemeen.ReclameTekst = m_text1->text().toStdString();
    // The main window shows the same line; left alone it would show the old text until
    // the next start.
    m_main.toonReclameTekst();
    accept();
}

void toonAfdrukForm(Main &main)
{
    AfdrukForm form(main);
    toonDialoog(form);
}

} // namespace ui
