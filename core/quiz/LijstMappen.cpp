#include "core/quiz/LijstMappen.h"

#include <filesystem>

namespace core {

std::string LijstMappen::pad(const std::string &bestand) const
{
    const std::string eigenPad = eigen + "/" + bestand;
    std::error_code fout;
    return eigen == meegeleverd || std::filesystem::exists(eigenPad, fout) ? eigenPad : meegeleverd + "/" + bestand;
}

} // namespace core
