#include "DialoogTest.h"

#include "core/kaarten/PaginaAantal.h"
#include "print/PrintJob.h"

#include <QCheckBox>
#include <QTemporaryDir>

using print::KaartSoort;
using AfdrukFormTest = DialoogTest;

namespace {

// What a job's sheets asked for, in order: the kind of each operation and its text.
QStringList teksten(const print::RecordingTarget &opdracht)
{
    QStringList alle;
    for (const auto &document : opdracht.documents())
        for (const print::PageOperation &op : document->operations())
            alle << QString::number(int(op.kind)) + op.text;
    return alle;
}

} // namespace

// The sheets have the middle piece as ticked and the footer that Exit stored last.
TEST_F(AfdrukFormTest, OnlyAWholeNameChoosesAPrinterAndEachKindButtonPrintsItsOwnSheet)
{
    AfdrukForm form(*main, middelen);
    EXPECT_EQ(form.grab().toImage().pixelColor(17, 17), QColor(200, 0, 0)); // the square round the bingo button
    for (const char *getypt : {"Kantoor", "Kle", "kleur"}) // part of a name or the wrong case chooses nothing
        form.combo2()->setEditText(QString::fromLatin1(getypt));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Afdrukken Formulieren (Kantoor)"));
    form.check1()->setChecked(true);
    form.text1()->setText(QStringLiteral("Nieuw"));
    for (KaartSoort soort : {KaartSoort::Bingo, KaartSoort::Random, KaartSoort::Breed, KaartSoort::VierBijVier}) {
        core::SeededRandom toeval = test.toeval; // as the dialog draws its cards
        emit form.soortKnop(soort)->Click();
        print::RecordingTarget verwacht;
        print::drukKaarten(verwacht, soort, 1, toeval, uit(test.algemeen.ReclameTekst), true);
        EXPECT_EQ(teksten(*printers.opdrachten.back()), teksten(verwacht)) << int(soort);
    }
    emit form.exitKnop()->Click();
    AfdrukForm(*main, middelen).drukAf(KaartSoort::Bingo);
    EXPECT_EQ(teksten(*printers.opdrachten.back()).filter(QStringLiteral("Nieuw")).size(), 1);
}

TEST_F(AfdrukFormTest, PrintsTheTypedNumberOfPagesOrSaysWhyNotAll)
{
    const char *aantal = core::PaginaAantalMelding,
               *weg = "De printer \"Kantoor\" is niet gevonden. Kies een andere printer.";
    const char *weigert = "De printer \"Kantoor\" neemt de opdracht niet aan. Er is niets afgedrukt.";
    const char *gestopt = "De printer \"Kantoor\" is gestopt na 2 van de 5 pagina's.";
    // Typed, the page that is refused (-1: the printer is gone), pages printed (-1: no job), message.
    const std::tuple<const char *, int, int, const char *> gevallen[] = {
        {"3", 0, 3, nullptr},   {"0", 0, 0, nullptr}, {" 2.5 ", 0, 2, nullptr}, {"abc", 0, -1, aantal},
        {"256", 0, -1, aantal}, {"3", -1, -1, weg},   {"3", 1, 0, weigert},     {"5", 3, 2, gestopt}};
    keuze.kies(QStringLiteral("Kantoor"));
    for (const auto &[getypt, weiger, gedrukt, melding] : gevallen) {
        printers.geinstalleerd = weiger < 0 ? QStringList{"Laser"} : QStringList{"Laser", "Kantoor"};
        printers.weiger = weiger;
        printers.opdrachten.clear();
        test.dialogen.meldingen.clear();
        AfdrukForm form(*main, middelen);
        form.combo1()->setEditText(QString::fromLatin1(getypt));
        form.drukAf(KaartSoort::VierBijVier);
        EXPECT_EQ(printers.opdrachten.empty() ? -1 : int(printers.opdrachten[0]->documents().size()), gedrukt)
            << getypt;
        const Icoon icoon = melding == aantal ? Icoon::Geen : Icoon::Kritiek;
        EXPECT_EQ(test.dialogen.meldingen,
                  (melding ? Meldingen{{uit(melding), "Afdrukken", Knoppen::Ok, icoon}} : Meldingen{}));
    }
}

// The file is proposed with a name for the kind and the test clock's day.
TEST_F(AfdrukFormTest, ThePdfPrinterAsksForAFileForEveryJobAndWritesAllItsPagesIntoIt)
{
    QTemporaryDir map;
    keuze.kies(print::PdfBestand);
    AfdrukForm form(*main, middelen);
    form.drukAf(KaartSoort::Bingo); // cancelled
    form.combo1()->setEditText(QStringLiteral("3"));
    for (const char *naam : {"kaarten.pdf", "geen-map/kaarten.pdf"}) {
        pdfAntwoord = map.filePath(QLatin1String(naam));
        emit form.soortKnop(KaartSoort::Breed)->Click();
    }
    EXPECT_EQ(leesBestand(map.filePath(QStringLiteral("kaarten.pdf"))).count("/Type /Page\n"), 3);
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files), QStringList{"kaarten.pdf"});
    EXPECT_EQ(pdfVoorstellen.value(1).section(QLatin1Char('/'), -1),
              QStringLiteral("Brede Bingokaarten 2026-03-05.pdf"));
    EXPECT_EQ(test.dialogen.meldingen,
              (Meldingen{{QStringLiteral("Het bestand \"%1\" kan niet worden geschreven.").arg(pdfAntwoord),
                          "Afdrukken", Knoppen::Ok, Icoon::Kritiek}}));
}
