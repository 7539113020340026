#pragma once

#include "core/kaarten/KaartSoort.h"
#include "print/PageSurface.h"

#include <QString>

namespace core {
class RandomSource;
}

namespace print {

// The four kinds of card sheet the print dialog offers.
using KaartSoort = core::KaartSoort;

// Each card maker draws one sheet on the surface: the cards (new letters from the random
// source, which is reseeded before every letter), the card numbers 1 to 6 (1 to 3 for
// the wide cards) and the advertisement line as footer, with "Blad " and the sheet's code at
// the right end of the card area when one is given. An empty footer text writes nothing; a
// long one stays on one line. The surface is not ended here: the print job
// does that, one document per sheet.
void MaakKaarten(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                 const QString &bladCode = {});
void MaakKaartenRandom(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                       const QString &bladCode = {});
// middenstuk is the state of the dialog's "Inclusief middenstuk" box: ticked covers the
// seventh column of every card with a grey piece.
void MaakKaartenBreed(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst, bool middenstuk,
                      const QString &bladCode = {});
void Maak4x4Kaarten(PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                    const QString &bladCode = {});

// The card maker of a kind; middenstuk counts only for the wide cards.
void MaakKaartenVan(KaartSoort soort, PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                    bool middenstuk = false, const QString &bladCode = {});

// The picture printed over the free corners (the main window's image Free), and the
// name it is drawn under.
inline constexpr const char *FreePlaatjeNaam = "Free";
// Loaded once from the program's pictures, the large version when it is there, since
// the paper shows far more detail than the screen; a null image when the pictures are
// not linked in (the corners then stay as they are).
const QImage &freePlaatje();

} // namespace print
