#pragma once

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

// What every window of the program is given: the shared state, the program's folder and
// the seams that tests replace (clock, random source, message boxes, waiting, the voice).
struct Omgeving {
    core::Algemeen &algemeen;
    core::Clock &klok;
    core::RandomSource &toeval;
    Dialogen &dialogen;
    Wachter &wachter;
    Spraak &spraak;
    QString programmaMap; // the folder of the executable: Alfabolotto.ini and Data/ live here

    QString dataMap() const { return programmaMap + QStringLiteral("/Data"); }
    QString instellingenPad() const { return programmaMap + QStringLiteral("/Alfabolotto.ini"); }
};

} // namespace ui
