#include "KaartTestHulp.h"

#include "print/PdfTarget.h"
#include "print/PrinterTarget.h"
#include "print/PrintJob.h"
#include "print/RecordingTarget.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kaarttest;
using print::KaartSoort;

namespace {

Qt::CursorShape huidigeAanwijzer()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// Keeps an override pointer of its own on the stack, so a job that restores once too
// often, or not at all, shows.
class EigenAanwijzer
{
public:
    EigenAanwijzer() { QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor)); }
    ~EigenAanwijzer() { QGuiApplication::restoreOverrideCursor(); }
};

// A target that refuses to start the document with the given page number.
class WeigerendDoel : public print::RecordingTarget
{
public:
    explicit WeigerendDoel(int weigerPagina) : m_weigerPagina(weigerPagina) {}
    std::unique_ptr<print::PageSurface> beginDocument(int pageNumber) override
    {
        if (pageNumber == m_weigerPagina)
            return nullptr;
        return RecordingTarget::beginDocument(pageNumber);
    }

private:
    int m_weigerPagina;
};

int paginasInPdf(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString inhoud = QString::fromLatin1(f.readAll());
    return int(inhoud.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

TEST(PrintJob, EveryPageIsADocumentOfItsOwnWithNewCards)
{
    const struct {
        KaartSoort soort;
        int nummers;
    } soorten[] = {{KaartSoort::Bingo, 6}, {KaartSoort::Random, 6}, {KaartSoort::Breed, 3}, {KaartSoort::VierBijVier, 6}};

    for (const auto &s : soorten) {
        print::RecordingTarget target;
        core::SeededRandom random(8);
        const print::PrintJobResult result = print::drukKaarten(target, s.soort, 3, random, QStringLiteral("voet"));

        EXPECT_TRUE(result.completed);
        EXPECT_EQ(result.documentsPrinted, 3);
        ASSERT_EQ(target.documents().size(), 3u);
        EXPECT_EQ(target.pageNumbers(), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(target.finishedJobs(), 1);

        std::vector<QStringList> letters;
        for (const auto &document : target.documents()) {
            const std::vector<Op> &ops = document->operations();
            ASSERT_FALSE(ops.empty());
            // The footer, then the end of the document, once.
            EXPECT_EQ(ops.back().kind, Kind::EndDocument);
            EXPECT_EQ(ops[ops.size() - 2].text, QStringLiteral("voet"));
            EXPECT_EQ(document->operations(Kind::EndDocument).size(), 1u);

            // Card numbers start at 1 on every page.
            const std::vector<Op> nummers = texts(ops, QColor(0, 0, 0), 16);
            ASSERT_EQ(int(nummers.size()), s.nummers);
            for (int n = 0; n < s.nummers; ++n)
                EXPECT_EQ(nummers[std::size_t(n)].text, QString::number(n + 1));

            QStringList paginaLetters;
            for (const Op &op : ops)
                if (op.kind == Kind::Text && op.text.size() == 1 && op.colour.red() >= 120 && op.colour.red() <= 130)
                    paginaLetters << op.text;
            letters.push_back(paginaLetters);
        }
        EXPECT_NE(letters[0], letters[1]);
        EXPECT_NE(letters[1], letters[2]);
    }
}

TEST(PrintJob, TheFourByFourTitleIsOnEveryPage)
{
    print::RecordingTarget target;
    core::SeededRandom random(1);
    print::drukKaarten(target, KaartSoort::VierBijVier, 3, random, QString());
    for (const auto &document : target.documents())
        EXPECT_EQ(texts(document->operations(), QColor(0, 220, 0), 88).size(), 1u);
}

TEST(PrintJob, ZeroPagesStartsNoDocumentButStillShowsAndRestoresThePointer)
{
    const EigenAanwijzer eigen;
    print::RecordingTarget target;
    int geteld = 0;
    const print::PrintJobResult result = print::runPrintJob(target, 0, [&](print::PageSurface &) { ++geteld; });
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.documentsPrinted, 0);
    EXPECT_TRUE(target.documents().empty());
    EXPECT_EQ(geteld, 0);
    EXPECT_EQ(huidigeAanwijzer(), Qt::CrossCursor);
}

TEST(PrintJob, ShowsTheBusyPointerWhileItRunsAndRestoresItAfterwards)
{
    const EigenAanwijzer eigen;
    print::RecordingTarget target;
    std::vector<Qt::CursorShape> tijdensJob;
    target.onBeginDocument = [&](int) { tijdensJob.push_back(huidigeAanwijzer()); };
    core::SeededRandom random(1);
    print::drukKaarten(target, KaartSoort::Bingo, 2, random, QString());
    EXPECT_EQ(tijdensJob, (std::vector<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(huidigeAanwijzer(), Qt::CrossCursor);
}

TEST(PrintJob, StopsAtADocumentTheDeviceRefusesAndRestoresThePointer)
{
    const EigenAanwijzer eigen;
    WeigerendDoel target(3);
    core::SeededRandom random(1);
    const print::PrintJobResult result = print::drukKaarten(target, KaartSoort::Random, 5, random, QString());
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.documentsPrinted, 2);
    EXPECT_EQ(target.documents().size(), 2u);
    EXPECT_EQ(target.finishedJobs(), 1);
    EXPECT_EQ(huidigeAanwijzer(), Qt::CrossCursor);
}

TEST(PdfTarget, WritesOneFilePerDocumentOrOneFileForTheJob)
{
    const struct {
        print::PdfTarget::Bundling bundling;
        int paginas;
        QStringList bestanden;
        int paginasPerBestand;
    } cases[] = {
        {print::PdfTarget::Bundling::FilePerDocument, 3, {"kaarten-1.pdf", "kaarten-2.pdf", "kaarten-3.pdf"}, 1},
        {print::PdfTarget::Bundling::FilePerDocument, 0, {}, 0},
        {print::PdfTarget::Bundling::OneFileForJob, 3, {"kaarten-%1.pdf"}, 3},
        {print::PdfTarget::Bundling::OneFileForJob, 0, {}, 0},
    };
    for (const auto &c : cases) {
        QTemporaryDir map;
        ASSERT_TRUE(map.isValid());
        print::PdfTarget target(map.filePath(QStringLiteral("kaarten-%1.pdf")), c.bundling);
        core::SeededRandom random(1);
        const print::PrintJobResult result =
            print::drukKaarten(target, KaartSoort::Breed, c.paginas, random, QStringLiteral("voet"), true);
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(result.documentsPrinted, c.paginas);

        QStringList verwacht;
        for (const QString &naam : c.bestanden)
            verwacht << map.filePath(naam);
        EXPECT_EQ(target.files(), verwacht);
        for (const QString &bestand : verwacht)
            EXPECT_EQ(paginasInPdf(bestand), c.paginasPerBestand) << bestand.toStdString();
        EXPECT_EQ(QDir(map.path()).entryList(QDir::Files).size(), c.bestanden.size());
    }
}

TEST(PrinterTarget, StartsAFreshPainterSessionForEveryDocument)
{
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(map.filePath(QStringLiteral("printer.pdf")));

    print::PrinterTarget target(printer);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_FALSE(printer.fullPage());

    core::SeededRandom random(1);
    const print::PrintJobResult result = print::drukKaarten(target, KaartSoort::Bingo, 2, random, QString());
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.documentsPrinted, 2);
    // The second document replaced the first in the output file: one page, not two.
    EXPECT_EQ(paginasInPdf(map.filePath(QStringLiteral("printer.pdf"))), 1);
}
