#include "core/quiz/ZonderAccenten.h"

#include "core/bestanden/Utf8Tekens.h"

#include <array>
#include <utility>

namespace core {
namespace {

// Each accented letter with the plain letter it folds to; the upper case half mirrors the lower.
constexpr std::array<std::pair<std::string_view, std::string_view>, 58> Vouwingen{{
    {"á", "a"}, {"à", "a"},  {"â", "a"}, {"ä", "a"},  {"ã", "a"}, {"å", "a"}, {"é", "e"}, {"è", "e"}, {"ê", "e"},
    {"ë", "e"}, {"í", "i"},  {"ì", "i"}, {"î", "i"},  {"ï", "i"}, {"ó", "o"}, {"ò", "o"}, {"ô", "o"}, {"ö", "o"},
    {"õ", "o"}, {"ø", "o"},  {"ú", "u"}, {"ù", "u"},  {"û", "u"}, {"ü", "u"}, {"ý", "y"}, {"ÿ", "y"}, {"ç", "c"},
    {"ñ", "n"}, {"ĳ", "ij"}, {"Á", "A"}, {"À", "A"},  {"Â", "A"}, {"Ä", "A"}, {"Ã", "A"}, {"Å", "A"}, {"É", "E"},
    {"È", "E"}, {"Ê", "E"},  {"Ë", "E"}, {"Í", "I"},  {"Ì", "I"}, {"Î", "I"}, {"Ï", "I"}, {"Ó", "O"}, {"Ò", "O"},
    {"Ô", "O"}, {"Ö", "O"},  {"Õ", "O"}, {"Ø", "O"},  {"Ú", "U"}, {"Ù", "U"}, {"Û", "U"}, {"Ü", "U"}, {"Ý", "Y"},
    {"Ÿ", "Y"}, {"Ç", "C"},  {"Ñ", "N"}, {"Ĳ", "IJ"},
}};

} // namespace

std::string zonderAccenten(std::string_view utf8)
{
    std::string uit;
    uit.reserve(utf8.size());
    for (const std::string_view teken : utf8Tekens(utf8)) {
        std::string_view plat = teken;
        if (teken.size() > 1)
            for (const auto &[accent, letter] : Vouwingen)
                if (teken == accent)
                    plat = letter;
        uit += plat;
    }
    return uit;
}

} // namespace core
