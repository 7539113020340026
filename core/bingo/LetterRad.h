#pragma once

#include "core/RadStap.h"

#include <array>
#include <vector>

namespace core {

// The bingo letter wheel: A to Z clockwise round the centre (300, 300), A at the top.
//
// A draw animates the wheel in two runs, both replayed by the window step by step:
//   1. DraaiRondgang: one full sweep over all 26 letters, 0.05 s per letter (1.3 s).
//   2. DraaiNaar(k): from A on to the chosen letter k, slowing down: step i waits
//      0.05 + 0.01 x i seconds, so A takes 0.06 s and Z 4.81 s.
// The letter is chosen between the two runs; the wheel only shows what was decided.

inline constexpr int AantalLetters = 26;

// Pointer end points, as measured on the wheel picture; row i - 1 holds letter i.
inline constexpr std::array<RadPositie, AantalLetters> LetterPositie{{
    {300, 90, 'A'},  {351, 94, 'B'},  {398, 112, 'C'}, {438, 139, 'D'}, {473, 178, 'E'}, {498, 226, 'F'},
    {511, 274, 'G'}, {510, 322, 'H'}, {499, 373, 'I'}, {476, 417, 'J'}, {442, 456, 'K'}, {400, 488, 'L'},
    {351, 505, 'M'}, {300, 513, 'N'}, {250, 505, 'O'}, {203, 488, 'P'}, {159, 457, 'Q'}, {125, 419, 'R'},
    {103, 375, 'S'}, {90, 327, 'T'},  {89, 278, 'U'},  {102, 225, 'V'}, {126, 178, 'W'}, {163, 139, 'X'},
    {204, 110, 'Y'}, {252, 93, 'Z'},
}};

// Where the pointer stands at rest before the first draw.
inline constexpr RadPositie WijzerStart = LetterPositie[0];

// Pointer end point and letter for letter number i (1 = A .. 26 = Z).
RadPositie letterPositie(int i);

// The steps of the full sweep.
std::vector<RadStap> DraaiRondgangStappen();

// The steps of the slowing run from A to letter k (1..26).
std::vector<RadStap> DraaiNaarStappen(int k);

} // namespace core
