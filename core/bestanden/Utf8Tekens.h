#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// The characters of a UTF-8 text, each as its own (possibly multi-byte) piece. A
// malformed byte becomes a piece of one byte, so nothing is lost and nothing is read
// beyond the text.
std::vector<std::string_view> utf8Tekens(std::string_view tekst);

// Upper case for A-Z only; every other character is kept as it is.
std::string asciiHoofdletters(std::string_view tekst);

// The text without blanks (spaces) at both ends.
std::string_view zonderBuitensteSpaties(std::string_view tekst);

} // namespace core
