#include "core/spraak/Roepnamen.h"

#include <array>

namespace core {

namespace {

struct Roepnaam {
    std::string_view letter; // the letter as said
    std::string_view naam;   // the name as said
};

// The telephone alphabet, checked with espeak-ng's Dutch voice (espeak-ng -v nl -x).
// Respelled: Anton, Cornelis, Gerard, Maria, Quirinus, Simon, Utrecht, Xantippe and Ypsilon
// (stress or vowel), and the letter S (said as a hiss otherwise).
constexpr std::array<Roepnaam, 26> Roepnamen{{
    {"A", "Antonn"},   {"B", "Bernard"}, {"C", "Kor-neelis"}, {"D", "Dirk"},   {"E", "Eduard"},     {"F", "Ferdinand"},
    {"G", "Geerard"},  {"H", "Hendrik"}, {"I", "Izaak"},      {"J", "Jan"},    {"K", "Karel"},      {"L", "Lodewijk"},
    {"M", "Marieja"},  {"N", "Nico"},    {"O", "Otto"},       {"P", "Pieter"}, {"Q", "Kwirie-nus"}, {"R", "Rudolf"},
    {"Es", "Simonn"},  {"T", "Teunis"},  {"U", "Uutrecht"},   {"V", "Victor"}, {"W", "Willem"},     {"X", "Ksan-tippe"},
    {"Y", "Ypsilonn"}, {"Z", "Zaandam"},
}};

} // namespace

std::string roepZin(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = char(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        return {};
    const Roepnaam &roep = Roepnamen[std::size_t(letter - 'A')];
    return std::string(roep.letter) + " van " + std::string(roep.naam);
}

std::string uitslagZin(std::string_view naam, int punten)
{
    std::string zin = std::to_string(punten) + (punten == 1 ? " punt" : " punten");
    return naam.empty() ? zin : std::string(naam) + ", " + zin;
}

} // namespace core
