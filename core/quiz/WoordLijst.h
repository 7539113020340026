#pragma once

#include "core/quiz/LijstMappen.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// One word list of the quiz as the word-list editor holds it: the words in lower case,
// sorted alphabetically (ignoring letter case, as all are lower case), the same word
// possibly twice. Accented letters come after z, in the order of their character codes.
//
// A list file holds one word per line in upper case, Windows-1252, every line ended by
// CR LF, nothing else. It is read as comma-delimited fields, so a line with commas gives
// several words, a quoted field loses its quotes and blanks around an unquoted word are
// dropped; empty fields are skipped.
class WoordLijst
{
public:
    // Replaces the list with the words of the file. A missing or unreadable file leaves
    // the list empty and returns false.
    bool LaadWoordenlijst(const std::string &path);

    // Writes every word in list order, in upper case, one per line. A word that the
    // reader would split or cut (it holds a comma, a double quote or a line end) is
    // written as a quoted field with its quotes doubled, so it cannot swallow the words
    // after it; the quiz never accepts such a word anyway. The old file is replaced only
    // by a complete new one: on failure it stays whole, the reason goes to *error and
    // false is returned.
    bool BewaarWoordenlijst(const std::string &path, std::string *error = nullptr) const;

    // Adds the text in lower case, blanks included, at its sorted place after any equal
    // words, and returns that place. A text of blanks only is not added (nullopt).
    std::optional<std::size_t> add(std::string_view text);

    // Removes the word at index; false when there is no such word.
    bool remove(std::size_t index);

    const std::vector<std::string> &words() const { return m_words; }
    std::size_t count() const { return m_words.size(); }
    bool isEmpty() const { return m_words.empty(); }

private:
    std::vector<std::string> m_words;
};

// The word length of a list, from the seventh character of its file name ("Woord-5.lst"
// gives 5); the digit 1 counts as 9 (so "Woord-10.lst" gives 9 too). A name without a
// digit 1 to 9 there has no usable length: nullopt.
std::optional<int> WoordLengte(std::string_view bestandsnaam);

// The names of the "*.lst" files in both folders, each once (the extension in any letter case),
// in alphabetical order; a folder that cannot be read adds none.
std::vector<std::string> LijstBestanden(const LijstMappen &mappen);

} // namespace core
