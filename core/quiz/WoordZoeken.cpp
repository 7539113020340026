#include "core/quiz/WoordZoeken.h"

#include "core/bestanden/FileIo.h"
#include "core/bestanden/Utf8Tekens.h"
#include "core/bestanden/Windows1252.h"

#include <algorithm>
#include <array>
#include <optional>

namespace core {
namespace {

// Upper case within Windows-1252, so a list line and a word compare the same way
// whatever their case, accented letters included: a-z, à-þ (but not ÷), š, œ, ž and ÿ.
constexpr unsigned char hoofdletter1252(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    switch (c) {
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
        return c - 0x10;
    case 0xFF: // ÿ
        return 0x9F;
    default:
        return c;
    }
}

// Looked up, not computed: the search compares hundreds of thousands of bytes per game.
constexpr std::array<unsigned char, 256> HoofdletterTabel = [] {
    std::array<unsigned char, 256> tabel{};
    for (int c = 0; c < 256; ++c)
        tabel[std::size_t(c)] = hoofdletter1252(static_cast<unsigned char>(c));
    return tabel;
}();

bool zelfdeLetter(char x, char y)
{
    return HoofdletterTabel[static_cast<unsigned char>(x)] == HoofdletterTabel[static_cast<unsigned char>(y)];
}

// Equal length and equal letters, regardless of case.
bool gelijkZonderHoofdletters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), zelfdeLetter);
}

// The whole list in one read, as Windows-1252: a game checks dozens of words against
// lists of several hundred kilobytes, and one read per list keeps that quick.
std::optional<std::string> leesLijst(const std::string &pad)
{
    const std::optional<std::string> bytes = readFile(pad);
    if (!bytes)
        return std::nullopt;
    return alsWindows1252(*bytes);
}

// A line ends at LF, at CR LF, or at the end of the list (a CR just before it included).
bool isRegelEinde(std::string_view tekst, std::size_t p)
{
    if (p == tekst.size() || tekst[p] == '\n')
        return true;
    return tekst[p] == '\r' && (p + 1 == tekst.size() || tekst[p + 1] == '\n');
}

// Finds the word as a whole line, regardless of case. Rather than cutting the list into
// lines it looks for a line break followed by the word (a Horspool search, which skips
// ahead by up to the word's length at a time and folds case only where it compares) and
// then checks that the line ends right after the word. The result is the same as
// comparing line by line.
bool zoekAlsRegel(std::string_view lijst, std::string_view woord)
{
    // The first line has no line break before it.
    if (gelijkZonderHoofdletters(lijst.substr(0, woord.size()), woord) && isRegelEinde(lijst, woord.size()))
        return true;

    const std::string patroon = "\n" + std::string(woord);
    const std::size_t m = patroon.size();
    // How far the search may move on when the last byte under the pattern is b: to the
    // next place where b, in either case, lines up with the same letter in the pattern.
    std::array<std::size_t, 256> sprong;
    sprong.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i)
        for (int b = 0; b < 256; ++b)
            if (zelfdeLetter(char(b), patroon[i]))
                sprong[std::size_t(b)] = m - 1 - i;

    for (std::size_t plek = 0; plek + m <= lijst.size();) {
        const char laatste = lijst[plek + m - 1];
        if (zelfdeLetter(laatste, patroon.back()) && gelijkZonderHoofdletters(lijst.substr(plek, m), patroon)
            && isRegelEinde(lijst, plek + m))
            return true;
        plek += sprong[static_cast<unsigned char>(laatste)];
    }
    return false;
}

} // namespace

std::string woordLijstPad(const LijstMappen &mappen, int lengte)
{
    return mappen.pad("Woord-" + std::to_string(lengte) + ".lst");
}

bool staatInLijst(std::string_view lijst, std::string_view woord1252) { return zoekAlsRegel(lijst, woord1252); }

ZoekUitslag ZoekWoord(const LijstMappen &mappen, std::string_view woord) { return WoordZoeker(mappen).zoek(woord); }

ZoekUitslag WoordZoeker::zoek(std::string_view woord)
{
    const int lengte = int(utf8Tekens(woord).size());
    auto plek = m_lijsten.find(lengte);
    if (plek == m_lijsten.end())
        plek = m_lijsten.emplace(lengte, leesLijst(woordLijstPad(m_mappen, lengte))).first;
    const std::optional<std::string> &lijst = plek->second;
    if (!lijst)
        return ZoekUitslag::LijstOntbreekt;
    return zoekAlsRegel(*lijst, naarWindows1252(woord)) ? ZoekUitslag::Gevonden : ZoekUitslag::NietGevonden;
}

} // namespace core
