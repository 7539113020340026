#include "core/LetterAfdruk.h"

namespace core {

int horizontaleCorrectie(char letter)
{
    switch (letter) {
    case 'I':
        return 7;
    case 'J':
        return 3;
    case 'M':
        return -4;
    case 'W':
        return -10;
    default:
        return 0;
    }
}

LetterAfdruk maakLetterAfdruk(char letter, int x, int y, Kleur kleur)
{
    const int links = x + horizontaleCorrectie(letter);
    return {letter, {links, y}, {links + 1, y + 1}, kleur};
}

} // namespace core
