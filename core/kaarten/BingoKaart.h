#pragma once

#include "core/RandomSource.h"

#include <vector>

namespace core {

// One card as generated, before anything is printed: C columns by R rows of letter
// numbers (1 = "A" .. 26 = "Z"). Cells are addressed from 1: column 1 is the leftmost,
// row 1 the top letter row under the heading. A Free cell keeps its letter, but the
// sheet prints the FREE picture over it.
class BingoKaart
{
public:
    BingoKaart(int kolommen, int rijen);

    int kolommen() const { return m_kolommen; }
    int rijen() const { return m_rijen; }

    int letter(int kolom, int rij) const { return m_cellen[index(kolom, rij)].letter; }
    void setLetter(int kolom, int rij, int letter) { m_cellen[index(kolom, rij)].letter = letter; }

    bool isFree(int kolom, int rij) const { return m_cellen[index(kolom, rij)].free; }
    void setFree(int kolom, int rij, bool free = true) { m_cellen[index(kolom, rij)].free = free; }

private:
    struct Cel {
        int letter = 0;
        bool free = false;
    };

    std::size_t index(int kolom, int rij) const;

    int m_kolommen;
    int m_rijen;
    std::vector<Cel> m_cellen;
};

// The capital letter of a letter number: 1 -> 'A', 26 -> 'Z'.
inline char kaartLetterTeken(int letter) { return char(64 + letter); }

// One uniform letter number 1..26. The source is reseeded before the draw, as every
// card maker does for every single letter.
int TrekKaartLetter(RandomSource &random);

// A 5 x 5 card of 25 different letters, filled column by column, each column top to
// bottom; a letter already on the card is drawn again. The four corners are Free, so
// the printed card shows 21 different letters.
BingoKaart VulKaartUniek(RandomSource &random);

// A card of kolommen x rijen letters, one draw per cell in the same order, no retry:
// a letter may appear any number of times.
BingoKaart VulKaartWillekeurig(RandomSource &random, int kolommen, int rijen);

} // namespace core
