#pragma once

#include "core/LetterAfdruk.h"

#include <string>

namespace core {

// What the bingo round asks of the screen. The main window implements it with the
// wheel, the board and the labels; tests record the calls.
class BingoWeergave
{
public:
    virtual ~BingoWeergave() = default;

    // Captions of BeurtLabel and RondeLabel.
    virtual void toonBeurt(const std::string &tekst) = 0;
    virtual void toonRonde(const std::string &tekst) = 0;

    // An OK-only message without icon, shown when a round has no letters left.
    virtual void toonEindeRonde(const std::string &titel, const std::string &tekst) = 0;

    // Around a draw: busy pointer and StartKnop disabled, then both restored.
    virtual void begintTrekking() = 0;
    virtual void eindigtTrekking() = 0;

    // The wheel runs of a draw (see LetterRad.h). They wait while letting window
    // events run, so the round may be called again from inside them.
    virtual void DraaiRondgang() = 0;
    virtual void DraaiNaar(int letter) = 0;

    // Prints a drawn letter on the board, both copies.
    virtual void DrukLetter(const LetterAfdruk &afdruk) = 0;

    // Clears the board back to its empty grid with the corner cells and start button.
    virtual void WisBord() = 0;
};

} // namespace core
