#pragma once

#include "ui/toolkit/Bestandsplekken.h"

#include <QString>

namespace core {
class Clock;
class RandomSource;
struct Algemeen;
} // namespace core

namespace ui {

class Dialogen;
class Spraak;
class Wachter;

// What every window of the program is given: the shared state, where its files are and
// the seams that tests replace (clock, random source, message boxes, waiting, the voice).
struct Omgeving {
    core::Algemeen &algemeen;
    core::Clock &klok;
    core::RandomSource &toeval;
    Dialogen &dialogen;
    Wachter &wachter;
    Spraak &spraak;
    Bestandsplekken plekken; // Alfabolotto.ini and Data/: beside the program, or in the user's folders

    QString dataMap() const { return plekken.dataMap; }
    QString instellingenPad() const { return plekken.instellingenPad(); }
};

} // namespace ui
