// Prints page 1 of every card kind to a PDF in the folder given as argument, from a fixed
// seed, so the sheets can be looked at (and rendered to pictures) without a printer.
//
//   voorbeeld_kaarten <folder>   writes kaart-bingo.pdf, kaart-random.pdf, kaart-breed.pdf,
//                                kaart-breed-middenstuk.pdf and kaart-4x4.pdf

#include "core/RandomSource.h"
#include "print/PdfTarget.h"
#include "print/PrintJob.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window is ever shown
    QApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "gebruik: %s <map>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "kan de map %s niet maken\n", argv[1]);
        return 1;
    }

    const struct {
        const char *naam;
        print::KaartSoort soort;
        bool middenstuk;
    } soorten[] = {
        {"bingo", print::KaartSoort::Bingo, false},     {"random", print::KaartSoort::Random, false},
        {"breed", print::KaartSoort::Breed, false},     {"breed-middenstuk", print::KaartSoort::Breed, true},
        {"4x4", print::KaartSoort::VierBijVier, false},
    };

    int status = 0;
    for (const auto &s : soorten) {
        core::SeededRandom random(20260305);
        const QString file = folder.filePath(QStringLiteral("kaart-%1.pdf").arg(QLatin1String(s.naam)));
        print::PdfTarget target(file, print::PdfTarget::Bundling::OneFileForJob);
        const print::PrintJobResult result =
            print::drukKaarten(target, s.soort, 1, random, QStringLiteral("www.alfabolotto.nl"), s.middenstuk);
        if (!result.completed) {
            std::fprintf(stderr, "%s: niet geschreven\n", qPrintable(file));
            status = 1;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return status;
}
