#include "print/KaartLayouts.h"

namespace print {

void MaakKaartenVan(KaartSoort soort, PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                    bool middenstuk)
{
    switch (soort) {
    case KaartSoort::Bingo:
        MaakKaarten(surface, random, reclameTekst);
        return;
    case KaartSoort::Random:
        MaakKaartenRandom(surface, random, reclameTekst);
        return;
    case KaartSoort::Breed:
        MaakKaartenBreed(surface, random, reclameTekst, middenstuk);
        return;
    case KaartSoort::VierBijVier:
        Maak4x4Kaarten(surface, random, reclameTekst);
        return;
    }
}

} // namespace print
