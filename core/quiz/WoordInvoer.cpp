#include "core/quiz/WoordInvoer.h"

#include "core/bestanden/Utf8Tekens.h"

#include <algorithm>

namespace core {
namespace {

constexpr std::size_t MinimumLengte = 2;

// Each character takes the first still unused drawn letter equal to it. Drawn letters are
// single letters A-Z, so a multi-byte character can never take one.
bool lettersBeschikbaar(std::string_view woord, const std::array<std::string, 13> &quizLetters)
{
    std::vector<std::string_view> pool(quizLetters.begin() + 1, quizLetters.end());
    for (const std::string_view teken : utf8Tekens(woord)) {
        const auto gevonden = std::find_if(pool.begin(), pool.end(),
                                           [&](std::string_view letter) { return !letter.empty() && letter == teken; });
        if (gevonden == pool.end())
            return false;
        pool.erase(gevonden);
    }
    return true;
}

} // namespace

std::string alInLijstMelding(const std::string &woord) { return "Woord '" + woord + "' staat al in de lijst!"; }

WoordBeoordeling beoordeelWoord(std::string_view getypt, const std::vector<std::string> &woorden,
                                const std::array<std::string, 13> &quizLetters)
{
    const std::string_view kaal = zonderBuitensteSpaties(getypt);
    if (utf8Tekens(getypt).size() < MinimumLengte || utf8Tekens(kaal).size() < MinimumLengte)
        return {InvoerUitslag::TeKort, {}};

    std::string hoofdletters = asciiHoofdletters(kaal);
    for (const std::string &woord : woorden)
        if (asciiHoofdletters(woord) == hoofdletters)
            return {InvoerUitslag::AlInLijst, std::move(hoofdletters)};

    if (!lettersBeschikbaar(hoofdletters, quizLetters))
        return {InvoerUitslag::LettersNietBeschikbaar, {}};
    return {InvoerUitslag::Geaccepteerd, std::string(kaal)};
}

} // namespace core
