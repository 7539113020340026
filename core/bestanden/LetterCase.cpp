#include "core/bestanden/LetterCase.h"

#include <cstddef>

namespace core {
namespace {

// A byte that does not start a valid UTF-8 character stands for itself, above every real
// character, so such texts still have a fixed order.
constexpr char32_t LooseByte = 0x110000;

struct Character {
    char32_t code;
    std::size_t length;
};

Character decode(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    if (first < 0x80)
        return {first, 1};
    std::size_t length = 0;
    char32_t code = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2;
        code = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        code = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        code = first & 0x07;
    } else {
        return {LooseByte + first, 1};
    }
    if (i + length > text.size())
        return {LooseByte + first, 1};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return {LooseByte + first, 1};
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    return {code, length};
}

void encode(std::string &out, char32_t c)
{
    // Only letters of the mapping tables are encoded here, all below U+0800.
    if (c < 0x80) {
        out += char(c);
    } else {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    }
}

char32_t lower(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c < 0xC0)
        return c;
    if (c <= 0xDE && c != 0xD7)
        return c + 32;
    switch (c) {
    case 0x0160:
        return 0x0161; // Š
    case 0x0152:
        return 0x0153; // Œ
    case 0x017D:
        return 0x017E; // Ž
    case 0x0178:
        return 0x00FF; // Ÿ
    default:
        return c;
    }
}

char32_t upper(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c < 0xE0)
        return c;
    if (c <= 0xFE && c != 0xF7)
        return c - 32;
    switch (c) {
    case 0x0161:
        return 0x0160;
    case 0x0153:
        return 0x0152;
    case 0x017E:
        return 0x017D;
    case 0x00FF:
        return 0x0178;
    default:
        return c;
    }
}

template <typename Mapping> std::string mapped(std::string_view text, Mapping map)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Character c = decode(text, i);
        const char32_t m = map(c.code);
        // Unchanged characters keep their own bytes, odd encodings included.
        if (m == c.code)
            out.append(text.substr(i, c.length));
        else
            encode(out, m);
        i += c.length;
    }
    return out;
}

} // namespace

std::string toLowerCase(std::string_view utf8) { return mapped(utf8, lower); }

std::string toUpperCase(std::string_view utf8) { return mapped(utf8, upper); }

int compareIgnoringCase(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ba = static_cast<unsigned char>(a[i]);
        const auto bb = static_cast<unsigned char>(b[j]);
        if (ba < 0x80 && bb < 0x80) { // the usual case, without decoding
            const char32_t la = lower(ba);
            const char32_t lb = lower(bb);
            if (la != lb)
                return la < lb ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const Character ca = decode(a, i);
        const Character cb = decode(b, j);
        const char32_t la = lower(ca.code);
        const char32_t lb = lower(cb.code);
        if (la != lb)
            return la < lb ? -1 : 1;
        i += ca.length;
        j += cb.length;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

} // namespace core
