#include "core/quiz/ScoreTeksten.h"

namespace core {
namespace {

// Skips count UTF-8 characters, so a text cut there is never cut inside a character.
std::size_t characterOffset(std::string_view text, std::size_t count)
{
    std::size_t i = 0;
    while (i < text.size() && count > 0) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
        --count;
    }
    return i;
}

} // namespace

std::string ScoreNaamDeel(std::string_view entry)
{
    // A four-digit score puts the name at the eighth character; looking for the " - "
    // after the score also finds it behind a score of five digits or more.
    const std::size_t dash = entry.find(" - ");
    const std::size_t start = dash != std::string_view::npos ? dash + 3 : characterOffset(entry, 7);
    const std::string_view naam = entry.substr(start);
    return naam.empty() ? "..." : std::string(naam);
}

std::string ScoreVerwijderVraag(std::string_view entry)
{
    return "Wilt u '" + ScoreNaamDeel(entry) + "' verwijderen uit de lijst?";
}

std::string ScoreVerwijderAllesVraag(std::size_t aantal)
{
    return "Wilt u alle " + std::to_string(aantal) + " namen verwijderen?";
}

std::string AantalNamenTekst(std::size_t aantal) { return std::to_string(aantal) + " namen in de lijst"; }

} // namespace core
