#include "core/bestanden/Utf8Tekens.h"

namespace core {
namespace {

std::size_t lengteVanTeken(std::string_view tekst, std::size_t i)
{
    const auto eerste = static_cast<unsigned char>(tekst[i]);
    std::size_t lengte = 1;
    if ((eerste & 0xE0) == 0xC0)
        lengte = 2;
    else if ((eerste & 0xF0) == 0xE0)
        lengte = 3;
    else if ((eerste & 0xF8) == 0xF0)
        lengte = 4;
    if (i + lengte > tekst.size())
        return 1;
    for (std::size_t k = 1; k < lengte; ++k)
        if ((static_cast<unsigned char>(tekst[i + k]) & 0xC0) != 0x80)
            return 1;
    return lengte;
}

} // namespace

std::vector<std::string_view> utf8Tekens(std::string_view tekst)
{
    std::vector<std::string_view> tekens;
    for (std::size_t i = 0; i < tekst.size();) {
        const std::size_t lengte = lengteVanTeken(tekst, i);
        tekens.push_back(tekst.substr(i, lengte));
        i += lengte;
    }
    return tekens;
}

std::string asciiHoofdletters(std::string_view tekst)
{
    std::string uit(tekst);
    for (char &c : uit)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return uit;
}

std::string_view zonderBuitensteSpaties(std::string_view tekst)
{
    const auto begin = tekst.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    const auto einde = tekst.find_last_not_of(' ');
    return tekst.substr(begin, einde - begin + 1);
}

} // namespace core
