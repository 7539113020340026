#include "core/PaginaAantal.h"

namespace core {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether a fraction written as decimal digits lies above one half, at it, or below it.
// Worked on the digits themselves, so "2.5000000000000001" is not taken for a half.
int compareWithHalf(std::string_view fraction)
{
    if (fraction.empty() || fraction[0] < '5')
        return -1;
    if (fraction[0] > '5')
        return 1;
    for (char c : fraction.substr(1))
        if (c != '0')
            return 1;
    return 0;
}

} // namespace

std::optional<int> pageCountFromText(std::string_view text)
{
    text = trimmed(text);

    const std::size_t separator = text.find_first_of(".,");
    std::string_view whole = text.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view{} : text.substr(separator + 1);

    if (whole.empty() && fraction.empty())
        return std::nullopt;
    for (char c : whole)
        if (!isDigit(c))
            return std::nullopt;
    for (char c : fraction)
        if (!isDigit(c))
            return std::nullopt;

    while (whole.size() > 1 && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > 3) // certainly above 255, and no overflow below
        return std::nullopt;

    int value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');

    const int half = compareWithHalf(fraction);
    if (half > 0 || (half == 0 && value % 2 == 1))
        ++value;

    if (value > 255)
        return std::nullopt;
    return value;
}

} // namespace core
