#pragma once

#include "core/LetterAfdruk.h"

namespace core {

struct Algemeen;

// Where the drawn letters of a round land on the board (pixels, 5 columns of 96 and
// 6 rows of 80). The first and last rows use only the middle three cells, because the
// corner cells hold the logo and the start button:
//   row 1: letters 1-3, rows 2-5: five letters each (4-23), row 6: letters 24-26.
// BordX and BordY of the shared state hold the top left of the next letter's text.

inline constexpr int BordStartX = 125;
inline constexpr int BordStartY = -5;

// Puts the print position on the first letter's cell (row 1, column 2).
void zetBordStart(Algemeen &state);

// The two copies of letter i (1 = A .. 26 = Z) at the current print position, in
// LetterKleur.
LetterAfdruk bordAfdruk(const Algemeen &state, int i);

// The cell of the board a printed letter stands in: column 0..4, row 0..5.
struct BordVak {
    int kolom = 0;
    int rij = 0;
    friend bool operator==(const BordVak &, const BordVak &) = default;
};
BordVak vakVan(const LetterAfdruk &afdruk);

// Moves the print position on after a letter was printed; LetterTeller already counts
// that letter and decides the line breaks.
void schuifBordPositie(Algemeen &state);

} // namespace core
