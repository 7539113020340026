#include "core/GetalTekst.h"

#include <limits>

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

bool allDigits(std::string_view text)
{
    for (char c : text)
        if (!isDigit(c))
            return false;
    return true;
}

// Whether a fraction written as decimal digits lies above one half, at it, or below it.
// Worked on the digits themselves, so "0.5000000000000001" is not taken for a half.
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

std::optional<std::int32_t> wholeNumberFromText(std::string_view text)
{
    text = trimmed(text);

    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    const std::size_t separator = text.find_first_of(".,");
    std::string_view whole = text.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view{} : text.substr(separator + 1);

    // "." alone or a sign alone is no number; "5." and ".5" are.
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (!allDigits(whole) || !allDigits(fraction))
        return std::nullopt;

    while (whole.size() > 1 && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > 10) // beyond any 32-bit value, and no overflow below
        return std::nullopt;

    std::int64_t magnitude = 0;
    for (char c : whole)
        magnitude = magnitude * 10 + (c - '0');

    // Rounding the magnitude keeps halves symmetric: -2.5 goes to -2 as 2.5 goes to 2.
    const int half = compareWithHalf(fraction);
    if (half > 0 || (half == 0 && magnitude % 2 == 1))
        ++magnitude;

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(value);
}

} // namespace core
