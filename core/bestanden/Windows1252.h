#pragma once

#include <string>
#include <string_view>

namespace core {

// Text files are Windows-1252 bytes on disk; the program works in UTF-8.

// Every byte has a character in Windows-1252 except 0x81, 0x8D, 0x8F, 0x90 and 0x9D,
// which are kept as the C1 control characters of the same code.
std::string vanWindows1252(std::string_view bytes);

// A character that Windows-1252 cannot hold becomes "?"; so does a malformed UTF-8 sequence.
std::string naarWindows1252(std::string_view utf8);

// True when every character of the UTF-8 text can be written as Windows-1252.
bool pastInWindows1252(std::string_view utf8);

// The text of a file the program reads: a file a text editor saved as UTF-8 (it starts
// with a byte-order mark, which is dropped, or it is valid UTF-8 holding characters beyond
// ASCII) is taken as it is; every other file is Windows-1252. Files are always written
// as Windows-1252.
std::string vanBestandsTekst(std::string_view bytes);

// The bytes of such a file as Windows-1252: a UTF-8 file converted, any other unchanged.
std::string alsWindows1252(std::string_view bytes);

} // namespace core
