// The two sheets of six 5 x 5 cards under "B I N G O": MaakKaarten (21 different letters,
// free corners) and MaakKaartenRandom (25 random letters). They share every place on the
// page; only the heading colour, the card generator and the free corners differ.

#include "core/kaarten/BingoKaart.h"
#include "print/KaartBlad.h"
#include "print/KaartLayouts.h"

#include <array>

namespace print {
namespace {

using namespace blad;

constexpr std::array<const char *, 5> KaartLetters{"B", "I", "N", "G", "O"};

constexpr int KaartKolomStap = 5610; // from the left card of a row to the right one
constexpr int KaartRijStap = 5160;   // from one card row to the next
constexpr int CelBreedte = 900;
constexpr int CelHoogte = 780;

struct Soort5x5 {
    QColor kopKleur;
    bool uniek; // 25 different letters and free corners, or 25 random letters
};

void tekenRasterEnKoppen(PageSurface &surface, const QColor &kopKleur)
{
    const PageFont kop = comic(32);
    for (int c = 0; c <= 1; ++c) {
        const int X = KaartKolomStap * c;
        for (int j = 0; j <= 6; ++j)
            for (int k = 0; k <= 2; ++k) {
                const int y = 600 + CelHoogte * j + KaartRijStap * k;
                surface.line(600 + X, y, 5100 + X, y, Zwart);
            }
        for (int i = 0; i <= 5; ++i) {
            const int x = 600 + CelBreedte * i + X;
            if (i <= 4) {
                const QString letter = QString::fromLatin1(KaartLetters[std::size_t(i)]);
                for (int k = 0; k <= 2; ++k) {
                    // The black copy first, 30 up and to the left: it shows as a shadow.
                    surface.text(x + 210, 510 + KaartRijStap * k, letter, kop, Zwart);
                    surface.text(x + 240, 540 + KaartRijStap * k, letter, kop, kopKleur);
                }
            }
            surface.line(x, 600, x, 5280, Zwart);
            surface.line(x, 5760, x, 10440, Zwart);
            surface.line(x, 10920, x, 15600, Zwart);
        }
    }
}

void tekenLetters(PageSurface &surface, core::RandomSource &random, bool uniek)
{
    const PageFont font = comic(24);
    for (int k = 0; k <= 2; ++k)
        for (int c = 0; c <= 1; ++c) {
            const core::BingoKaart kaart =
                uniek ? core::VulKaartUniek(random) : core::VulKaartWillekeurig(random, 5, 5);
            // Free corners get their letter too; the picture covers it afterwards.
            for (int j = 1; j <= 5; ++j)
                for (int i = 1; i <= 5; ++i)
                    surface.text(855 + CelBreedte * (j - 1) + KaartKolomStap * c,
                                 1440 + CelHoogte * (i - 1) + KaartRijStap * k, letterTekst(kaart.letter(j, i)), font,
                                 LetterGrijs);
        }
}

void tekenFreePlaatjes(PageSurface &surface)
{
    // Corner by corner, cards 1 to 6. The bottom card row sits 5 twips higher than a
    // regular step would put it (11770 and 14890).
    constexpr std::array<int, 2> Links{675, 6285};
    constexpr std::array<int, 2> Rechts{4275, 9885};
    constexpr std::array<int, 3> Boven{1455, 6615, 11770};
    constexpr std::array<int, 3> Onder{4575, 9735, 14890};
    const auto hoek = [&](const std::array<int, 2> &xs, const std::array<int, 3> &ys) {
        for (int y : ys)
            for (int x : xs)
                surface.picture(x, y, 750, 630, freePlaatje(), QString::fromLatin1(FreePlaatjeNaam));
    };
    hoek(Links, Boven);
    hoek(Rechts, Boven);
    hoek(Links, Onder);
    hoek(Rechts, Onder);
}

void tekenBlad5x5(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst, const Soort5x5 &soort,
                  const QString &bladCode)
{
    tekenRasterEnKoppen(surface, soort.kopKleur);
    tekenLetters(surface, random, soort.uniek);
    if (soort.uniek)
        tekenFreePlaatjes(surface);

    constexpr std::array<QPoint, 6> Nummers{QPoint(5220, 4800), QPoint(5910, 4800),  QPoint(5220, 9960),
                                            QPoint(5910, 9960), QPoint(5220, 15120), QPoint(5910, 15120)};
    drukKaartNummers(surface, Nummers);
    drukVoettekst(surface, reclameTekst, 15720);
    drukBladCode(surface, bladCode, 15720, 5100 + KaartKolomStap);
}

} // namespace

void MaakKaarten(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst, const QString &bladCode)
{
    tekenBlad5x5(surface, random, reclameTekst, {QColor(200, 0, 0), true}, bladCode);
}

void MaakKaartenRandom(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                       const QString &bladCode)
{
    tekenBlad5x5(surface, random, reclameTekst, {QColor(0, 200, 0), false}, bladCode);
}

} // namespace print
