#include "core/kaarten/PaginaAantal.h"

#include "core/GetalTekst.h"

namespace core {

std::optional<int> pageCountFromText(std::string_view text)
{
    // A page count is never signed: "-0" or "+3" is a typing slip, not a count.
    if (text.find_first_of("+-") != std::string_view::npos)
        return std::nullopt;
    const auto value = wholeNumberFromText(text);
    if (!value || *value < 0 || *value > 255)
        return std::nullopt;
    return int(*value);
}

} // namespace core
