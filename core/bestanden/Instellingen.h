#pragma once

#include "core/bestanden/FileIo.h"

#include <string>

namespace core {

struct Algemeen;

enum class InstellingenLezen {
    Gelezen,    // the whole file was read
    Aangevuld,  // missing or incomplete: what was there was read, and the file written anew
    Onleesbaar, // it exists but cannot be read: the start values stay and the file is left alone
};

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
// the file is then written anew at once (so a missing file is created). A file that is
// there but cannot be read (no permission, a folder) is never replaced: the reason goes to
// *failure.
InstellingenLezen LaadInstellingen(Algemeen &state, const std::string &path, ReadFailure *failure = nullptr);

// Whether two states hold the same settings (the three that Alfabolotto.ini keeps).
bool zelfdeInstellingen(const Algemeen &a, const Algemeen &b);

// Writes the five lines from state, replacing the old file only when the new one is whole.
bool BewaarInstellingen(const Algemeen &state, const std::string &path, std::string *error = nullptr);

} // namespace core
