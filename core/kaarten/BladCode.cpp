#include "core/kaarten/BladCode.h"

#include "core/RandomSource.h"

#include <array>

namespace core {
namespace {

constexpr std::size_t DragerLengte = CodeLengte - 1;
constexpr int BitsPerTeken = 5;

// Multiplication in GF(32), modulo x^5 + x^2 + 1.
std::uint8_t maal(std::uint8_t a, std::uint8_t b)
{
    std::uint8_t uit = 0;
    for (int bit = 0; bit < BitsPerTeken; ++bit) {
        if (b & (1u << bit))
            uit ^= a;
        a = std::uint8_t(a << 1);
        if (a & 0x20)
            a ^= 0x25;
    }
    return uit;
}

// The check value: the sum in GF(32) of character i times x^(i + 1). Every weight differs from
// every other and from 1 (the check's own weight), so a single wrong character or two
// neighbours swapped always change the sum.
std::uint8_t controle(const std::array<std::uint8_t, DragerLengte> &waarden)
{
    std::uint8_t som = 0;
    std::uint8_t gewicht = 1;
    for (const std::uint8_t waarde : waarden) {
        gewicht = maal(gewicht, 2);
        som ^= maal(gewicht, waarde);
    }
    return som;
}

int waardeVan(char teken)
{
    if (teken >= 'a' && teken <= 'z')
        teken = char(teken - 'a' + 'A');
    const std::size_t plek = CodeAlfabet.find(teken);
    return plek == std::string_view::npos ? -1 : int(plek);
}

std::uint32_t drager(const BladCode &code)
{
    const bool middenstuk = code.soort == KaartSoort::Breed && code.middenstuk;
    return (code.zaad % BladCode::ZaadGrens) << 3 | std::uint32_t(middenstuk) << 2 | std::uint32_t(code.soort);
}

std::vector<BingoKaart> maakKaarten(RandomSource &random, int aantal, auto maak)
{
    std::vector<BingoKaart> kaarten;
    for (int i = 0; i < aantal; ++i)
        kaarten.push_back(maak(random));
    return kaarten;
}

} // namespace

std::string codeTekst(const BladCode &code)
{
    std::array<std::uint8_t, DragerLengte> waarden{};
    std::uint32_t rest = drager(code);
    for (std::size_t i = DragerLengte; i-- > 0;) {
        waarden[i] = std::uint8_t(rest & 31u);
        rest >>= BitsPerTeken;
    }
    std::string tekst;
    for (const std::uint8_t waarde : waarden)
        tekst += CodeAlfabet[waarde];
    tekst += CodeAlfabet[controle(waarden)];
    return tekst;
}

std::optional<BladCode> leesCode(std::string_view getypt)
{
    std::string tekens;
    for (const char teken : getypt)
        if (teken != ' ' && teken != '-' && teken != '\t')
            tekens += teken;
    if (tekens.size() != CodeLengte)
        return std::nullopt;
    std::array<std::uint8_t, DragerLengte> waarden{};
    std::uint32_t waarde = 0;
    for (std::size_t i = 0; i < CodeLengte; ++i) {
        const int w = waardeVan(tekens[i]);
        if (w < 0)
            return std::nullopt;
        if (i < DragerLengte) {
            waarden[i] = std::uint8_t(w);
            waarde = waarde << BitsPerTeken | std::uint32_t(w);
        } else if (controle(waarden) != w) {
            return std::nullopt;
        }
    }
    BladCode code;
    code.soort = KaartSoort(waarde & 3u);
    code.middenstuk = (waarde & 4u) != 0;
    code.zaad = waarde >> 3;
    if (code.middenstuk && code.soort != KaartSoort::Breed)
        return std::nullopt;
    return code;
}

std::uint64_t kaartZaad(const BladCode &code) { return std::uint64_t(0xA1FAB0) << 32 | drager(code); }

std::vector<BingoKaart> kaartenVanBlad(const BladCode &code)
{
    SeededRandom random(kaartZaad(code));
    switch (code.soort) {
    case KaartSoort::Bingo:
        return maakKaarten(random, 6, [](RandomSource &r) { return VulKaartUniek(r); });
    case KaartSoort::Random:
        return maakKaarten(random, 6, [](RandomSource &r) { return VulKaartWillekeurig(r, 5, 5); });
    case KaartSoort::Breed: {
        std::vector<BingoKaart> kaarten =
            maakKaarten(random, 3, [](RandomSource &r) { return VulKaartWillekeurig(r, 12, 5); });
        // The middle piece covers the seventh column on paper: those letters cannot be marked.
        for (BingoKaart &kaart : kaarten)
            for (int rij = 1; code.middenstuk && rij <= kaart.rijen(); ++rij)
                kaart.setFree(MiddenstukKolom, rij);
        return kaarten;
    }
    case KaartSoort::VierBijVier:
        return maakKaarten(random, 6, [](RandomSource &r) { return VulKaartWillekeurig(r, 4, 4); });
    }
    return {};
}

} // namespace core
