#include "core/WoordScore.h"

#include "core/FileIo.h"
#include "core/Utf8Tekens.h"
#include "core/Windows1252.h"

#include <algorithm>

namespace core {
namespace {

// Upper case within Windows-1252, so a list line and a word compare the same way
// whatever their case, accented letters included.
unsigned char hoofdletter1252(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // à..þ except ÷
        return c - 0x20;
    switch (c) {
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
        return c - 0x10;
    case 0xFF: // ÿ
        return 0x9F;
    default:
        return c;
    }
}

std::string hoofdletters1252(std::string_view bytes)
{
    std::string uit(bytes);
    for (char &c : uit)
        c = char(hoofdletter1252(static_cast<unsigned char>(c)));
    return uit;
}

bool gelijkZonderHoofdletters(std::string_view regel, std::string_view gezocht)
{
    if (regel.size() != gezocht.size())
        return false;
    for (std::size_t i = 0; i < regel.size(); ++i)
        if (char(hoofdletter1252(static_cast<unsigned char>(regel[i]))) != gezocht[i])
            return false;
    return true;
}

} // namespace

std::int32_t woordPunten(std::string_view woord, const LetterWaardeTabel &letterWaarde)
{
    std::int32_t punten = 0;
    for (const char c : woord) {
        const auto code = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        if (code < letterWaarde.size())
            punten += letterWaarde[code];
    }
    return punten;
}

std::string woordLijstPad(const std::string &map, int lengte)
{
    return map + "/Woord-" + std::to_string(lengte) + ".lst";
}

ZoekUitslag ZoekWoord(const std::string &map, std::string_view woord)
{
    const auto inhoud = readFile(woordLijstPad(map, int(utf8Tekens(woord).size())));
    if (!inhoud)
        return ZoekUitslag::LijstOntbreekt;

    const std::string gezocht = hoofdletters1252(naarWindows1252(woord));
    const std::string_view tekst(*inhoud);
    std::size_t begin = 0;
    while (begin < tekst.size()) {
        std::size_t einde = tekst.find('\n', begin);
        if (einde == std::string_view::npos)
            einde = tekst.size();
        std::string_view regel = tekst.substr(begin, einde - begin);
        if (!regel.empty() && regel.back() == '\r')
            regel.remove_suffix(1);
        if (gelijkZonderHoofdletters(regel, gezocht))
            return ZoekUitslag::Gevonden;
        begin = einde + 1;
    }
    return ZoekUitslag::NietGevonden;
}

ControleUitslag ControleerWoorden(const std::vector<std::string> &woorden, const std::string &map,
                                  const LetterWaardeTabel &letterWaarde)
{
    ControleUitslag uitslag;
    uitslag.woorden.reserve(woorden.size());
    for (const std::string &woord : woorden) {
        const ZoekUitslag zoek = ZoekWoord(map, woord);
        WoordControle controle;
        controle.gevonden = zoek == ZoekUitslag::Gevonden;
        if (controle.gevonden) {
            controle.punten = woordPunten(woord, letterWaarde);
            uitslag.totaal += controle.punten;
        }
        if (zoek == ZoekUitslag::LijstOntbreekt) {
            const int lengte = int(utf8Tekens(woord).size());
            auto &ontbrekend = uitslag.ontbrekendeLijsten;
            if (std::find(ontbrekend.begin(), ontbrekend.end(), lengte) == ontbrekend.end())
                ontbrekend.push_back(lengte);
        }
        uitslag.woorden.push_back(controle);
    }
    return uitslag;
}

std::string ontbrekendeLijstenMelding(const std::vector<int> &lengtes)
{
    if (lengtes.empty())
        return {};
    std::string namen;
    for (std::size_t i = 0; i < lengtes.size(); ++i) {
        if (i > 0)
            namen += i + 1 == lengtes.size() ? " en " : ", ";
        namen += "Woord-" + std::to_string(lengtes[i]) + ".lst";
    }
    const bool een = lengtes.size() == 1;
    return std::string(een ? "De woordenlijst " : "De woordenlijsten ") + namen
           + (een ? " ontbreekt" : " ontbreken")
           + " in de map Data.\r\nWoorden van die lengte zijn als niet gevonden (X) geteld.";
}

} // namespace core
