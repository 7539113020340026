#pragma once

#include "core/quiz/WoordScore.h"
#include "core/quiz/WoordVoorraad.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// After a game: the best words the 12 drawn letters allowed, from all word lists, each
// drawn letter used at most once per word as in the game itself.
struct BestWoord {
    std::string woord; // upper case
    std::int32_t punten = 0;
    friend bool operator==(const BestWoord &, const BestWoord &) = default;
};

inline constexpr std::size_t AantalBesteWoorden = 10;

// The `aantal` highest-scoring words (fewer when the letters allow fewer), the highest
// first; on equal points the longer word first, then alphabetical. A word listed twice
// counts once.
std::vector<BestWoord> besteWoorden(const WoordVoorraad &voorraad, const std::array<std::string, 13> &quizLetters,
                                    const LetterWaardeTabel &letterWaarde, std::size_t aantal = AantalBesteWoorden);

// Whether `eerder` is shown above `later`.
bool staatHoger(const BestWoord &eerder, const BestWoord &later);

} // namespace core
