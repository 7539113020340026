#include "print/KaartLayouts.h"

namespace print {

void MaakKaartenVan(KaartSoort soort, PageSurface &surface, core::RandomSource &random, const QString &reclameTekst,
                    bool middenstuk, const QString &bladCode)
{
    switch (soort) {
    case KaartSoort::Bingo:
        MaakKaarten(surface, random, reclameTekst, bladCode);
        return;
    case KaartSoort::Random:
        MaakKaartenRandom(surface, random, reclameTekst, bladCode);
        return;
    case KaartSoort::Breed:
        MaakKaartenBreed(surface, random, reclameTekst, middenstuk, bladCode);
        return;
    case KaartSoort::VierBijVier:
        Maak4x4Kaarten(surface, random, reclameTekst, bladCode);
        return;
    }
}

} // namespace print
