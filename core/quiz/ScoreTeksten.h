#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// The questions and messages of the high-score dialog.

inline constexpr const char *ScoreVerwijderTitel = " Delete";
inline constexpr const char *ScoreVerwijderAllesTitel = " Delete All";
inline constexpr const char *ScoreFoutjeTitel = " Foutje";
inline constexpr const char *ScoreGeenKeuzeMelding = "Eerst een naam selecteren...";

// The name part of an entry: what follows the score and " - " ("Twee" of "0123 - Twee"),
// or "..." when that is empty or no entry is chosen (entry empty).
std::string ScoreNaamDeel(std::string_view entry);

// "Wilt u 'Twee' verwijderen uit de lijst?"
std::string ScoreVerwijderVraag(std::string_view entry);

// "Wilt u alle 3 namen verwijderen?"
std::string ScoreVerwijderAllesVraag(std::size_t aantal);

// "3 namen in de lijst"
std::string AantalNamenTekst(std::size_t aantal);

} // namespace core
