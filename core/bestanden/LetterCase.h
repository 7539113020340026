#pragma once

#include <string>
#include <string_view>

namespace core {

// Letter case for the UTF-8 texts of the program. Every letter that Windows-1252 holds in
// both cases is mapped: A-Z, the Latin-1 letters (À..Þ / à..þ) and Š, Œ, Ž, Ÿ. Letters
// without a partner there (ß, µ) and every other character stay as they are, and so do
// bytes that are not valid UTF-8, so no text loses or changes anything but its case.

std::string toLowerCase(std::string_view utf8);
std::string toUpperCase(std::string_view utf8);

// Orders texts character by character as if both were in lower case: < 0, 0 or > 0.
// Texts that differ only in case compare equal.
int compareIgnoringCase(std::string_view a, std::string_view b);

struct LessIgnoringCase {
    bool operator()(std::string_view a, std::string_view b) const { return compareIgnoringCase(a, b) < 0; }
};

} // namespace core
