#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The texts of the word-list editor.

inline constexpr const char *WoordVerwijderTitel = " Verwijderen";
inline constexpr const char *WoordFoutjeTitel = " Foutje";
inline constexpr const char *WoordGeenKeuzeMelding = "Eerst een woord selecteren uit de lijst...";

// The count line after loading: "5230 Woorden van 5 Letters"; a list whose file name
// gives no word length shows only "5230 Woorden".
std::string AantalWoordenTekst(std::size_t aantal, std::optional<int> lengte);

// The count line after adding or removing a word: "5231 Woorden".
std::string AantalWoordenTekst(std::size_t aantal);

inline constexpr const char *WoordToegevoegdTitel = " Toegevoegd";
// Told when a typed word was added without its accents: "'café' is toegevoegd als 'cafe': ..."
std::string ZonderAccentenMelding(std::string_view getypt, std::string_view toegevoegd);

// "Wil je 'kat' verwijderen uit de lijst?"
std::string WoordVerwijderVraag(std::string_view woord);

} // namespace core
