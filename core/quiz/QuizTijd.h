#pragma once

#include <cstdint>
#include <string>

namespace core {

// TijdLabel of the quiz countdown.

// Shown when a game starts, before the first tick.
inline constexpr const char *QuizTijdBijStart = "00:00";

// Shown after every tick: minutes and seconds left, each at least two digits, and one
// blank ("02:59 "). A count below 0 is shown as 0.
std::string QuizTijdTekst(std::int32_t resterendeSeconden);

// The countdown ends only when it reaches exactly 0, so a quiz time below 1 second would
// never end. Such a setting (it can be typed in the settings dialog) makes the start
// button refuse to begin a game, with this message.
bool isBruikbareQuizTijd(std::int32_t quizSeconden);
inline constexpr const char *OnbruikbareQuizTijdMelding =
    "De tijd van de Woorden Quiz moet minstens 1 seconde zijn.\r\n"
    "Kies eerst het spel Alfabo Lotto en stel dan bij Instellingen het aantal seconden in.";

} // namespace core
