#include "core/quiz/WoordTeksten.h"

namespace core {

std::string AantalWoordenTekst(std::size_t aantal, std::optional<int> lengte)
{
    if (!lengte)
        return AantalWoordenTekst(aantal);
    return AantalWoordenTekst(aantal) + " van " + std::to_string(*lengte) + " Letters";
}

std::string AantalWoordenTekst(std::size_t aantal) { return std::to_string(aantal) + " Woorden"; }

std::string ZonderAccentenMelding(std::string_view getypt, std::string_view toegevoegd)
{
    return "'" + std::string(getypt) + "' is toegevoegd als '" + std::string(toegevoegd)
        + "': in de quiz worden woorden zonder accenten getypt.";
}

std::string WoordVerwijderVraag(std::string_view woord)
{
    return "Wil je '" + std::string(woord) + "' verwijderen uit de lijst?";
}

} // namespace core
