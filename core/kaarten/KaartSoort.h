#pragma once

namespace core {

// The four kinds of card sheet.
enum class KaartSoort {
    Bingo,       // six 5 x 5 cards of 21 different letters, free corners
    Random,      // six 5 x 5 cards of 25 random letters
    Breed,       // three wide cards of 12 x 5 random letters
    VierBijVier, // six 4 x 4 cards under a title
};

} // namespace core
