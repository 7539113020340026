#pragma once

#include "core/quiz/LijstMappen.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// All words of the quiz's lists Woord-2.lst .. Woord-9.lst in one folder, as the quiz can
// play them: each line that holds a word of its list's length in the letters A to Z (any
// case), in upper case. Lines the lookup could never match with a typed word (blanks,
// digits, accented letters, another length) are left out.
struct VoorraadWoord {
    std::string woord;
    std::uint32_t letters = 0; // bit (c - 'A') for each letter c in the word
};

class WoordVoorraad
{
public:
    // The lists read from `mappen`; a list that is missing or unreadable adds no words.
    static WoordVoorraad laad(const LijstMappen &mappen);

    const std::vector<VoorraadWoord> &woorden() const { return m_woorden; }
    std::size_t aantal() const { return m_woorden.size(); }

private:
    std::vector<VoorraadWoord> m_woorden;
};

// The number of words as the help text gives it: rounded down to thousands after "ruim",
// with Dutch thousands separators ("ruim 101.000"); below a thousand the number itself.
std::string ruimAantalWoorden(std::size_t aantal);

} // namespace core
