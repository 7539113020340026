// Print jobs and where they go: recorded documents, PDF files, a printer, the printer list.

#include "core/RandomSource.h"
#include "print/PdfTarget.h"
#include "print/Printers.h"
#include "print/PrinterTarget.h"
#include "print/RecordingTarget.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace print;

TEST(PrintJob, EveryPageIsADocumentOfItsOwnEndedAfterItsFooterWhileTheBusyPointerShows)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor)); // shows a job that restores too often
    const auto aanwijzer = [] { return QGuiApplication::overrideCursor()->shape(); };
    RecordingTarget target;
    std::vector<int> nummers; // of the pages begun, or -1 for one begun without the busy pointer
    target.onBeginDocument = [&](int p) { nummers.push_back(aanwijzer() == Qt::WaitCursor ? p : -1); };
    core::SeededRandom random(1);
    EXPECT_EQ(drukKaarten(target, KaartSoort::Breed, 0, random, "voet").documentsPrinted, 0);
    EXPECT_EQ(drukKaarten(target, KaartSoort::Bingo, 2, random, "voet").documentsPrinted, 2);
    EXPECT_EQ(nummers, (std::vector{1, 2}));
    EXPECT_EQ(target.finishedJobs(), 2); // also the job of no pages
    EXPECT_EQ(aanwijzer(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    const auto einde = PageOperation::Kind::EndDocument;
    for (const auto &document : target.documents()) // the sheet with its footer and code, then its end, once
        EXPECT_TRUE(document->operations().end()[-3].text == "voet"
                    && document->operations().end()[-2].text.startsWith(QStringLiteral("Blad "))
                    && document->operations(einde).size() == 1 && document->operations().back().kind == einde);
}

TEST(DocumentTarget, PdfFilesAndPrintersGetReadablePagesAndAFailureIsReportedWhereNothingCanBeWritten)
{
    QTemporaryDir map;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(map.filePath(QStringLiteral("printer.pdf"))); // a PDF file as the printer
    PrinterTarget naarPrinter(printer);
    EXPECT_TRUE(printer.pageLayout().pageSize().id() == QPageSize::A4
                && printer.pageLayout().orientation() == QPageLayout::Portrait && !printer.fullPage());
    // A file per sheet into folders of which the second is missing: the job stops there.
    QDir(map.path()).mkpath(QStringLiteral("m-1")), QDir(map.path()).mkpath(QStringLiteral("m-3"));
    PdfTarget perBlad(map.filePath(QStringLiteral("m-%1/k.pdf")), PdfTarget::Bundling::FilePerDocument);
    PdfTarget inEen(map.filePath(QStringLiteral("j.pdf")), PdfTarget::Bundling::OneFileForJob);
    for (DocumentTarget *doel : std::initializer_list<DocumentTarget *>{&perBlad, &inEen, &naarPrinter}) {
        core::SeededRandom random(1);
        const KaartSoort soort = doel == &naarPrinter ? KaartSoort::Breed : KaartSoort::Bingo;
        const PrintJobResult result = drukKaarten(*doel, soort, 3, random, QString());
        EXPECT_EQ(result.documentsPrinted, doel == &perBlad ? 1 : 3);
        EXPECT_EQ(result.completed, doel != &perBlad);
    }
    // Pages in readable files: one per sheet, three for the job, and one for the printer, where every sheet
    // was a painter session of its own that replaced the one before.
    std::vector<int> paginas;
    for (const char *naam : {"m-1/k.pdf", "j.pdf", "printer.pdf"}) {
        QFile bestand(map.filePath(QString::fromLatin1(naam)));
        bestand.open(QIODevice::ReadOnly);
        paginas.push_back(int(QString::fromLatin1(bestand.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]"))));
    }
    EXPECT_EQ(paginas, (std::vector{1, 3, 1}));
}

TEST(Printerkeuze, StartsOnTheSystemDefaultOrThePdfPrinterAndListsTheInstalledOnesAnewEveryTime)
{
    struct VastePrinters : Printers {
        QStringList namen() const override { return geinstalleerd; }
        QString standaard() const override { return geinstalleerd.size() > 1 ? geinstalleerd.back() : QString(); }
        std::unique_ptr<DocumentTarget> open(const QString &) override { return nullptr; }
        QStringList geinstalleerd{"A"};
    } printers;
    const Printerkeuze keuze(printers);
    printers.geinstalleerd << "B"; // installed while the program runs, and the new default
    EXPECT_EQ(keuze.lijst(), (QStringList{"A", "B", PdfBestand}));
    EXPECT_EQ(keuze.huidige(), PdfBestand); // the choice made at the start stays
    EXPECT_EQ(Printerkeuze(printers).huidige(), QStringLiteral("B"));

    EXPECT_EQ(SysteemPrinters().open(QStringLiteral("Alfabo bestaat niet 1234")), nullptr);
}
