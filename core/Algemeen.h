#pragma once

#include "core/Kleur.h"

#include <array>
#include <cstdint>
#include <string>

namespace core {

// Which game the main window shows; never saved.
enum class SpelSoort : std::uint8_t {
    Bingo = 1,
    Quiz = 2,
};

// The program's shared run-time state: the three user settings, the game type, the
// bingo round and the word quiz. One instance lives as long as the program; every
// window reads and writes it directly. Texts are UTF-8.
struct Algemeen {
    // The maker's web page: the default advertisement line and the "Meer Software" address.
    static constexpr const char *WebAdres = "www.alfabolotto.nl";

    // Settings, saved in Alfabolotto.ini.
    std::string ReclameTekst = WebAdres;
    Kleur LetterKleur{150, 150, 150};
    std::int32_t QuizSeconden = 150;

    core::SpelSoort SpelSoort = core::SpelSoort::Bingo;

    // Bingo round.
    std::int16_t RondeNummer = 1;
    std::uint8_t LetterTeller = 0;
    std::array<std::uint8_t, 28> Getrokken{}; // index 1 = A .. 26 = Z
    int BordX = 125;
    std::int32_t BordY = -5;

    // Word quiz.
    std::array<std::string, 13> QuizLetters{}; // slots 1..12
    std::int32_t ResterendeSeconden = 0;
    std::string SpelerNaam;
    std::int32_t QuizScore = 0;

    // Letter values of the quiz, indexed by character code 0..90.
    std::array<std::int32_t, 91> LetterWaarde{};

    // The start values every run begins with.
    void zetStartwaarden();
    // Fills LetterWaarde for A..Z; all other codes stay 0.
    void vulLetterWaarde();
};

} // namespace core
