#pragma once

#include <string>
#include <string_view>

namespace core {

// How a drawn letter is called aloud: the Dutch spelling alphabet, "B van Bernard".
//
// The sentences are written for the voice: where the Dutch voice would stress a name on
// the wrong syllable, or say a letter as a bare sound, the name or letter is respelled so
// that it sounds right ("Antonn" for Anton, "Es" for the letter S).

// The letter's call, as the voice is given it; letter is 'A' to 'Z' (lower case is taken
// as upper case). Anything else gives an empty sentence.
std::string roepZin(char letter);

// The result of a quiz game: "Anna, 54 punten"; one point is "1 punt"; without a name
// only the points are said.
std::string uitslagZin(std::string_view naam, int punten);

} // namespace core
