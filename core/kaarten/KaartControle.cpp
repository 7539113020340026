#include "core/kaarten/KaartControle.h"

#include <algorithm>

namespace core {

bool isAangekruist(const BingoKaart &kaart, int kolom, int rij, const std::array<std::uint8_t, 28> &getrokken)
{
    return kaart.isFree(kolom, rij) || getrokken[std::size_t(kaart.letter(kolom, rij))] != 0;
}

KaartUitslag controleerKaart(const BingoKaart &kaart, const std::array<std::uint8_t, 28> &getrokken)
{
    KaartUitslag uitslag;
    for (int kolom = 1; kolom <= kaart.kolommen(); ++kolom)
        for (int rij = 1; rij <= kaart.rijen(); ++rij)
            if (!isAangekruist(kaart, kolom, rij, getrokken))
                uitslag.ontbrekend.push_back(kaart.letter(kolom, rij));
    std::sort(uitslag.ontbrekend.begin(), uitslag.ontbrekend.end());
    uitslag.ontbrekend.erase(std::unique(uitslag.ontbrekend.begin(), uitslag.ontbrekend.end()),
                             uitslag.ontbrekend.end());

    constexpr int Maat = 5;
    if (kaart.kolommen() != Maat || kaart.rijen() != Maat)
        return uitslag;
    const auto lijnVol = [&](auto cel) {
        for (int i = 1; i <= Maat; ++i) {
            const auto [kolom, rij] = cel(i);
            if (!isAangekruist(kaart, kolom, rij, getrokken))
                return false;
        }
        return true;
    };
    for (int rij = 1; rij <= Maat; ++rij)
        if (lijnVol([rij](int i) { return std::pair(i, rij); }))
            uitslag.volleLijnen.push_back("Rij " + std::to_string(rij) + " vol");
    for (int kolom = 1; kolom <= Maat; ++kolom)
        if (lijnVol([kolom](int i) { return std::pair(kolom, i); }))
            uitslag.volleLijnen.push_back("Kolom " + std::to_string(kolom) + " vol");
    if (lijnVol([](int i) { return std::pair(i, i); }))
        uitslag.volleLijnen.push_back("Diagonaal van linksboven vol");
    if (lijnVol([](int i) { return std::pair(Maat + 1 - i, i); }))
        uitslag.volleLijnen.push_back("Diagonaal van rechtsboven vol");
    return uitslag;
}

std::string uitslagTekst(const KaartUitslag &uitslag)
{
    if (uitslag.vol())
        return "Volle kaart!";
    std::string letters;
    for (const int letter : uitslag.ontbrekend)
        letters += (letters.empty() ? "" : ", ") + std::string(1, kaartLetterTeken(letter));
    const std::size_t n = uitslag.ontbrekend.size();
    return "Nog " + std::to_string(n) + (n == 1 ? " letter: " : " letters: ") + letters;
}

} // namespace core
