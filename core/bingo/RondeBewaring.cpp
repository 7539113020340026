#include "core/bingo/RondeBewaring.h"

#include "core/bingo/LetterRad.h"

#include <array>
#include <charconv>

namespace core {
namespace {

constexpr std::string_view Kop = "Alfabo Lotto ronde";
constexpr int HoogsteRonde = 32767;
constexpr int HoogsteTeller = 255;

std::vector<std::string_view> regels(std::string_view tekst)
{
    std::vector<std::string_view> uit;
    while (!tekst.empty()) {
        const std::size_t einde = tekst.find("\r\n");
        if (einde == std::string_view::npos)
            return {}; // every line ends with CR LF: a cut-off file is no round
        uit.push_back(tekst.substr(0, einde));
        tekst.remove_prefix(einde + 2);
    }
    return uit;
}

std::optional<int> getal(std::string_view tekst, int hoogste)
{
    int waarde = 0;
    const auto [einde, fout] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), waarde);
    if (fout != std::errc() || einde != tekst.data() + tekst.size() || waarde < 0 || waarde > hoogste)
        return std::nullopt;
    return waarde;
}

} // namespace

std::string rondeBestandTekst(const RondeStand &stand)
{
    std::string letters;
    for (const int letter : stand.letters)
        letters += char('A' + letter - 1);
    return std::string(Kop) + "\r\n" + std::to_string(stand.ronde) + "\r\n" + std::to_string(stand.teller) + "\r\n"
        + letters + "\r\n";
}

std::optional<RondeStand> leesRondeStand(std::string_view bytes)
{
    const std::vector<std::string_view> r = regels(bytes);
    if (r.size() != 4 || r[0] != Kop)
        return std::nullopt;
    const std::optional<int> ronde = getal(r[1], HoogsteRonde);
    const std::optional<int> teller = getal(r[2], HoogsteTeller);
    if (!ronde || *ronde < 1 || !teller || r[3].size() > std::size_t(*teller))
        return std::nullopt;
    RondeStand stand{*ronde, *teller, {}};
    std::array<bool, AantalLetters + 1> gezien{};
    for (const char c : r[3]) {
        const int letter = c - 'A' + 1;
        if (letter < 1 || letter > AantalLetters || gezien[std::size_t(letter)])
            return std::nullopt;
        gezien[std::size_t(letter)] = true;
        stand.letters.push_back(letter);
    }
    return stand;
}

std::string rondeHervatTekst(const RondeStand &stand)
{
    return "Ronde " + std::to_string(stand.ronde) + " hervat, " + std::to_string(stand.letters.size())
        + (stand.letters.size() == 1 ? " letter getrokken" : " letters getrokken");
}

} // namespace core
