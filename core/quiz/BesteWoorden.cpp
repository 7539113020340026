#include "core/quiz/BesteWoorden.h"

#include <algorithm>

namespace core {
namespace {

using LetterAantallen = std::array<std::int8_t, 26>;

bool kanGelegdWorden(const std::string &woord, LetterAantallen over)
{
    for (const char c : woord)
        if (--over[std::size_t(c - 'A')] < 0)
            return false;
    return true;
}

} // namespace

bool staatHoger(const BestWoord &eerder, const BestWoord &later)
{
    if (eerder.punten != later.punten)
        return eerder.punten > later.punten;
    if (eerder.woord.size() != later.woord.size())
        return eerder.woord.size() > later.woord.size();
    return eerder.woord < later.woord;
}

std::vector<BestWoord> besteWoorden(const WoordVoorraad &voorraad, const std::array<std::string, 13> &quizLetters,
                                    const LetterWaardeTabel &letterWaarde, std::size_t aantal)
{
    LetterAantallen getrokken{};
    std::uint32_t aanwezig = 0;
    for (std::size_t k = 1; k < quizLetters.size(); ++k) {
        const std::string &letter = quizLetters[k];
        if (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z') {
            ++getrokken[std::size_t(letter[0] - 'A')];
            aanwezig |= 1u << (letter[0] - 'A');
        }
    }
    std::vector<BestWoord> mogelijk;
    for (const VoorraadWoord &woord : voorraad.woorden()) {
        // Most words need a letter that was not drawn at all; the mask tells at once.
        if ((woord.letters & ~aanwezig) != 0 || !kanGelegdWorden(woord.woord, getrokken))
            continue;
        mogelijk.push_back({woord.woord, woordPunten(woord.woord, letterWaarde)});
    }
    std::sort(mogelijk.begin(), mogelijk.end(), staatHoger);
    mogelijk.erase(std::unique(mogelijk.begin(), mogelijk.end()), mogelijk.end());
    if (mogelijk.size() > aantal)
        mogelijk.resize(aantal);
    return mogelijk;
}

} // namespace core
