#include "core/bestanden/Windows1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace core {
namespace {

// Code points of the bytes 0x80..0x9F; the others equal their byte value.
constexpr std::array<char32_t, 32> hogeTabel = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void voegUtf8Toe(std::string &uit, char32_t c)
{
    if (c < 0x80) {
        uit += char(c);
    } else if (c < 0x800) {
        uit += char(0xC0 | (c >> 6));
        uit += char(0x80 | (c & 0x3F));
    } else {
        uit += char(0xE0 | (c >> 12));
        uit += char(0x80 | ((c >> 6) & 0x3F));
        uit += char(0x80 | (c & 0x3F));
    }
}

std::optional<unsigned char> naarByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < hogeTabel.size(); ++i)
        if (hogeTabel[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// Decodes one UTF-8 character at position i and moves i past it; malformed input gives nullopt
// and moves i past one byte.
std::optional<char32_t> leesUtf8(std::string_view tekst, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(tekst[k]); };
    const unsigned char eerste = byte(i);
    int lengte = 0;
    char32_t waarde = 0;
    if (eerste < 0x80) {
        ++i;
        return eerste;
    } else if ((eerste & 0xE0) == 0xC0) {
        lengte = 2;
        waarde = eerste & 0x1F;
    } else if ((eerste & 0xF0) == 0xE0) {
        lengte = 3;
        waarde = eerste & 0x0F;
    } else if ((eerste & 0xF8) == 0xF0) {
        lengte = 4;
        waarde = eerste & 0x07;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + lengte > tekst.size()) {
        ++i;
        return std::nullopt;
    }
    for (int k = 1; k < lengte; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        waarde = (waarde << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are no characters: read as
    // characters they would let a malformed text slip in a quote or a line end.
    constexpr char32_t kleinste[] = {0, 0, 0x80, 0x800, 0x10000};
    if (waarde < kleinste[lengte] || waarde > 0x10FFFF || (waarde >= 0xD800 && waarde <= 0xDFFF)) {
        ++i;
        return std::nullopt;
    }
    i += lengte;
    return waarde;
}

// The length of the run of plain ASCII from i on, which reads the same in both encodings.
// Word lists are almost all ASCII: copied run by run they convert several times faster.
std::size_t asciiVanaf(std::string_view tekst, std::size_t i)
{
    std::size_t einde = i;
    while (einde < tekst.size() && static_cast<unsigned char>(tekst[einde]) < 0x80)
        ++einde;
    return einde - i;
}

} // namespace

std::string vanWindows1252(std::string_view bytes)
{
    std::string uit;
    uit.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t ascii = asciiVanaf(bytes, i);
        uit.append(bytes.substr(i, ascii));
        i += ascii;
        if (i == bytes.size())
            break;
        const auto b = static_cast<unsigned char>(bytes[i]);
        voegUtf8Toe(uit, b < 0xA0 ? hogeTabel[b - 0x80] : char32_t(b));
    }
    return uit;
}

std::string naarWindows1252(std::string_view utf8)
{
    std::string uit;
    uit.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t ascii = asciiVanaf(utf8, i);
        uit.append(utf8.substr(i, ascii));
        i += ascii;
        if (i == utf8.size())
            break;
        const auto c = leesUtf8(utf8, i);
        const auto b = c ? naarByte(*c) : std::nullopt;
        uit += b ? char(*b) : '?';
    }
    return uit;
}

bool pastInWindows1252(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = leesUtf8(utf8, i);
        if (!c || !naarByte(*c))
            return false;
    }
    return true;
}

} // namespace core

namespace core {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// A file saved as UTF-8 by a text editor: a byte-order mark, or UTF-8 throughout with at
// least one character beyond ASCII. A Windows-1252 text with accents is practically never
// valid UTF-8 (an accented letter would have to be followed by one of the symbols 0x80-0xBF).
bool isUtf8Bestand(std::string_view bytes)
{
    if (bytes.starts_with(ByteOrderMark))
        return true;
    bool nietAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        i += asciiVanaf(bytes, i);
        if (i == bytes.size())
            break;
        nietAscii = true;
        if (!leesUtf8(bytes, i))
            return false;
    }
    return nietAscii;
}

std::string_view zonderByteOrderMark(std::string_view bytes)
{
    return bytes.starts_with(ByteOrderMark) ? bytes.substr(ByteOrderMark.size()) : bytes;
}

} // namespace

std::string vanBestandsTekst(std::string_view bytes)
{
    return isUtf8Bestand(bytes) ? std::string(zonderByteOrderMark(bytes)) : vanWindows1252(bytes);
}

std::string alsWindows1252(std::string_view bytes)
{
    return isUtf8Bestand(bytes) ? naarWindows1252(zonderByteOrderMark(bytes)) : std::string(bytes);
}

} // namespace core
