// MaakKaartenBreed: three wide cards of 12 x 5 random letters, one above the other, each
// under a heading bar that spells ALFABO-LOTTO.

#include "core/kaarten/BingoKaart.h"
#include "print/KaartBlad.h"
#include "print/KaartLayouts.h"

#include <array>

namespace print {
namespace {

using namespace blad;

constexpr std::array<const char *, 12> KaartLetters{"A", "L", "F", "A", "B", "O", "-", "L", "O", "T", "T", "O"};
constexpr int Kolommen = 12;
constexpr int Rijen = 5;
constexpr int KaartStap = 5400;
constexpr int KolomBreedte = 870;
constexpr int KopHoogte = 660;
constexpr int RijHoogte = 720;

void tekenRastersEnKoppen(PageSurface &surface)
{
    const PageFont font = comic(24);
    const QColor hooglicht(250, 250, 250);
    const QColor kopBlauw(0, 0, 180);
    for (int k = 0; k <= 2; ++k) {
        const int Y0 = 600 + KaartStap * k;
        surface.filledBox(600, Y0, 600 + Kolommen * KolomBreedte, Y0 + KopHoogte, LichtGrijs);
        for (int c = 1; c <= Kolommen; ++c) {
            const int X = 600 + KolomBreedte * (c - 1);
            surface.box(X, Y0, X + KolomBreedte, Y0 + KopHoogte, Zwart);
            const QString teken = QString::fromLatin1(KaartLetters[std::size_t(c - 1)]);
            // The light copy first, 30 up and to the left: it shows as a highlight.
            surface.text(X + 240, Y0 - 45, teken, font, hooglicht);
            surface.text(X + 270, Y0 - 15, teken, font, kopBlauw);
            for (int r = 1; r <= Rijen; ++r)
                surface.box(X, Y0 + RijHoogte * r, X + KolomBreedte, Y0 + RijHoogte * (r + 1), Zwart);
        }
    }
}

void tekenLetters(PageSurface &surface, core::RandomSource &random)
{
    const PageFont font = comic(24);
    for (int k = 0; k <= 2; ++k) {
        const core::BingoKaart kaart = core::VulKaartWillekeurig(random, Kolommen, Rijen);
        for (int c = 1; c <= Kolommen; ++c)
            for (int r = 1; r <= Rijen; ++r)
                surface.text(840 + KolomBreedte * (c - 1), 1320 + RijHoogte * (r - 1) + KaartStap * k,
                             letterTekst(kaart.letter(c, r)), font, LetterGrijs);
    }
}

void tekenMiddenstuk(PageSurface &surface)
{
    // 15 inside the cells of column 7 on every side: the letters vanish, the cell
    // outlines stay as a frame.
    for (int k = 0; k <= 2; ++k)
        surface.filledBox(5835, 1335 + KaartStap * k, 6675, 4905 + KaartStap * k, LichtGrijs);
}

} // namespace

void MaakKaartenBreed(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst, bool middenstuk,
                      const QString &bladCode)
{
    tekenRastersEnKoppen(surface);
    tekenLetters(surface, random);
    if (middenstuk)
        tekenMiddenstuk(surface);

    constexpr std::array<QPoint, 3> Nummers{QPoint(10800, 5010), QPoint(10800, 10410), QPoint(10800, 15810)};
    drukKaartNummers(surface, Nummers);
    drukVoettekst(surface, reclameTekst, 15780);
    drukBladCode(surface, bladCode, 15780, 600 + Kolommen * KolomBreedte);
}

} // namespace print
