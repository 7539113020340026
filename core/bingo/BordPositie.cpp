#include "core/bingo/BordPositie.h"

#include "core/Algemeen.h"

#include <algorithm>

namespace core {
namespace {

constexpr int KolomBreedte = 96;
constexpr int RijHoogte = 80;
constexpr int EersteKolomX = 28;

} // namespace

void zetBordStart(Algemeen &state)
{
    state.BordX = BordStartX;
    state.BordY = BordStartY;
}

LetterAfdruk bordAfdruk(const Algemeen &state, int i)
{
    return maakLetterAfdruk(char('A' + i - 1), state.BordX, state.BordY, state.LetterKleur);
}

void schuifBordPositie(Algemeen &state)
{
    state.BordX += KolomBreedte;
    switch (state.LetterTeller) {
    case 3:
    case 8:
    case 13:
    case 18:
        state.BordX = EersteKolomX;
        state.BordY += RijHoogte;
        break;
    case 23:
        // The last row starts in the second column, beside the start button's corner.
        state.BordX = BordStartX;
        state.BordY += RijHoogte;
        break;
    default:
        break;
    }
}

BordVak vakVan(const LetterAfdruk &afdruk)
{
    // The corrections for narrow and wide letters stay well inside half a column.
    const int kolom = (afdruk.wit.x - EersteKolomX + KolomBreedte / 2) / KolomBreedte;
    const int rij = (afdruk.wit.y - BordStartY) / RijHoogte;
    return {std::clamp(kolom, 0, 4), std::clamp(rij, 0, 5)};
}

} // namespace core
