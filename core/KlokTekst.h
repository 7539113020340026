#pragma once

#include "core/Clock.h"

#include <array>
#include <string>

namespace core {

inline constexpr std::array<const char *, 12> MaandNamen = {
    "Januari", "Februari", "Maart",     "April",   "Mei",      "Juni",
    "Juli",    "Augustus", "September", "Oktober", "November", "December",
};

// The caption of the main window's clock, e.g. "5 Maart 2026 / 9:07:03": day and hour
// without a leading zero, minutes and seconds with two digits.
std::string KlokTekst(const DatumTijd &moment);

} // namespace core
