#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// A whole number from the text a user typed, such as the seconds of the word quiz: an
// optional sign ("-" or "+") and decimal digits, optionally followed by a fraction after
// "." or "," (both are taken as the decimal separator, so "150.5" and "150,5" are the
// same). A fraction is rounded to the nearest whole number, a half to the even neighbour
// ("150.5" -> 150, "151.5" -> 152, "-2.5" -> -2). Blanks around the number are allowed.
// Anything else (an empty text, letters, blanks inside, two separators, a result outside
// the 32-bit signed range) gives nullopt.
std::optional<std::int32_t> wholeNumberFromText(std::string_view text);

} // namespace core
