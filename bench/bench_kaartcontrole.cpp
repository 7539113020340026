// Checking a claimed card: a sheet's cards made again from its code (every kind; target under
// 1 ms a sheet), and in the main window the check from the Enter of the code to the card painted
// over the board (target under 100 ms). Offscreen, with the code answered by a script.
#include "Tabel.h"

#include "support/TestOmgeving.h"

#include "core/kaarten/BladCode.h"
#include "core/RandomSource.h"
#include "ui/bingo/KaartControlePaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/Fonts.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Klok = std::chrono::steady_clock;

double mediaan(std::vector<double> tijden)
{
    std::sort(tijden.begin(), tijden.end());
    return tijden[tijden.size() / 2];
}

double msSinds(Klok::time_point begin)
{
    return std::chrono::duration<double, std::milli>(Klok::now() - begin).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    widgets::installProgramFonts();

    // A sheet's cards from its code, over codes of every kind.
    core::SeededRandom toeval(5);
    std::vector<double> bladen;
    std::size_t kaarten = 0;
    for (int i = 0; i < 4000; ++i) {
        const core::BladCode code{core::KaartSoort(i % 4), i % 8 == 2,
                                  std::uint32_t(toeval.nextInRange(int(core::BladCode::ZaadGrens)) - 1)};
        const std::string tekst = core::codeTekst(code);
        const auto begin = Klok::now();
        kaarten += core::kaartenVanBlad(*core::leesCode(tekst)).size();
        bladen.push_back(msSinds(begin));
    }
    const double blad = mediaan(bladen);
    std::printf("Cards of a sheet from its code, 4000 sheets of all kinds (%zu cards): median %.4f ms, worst %.4f ms\n",
                kaarten, blad, *std::max_element(bladen.begin(), bladen.end()));
    bench::tabel("A sheet's cards made again from its code (median of 4000)", bench::opmaak("%.3f ms", blad), "< 1 ms",
                 blad < 1.0);

    // In the window: Enter on the code, until the card stands painted over the board.
    TestOmgeving test;
    ui::Main main(test.omgeving, QSize(1280, 800));
    main.show();
    QApplication::processEvents();
    for (int n = 0; n < 12; ++n)
        main.trekLetter();
    const QString code = QString::fromStdString(core::codeTekst({core::KaartSoort::Bingo, false, 4711}));
    std::vector<double> controles;
    for (int i = 0; i < 15; ++i) {
        test.dialogen.invoerAntwoorden = {code + QStringLiteral(" %1").arg(i % 6 + 1)};
        const auto begin = Klok::now();
        main.kaartControleren();
        main.kaartControle()->repaint();
        controles.push_back(msSinds(begin));
        main.kaartControle()->sluit();
    }
    const double controle = mediaan(controles);
    std::printf("Card check from Enter to the card painted: median %.2f ms, worst %.2f ms\n", controle,
                *std::max_element(controles.begin(), controles.end()));
    bench::tabel("Card check, Enter to the card painted over the board (offscreen, median of 15)",
                 bench::opmaak("%.1f ms", controle), "< 100 ms", controle < 100.0);
    test.dialogen.antwoorden = {ui::Antwoord::Ja};
    main.close();
    return 0;
}
