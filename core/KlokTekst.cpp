#include "core/KlokTekst.h"

#include <algorithm>

namespace core {
namespace {

std::string tweeCijfers(int waarde) { return (waarde < 10 ? "0" : "") + std::to_string(waarde); }

} // namespace

std::string KlokTekst(const DatumTijd &moment)
{
    const int maand = std::clamp(moment.maand, 1, 12);
    return std::to_string(moment.dag) + " " + MaandNamen[std::size_t(maand - 1)] + " " + std::to_string(moment.jaar)
        + " / " + std::to_string(moment.uur) + ":" + tweeCijfers(moment.minuut) + ":" + tweeCijfers(moment.seconde);
}

} // namespace core
