#pragma once

#include <cstddef>
#include <string>

// A word list far larger than any delivered one, for the tests and measurements of big
// input: `aantal` different words of nine letters in upper case, in alphabetical order,
// each line ended by CR LF, exactly as the editor writes a list. Word i is i x 5,000,003
// written in base 26 with the letters A to Z as digits: the words spread over the whole
// alphabet (up to a million of them), and any word of the list can be named.
inline std::string groteLijstWoord(std::size_t i)
{
    unsigned long long n = i * 5000003ULL;
    std::string woord(9, 'A');
    for (std::size_t p = 9; p-- > 0; n /= 26)
        woord[p] = char('A' + n % 26);
    return woord;
}

inline std::string groteWoordenlijst(std::size_t aantal)
{
    std::string lijst;
    lijst.reserve(aantal * 11);
    for (std::size_t i = 0; i < aantal; ++i) {
        lijst += groteLijstWoord(i);
        lijst += "\r\n";
    }
    return lijst;
}
