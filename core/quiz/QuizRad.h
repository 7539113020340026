#pragma once

#include "core/LetterAfdruk.h"
#include "core/RadStap.h"

#include <array>
#include <vector>

namespace core {

class RandomSource;

// The word-quiz wheel: 32 sectors clockwise from the top. Common letters stand on more
// sectors (E four times, A three, O twice, every other letter once), so they come up more
// often.
//
// Drawing the 12 quiz letters, per letter k = 1..12:
//   1. a full turn over the 32 sectors, 0.05 s each;
//   2. a stopping position r in 1..32 is chosen (kiesQuizPositie);
//   3. a partial turn over sectors 1..r, 0.05 s each, so the wheel ends on r;
//   4. the letter of r is printed in box k of the letter field (quizLetterAfdruk) and
//      stored in slot k of QuizLetters;
//   5. a pause of QuizLetterPauze seconds.
// The choice (kiesQuizLetters) is made without the window; the window replays the steps.

inline constexpr int QuizRadPosities = 32;
inline constexpr int AantalQuizLetters = 12;
inline constexpr double QuizRadStapWacht = 0.05;
inline constexpr double QuizLetterPauze = 2.0;

// Row p - 1 holds sector p.
inline constexpr std::array<RadPositie, QuizRadPosities> QuizRadTabel{{
    {300, 88, 'A'},  {340, 92, 'E'},  {380, 104, 'J'}, {417, 123, 'Q'}, {449, 150, 'F'}, {474, 181, 'R'},
    {496, 220, 'K'}, {509, 260, 'S'}, {511, 300, 'B'}, {508, 337, 'T'}, {496, 378, 'L'}, {478, 415, 'A'},
    {453, 448, 'G'}, {422, 474, 'U'}, {383, 494, 'M'}, {341, 509, 'E'}, {300, 512, 'C'}, {258, 507, 'V'},
    {216, 494, 'N'}, {181, 475, 'A'}, {149, 449, 'H'}, {124, 416, 'W'}, {103, 378, 'O'}, {92, 339, 'E'},
    {88, 300, 'D'},  {92, 260, 'X'},  {103, 219, 'P'}, {123, 183, 'O'}, {148, 153, 'E'}, {180, 124, 'Y'},
    {217, 104, 'I'}, {259, 93, 'Z'},
}};

// Sector p (1..32).
RadPositie quizRadPositie(int p);

// One stopping position, every sector with the same chance; the generator is reseeded first.
int kiesQuizPositie(RandomSource &random);

struct QuizTrekking {
    int positie = 1; // the sector the wheel stops on
    char letter = 'A';
};

// The 12 letters of one game, in draw order. The same letter may come up several times.
std::array<QuizTrekking, AantalQuizLetters> kiesQuizLetters(RandomSource &random);

// The wheel steps for one letter: a full turn, then sectors 1..r.
std::vector<RadStap> quizRadStappen(int r);

// Letter k (1..12) in the letter field: two rows of six boxes of 80 pixels, the text 19
// pixels into its box, in white and in kleur.
LetterAfdruk quizLetterAfdruk(int k, char letter, Kleur kleur);

} // namespace core
