#pragma once

#include "core/bingo/RondeBewaring.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct Algemeen;
class BingoWeergave;
class RandomSource;

// Draws the 26 letters of a round once each, in random order, and counts turns and rounds.
//
// One draw (TrekLetter) goes:
//   1. LetterTeller + 1, BeurtLabel "Letter : n".
//   2. From the 27th request on the round is over: the end-of-round message, nothing else.
//   3. begintTrekking, DraaiRondgang.
//   4. A free letter is chosen (the generator reseeded before every attempt).
//   5. DraaiNaar(letter), DrukLetter at the board position, the position moves on.
//   6. eindigtTrekking.
// The wheel runs let window events through, so TrekLetter and NieuweRonde can be called
// while a draw is under way; such calls do nothing (see bezig()). The window should also
// keep draws from starting while it slides the board for a new round.
class BingoRonde
{
public:
    BingoRonde(Algemeen &state, RandomSource &random, BingoWeergave &weergave);

    void TrekLetter();

    // Clears the board and starts the next round. Refused (returns false) during a draw.
    bool NieuweRonde();

    // The start-up sequence of the main window: one NieuweRonde to lay out the board, then
    // back to round 1, so every program run begins with round 1.
    void startNaOpstarten();

    // True from the start of the wheel's sweep until the letter stands on the board.
    bool bezig() const { return m_bezig; }

    // The round as it stands, to keep on disk.
    RondeStand stand() const;
    // Takes a kept round up again: the board cleared and the letters printed on it in their
    // order, without turning the wheel; the labels, counters and board position as they were.
    void herstel(const RondeStand &stand);

private:
    int kiesLetter();

    Algemeen &m_state;
    RandomSource &m_random;
    BingoWeergave &m_weergave;
    bool m_bezig = false;
    std::vector<int> m_volgorde; // the letters of this round, in draw order
};

inline constexpr const char *EindeRondeTitel = "Einde Ronde";

std::string beurtTekst(int letterTeller);
std::string rondeTekst(int rondeNummer);
std::string eindeRondeTekst(int rondeNummer);

} // namespace core
