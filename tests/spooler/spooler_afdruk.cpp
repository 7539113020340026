// Prints through the print dialog on the printers the system reports, for the spooler
// test (spooler_test.sh), which runs it against a CUPS queue of its own:
//
//   spooler_afdruk <printer> <pdf-folder> <footer>
//
// 1. The printer list must hold <printer>; it is chosen in Combo2 like an operator would.
// 2. Three pages of each kind, in the order Bingokaarten, Random, Brede, 4 x 4: twelve
//    spooler jobs of one page, numbered in that order.
// 3. The same on the built-in printer "PDF-bestand": one file per kind in <pdf-folder>,
//    named as the save dialog proposes it.
// Exit code 0 when every job was handed over without a message; 1 otherwise.

#include "support/TestOmgeving.h"

#include "print/Printers.h"
#include "ui/afdrukken/AfdrukForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

const print::KaartSoort Soorten[] = {print::KaartSoort::Bingo, print::KaartSoort::Random, print::KaartSoort::Breed,
                                     print::KaartSoort::VierBijVier};

bool kiesPrinter(ui::AfdrukForm &form, const QString &naam)
{
    const int positie = form.combo2()->findText(naam, Qt::MatchExactly);
    if (positie < 0)
        return false;
    form.combo2()->setCurrentIndex(positie);
    return form.windowTitle() == QStringLiteral("Afdrukken Formulieren (%1)").arg(naam);
}

bool drukAlleSoorten(ui::AfdrukForm &form, TestOmgeving &t)
{
    form.combo1()->setEditText(QStringLiteral("3"));
    for (print::KaartSoort soort : Soorten) {
        emit form.soortKnop(soort)->Click();
        std::printf("soort %d: 3 pagina's naar %s\n", int(soort), qPrintable(form.windowTitle()));
    }
    for (const auto &melding : t.dialogen.meldingen)
        std::fprintf(stderr, "melding: %s\n", qPrintable(melding.tekst));
    return t.dialogen.meldingen.empty();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "gebruik: spooler_afdruk <printer> <pdf-map> <voettekst>\n");
        return 1;
    }
    widgets::installFontSubstitutions();
    const QString printer = QString::fromLocal8Bit(argv[1]);
    const QDir pdfMap(QString::fromLocal8Bit(argv[2]));

    TestOmgeving t;
    int status = 0;
    {
        ui::Main main(t.omgeving, QSize(1280, 800));
        // After the main window, which reads the settings at start-up.
        t.algemeen.ReclameTekst = argv[3];
        print::SysteemPrinters systeem;
        print::Printerkeuze keuze(systeem);
        ui::Afdrukmiddelen middelen{
            keuze, [&](QWidget *, const QString &voorstel) { return pdfMap.filePath(QFileInfo(voorstel).fileName()); }};

        std::printf("printers: %s\n", qPrintable(keuze.lijst().join(QStringLiteral(", "))));
        ui::AfdrukForm form(main, middelen);
        if (!kiesPrinter(form, printer)) {
            std::fprintf(stderr, "de printer %s staat niet in de lijst\n", qPrintable(printer));
            status = 1;
        } else if (!drukAlleSoorten(form, t) || !kiesPrinter(form, print::PdfBestand) || !drukAlleSoorten(form, t)) {
            status = 1;
        }

        t.dialogen.antwoorden = {ui::Antwoord::Ja};
        main.close();
    }
    return status;
}
