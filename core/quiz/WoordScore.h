#pragma once

#include "core/Kleur.h"
#include "core/quiz/WoordZoeken.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Scoring the quiz words when the time is up: every word is looked up in the list of its
// length, Data/Woord-<n>.lst, marked "V" (found) or "X" (not found), and a found word
// scores the sum of its letter values (LetterWaarde), without any bonus.

using LetterWaardeTabel = std::array<std::int32_t, 91>;

// Sum of the values of the word's letters; lower case counts as upper case, and any
// character outside A-Z counts 0.
std::int32_t woordPunten(std::string_view woord, const LetterWaardeTabel &letterWaarde);

inline constexpr const char *MarkeringGevonden = "V";
inline constexpr const char *MarkeringNietGevonden = "X";
inline constexpr Kleur MarkeringKleurGevonden{0, 150, 0};
inline constexpr Kleur MarkeringKleurNietGevonden{150, 0, 0};

struct WoordControle {
    bool gevonden = false;
    std::int32_t punten = 0; // 0 for a word not found

    const char *markering() const { return gevonden ? MarkeringGevonden : MarkeringNietGevonden; }
    Kleur markeringKleur() const { return gevonden ? MarkeringKleurGevonden : MarkeringKleurNietGevonden; }
    // Column 3 of the word's row: the points of a found word, empty otherwise.
    std::string puntenTekst() const { return gevonden ? std::to_string(punten) : std::string(); }
};

struct ControleUitslag {
    std::vector<WoordControle> woorden; // one per word, in the same order
    std::int32_t totaal = 0;
    std::vector<int> ontbrekendeLijsten; // word lengths whose list was missing, each once
};

// ControleerWoorden: every word of the list looked up and scored.
ControleUitslag ControleerWoorden(const std::vector<std::string> &woorden, const LijstMappen &mappen,
                                  const LetterWaardeTabel &letterWaarde);

// Shown once after the check when lists were missing; empty when none were.
std::string ontbrekendeLijstenMelding(const std::vector<int> &lengtes);

// The letter values display of LetterScoreKnop.
inline constexpr const char *WaardeTitel = "Waarde";
inline constexpr const char *WaardeTekst = "Letter Waarde\r\n"
                                           "\r\n"
                                           "A = 1      N = 2\r\n"
                                           "B = 3      O = 2\r\n"
                                           "C = 4      P = 5\r\n"
                                           "D = 3      Q = 9\r\n"
                                           "E  = 1      R = 4\r\n"
                                           "F  = 4      S = 4\r\n"
                                           "G = 4      T = 3\r\n"
                                           "H = 4      U = 6\r\n"
                                           "I   = 2      V = 5\r\n"
                                           "J   = 5     W = 5\r\n"
                                           "K  = 3      X = 9\r\n"
                                           "L  = 3      Y = 8\r\n"
                                           "M = 5     Z = 5\r\n";

} // namespace core
