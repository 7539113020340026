#include "core/quiz/WoordVoorraad.h"

#include "core/bestanden/FileIo.h"
#include "core/quiz/WoordZoeken.h"

#include <string_view>

namespace core {
namespace {

constexpr int KortsteWoord = 2;
constexpr int LangsteWoord = 9;

// The word of one line in upper case, or empty when the line holds no playable word.
std::string speelbaar(std::string_view regel, int lengte, std::uint32_t &letters)
{
    if (!regel.empty() && regel.back() == '\r')
        regel.remove_suffix(1);
    if (int(regel.size()) != lengte)
        return {};
    std::string woord(regel);
    letters = 0;
    for (char &c : woord) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            return {};
        letters |= 1u << (c - 'A');
    }
    return woord;
}

std::string duizendtallen(std::size_t aantal)
{
    std::string cijfers = std::to_string(aantal);
    for (int plek = int(cijfers.size()) - 3; plek > 0; plek -= 3)
        cijfers.insert(std::size_t(plek), 1, '.');
    return cijfers;
}

} // namespace

WoordVoorraad WoordVoorraad::laad(const LijstMappen &mappen)
{
    WoordVoorraad voorraad;
    for (int lengte = KortsteWoord; lengte <= LangsteWoord; ++lengte) {
        const auto inhoud = readFile(woordLijstPad(mappen, lengte));
        if (!inhoud)
            continue;
        std::string_view rest(*inhoud);
        while (!rest.empty()) {
            const std::size_t einde = rest.find('\n');
            const std::string_view regel = rest.substr(0, einde);
            rest = einde == std::string_view::npos ? std::string_view() : rest.substr(einde + 1);
            VoorraadWoord woord;
            woord.woord = speelbaar(regel, lengte, woord.letters);
            if (!woord.woord.empty())
                voorraad.m_woorden.push_back(std::move(woord));
        }
    }
    return voorraad;
}

std::string ruimAantalWoorden(std::size_t aantal)
{
    if (aantal < 1000)
        return std::to_string(aantal);
    return "ruim " + duizendtallen(aantal / 1000 * 1000);
}

} // namespace core
