#pragma once

#include "core/quiz/LijstMappen.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Looking a quiz word up in the word list of its length, Data/Woord-<n>.lst: one word per
// line, Windows-1252, lines ended by CR LF (LF alone is read as well). A line matches when
// it equals the whole word regardless of letter case; blanks are not removed, so a line
// "KAT " does not match KAT. Every check reads its lists afresh, so words added in the
// word-list editor count at once.

enum class ZoekUitslag {
    Gevonden,
    NietGevonden,
    LijstOntbreekt, // no list for this length could be read; the word counts as not found
};

// Woord-<lengte>.lst, the operator's edited copy or the shipped one.
std::string woordLijstPad(const LijstMappen &mappen, int lengte);

// The word (UTF-8) in the list of its length in characters.
ZoekUitslag ZoekWoord(const LijstMappen &mappen, std::string_view woord);

// Many words looked up at once, as at the end of a game: each list is read once, on the first
// word of its length, and kept for the words after it.
class WoordZoeker
{
public:
    explicit WoordZoeker(LijstMappen mappen)
        : m_mappen(std::move(mappen))
    {}
    ZoekUitslag zoek(std::string_view woord);

private:
    LijstMappen m_mappen;
    std::map<int, std::optional<std::string>> m_lijsten; // by word length; nullopt: unreadable
};

// The matching itself, on the bytes of a list and a word in Windows-1252.
bool staatInLijst(std::string_view lijst, std::string_view woord1252);

} // namespace core
