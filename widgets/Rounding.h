#pragma once

#include <cmath>

namespace widgets {

// Rounds to the nearest whole number, a half going to the even neighbour (2.5 -> 2,
// 3.5 -> 4), the way the button's layout arithmetic has always rounded.
inline int roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double rest = value - lower;
    if (rest > 0.5)
        return int(lower) + 1;
    if (rest < 0.5)
        return int(lower);
    return std::fmod(lower, 2.0) == 0.0 ? int(lower) : int(lower) + 1;
}

} // namespace widgets
