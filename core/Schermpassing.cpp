#include "core/Schermpassing.h"

#include <algorithm>
#include <cmath>

namespace core {

Schermpassing pasOntwerpOp(int schermBreedte, int schermHoogte)
{
    if (schermBreedte <= 0 || schermHoogte <= 0)
        return {1.0, OntwerpBreedte, OntwerpHoogte};
    const double schaal = std::min(double(schermBreedte) / OntwerpBreedte, double(schermHoogte) / OntwerpHoogte);
    // A hair under the exact quotient keeps a width of 1250.0000001 from becoming 1251.
    const auto inOntwerp = [schaal](int pixels, int minimum) {
        return std::max(minimum, int(std::ceil(pixels / schaal - 1e-6)));
    };
    return {schaal, inOntwerp(schermBreedte, OntwerpBreedte), inOntwerp(schermHoogte, OntwerpHoogte)};
}

} // namespace core
