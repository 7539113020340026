#pragma once

#include <string>

namespace core {

struct Algemeen;

// Alfabolotto.ini: five lines in the comma-delimited convention, Windows-1252, CR LF:
//   "Kwartelhoven Software 2017"
//   "--------------------------"
//   "<ReclameTekst>"
//   red,green,blue
//   QuizSeconden
inline constexpr const char *InstellingenBestand = "Alfabolotto.ini";
inline constexpr const char *MakerRegel = "Kwartelhoven Software 2017";
inline constexpr const char *StreepjesRegel = "--------------------------";

// Reads the settings into state. Reading stops at the first field that is missing or not
// a number in its range; what was read before stays, the rest keeps its start value, and
// the file is then written anew at once (so a missing file is created). Returns whether
// the whole file could be read.
bool LaadInstellingen(Algemeen &state, const std::string &path);

// Writes the five lines from state, replacing the old file only when the new one is whole.
bool BewaarInstellingen(const Algemeen &state, const std::string &path, std::string *error = nullptr);

} // namespace core
