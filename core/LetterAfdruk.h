#pragma once

#include "core/Kleur.h"

namespace core {

struct DrukPunt {
    int x = 0;
    int y = 0;
    friend bool operator==(const DrukPunt &, const DrukPunt &) = default;
};

// A large letter is printed twice: first in white, then in the letter colour one pixel
// right and down, so a thin white edge shows at its top and left.
struct LetterAfdruk {
    char letter = 'A';
    DrukPunt wit;      // top left of the white copy
    DrukPunt gekleurd; // top left of the coloured copy
    Kleur kleur;       // colour of the second copy
    friend bool operator==(const LetterAfdruk &, const LetterAfdruk &) = default;
};

inline constexpr Kleur AfdrukWit{255, 255, 255};

// Shifts narrow and wide letters so they stand centred in their cell, in pixels:
// I +7, J +3, M -4, W -10, every other letter 0.
int horizontaleCorrectie(char letter);

// Both copies of letter for the print position (x, y), the correction included.
LetterAfdruk maakLetterAfdruk(char letter, int x, int y, Kleur kleur);

} // namespace core
