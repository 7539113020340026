#pragma once

#include "core/kaarten/BingoKaart.h"
#include "core/kaarten/KaartSoort.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The code printed on every card sheet ("Blad 7KX3MQA"): everything needed to make that
// sheet's cards again exactly as printed. Seven characters from an alphabet without look-alikes
// (no 0, O, 1 or I): six carry the kind, the wide cards' middle piece and the sheet's seed, the
// seventh is a check character that catches any single wrong character and any swap of two
// neighbours.
struct BladCode {
    static constexpr std::uint32_t ZaadGrens = 1u << 27; // seeds are 0 .. ZaadGrens - 1

    KaartSoort soort = KaartSoort::Bingo;
    bool middenstuk = false; // only the wide cards have one
    std::uint32_t zaad = 0;
    friend bool operator==(const BladCode &, const BladCode &) = default;
};

inline constexpr std::string_view CodeAlfabet = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
inline constexpr std::size_t CodeLengte = 7;

std::string codeTekst(const BladCode &code);
// The code as typed: blanks and hyphens ignored, small letters taken as capitals. Nothing when
// it is no valid code (a wrong length, a character outside the alphabet, a wrong check).
std::optional<BladCode> leesCode(std::string_view getypt);

// The seed of the sheet's random source: the sheet's cards come from SeededRandom(kaartZaad()).
std::uint64_t kaartZaad(const BladCode &code);
inline constexpr int MiddenstukKolom = 7;

// The cards of the sheet, in the order of their numbers (1 to 6, or 1 to 3 for the wide cards).
// Cells under a Free picture or under the wide cards' middle piece are Free: they count as marked.
std::vector<BingoKaart> kaartenVanBlad(const BladCode &code);

} // namespace core
