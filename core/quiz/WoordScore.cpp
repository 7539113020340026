#include "core/quiz/WoordScore.h"

#include "core/bestanden/Utf8Tekens.h"

#include <algorithm>

namespace core {

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

ControleUitslag ControleerWoorden(const std::vector<std::string> &woorden, const LijstMappen &mappen,
                                  const LetterWaardeTabel &letterWaarde)
{
    ControleUitslag uitslag;
    uitslag.woorden.reserve(woorden.size());
    WoordZoeker zoeker(mappen);
    for (const std::string &woord : woorden) {
        const ZoekUitslag zoek = zoeker.zoek(woord);
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
    return std::string(een ? "De woordenlijst " : "De woordenlijsten ") + namen + (een ? " ontbreekt" : " ontbreken")
        + " in de map Data.\r\nWoorden van die lengte zijn als niet gevonden (X) geteld.";
}

} // namespace core
