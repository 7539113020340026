#pragma once

#include <optional>
#include <string_view>

namespace core {

// Shown when a typed page count cannot be used; no job is started then.
inline constexpr const char *PaginaAantalMelding = "Geef een aantal pagina's van 0 tot en met 255.";

// The page count of a print job from the text the user typed: a number from 0 to 255.
// A fraction (with "." or "," before it) is rounded to the nearest whole number, a half
// to the even neighbour ("2.5" -> 2, "3.5" -> 4). Blanks around the number are allowed.
// Anything else (letters, a sign, an empty text, a result above 255) gives nullopt.
std::optional<int> pageCountFromText(std::string_view text);

} // namespace core
