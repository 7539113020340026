#include "core/kaarten/BingoKaart.h"

#include <array>
#include <cassert>

namespace core {

BingoKaart::BingoKaart(int kolommen, int rijen)
    : m_kolommen(kolommen)
    , m_rijen(rijen)
    , m_cellen(std::size_t(kolommen) * std::size_t(rijen))
{
    assert(kolommen > 0 && rijen > 0);
}

std::size_t BingoKaart::index(int kolom, int rij) const
{
    assert(kolom >= 1 && kolom <= m_kolommen && rij >= 1 && rij <= m_rijen);
    return std::size_t(kolom - 1) * std::size_t(m_rijen) + std::size_t(rij - 1);
}

int TrekKaartLetter(RandomSource &random)
{
    random.reseed();
    return random.nextInRange(26);
}

BingoKaart VulKaartUniek(RandomSource &random)
{
    constexpr int Maat = 5;
    BingoKaart kaart(Maat, Maat);
    std::array<bool, 27> gebruikt{}; // index 1..26

    for (int kolom = 1; kolom <= Maat; ++kolom) {
        for (int rij = 1; rij <= Maat; ++rij) {
            int letter = TrekKaartLetter(random);
            while (gebruikt[std::size_t(letter)])
                letter = TrekKaartLetter(random);
            gebruikt[std::size_t(letter)] = true;
            kaart.setLetter(kolom, rij, letter);
        }
    }

    kaart.setFree(1, 1);
    kaart.setFree(Maat, 1);
    kaart.setFree(1, Maat);
    kaart.setFree(Maat, Maat);
    return kaart;
}

BingoKaart VulKaartWillekeurig(RandomSource &random, int kolommen, int rijen)
{
    BingoKaart kaart(kolommen, rijen);
    for (int kolom = 1; kolom <= kolommen; ++kolom)
        for (int rij = 1; rij <= rijen; ++rij)
            kaart.setLetter(kolom, rij, TrekKaartLetter(random));
    return kaart;
}

} // namespace core
