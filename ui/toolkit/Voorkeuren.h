#pragma once

#include "ui/spraak/Spraak.h"

#include <QString>

namespace ui {

// The operator's preferences for this computer, kept apart from Alfabolotto.ini (whose five
// lines stay as they are) in $XDG_CONFIG_HOME/alfabolotto/alfabolotto.conf.
struct Voorkeuren {
    bool passendOpScherm = true;        // the design fills the screen; off: 1:1 at the top left
    QString beeldscherm;                // the screen's name; empty: the primary screen
    bool nieuwsteLetterMarkeren = true; // a frame around the letter drawn last
    bool zaalschermAan = false;         // the game also on a second screen, for the hall
    QString zaalscherm;                 // that screen's name; empty: the first one not the operator's
    bool spraakAan = true;              // the drawn letters and the quiz result said aloud
    SpraakKeuze spraak;

    static QString pad();
    // What is stored; what is missing or unreadable keeps its default.
    static Voorkeuren lees();
    // False when the file could not be written; the message then says why, in Dutch.
    bool bewaar(QString *melding = nullptr) const;

    bool operator==(const Voorkeuren &) const = default;
};

} // namespace ui
