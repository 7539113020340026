#include "core/RadStap.h"

namespace core {

double totaleWachttijd(const std::vector<RadStap> &stappen)
{
    double totaal = 0.0;
    for (const RadStap &stap : stappen)
        totaal += stap.wacht;
    return totaal;
}

} // namespace core
