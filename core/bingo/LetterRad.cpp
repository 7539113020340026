#include "core/bingo/LetterRad.h"

#include <algorithm>

namespace core {

RadPositie letterPositie(int i) { return LetterPositie[std::size_t(std::clamp(i, 1, AantalLetters) - 1)]; }

std::vector<RadStap> DraaiRondgangStappen()
{
    std::vector<RadStap> stappen;
    stappen.reserve(AantalLetters);
    for (int i = 1; i <= AantalLetters; ++i)
        stappen.push_back({i, letterPositie(i), 0.05});
    return stappen;
}

std::vector<RadStap> DraaiNaarStappen(int k)
{
    std::vector<RadStap> stappen;
    const int laatste = std::clamp(k, 1, AantalLetters);
    stappen.reserve(std::size_t(laatste));
    for (int i = 1; i <= laatste; ++i) {
        // The extra delay grows by a hundredth per step. It is counted in whole hundredths
        // rather than summed as 0.01 each time, so the 26th step is 0.31 s and not a
        // rounding error more.
        const int extraHonderdsten = i;
        stappen.push_back({i, letterPositie(i), (5 + extraHonderdsten) / 100.0});
    }
    return stappen;
}

} // namespace core
