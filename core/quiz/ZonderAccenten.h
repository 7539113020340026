#pragma once

#include <string>
#include <string_view>

namespace core {

// A word with its accented letters folded to plain ones, in the same case: café gives cafe,
// IDEEËN gives IDEEEN, the ligature ĳ gives ij. Every other character is kept as it is. The
// word lists hold plain A-Z only, and the quiz can be typed on any keyboard.
std::string zonderAccenten(std::string_view utf8);

} // namespace core
