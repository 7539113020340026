// Prints 255 pages of every card kind to PDF and reports the time per page and the file
// sizes, once with every page a PDF file of its own (as the printer gets them: one
// document per page) and once with all pages in one file. Also counts the embedded font
// programs per file: each font should be embedded once per file, not once per page.
//
// Target: under 20 ms per page.

#include "core/RandomSource.h"
#include "print/PdfTarget.h"
#include "print/PrintJob.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Paginas = 255;

struct Meting {
    double msPerPagina = 0;
    double cpuMsPerPagina = 0; // processor time: what is left when other programs compete
    qint64 bytes = 0;
    int bestanden = 0;
    int lettertypenPerBestand = 0; // embedded font programs in the first file
};

int ingebedeLettertypen(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray inhoud = f.readAll();
    return int(inhoud.count("/FontFile"));
}

Meting meet(print::KaartSoort soort, print::PdfTarget::Bundling bundling, const QString &map)
{
    core::SeededRandom random(1);
    print::PdfTarget target(QDir(map).filePath(QStringLiteral("blad-%1.pdf")), bundling);
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    const print::PrintJobResult result =
        print::drukKaarten(target, soort, Paginas, random, QStringLiteral("www.alfabolotto.nl"), true);
    const qint64 ns = timer.nsecsElapsed();
    const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;

    Meting meting;
    if (!result.completed || result.documentsPrinted != Paginas) {
        std::fprintf(stderr, "job not completed (%d pages)\n", result.documentsPrinted);
        return meting;
    }
    meting.msPerPagina = ns / 1e6 / Paginas;
    meting.cpuMsPerPagina = cpuMs / Paginas;
    for (const QString &file : target.files())
        meting.bytes += QFileInfo(file).size();
    meting.bestanden = int(target.files().size());
    meting.lettertypenPerBestand = target.files().isEmpty() ? 0 : ingebedeLettertypen(target.files().first());
    return meting;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const struct {
        const char *naam;
        print::KaartSoort soort;
    } soorten[] = {
        {"bingo", print::KaartSoort::Bingo},
        {"random", print::KaartSoort::Random},
        {"breed (middenstuk)", print::KaartSoort::Breed},
        {"4x4", print::KaartSoort::VierBijVier},
    };
    const struct {
        const char *naam;
        print::PdfTarget::Bundling bundling;
    } vormen[] = {
        {"file per page", print::PdfTarget::Bundling::FilePerDocument},
        {"one file", print::PdfTarget::Bundling::OneFileForJob},
    };

    std::printf("%d pages per kind, PDF at 600 dpi\n", Paginas);
    std::printf("%-20s %-14s %10s %12s %8s %12s %10s %11s\n", "kind", "output", "ms/page", "cpu ms/page", "files",
                "total KiB", "KiB/page", "fonts/file");
    bool binnenDoel = true;
    double laagste[2] = {1e9, 1e9}, hoogste[2] = {0, 0}; // per output form, over the kinds
    for (const auto &s : soorten) {
        for (const auto &v : vormen) {
            QTemporaryDir map;
            if (!map.isValid())
                return 1;
            const Meting m = meet(s.soort, v.bundling, map.path());
            std::printf("%-20s %-14s %10.2f %12.2f %8d %12.1f %10.2f %11d\n", s.naam, v.naam, m.msPerPagina,
                        m.cpuMsPerPagina, m.bestanden, m.bytes / 1024.0, m.bytes / 1024.0 / Paginas,
                        m.lettertypenPerBestand);
            if (m.msPerPagina <= 0 || m.msPerPagina >= 20.0)
                binnenDoel = false;
            const int vorm = int(&v - vormen);
            laagste[vorm] = std::min(laagste[vorm], m.msPerPagina);
            hoogste[vorm] = std::max(hoogste[vorm], m.msPerPagina);
        }
    }
    std::printf("target under 20 ms per page: %s\n", binnenDoel ? "met" : "NOT met");
    std::printf("TABEL|Card printing to PDF per page, 4 kinds x %d pages: a file per page / one file|"
                "%.1f-%.1f ms / %.1f-%.1f ms|< 20 ms|%s\n",
                Paginas, laagste[0], hoogste[0], laagste[1], hoogste[1], binnenDoel ? "yes" : "no");
    return 0;
}
