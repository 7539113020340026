#pragma once

#include <cstdint>

namespace core {

// A colour as the program stores it: three 8-bit components.
struct Kleur {
    int rood = 0;
    int groen = 0;
    int blauw = 0;

    // Packed as red + 256 x green + 65536 x blue where one number is needed.
    std::uint32_t packed() const
    {
        return std::uint32_t(rood) + 256u * std::uint32_t(groen) + 65536u * std::uint32_t(blauw);
    }
    static Kleur fromPacked(std::uint32_t value)
    {
        return {int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)};
    }
    friend bool operator==(const Kleur &, const Kleur &) = default;
};

} // namespace core
