// Maak4x4Kaarten: six 4 x 4 cards of random letters under the title "Alfabo Lotto".

#include "core/kaarten/BingoKaart.h"
#include "print/KaartBlad.h"
#include "print/KaartLayouts.h"

#include <array>

namespace print {
namespace {

using namespace blad;

constexpr int Maat = 4;
constexpr int KaartKolomStap = 5880;
constexpr int KaartRijStap = 4500;
constexpr int CelBreedte = 1170;
constexpr int CelHoogte = 900;

void tekenTitel(PageSurface &surface)
{
    const PageFont font = comic(88);
    const QString titel = QStringLiteral("Alfabo Lotto");
    // The dark copy first, 60 up and to the left: it shows as a shadow. The line box
    // starts above the printable area; only the font's internal leading falls outside.
    surface.text(600, -150, titel, font, QColor(60, 60, 60));
    surface.text(660, -90, titel, font, QColor(0, 220, 0));
}

void tekenKaarten(PageSurface &surface, core::RandomSource &random)
{
    const PageFont font = comic(30);
    const QColor creme(240, 240, 220);
    const QColor letterGrijs(120, 120, 120);
    for (int k = 0; k <= 2; ++k)
        for (int c = 0; c <= 1; ++c) {
            const core::BingoKaart kaart = core::VulKaartWillekeurig(random, Maat, Maat);
            for (int j = 1; j <= Maat; ++j) {
                const int X = 600 + KaartKolomStap * c + CelBreedte * (j - 1);
                for (int i = 1; i <= Maat; ++i) {
                    const int Y = 2700 + KaartRijStap * k + CelHoogte * (i - 1);
                    // Each cell gets its own black outline after its fill, so the shared
                    // edges stay black whatever the order of the neighbours.
                    surface.filledBox(X, Y, X + CelBreedte, Y + CelHoogte, creme);
                    surface.box(X, Y, X + CelBreedte, Y + CelHoogte, Zwart);
                    surface.text(X + 360, Y, letterTekst(kaart.letter(j, i)), font, letterGrijs);
                }
            }
        }
}

} // namespace

void Maak4x4Kaarten(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                    const QString &bladCode)
{
    tekenTitel(surface);
    tekenKaarten(surface, random);

    constexpr std::array<QPoint, 6> Nummers{QPoint(5430, 6000),  QPoint(6150, 6000),  QPoint(5430, 10500),
                                            QPoint(6150, 10500), QPoint(5430, 15000), QPoint(6150, 15000)};
    drukKaartNummers(surface, Nummers);
    drukVoettekst(surface, reclameTekst, 15420);
    drukBladCode(surface, bladCode, 15420, 600 + KaartKolomStap + Maat * CelBreedte);
}

} // namespace print
