#include "support/TestOmgeving.h"

#include "core/kaarten/PaginaAantal.h"
#include "print/Printers.h"
#include "print/PrintJob.h"
#include "print/RecordingTarget.h"
#include "ui/afdrukken/AfdrukForm.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/VistaButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

using namespace ui;
using print::KaartSoort;

namespace {

const KaartSoort AlleSoorten[] = {KaartSoort::Bingo, KaartSoort::Random, KaartSoort::Breed, KaartSoort::VierBijVier};

// Hands a job's documents to a recording the test keeps; refuses the document with
// number `weiger` (0: none), as a printer that goes off line.
class DoorgeefDoel : public print::DocumentTarget
{
public:
    DoorgeefDoel(std::shared_ptr<print::RecordingTarget> opname, int weiger)
        : m_opname(std::move(opname))
        , m_weiger(weiger)
    {
    }
    std::unique_ptr<print::PageSurface> beginDocument(int pageNumber) override
    {
        if (pageNumber == m_weiger)
            return nullptr;
        return m_opname->beginDocument(pageNumber);
    }
    bool finishJob() override { return m_opname->finishJob(); }

private:
    std::shared_ptr<print::RecordingTarget> m_opname;
    int m_weiger;
};

// Installed printers for a test; every job opened on one is recorded.
class NepPrinters : public print::Printers
{
public:
    struct Opdracht {
        QString printer;
        std::shared_ptr<print::RecordingTarget> opname;
    };

    QStringList namen() const override { return geinstalleerd; }
    QString standaard() const override { return standaardPrinter; }
    std::unique_ptr<print::DocumentTarget> open(const QString &naam) override
    {
        if (!geinstalleerd.contains(naam))
            return nullptr;
        opdrachten.push_back({naam, std::make_shared<print::RecordingTarget>()});
        opdrachten.back().opname->onBeginDocument = bijDocument;
        return std::make_unique<DoorgeefDoel>(opdrachten.back().opname, weigerDocument);
    }

    QStringList geinstalleerd{QStringLiteral("Laser"), QStringLiteral("Kantoor"), QStringLiteral("Kleur")};
    QString standaardPrinter = QStringLiteral("Laser");
    int weigerDocument = 0;
    std::function<void(int pageNumber)> bijDocument;
    std::vector<Opdracht> opdrachten;
};

struct AfdrukFixture : ::testing::Test {
    TestOmgeving test;
    std::unique_ptr<Main> main;
    NepPrinters printers;
    std::unique_ptr<print::Printerkeuze> keuze;
    QStringList pdfVoorstellen;
    QString pdfAntwoord;
    std::unique_ptr<Afdrukmiddelen> middelen;

    void SetUp() override
    {
        main = std::make_unique<Main>(test.omgeving, QSize(1280, 800));
        test.algemeen.ReclameTekst = "www.voorbeeld.nl";
        maakKeuze();
    }
    void TearDown() override
    {
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->close();
    }

    // The run's printer choice as it is at start-up, with the printers installed now.
    void maakKeuze()
    {
        keuze = std::make_unique<print::Printerkeuze>(printers);
        middelen = std::make_unique<Afdrukmiddelen>(Afdrukmiddelen{*keuze, [this](QWidget *, const QString &voorstel) {
                                                                       pdfVoorstellen << voorstel;
                                                                       return pdfAntwoord;
                                                                   }});
    }

    std::unique_ptr<AfdrukForm> open() { return std::make_unique<AfdrukForm>(*main, *middelen); }

    // The documents of every job so far, in order.
    std::vector<const print::RecordingSurface *> documenten() const
    {
        std::vector<const print::RecordingSurface *> alle;
        for (const auto &opdracht : printers.opdrachten)
            for (const auto &document : opdracht.opname->documents())
                alle.push_back(document.get());
        return alle;
    }

    QStringList meldingTeksten() const
    {
        QStringList teksten;
        for (const auto &melding : test.dialogen.meldingen)
            teksten << melding.tekst;
        return teksten;
    }
};

QString voettekst(const print::RecordingSurface &document)
{
    const auto &ops = document.operations();
    // The footer is the last text of the sheet, just before the end of the document.
    return ops.size() >= 2 ? ops[ops.size() - 2].text : QString();
}

// Everything a sheet asked for, one line per operation, to compare two sheets.
QStringList beschrijving(const print::RecordingSurface &document)
{
    QStringList regels;
    for (const print::PageOperation &op : document.operations())
        regels << QStringLiteral("%1 %2,%3 %4,%5 %6 %7 %8 %9 %10")
                      .arg(int(op.kind))
                      .arg(op.x1)
                      .arg(op.y1)
                      .arg(op.x2)
                      .arg(op.y2)
                      .arg(op.colour.name())
                      .arg(op.font.family)
                      .arg(op.font.points)
                      .arg(op.text)
                      .arg(op.pictureName);
    return regels;
}

// The sheet the card maker draws from the random source the tests start with.
QStringList verwachtBlad(KaartSoort soort, const QString &voet, bool middenstuk)
{
    core::SeededRandom toeval(1);
    print::RecordingTarget doel;
    print::drukKaarten(doel, soort, 1, toeval, voet, middenstuk);
    return beschrijving(*doel.documents().front());
}

int paginasInPdf(const QString &bestand)
{
    QFile f(bestand);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QColor achtergrond(QWidget *widget) { return widget->palette().color(QPalette::Window); }

} // namespace

TEST_F(AfdrukFixture, LaysOutEveryControlInTwipsWithItsTextAndColour)
{
    const auto form = open();
    EXPECT_EQ(form->size(), QSize(420 - 6, 376 - 26));
    EXPECT_EQ(achtergrond(form.get()), QColor(220, 220, 190));
    EXPECT_EQ(form->font().family(), QStringLiteral("Arial"));

    // name, left, top, width, height (twips; -1: sized to its contents), text, colour
    const struct {
        const char *naam;
        int left, top, width, height;
        const char *tekst;
        QColor kleur;
    } labels[] = {
        {"Label1", 3000, 240, -1, -1, "Printerkeuze", QColor(64, 64, 64)},
        {"Label2", 240, 240, 900, 900, "", QColor(200, 0, 0)},
        {"Label4", 1260, 330, -1, -1, "Bingokaarten", QColor(128, 0, 0)},
        {"Label9", 1260, 525, -1, -1, "6 tabellen per A4", QColor(128, 128, 128)},
        {"Label3", 240, 1260, 900, 900, "", QColor(0, 200, 0)},
        {"Label5", 1260, 1350, -1, -1, "Random Bingokaarten", QColor(0, 128, 0)},
        {"Label10", 1260, 1545, -1, -1, "6 tabellen per A4", QColor(128, 128, 128)},
        {"Label7", 240, 2280, 900, 900, "", QColor(0, 0, 200)},
        {"Label11", 1260, 2370, -1, -1, "Brede Bingokaarten", QColor(0, 0, 128)},
        {"Label12", 1260, 2565, -1, -1, "3 tabellen per A4", QColor(128, 128, 128)},
        {"Label13", 240, 3300, 900, 900, "", QColor(200, 0, 200)},
        {"Label14", 1260, 3390, -1, -1, "4 x 4 Bingokaarten", QColor(128, 0, 128)},
        {"Label15", 1260, 3585, -1, -1, "6 tabellen per A4", QColor(128, 128, 128)},
        {"Label6", 4680, 1260, -1, -1, "Aantal Pagina's", QColor(64, 64, 64)},
        {"Label8", 240, 4410, -1, -1, "Tekst bij het afdrukken v/d Bingokaarten", QColor(64, 64, 64)},
    };
    for (const auto &l : labels) {
        const auto *label = form->findChild<QLabel *>(QString::fromLatin1(l.naam));
        ASSERT_NE(label, nullptr) << l.naam;
        EXPECT_EQ(label->pos(), QPoint(l.left / 15, l.top / 15)) << l.naam;
        if (l.width > 0) {
            EXPECT_EQ(label->size(), QSize(l.width / 15, l.height / 15)) << l.naam;
        }
        EXPECT_EQ(label->text(), QString::fromLatin1(l.tekst)) << l.naam;
        const QPalette::ColorRole rol = l.width > 0 ? QPalette::Window : QPalette::WindowText;
        EXPECT_EQ(label->palette().color(rol), l.kleur) << l.naam;
    }

    // Each kind button on its square, 60 twips inside it on every side.
    const int toppen[] = {300, 1320, 2340, 3360};
    const char *namen[] = {"BingoKnop", "KienKnop", "Knop3", "Knop4"};
    for (int i = 0; i < 4; ++i) {
        widgets::VistaButton *knop = form->soortKnop(AlleSoorten[i]);
        ASSERT_NE(knop, nullptr);
        EXPECT_EQ(knop->objectName(), QString::fromLatin1(namen[i]));
        EXPECT_EQ(knop->geometry(), QRect(20, toppen[i] / 15, 52, 52)) << namen[i];
        EXPECT_TRUE(knop->caption().isEmpty());
        EXPECT_EQ(knop->picture().size(), QSize(32, 32));
        EXPECT_EQ(knop->pictures(), 1);
        EXPECT_EQ(knop->cursor().shape(), Qt::PointingHandCursor);
    }

    EXPECT_EQ(form->combo2()->geometry().topLeft(), QPoint(200, 34));
    EXPECT_EQ(form->combo2()->width(), 200);
    EXPECT_TRUE(form->combo2()->isEditable());
    EXPECT_EQ(form->combo2()->palette().color(QPalette::Base), QColor(210, 210, 210));
    EXPECT_EQ(form->combo1()->geometry().topLeft(), QPoint(260, 80));
    EXPECT_EQ(form->combo1()->width(), 46);
    EXPECT_EQ(form->combo1()->palette().color(QPalette::Base), QColor(200, 200, 250));
    EXPECT_EQ(form->combo1()->font().pixelSize(), 13); // 9.75 pt
    EXPECT_EQ(form->check1()->geometry(), QRect(84, 190, 120, 20));
    EXPECT_EQ(form->check1()->text(), QStringLiteral("Inclusief middenstuk"));
    EXPECT_EQ(achtergrond(form->check1()), QColor(220, 220, 190));
    EXPECT_EQ(form->text1()->geometry(), QRect(16, 310, 290, 20));
    EXPECT_EQ(form->text1()->palette().color(QPalette::Base), QColor(230, 230, 170));
    EXPECT_EQ(form->image1()->pos(), QPoint(270, 160));
    EXPECT_FALSE(form->image1()->pixmap().isNull());
    EXPECT_EQ(form->exitKnop()->geometry(), QRect(344, 310, 56, 22));
    EXPECT_EQ(form->exitKnop()->caption(), QStringLiteral("Exit"));
}

TEST_F(AfdrukFixture, OpensWithOnePageNoMiddlePieceTheStoredTextAndTheCurrentPrinter)
{
    const auto form = open();
    QStringList paginas;
    for (int i = 0; i < form->combo1()->count(); ++i)
        paginas << form->combo1()->itemText(i);
    QStringList verwacht;
    for (int i = 1; i <= 20; ++i)
        verwacht << QString::number(i);
    EXPECT_EQ(paginas, verwacht);
    EXPECT_EQ(form->combo1()->currentIndex(), 0);
    EXPECT_EQ(form->combo1()->currentText(), QStringLiteral("1"));
    EXPECT_FALSE(form->check1()->isChecked());
    EXPECT_EQ(form->text1()->text(), QStringLiteral("www.voorbeeld.nl"));

    QStringList lijst;
    for (int i = 0; i < form->combo2()->count(); ++i)
        lijst << form->combo2()->itemText(i);
    EXPECT_EQ(lijst, (QStringList{"Laser", "Kantoor", "Kleur", "PDF-bestand"}));
    EXPECT_EQ(form->combo2()->currentText(), QStringLiteral("Laser"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Afdrukken Formulieren (Laser)"));
}

TEST_F(AfdrukFixture, TheFirstPrinterIsTheSystemDefaultOrThePdfPrinterWhenThereIsNone)
{
    const struct {
        QStringList geinstalleerd;
        QString standaard;
        QString huidige;
        QStringList lijst;
    } cases[] = {
        {{"Laser", "Kantoor", "Kleur"}, "Kleur", "Kleur", {"Laser", "Kantoor", "Kleur", "PDF-bestand"}},
        {{"Laser", "Kantoor"}, "", "PDF-bestand", {"Laser", "Kantoor", "PDF-bestand"}},
        {{}, "", "PDF-bestand", {"PDF-bestand"}},
    };
    for (const auto &c : cases) {
        printers.geinstalleerd = c.geinstalleerd;
        printers.standaardPrinter = c.standaard;
        maakKeuze();
        const auto form = open();
        EXPECT_EQ(keuze->huidige(), c.huidige);
        EXPECT_EQ(form->combo2()->currentText(), c.huidige);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Afdrukken Formulieren (%1)").arg(c.huidige));
        EXPECT_EQ(keuze->lijst(), c.lijst);
    }
}

TEST_F(AfdrukFixture, PrintsTheTypedNumberOfPagesOrSaysWhyItPrintsNothing)
{
    const struct {
        const char *tekst;
        std::optional<int> paginas; // nullopt: refused with the message
    } cases[] = {
        {"3", 3},      {"1", 1},       {"0", 0},   {"25", 25}, {"255", 255}, {"2.5", 2}, {"3.5", 4}, {"2,5", 2},
        {" 4 ", 4},    {"abc", {}},    {"-1", {}}, {"256", {}}, {"", {}},     {"1e2", {}}, {"3 pagina's", {}},
    };
    for (const auto &c : cases) {
        printers.opdrachten.clear();
        test.dialogen.meldingen.clear();
        const auto form = open();
        form->combo1()->setEditText(QString::fromLatin1(c.tekst));
        form->drukAf(KaartSoort::Random);
        if (c.paginas) {
            ASSERT_EQ(printers.opdrachten.size(), 1u) << c.tekst;
            EXPECT_EQ(int(printers.opdrachten[0].opname->documents().size()), *c.paginas) << c.tekst;
            // The job was framed even without pages.
            EXPECT_EQ(printers.opdrachten[0].opname->finishedJobs(), 1) << c.tekst;
            EXPECT_TRUE(test.dialogen.meldingen.empty()) << c.tekst;
        } else {
            EXPECT_TRUE(printers.opdrachten.empty()) << c.tekst;
            ASSERT_EQ(test.dialogen.meldingen.size(), 1u) << c.tekst;
            const auto &melding = test.dialogen.meldingen[0];
            EXPECT_EQ(melding.tekst, QString::fromUtf8(core::PaginaAantalMelding));
            EXPECT_EQ(melding.knoppen, Knoppen::Ok);
            EXPECT_EQ(melding.icoon, Icoon::Geen);
        }
        // The busy pointer is gone again, also after no pages or a refused count.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << c.tekst;
    }
}

TEST_F(AfdrukFixture, EveryPageIsADocumentOfItsOwnPrintedUnderTheBusyPointer)
{
    std::vector<bool> bezig;
    printers.bijDocument = [&](int) { bezig.push_back(toontBezigAanwijzer()); };
    const auto form = open();
    form->combo1()->setCurrentIndex(2);
    form->drukAf(KaartSoort::Bingo);

    ASSERT_EQ(printers.opdrachten.size(), 1u);
    const auto &opname = *printers.opdrachten[0].opname;
    EXPECT_EQ(opname.pageNumbers(), (std::vector<int>{1, 2, 3}));
    for (const auto &document : opname.documents())
        EXPECT_EQ(document->operations(print::PageOperation::Kind::EndDocument).size(), 1u);
    EXPECT_EQ(bezig, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(toontBezigAanwijzer());
}

TEST_F(AfdrukFixture, EachKindButtonPrintsItsOwnSheetWithTheStoredFooter)
{
    const QString voet = QStringLiteral("www.voorbeeld.nl");
    for (KaartSoort soort : AlleSoorten) {
        printers.opdrachten.clear();
        test.toeval = core::SeededRandom(1);
        const auto form = open();
        emit form->soortKnop(soort)->Click();
        ASSERT_EQ(documenten().size(), 1u);
        EXPECT_EQ(beschrijving(*documenten()[0]), verwachtBlad(soort, voet, false)) << int(soort);
        EXPECT_EQ(voettekst(*documenten()[0]), voet);
    }
}

TEST_F(AfdrukFixture, TheMiddlePieceBoxChangesOnlyTheWideCards)
{
    for (KaartSoort soort : AlleSoorten) {
        QStringList bladen[2];
        for (bool aan : {false, true}) {
            printers.opdrachten.clear();
            test.toeval = core::SeededRandom(1);
            const auto form = open();
            form->check1()->setChecked(aan);
            form->drukAf(soort);
            ASSERT_EQ(documenten().size(), 1u);
            bladen[int(aan)] = beschrijving(*documenten()[0]);
            EXPECT_EQ(bladen[int(aan)], verwachtBlad(soort, QStringLiteral("www.voorbeeld.nl"), aan && soort == KaartSoort::Breed))
                << int(soort) << aan;
        }
        EXPECT_EQ(bladen[0] != bladen[1], soort == KaartSoort::Breed) << int(soort);
    }
}

TEST_F(AfdrukFixture, ChoosingAPrinterChangesTheTitleAndLastsForTheRun)
{
    {
        const auto form = open();
        form->combo2()->setCurrentIndex(1);
        EXPECT_EQ(keuze->huidige(), QStringLiteral("Kantoor"));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Afdrukken Formulieren (Kantoor)"));
        form->drukAf(KaartSoort::Bingo);
        ASSERT_EQ(printers.opdrachten.size(), 1u);
        EXPECT_EQ(printers.opdrachten[0].printer, QStringLiteral("Kantoor"));
        form->exitGeklikt();
    }
    const auto weer = open();
    EXPECT_EQ(weer->combo2()->currentText(), QStringLiteral("Kantoor"));
    EXPECT_EQ(weer->windowTitle(), QStringLiteral("Afdrukken Formulieren (Kantoor)"));
    weer->drukAf(KaartSoort::Bingo);
    ASSERT_EQ(printers.opdrachten.size(), 2u);
    EXPECT_EQ(printers.opdrachten[1].printer, QStringLiteral("Kantoor"));
}

TEST_F(AfdrukFixture, TypedTextChoosesOnlyAPrinterOfTheListAndElseRestoresTheTitle)
{
    const auto form = open();
    const struct {
        const char *getypt;
        const char *huidige;
    } stappen[] = {
        {"Kle", "Laser"},     // part of a name: no printer
        {"Kleur", "Kleur"},   // a whole name chooses it
        {"kleur", "Kleur"},   // names are exact
        {"", "Kleur"},
        {"Kantoorprinter", "Kleur"},
        {"PDF-bestand", "PDF-bestand"},
    };
    for (const auto &stap : stappen) {
        form->setWindowTitle(QStringLiteral("iets anders"));
        form->combo2()->setEditText(QString::fromLatin1(stap.getypt));
        EXPECT_EQ(keuze->huidige(), QString::fromLatin1(stap.huidige)) << stap.getypt;
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Afdrukken Formulieren (%1)").arg(QLatin1String(stap.huidige)))
            << stap.getypt;
    }
}

TEST_F(AfdrukFixture, AnEditedFooterIsPrintedOnlyAfterExitStoredIt)
{
    {
        const auto form = open();
        form->text1()->setText(QStringLiteral("Nieuwe tekst"));
        form->drukAf(KaartSoort::Bingo);
        form->exitGeklikt();
        EXPECT_EQ(form->result(), QDialog::Accepted);
    }
    EXPECT_EQ(test.algemeen.ReclameTekst, "Nieuwe tekst");
    {
        const auto form = open();
        EXPECT_EQ(form->text1()->text(), QStringLiteral("Nieuwe tekst"));
        form->drukAf(KaartSoort::Bingo);
        // The close box leaves the stored text as it was.
        form->text1()->setText(QStringLiteral("Weggegooid"));
        form->show();
        form->close();
        EXPECT_EQ(form->result(), QDialog::Rejected);
    }
    EXPECT_EQ(test.algemeen.ReclameTekst, "Nieuwe tekst");
    ASSERT_EQ(documenten().size(), 2u);
    EXPECT_EQ(voettekst(*documenten()[0]), QStringLiteral("www.voorbeeld.nl"));
    EXPECT_EQ(voettekst(*documenten()[1]), QStringLiteral("Nieuwe tekst"));
}

TEST_F(AfdrukFixture, ExitAlsoShowsTheStoredTextOnTheMainWindow)
{
    const auto form = open();
    form->text1()->setText(QStringLiteral("Kom ook eens kijken"));
    form->exitGeklikt();
    EXPECT_EQ(main->label2()->text(), QStringLiteral("Kom ook eens kijken"));
}

TEST_F(AfdrukFixture, ThePdfPrinterAsksForAFileOncePerJobAndWritesThePagesIntoIt)
{
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    keuze->kies(print::PdfBestand);
    const auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Afdrukken Formulieren (PDF-bestand)"));

    const struct {
        KaartSoort soort;
        const char *naam;
    } soorten[] = {{KaartSoort::Bingo, "Bingokaarten"},
                   {KaartSoort::Random, "Random Bingokaarten"},
                   {KaartSoort::Breed, "Brede Bingokaarten"},
                   {KaartSoort::VierBijVier, "4 x 4 Bingokaarten"}};
    form->combo1()->setEditText(QStringLiteral("3"));
    for (const auto &s : soorten) {
        pdfVoorstellen.clear();
        pdfAntwoord = map.filePath(QString::fromLatin1(s.naam) + QStringLiteral(".pdf"));
        form->drukAf(s.soort);
        ASSERT_EQ(pdfVoorstellen.size(), 1) << s.naam;
        // Test clock date: 5 March 2026.
        EXPECT_TRUE(pdfVoorstellen[0].endsWith(QStringLiteral("/%1 2026-03-05.pdf").arg(QLatin1String(s.naam))))
            << pdfVoorstellen[0].toStdString();
        EXPECT_EQ(paginasInPdf(pdfAntwoord), 3) << s.naam;
    }
    EXPECT_TRUE(test.dialogen.meldingen.empty());
    EXPECT_TRUE(printers.opdrachten.empty());
}

// Points the home folder elsewhere for one test, and back afterwards.
struct AndereThuismap {
    explicit AndereThuismap(const QString &map)
        : oudHome(qgetenv("HOME"))
        , oudConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(map));
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~AndereThuismap()
    {
        qputenv("HOME", oudHome);
        if (!oudConfig.isNull())
            qputenv("XDG_CONFIG_HOME", oudConfig);
    }
    QByteArray oudHome;
    QByteArray oudConfig;
};

TEST_F(AfdrukFixture, ThePdfFileIsProposedInTheHomeFolderWhenThereIsNoDocumentsFolder)
{
    QTemporaryDir thuis;
    ASSERT_TRUE(thuis.isValid());
    const AndereThuismap andereThuismap(thuis.path());
    keuze->kies(print::PdfBestand);
    const auto form = open();

    form->drukAf(KaartSoort::Bingo); // cancelled: only the proposal matters here
    ASSERT_EQ(pdfVoorstellen.size(), 1);
    EXPECT_EQ(pdfVoorstellen[0], QDir(thuis.path()).filePath(QStringLiteral("Bingokaarten 2026-03-05.pdf")));

    ASSERT_TRUE(QDir(thuis.path()).mkdir(QStringLiteral("Documents")));
    form->drukAf(KaartSoort::Bingo);
    ASSERT_EQ(pdfVoorstellen.size(), 2);
    EXPECT_EQ(pdfVoorstellen[1], QDir(thuis.path()).filePath(QStringLiteral("Documents/Bingokaarten 2026-03-05.pdf")));
}

TEST_F(AfdrukFixture, ThePdfPrinterWritesNothingWhenCancelledOrWithoutPagesAndReportsAFileItCannotWrite)
{
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    keuze->kies(print::PdfBestand);
    const auto form = open();

    pdfAntwoord.clear(); // cancelled
    form->drukAf(KaartSoort::Bingo);
    EXPECT_EQ(pdfVoorstellen.size(), 1);

    form->combo1()->setEditText(QStringLiteral("0"));
    pdfAntwoord = map.filePath(QStringLiteral("leeg.pdf"));
    form->drukAf(KaartSoort::Bingo);
    EXPECT_EQ(pdfVoorstellen.size(), 1); // not asked: nothing to save
    EXPECT_TRUE(QDir(map.path()).isEmpty());
    EXPECT_TRUE(test.dialogen.meldingen.empty());

    form->combo1()->setEditText(QStringLiteral("2"));
    pdfAntwoord = map.filePath(QStringLiteral("geen-map/kaarten.pdf"));
    form->drukAf(KaartSoort::Bingo);
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_TRUE(test.dialogen.meldingen[0].tekst.startsWith(QStringLiteral("Het bestand \"")));
    EXPECT_TRUE(test.dialogen.meldingen[0].tekst.endsWith(QStringLiteral("\" kan niet worden geschreven.")));
    EXPECT_EQ(test.dialogen.meldingen[0].icoon, Icoon::Kritiek);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(AfdrukFixture, APrinterThatIsGoneOrRefusesIsReportedInDutch)
{
    const struct {
        bool verdwenen;
        int weiger;
        int paginas;
        int gedrukt;
        const char *melding;
    } cases[] = {
        {true, 0, 3, 0, "De printer \"Kantoor\" is niet gevonden. Kies een andere printer."},
        {false, 1, 3, 0, "De printer \"Kantoor\" neemt de opdracht niet aan. Er is niets afgedrukt."},
        {false, 3, 5, 2, "De printer \"Kantoor\" is gestopt na 2 van de 5 pagina's."},
        {false, 6, 5, 5, nullptr},
    };
    for (const auto &c : cases) {
        printers.geinstalleerd = {"Laser", "Kantoor", "Kleur"};
        printers.weigerDocument = c.weiger;
        printers.opdrachten.clear();
        test.dialogen.meldingen.clear();
        const auto form = open();
        form->combo2()->setCurrentIndex(1);
        if (c.verdwenen)
            printers.geinstalleerd.removeAll(QStringLiteral("Kantoor"));
        form->combo1()->setEditText(QString::number(c.paginas));
        form->drukAf(KaartSoort::VierBijVier);

        EXPECT_EQ(int(documenten().size()), c.gedrukt) << c.weiger;
        if (c.melding) {
            EXPECT_EQ(meldingTeksten(), QStringList{QString::fromUtf8(c.melding)});
            EXPECT_EQ(test.dialogen.meldingen[0].icoon, Icoon::Kritiek);
            EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral("Afdrukken"));
        } else {
            EXPECT_TRUE(meldingTeksten().isEmpty());
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}
