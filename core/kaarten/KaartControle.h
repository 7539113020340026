#pragma once

#include "core/kaarten/BingoKaart.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// A claimed card held against the letters drawn this round (Getrokken, index 1 = A .. 26 = Z).
// Free cells count as drawn. On the 5 x 5 cards every complete row, column and diagonal is
// named too; which of them wins is the house's rule.
struct KaartUitslag {
    std::vector<int> ontbrekend;          // letters on the card not drawn yet, each once, A to Z
    std::vector<std::string> volleLijnen; // "Rij 2 vol", "Kolom 4 vol", "Diagonaal van linksboven vol"
    bool vol() const { return ontbrekend.empty(); }
};

KaartUitslag controleerKaart(const BingoKaart &kaart, const std::array<std::uint8_t, 28> &getrokken);

// "Volle kaart!" or "Nog 3 letters: K, P, Z" ("Nog 1 letter: Q").
std::string uitslagTekst(const KaartUitslag &uitslag);

// Whether a cell counts as drawn: its letter was drawn, or it is Free.
bool isAangekruist(const BingoKaart &kaart, int kolom, int rij, const std::array<std::uint8_t, 28> &getrokken);

} // namespace core
