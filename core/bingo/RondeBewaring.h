#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// A bingo round as it stands, kept on disk after every draw, so that a round cut off by a crash
// or a power cut can be taken up again at the next start. The file (Data/Ronde.dat) is removed
// when the operator ends the program with "Ja"; the next start then begins at round 1.
//
// The file, Windows-1252 text with CR LF: the line "Alfabo Lotto ronde", the round number,
// the letter counter, and the drawn letters in the order they were drawn (A to Z, each once).
struct RondeStand {
    int ronde = 1;
    int teller = 0;           // the letter counter: the draws, and the presses after the last
    std::vector<int> letters; // 1 = A .. 26 = Z, in draw order
    friend bool operator==(const RondeStand &, const RondeStand &) = default;
};

inline constexpr const char *RondeBestand = "Ronde.dat";

std::string rondeBestandTekst(const RondeStand &stand);
// Nothing for a file that is no round of this program, or a damaged one.
std::optional<RondeStand> leesRondeStand(std::string_view bytes);

// "Ronde 3 hervat, 17 letters getrokken", told when a round is taken up again.
std::string rondeHervatTekst(const RondeStand &stand);

} // namespace core
